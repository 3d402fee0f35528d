// The analysis: volume budget, tuning, the nine resonances, the resonance
// graph's drawing model, port end correction and bracing volumes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/design.hpp"
#include "units/units.hpp"

namespace enclavio {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
inline constexpr Colour black{0, 0, 0};
inline constexpr Colour white{255, 255, 255};
inline constexpr Colour red{255, 0, 0};
inline constexpr Colour green{0, 128, 0};
inline constexpr Colour dark_red{128, 0, 0};
inline constexpr Colour olive{128, 128, 0};
inline constexpr Colour navy{0, 0, 128};
inline constexpr Colour grey{128, 128, 128};
inline constexpr Colour light_grey{224, 224, 224};
inline constexpr Colour silver{192, 192, 192};
inline constexpr Colour blue{55, 106, 240};
inline constexpr Colour dark_blue{0, 0, 192};
inline constexpr Colour pure_blue{0, 0, 255};
inline constexpr Colour light_orange{255, 224, 192};
inline constexpr Colour graph_background{253, 226, 166};
}  // namespace colours

// ---- Port ends -------------------------------------------------------------
enum class Flange { None, One, Two };
double end_correction(Flange f);                                // 0.614, 0.732, 0.85
std::string_view flange_word(Flange f);                         // "noflange", "oneflange", "twoflange"
std::optional<Flange> flange_from_word(std::string_view word);  // exact
std::string_view flange_item_caption(Flange f);                 // "&No ends flanged", ...
std::string_view flange_menu_caption(Flange f);                 // "&Port Flanges=0", ...
inline constexpr std::string_view kFlangeMenuStartCaption = "&Port Flanges-1";

// ---- Bracing (the bracing window's choices; read by every analysis) ---------
struct BracingChoices {
    bool edge_manual = false;            // Option2 selected
    std::string edge_text = "0";         // Text2
    bool shelf_manual = false;           // option4 selected
    std::string shelf_text = "0";        // Text3
    std::string shelf_count_text = "1";  // Text1, number of shelf braces
};

// ---- Graph -----------------------------------------------------------------
struct GraphOptions {
    int range = 1000;       // 1000 or 2000 Hz (the user-coordinate width)
    bool shownums = false;  // mnu_shownums
    bool highlight = true;  // mnu_highlight
};

struct GraphItem {
    enum class Kind { Line, Rect, Dot, Text };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // user coordinates; Dot and Text use x1, y1
    Colour colour;
    int pen = 1;       // pen width in pixels (a Dot's diameter)
    std::string text;  // Text only; (x1, y1) is its top-left corner
    // Text only: a text that starts inside the strip but would run past its
    // right edge is set flush against that edge instead (the axis labels, so
    // that the range's last label reads whole).
    bool keep_inside = false;
};

// The strip graph: 0..range wide, 0..100 high. Its table of drawn frequencies
// lives as long as the main window and is never cleared.
class Graph {
public:
    void clear_and_draw_axis();
    Colour drawres(std::int16_t freq, int num, const GraphOptions& options);
    const std::vector<GraphItem>& items() const { return items_; }
    std::int16_t drawn(int num) const { return drawnfreq_.at(num); }

private:
    std::vector<GraphItem> items_;
    std::array<std::int16_t, 11> drawnfreq_{};
    int pen_ = 1;
};

// ---- Results ---------------------------------------------------------------
struct ResultLabel {
    std::string caption;
    Colour colour;
    bool enabled = true;
};

// What the results frame shows; kept between runs because a resonance that is
// not applicable leaves its colour as it was.
struct Results {
    std::array<ResultLabel, 10> resonance;  // [1]..[9] = (1)..(9); [0] unused
    ResultLabel label6{"Volume Required by Ports unknown", colours::grey};
    ResultLabel label28{"Label28", colours::grey};
    ResultLabel label26{"Working Vol", colours::blue};
    ResultLabel label27{"Tune", colours::blue};
    std::string edge_caption = "2.1";   // bracing window Label2
    std::string shelf_caption = "0.8";  // bracing window Label3
    Results();
};

// Control name of resonance n's label: (1) "Label7", (2) "Label21", ...
std::string_view resonance_label_name(int n);

struct AnalysisInputs {
    std::string_view ports_text;    // Text5
    std::string_view drivers_text;  // Text10
    UnitMode mode = UnitMode::Metric;
    Flange flange = Flange::One;
    GraphOptions graph;
    BracingChoices bracing;
};

// One full analysis run, in the fixed order: writes the results into the
// design, the captions and colours into `results`, and redraws `graph`.
void res_wall2wall(BoxDesign& d, const AnalysisInputs& in, Graph& graph, Results& results);

}  // namespace enclavio
