// The port length that tunes the box to a chosen frequency.
#pragma once

#include <string>

#include "analysis/analysis.hpp"

namespace enclavio {

struct PortSolveResult {
    bool solved = false;
    double length = 0;    // millimetres, when solved
    std::string message;  // why no length could be found, when not solved
};

// Finds the port length L for which the analysis, run with the same inputs
// (counts texts, flange, bracing), gives the tuning `target_hz` before it is
// truncated to one decimal. Of the lengths that do, the shortest one above
// 5 mm that leaves a working volume above 0 is taken. A length so long that
// the ports fill the box and a longer one would tune higher is taken only
// when it is no longer than the box's longest inner dimension. A target
// above what the shortest port gives is refused as too high, one that no
// port fitting the box reaches as needing a larger box.
PortSolveResult find_port_length(const BoxDesign& d, const AnalysisInputs& in, double target_hz);

// As find_port_length, and stores the length in d.portlength when one was
// found; on refusal the design is left as it was.
PortSolveResult solve_port_length(BoxDesign& d, const AnalysisInputs& in, double target_hz);

}  // namespace enclavio
