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
    bool edge_manual = false;            // edge bracing volume typed rather than estimated
    std::string edge_text = "0";         // the typed edge bracing volume
    bool shelf_manual = false;           // shelf bracing volume typed rather than estimated
    std::string shelf_text = "0";        // the typed shelf bracing volume
    std::string shelf_count_text = "1";  // number of shelf braces, as typed
};

struct AnalysisInputs {
    std::string_view ports_text;    // number of ports, as typed
    std::string_view drivers_text;  // number of drivers, as typed
    UnitMode mode = UnitMode::Metric;
    Flange flange = Flange::One;
    GraphOptions graph;
    BracingChoices bracing;
};

}  // namespace enclavio
