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

ValueWriter value_writer(UnitMode mode) {
    switch (mode) {
        case UnitMode::Metric: return write_mm;
        case UnitMode::MetricCm: return write_cm;
        case UnitMode::Inches: return write_feet_inches;
        case UnitMode::DecimalInches: return write_decimal_inches;
    }
    return write_mm;
}

// Shared by the four producers: the same lines from the same sizes.
void produce(const BoxDesign& d, bool show_exact, const Pieces& p, ValueWriter v, CuttingList& list) {
    const std::array<PanelSize, kPanelCount> size = panel_sizes(d, show_exact);
    const bool double_front = d.doublefront == 1;
    // Name, first size, the words after it, second size, the words after it.
    auto line = [&](PanelKind k, std::string_view after_first, std::string_view after_second) {
        const PanelSize& z = size[static_cast<int>(k)];
        return std::string(z.name) + " " + v(z.first) + std::string(after_first) + v(z.second) +
               std::string(after_second);
    };
    auto at = [&list](PanelKind k) -> std::string& { return list.panel_lines[static_cast<int>(k)]; };

    list.finished_line = "Finished size " + v(d.boxwidth) + std::string(p.a) + v(d.boxheight) + std::string(p.b) +
                         v(d.boxdepth) + std::string(p.c) + v(d.boxthickness) +
                         std::string(double_front ? p.e_double : p.e_single);
    list.front_inner_visible = double_front;

    // The front inner panel is cut exact in both states, and the brace
    // includes its rebate whichever option is chosen.
    at(PanelKind::FrontInner) = line(PanelKind::FrontInner, p.wide, p.high_end);
    at(PanelKind::ShelfBrace) = line(PanelKind::ShelfBrace, p.wide, p.deep_end);

    if (show_exact) {
        at(PanelKind::Top) = line(PanelKind::Top, p.wide, p.deep_end);
        at(PanelKind::FrontOuter) = line(PanelKind::FrontOuter, p.wide, p.high_end);
        at(PanelKind::LeftSide) = line(PanelKind::LeftSide, p.deep_mid, p.high_end);
        at(PanelKind::RightSide) = line(PanelKind::RightSide, p.deep_mid, p.high_end);
        at(PanelKind::Rear) = line(PanelKind::Rear, p.wide, p.high_end);
        at(PanelKind::Bottom) = line(PanelKind::Bottom, p.wide, p.deep_end);
    } else {
        // The words after a size with allowance name how much was added.
        const std::string& a1 = list.allowance_text;
        const std::string& a2 = list.allowance2_text;
        const std::string one_gap = a1 + " extra)   ", one_end = a1 + " extra)";
        const std::string two_gap = a2 + " extra)   ", two_end = a2 + " extra)";
        const std::string wide_two = std::string(p.wide_open) + two_gap;
        const std::string deep_one = std::string(p.deep_open) + one_gap;
        at(PanelKind::Top) = line(PanelKind::Top, wide_two, std::string(p.deep_open) + one_end);
        at(PanelKind::FrontOuter) = line(PanelKind::FrontOuter, wide_two, std::string(p.high_open) + two_end);
        at(PanelKind::LeftSide) = line(PanelKind::LeftSide, deep_one, std::string(p.high_open) + one_end);
        at(PanelKind::RightSide) = line(PanelKind::RightSide, deep_one, std::string(p.high_open) + one_end);
        at(PanelKind::Rear) = line(PanelKind::Rear, p.wide, p.rear_high);
        at(PanelKind::Bottom) = line(PanelKind::Bottom, p.wide, std::string(p.bottom_deep_open) + one_end);
    }
}

// The four producers: the same lines, each in its own words and values.
void do_metric(const BoxDesign& d, bool show_exact, CuttingList& list) {
    produce(d, show_exact, kMetricPieces, write_mm, list);
}
void do_metriccm(const BoxDesign& d, bool show_exact, CuttingList& list) {
    produce(d, show_exact, kMetricCmPieces, write_cm, list);
}
void do_inches(const BoxDesign& d, bool show_exact, CuttingList& list) {
    produce(d, show_exact, kInchesPieces, write_feet_inches, list);
}
void do_decimalinches(const BoxDesign& d, bool show_exact, CuttingList& list) {
    produce(d, show_exact, kDecimalInchesPieces, write_decimal_inches, list);
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

std::string_view panel_name(PanelKind kind) {
    static constexpr std::array<std::string_view, kPanelCount> names{
        "Top panel",        "Front outer panel", "Front inner panel", "Left side panel",
        "Right side panel", "Rear panel",        "Bottom panel",      "Shelf brace"};
    return names[static_cast<int>(kind)];
}

std::array<PanelSize, kPanelCount> panel_sizes(const BoxDesign& d, bool show_exact) {
    const double D = d.boxdepth, W = d.boxwidth, H = d.boxheight, T = d.boxthickness;
    const double inner_wide = W - T * 2;
    const double inner_high = H - T * 2;
    const double side_deep = D - T;
    const double side_high = H - T;
    // The brace is rebated into the sides, the (inner) front and the rear.
    const double brace_wide = (W - T * 2) + kBraceRebate;
    const double brace_deep = (D - T * (d.doublefront == 1 ? 3 : 2)) + kBraceRebate;
    // Allowance: both side edges of the top and all round the front outer
    // (10 mm a dimension); one edge of each side dimension and the back edge
    // of the bottom (5 mm). Adding a zero allowance leaves a size unchanged.
    const double one = show_exact ? 0 : kTrim;
    const double both = show_exact ? 0 : kTrimBoth;

    auto size = [](PanelKind k, double first, double second) { return PanelSize{k, panel_name(k), first, second}; };
    return {
        size(PanelKind::Top, W + both, side_deep + one),
        size(PanelKind::FrontOuter, W + both, H + both),
        size(PanelKind::FrontInner, inner_wide, inner_high),
        size(PanelKind::LeftSide, side_deep + one, side_high + one),
        size(PanelKind::RightSide, side_deep + one, side_high + one),
        size(PanelKind::Rear, inner_wide, inner_high),
        size(PanelKind::Bottom, inner_wide, side_deep + one),
        size(PanelKind::ShelfBrace, brace_wide, brace_deep),
    };
}

std::vector<PanelSize> box_panels(const BoxDesign& d, bool show_exact) {
    std::vector<PanelSize> panels;
    for (const PanelSize& p : panel_sizes(d, show_exact)) {
        if (p.kind == PanelKind::FrontInner && d.doublefront != 1) continue;
        panels.push_back(p);
    }
    return panels;
}

bool has_panel_sizes(const BoxDesign& d) { return d.boxdepth > 1 && d.boxwidth > 1 && d.boxheight > 1; }

std::string cutting_value_text(UnitMode mode, double mm) { return value_writer(mode)(mm); }

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

std::string list_heading(const CuttingList& list, bool show_exact, std::string_view unitsuffix) {
    if (show_exact) return "Panel dimensions show finished size";
    return "Panel dimensions include " + list.allowance_text + " " + std::string(unitsuffix) +
           " allowance on any edges to be trimmed after gluing";
}

namespace {

std::string_view csv_unit(UnitMode mode) {
    switch (mode) {
        case UnitMode::Metric: return "mm";
        case UnitMode::MetricCm: return "cm";
        case UnitMode::Inches: return "ft-in";
        case UnitMode::DecimalInches: return "in";
    }
    return "mm";
}

// A size as a spreadsheet reads it: no padding blank, "0.5" rather than ".5".
std::string csv_size(UnitMode mode, double mm) {
    std::string text = cutting_value_text(mode, mm);
    const auto first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    if (text.starts_with('.')) text.insert(0, "0");
    if (text.starts_with("-.")) text.insert(1, "0");
    return text;
}

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string cutting_csv(const BoxDesign& d, UnitMode mode, bool show_exact) {
    std::string out = "Panel,First size,Second size,Quantity,Unit\r\n";
    for (const PanelSize& p : box_panels(d, show_exact)) {
        for (const std::string& field :
             {csv_field(p.name), csv_field(csv_size(mode, p.first)), csv_field(csv_size(mode, p.second))}) {
            out += field;
            out += ',';
        }
        out += "1,";
        out += csv_unit(mode);
        out += "\r\n";
    }
    return out;
}

void do_panels(const BoxDesign& d, UnitMode mode, bool show_exact, CuttingList& list) {
    // A box with no real size keeps whatever list is on show.
    if (!has_panel_sizes(d)) return;

    const AllowanceWords words = allowance_words(mode);
    list.allowance_text = std::string(words.one_edge);
    list.allowance2_text = std::string(words.two_edges);
    list.brace_note = "Shelf brace includes " + list.allowance_text + std::string(words.unit) +
                      " all round for rebating into 4 adjacent panels";
    list.allowance_caption =
        "Show an extra " + list.allowance_text + std::string(words.unit) + " on any edges to be trimmed after gluing";

    switch (mode) {
        case UnitMode::Metric: do_metric(d, show_exact, list); break;
        case UnitMode::MetricCm: do_metriccm(d, show_exact, list); break;
        case UnitMode::Inches: do_inches(d, show_exact, list); break;
        case UnitMode::DecimalInches: do_decimalinches(d, show_exact, list); break;
    }
}

}  // namespace enclavio
