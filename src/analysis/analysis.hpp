// One analysis run: volume budget, tuning, the nine resonances and their
// graph, and the texts of the results.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "analysis/colour.hpp"
#include "analysis/graph.hpp"
#include "analysis/inputs.hpp"
#include "analysis/port_ends.hpp"
#include "design/design.hpp"

namespace enclavio {

// The standing waves analysed, numbered (1) to (9) in the results and on the
// graph.
inline constexpr int kResonanceCount = 9;

struct ResultLabel {
    std::string caption;
    Colour colour;
    bool enabled = true;
};

// What the results frame shows; kept between runs because a resonance that is
// not applicable leaves its colour as it was. Captions not set here are
// written by the first analysis.
struct Results {
    std::array<ResultLabel, kResonanceCount + 1> resonance;  // [1]..[9] = (1)..(9); [0] unused
    ResultLabel ports_and_bracing_line{"Volume Required by Ports unknown", colours::grey};
    ResultLabel driver_and_total_line{"", colours::grey};
    ResultLabel working_volume_line{"Working Vol", colours::blue};
    ResultLabel tuning_line{"Tune", colours::blue};
    std::string edge_caption = "2.1";   // automatic edge bracing volume
    std::string shelf_caption = "0.8";  // automatic shelf bracing volume
    Results();
};

// One full analysis run, in the fixed order: writes the results into the
// design, the captions and colours into `results`, and redraws `graph`.
void res_wall2wall(BoxDesign& d, const AnalysisInputs& in, Graph& graph, Results& results);

}  // namespace enclavio
