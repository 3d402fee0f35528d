// The two designs for the driver, each with the depth and port length that
// give it in the design as it stands: what the response window shows beside
// the current design and what its Apply types into the fields.
#pragma once

#include "response/box_solver.hpp"
#include "response/fit.hpp"

namespace enclavio {

struct DesignFit {
    Fit fit;          // working volume, tuning and F3, or why there is none
    BoxSolution box;  // the depth and port length giving them, or why there are none
    bool can_apply() const { return fit.found && box.solved; }
};

// "Tune this box": the port length alone changes, and with it the port's own
// volume; the tuning is the fit for the working volume the box has with that
// port, so that applying it twice changes nothing. box.depth is the design's.
DesignFit tune_this_box(const DriverParameters& p, const BoxDesign& d, const AnalysisInputs& in);

// "Box for a target F3": the smallest working volume reaching the target,
// with the depth and port length that give it.
DesignFit box_for_target(const DriverParameters& p, const BoxDesign& d, const AnalysisInputs& in, double target_f3);

}  // namespace enclavio
