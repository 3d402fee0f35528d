// The box depth and port length that give a working volume and a tuning
// through the analysis as it stands, everything else in the design kept.
#pragma once

#include <optional>
#include <string>

#include "analysis/analysis.hpp"

namespace enclavio {

// The design with `port_length`, and with `depth` when given (its internal
// volume then worked out from its dimensions, as the volume field's double
// click does), with its volumes and tuning worked out as the analysis does.
BoxDesign analysed_box(const BoxDesign& d, const AnalysisInputs& in, double port_length,
                       std::optional<double> depth = std::nullopt);

// What the analysis gives for a design.
struct BoxOutcome {
    double working_volume = 0;  // litres
    double tuning = 0;          // hz, before it is truncated
    double shown_tuning = 0;    // hz, as the tuning line shows it
};
BoxOutcome box_outcome(const BoxDesign& analysed);

struct BoxSolution {
    bool solved = false;
    double depth = 0;        // mm, outside
    double port_length = 0;  // mm
    BoxOutcome outcome;      // what the analysis gives with them
    std::string reason;      // why there are none, when not solved
};

// The depth (width, height, panel thickness and all else kept) and port length
// for which the analysis gives `working_volume` litres and the unrounded
// tuning `tuning`. The port's length follows from the tuning in that volume;
// the depth then from the volume with that port, whose own volume depends on
// its length. Refused, with the reason, when there are no ports or no port
// diameter, when no length above 5 mm gives the tuning, when no depth with
// room inside gives the volume, or when the port would be longer inside the
// box than the box's longest inner dimension, or where the port-length
// solver, asked for the tuning in the box of that depth, would not give the
// same port (typing the fit in goes through that solver).
BoxSolution solve_box(const BoxDesign& d, const AnalysisInputs& in, double working_volume, double tuning);

}  // namespace enclavio
