// The cutting list: panel sizes from the external box dimensions and the
// panel thickness, written in the current unit mode.
//
// Every size is computed in millimetres in the written order (product, then
// subtraction, then the allowance or rebate) and only then converted for
// display, one value at a time.
#include "cutting/cutting.hpp"

#include <string>

namespace enclavio {

namespace {

// Trim allowance on one edge, and on a dimension trimmed at both ends; the
// shelf brace's rebate into its four neighbours uses the same 5 mm a side.
constexpr double kTrim = 5.0;
constexpr double kTrimBoth = 10.0;
constexpr double kBraceRebate = 10.0;

// The words of one producer: the finished-size line and the panel lines.
struct Pieces {
    // Finished line: W a H b D c T e.
    std::string_view a, b, c, e_double, e_single;
    // Panel lines.
    std::string_view wide, deep_mid, deep_end, high_end;
    std::string_view wide_open, deep_open, high_open;
    std::string_view rear_high, bottom_deep_open;
};

constexpr Pieces kMetricPieces{" mm wide   ",
                               " mm high ",
                               " mm deep - Panel thickness ",
                               " mm - Double Front Panel",
                               " mm - Single Front Panel",
                               " mm wide   ",
                               " mm deep   ",
                               " mm deep",
                               " mm high",
                               " mm wide (",
                               " mm deep (",
                               " mm high (",
                               "mm high",
                               "mm deep ("};

constexpr Pieces kMetricCmPieces{" cm wide   ",
                                 " cm high ",
                                 " cm deep - Panel thickness ",
                                 " cm - Double Front Panel",
                                 " cm - Single Front Panel",
                                 " cm wide   ",
                                 " cm deep   ",
                                 " cm deep",
                                 " cm high",
                                 " cm wide (",
                                 " cm deep (",
                                 " cm high (",
                                 "cm high",
                                 "cm deep ("};

constexpr Pieces kInchesPieces{" in wide   ",
                               " in high ",
                               " in deep - Panel thickness ",
                               " in - Double Front Panel",
                               " in - Single Front Panel",
                               " inches wide   ",
                               " inches deep   ",
                               " inches deep",
                               " inches high",
                               " inches wide (",
                               " inches deep (",
                               " inches high (",
                               " inches high",
                               " inches deep ("};

// Decimal inches: depth and thickness run into "in" on the finished line.
constexpr Pieces kDecimalInchesPieces{" inches wide   ",
                                      " inches high ",
                                      "in deep - Panel thickness ",
                                      "in - Double Front Panel",
                                      "in - Single Front Panel",
                                      " inches wide   ",
                                      " inches deep   ",
                                      " inches deep",
                                      " inches high",
                                      " inches wide (",
                                      " inches deep (",
                                      " inches high (",
                                      " inches high",
                                      " inches deep ("};

// How a length in millimetres is written by each producer.
using ValueWriter = std::string (*)(double mm);

std::string write_mm(double mm) { return number_text(mm); }
std::string write_cm(double mm) { return number_text(mm / kMmPerCm); }
// Each value gets its own run of the formatter; a size it cannot take
// (negative, or in exponent form) comes back as "ERR".
std::string write_feet_inches(double mm) { return format_imperial(number_text(mm)).feet_inches; }
std::string write_decimal_inches(double mm) { return format_imperial(number_text(mm)).decimal_inches; }

// The panel sizes of one design, millimetres.
struct Sizes {
    double D, W, H, T;
    bool double_front;

    double inner_wide() const { return W - T * 2; }
    double inner_high() const { return H - T * 2; }
    double side_deep() const { return D - T; }
    double side_high() const { return H - T; }
    double brace_wide() const { return (W - T * 2) + kBraceRebate; }
    double brace_deep() const { return (D - T * (double_front ? 3 : 2)) + kBraceRebate; }
};

// Shared by the four producers: the same lines from the same formulas.
void produce(const Sizes& z, bool show_exact, const Pieces& p, ValueWriter v, CuttingList& list) {
    const std::string& a1 = list.allowance_text;
    const std::string& a2 = list.allowance2_text;
    auto& line = list.panel_lines;
    auto at = [&line](PanelKind k) -> std::string& { return line[static_cast<int>(k)]; };

    list.finished_line = "Finished size " + v(z.W) + std::string(p.a) + v(z.H) + std::string(p.b) + v(z.D) +
                         std::string(p.c) + v(z.T) + std::string(z.double_front ? p.e_double : p.e_single);
    list.front_inner_visible = z.double_front;

    const std::string wide(p.wide), deep_mid(p.deep_mid), deep_end(p.deep_end), high_end(p.high_end);
    const std::string wide_open(p.wide_open), deep_open(p.deep_open), high_open(p.high_open);

    // The front inner panel is cut exact in both states.
    const std::string front_inner = "Front inner panel " + v(z.inner_wide()) + wide + v(z.inner_high()) + high_end;

    if (show_exact) {
        at(PanelKind::Top) = "Top panel " + v(z.W) + wide + v(z.side_deep()) + deep_end;
        at(PanelKind::FrontOuter) = "Front outer panel " + v(z.W) + wide + v(z.H) + high_end;
        at(PanelKind::FrontInner) = front_inner;
        at(PanelKind::LeftSide) = "Left side panel " + v(z.side_deep()) + deep_mid + v(z.side_high()) + high_end;
        at(PanelKind::RightSide) = "Right side panel " + v(z.side_deep()) + deep_mid + v(z.side_high()) + high_end;
        at(PanelKind::Rear) = "Rear panel " + v(z.inner_wide()) + wide + v(z.inner_high()) + high_end;
        at(PanelKind::Bottom) = "Bottom panel " + v(z.inner_wide()) + wide + v(z.side_deep()) + deep_end;
    } else {
        const std::string extra = " extra)";
        const std::string extra_gap = " extra)   ";
        at(PanelKind::Top) = "Top panel " + v(z.W + kTrimBoth) + wide_open + a2 + extra_gap + v(z.side_deep() + kTrim) +
                             deep_open + a1 + extra;
        at(PanelKind::FrontOuter) = "Front outer panel " + v(z.W + kTrimBoth) + wide_open + a2 + extra_gap +
                                    v(z.H + kTrimBoth) + high_open + a2 + extra;
        at(PanelKind::FrontInner) = front_inner;
        at(PanelKind::LeftSide) = "Left side panel " + v(z.side_deep() + kTrim) + deep_open + a1 + extra_gap +
                                  v(z.side_high() + kTrim) + high_open + a1 + extra;
        at(PanelKind::RightSide) = "Right side panel " + v(z.side_deep() + kTrim) + deep_open + a1 + extra_gap +
                                   v(z.side_high() + kTrim) + high_open + a1 + extra;
        at(PanelKind::Rear) = "Rear panel " + v(z.inner_wide()) + wide + v(z.inner_high()) + std::string(p.rear_high);
        at(PanelKind::Bottom) = "Bottom panel " + v(z.inner_wide()) + wide + v(z.side_deep() + kTrim) +
                                std::string(p.bottom_deep_open) + a1 + extra;
    }

    // The brace includes its rebate whichever option is chosen.
    at(PanelKind::ShelfBrace) = "Shelf brace " + v(z.brace_wide()) + wide + v(z.brace_deep()) + deep_end;
}

void do_metric(const Sizes& z, bool show_exact, CuttingList& list) {
    produce(z, show_exact, kMetricPieces, write_mm, list);
}
void do_metriccm(const Sizes& z, bool show_exact, CuttingList& list) {
    produce(z, show_exact, kMetricCmPieces, write_cm, list);
}
void do_inches(const Sizes& z, bool show_exact, CuttingList& list) {
    produce(z, show_exact, kInchesPieces, write_feet_inches, list);
}
void do_decimalinches(const Sizes& z, bool show_exact, CuttingList& list) {
    produce(z, show_exact, kDecimalInchesPieces, write_decimal_inches, list);
}

// The allowance labels of each mode; the arithmetic is always 5 and 10 mm.
struct AllowanceWords {
    std::string_view one_edge, two_edges, unit;
};
AllowanceWords allowance_words(UnitMode mode) {
    switch (mode) {
        case UnitMode::Metric: return {"5", "10", " mm"};
        case UnitMode::MetricCm: return {"0.5", "1", " cm"};
        case UnitMode::Inches: return {"3/16", "3/8", " inch"};
        case UnitMode::DecimalInches: return {"0.2", "0.4", " inch"};
    }
    return {"5", "10", " mm"};
}

}  // namespace

const std::array<std::string_view, kPanelCount>& trimming_hints() {
    static constexpr std::array<std::string_view, kPanelCount> hints{
        "Top Panel: Good edge to front - trim both side edges and back edge after glue dries",
        "Front Outer Panel: trim all around after glue dries",
        "Front inner panel to be cut exact",
        "Left side panel: Good edges to top and front - trim bottom and back edges after glue dries",
        "Right side panel: Good edges to top and front - trim bottom and back edges after glue dries",
        "Rear panel to be cut exact",
        "Bottom panel: Good edges front and sides - trim back edge after glue dries",
        "Shelf brace to be cut exact",
    };
    return hints;
}

void do_panels(const BoxDesign& d, UnitMode mode, bool show_exact, CuttingList& list) {
    // A box with no real size keeps whatever list is on show.
    if (d.boxdepth <= 1 || d.boxwidth <= 1 || d.boxheight <= 1) return;

    const AllowanceWords words = allowance_words(mode);
    list.allowance_text = std::string(words.one_edge);
    list.allowance2_text = std::string(words.two_edges);
    list.brace_note = "Shelf brace includes " + list.allowance_text + std::string(words.unit) +
                      " all round for rebating into 4 adjacent panels";
    list.allowance_caption =
        "Show an extra " + list.allowance_text + std::string(words.unit) + " on any edges to be trimmed after gluing";

    const Sizes z{d.boxdepth, d.boxwidth, d.boxheight, d.boxthickness, d.doublefront == 1};
    switch (mode) {
        case UnitMode::Metric: do_metric(z, show_exact, list); break;
        case UnitMode::MetricCm: do_metriccm(z, show_exact, list); break;
        case UnitMode::Inches: do_inches(z, show_exact, list); break;
        case UnitMode::DecimalInches: do_decimalinches(z, show_exact, list); break;
    }
}

}  // namespace enclavio
