// What an analysis run reads besides the design: the bracing window's
// choices, the ports and drivers fields, the unit mode, the flanges and the
// graph's options.
#pragma once

#include <string>
#include <string_view>

#include "analysis/graph.hpp"
#include "analysis/port_ends.hpp"
#include "units/units.hpp"

namespace enclavio {

// The bracing window's choices; read by every analysis.
struct BracingChoices {
    bool edge_manual = false;            // Option2 selected
    std::string edge_text = "0";         // Text2
    bool shelf_manual = false;           // option4 selected
    std::string shelf_text = "0";        // Text3
    std::string shelf_count_text = "1";  // Text1, number of shelf braces
};

struct AnalysisInputs {
    std::string_view ports_text;    // Text5
    std::string_view drivers_text;  // Text10
    UnitMode mode = UnitMode::Metric;
    Flange flange = Flange::One;
    GraphOptions graph;
    BracingChoices bracing;
};

}  // namespace enclavio
