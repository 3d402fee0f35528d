// Panel set and the cutting-list texts in each unit mode.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design/design.hpp"
#include "units/units.hpp"

namespace enclavio {

enum class PanelKind { Top, FrontOuter, FrontInner, LeftSide, RightSide, Rear, Bottom, ShelfBrace };
inline constexpr int kPanelCount = 8;

// The panel's name as its cutting-list line begins: "Top panel", "Front outer
// panel", ..., "Shelf brace".
std::string_view panel_name(PanelKind kind);

// One panel's size as the cutting list computes it, in millimetres, before it
// is written in a unit mode: the two dimensions in the order its line lists
// them (wide then deep, wide then high, or deep then high), exact or with the
// trimming allowance. The shelf brace always includes its rebate.
struct PanelSize {
    PanelKind kind;
    std::string_view name;
    double first = 0;
    double second = 0;
};

// Every panel in PanelKind order, the front inner panel too (the list computes
// its line in any case and shows it only with a double front).
std::array<PanelSize, kPanelCount> panel_sizes(const BoxDesign& d, bool show_exact);
// The panels the box is built from: as above, the front inner panel only with
// a double front.
std::vector<PanelSize> box_panels(const BoxDesign& d, bool show_exact);
// The list is made only for a box over 1 mm in depth, width and height.
bool has_panel_sizes(const BoxDesign& d);

// A length written as the cutting list writes it in the mode: number_text of
// millimetres or centimetres, or the imperial formatter's feet-inches-sixteenths
// or decimal inches ("ERR" for a value it cannot take).
std::string cutting_value_text(UnitMode mode, double mm);

// The trimming hint of each panel, in PanelKind order.
const std::array<std::string_view, kPanelCount>& trimming_hints();

// The texts of one cutting-list run. Starts with the panels' names; a run
// whose guard fails keeps every previous text.
struct CuttingList {
    std::string finished_line;
    std::array<std::string, kPanelCount> panel_lines{"Top panel",       "Front outer panel", "Front inner panel",
                                                     "Left side panel", "Right side panel",  "Rear panel",
                                                     "Bottom panel",    "Shelf brace"};
    bool front_inner_visible = true;
    std::string brace_note = "Shelf brace includes 5mm all round for rebating into 4 adjacent panels";
    std::string allowance_caption = "Show an extra 5mm on any edges to be trimmed after gluing";
    std::string allowance_text;
    std::string allowance2_text;
};

// Recomputes the list for the design in the given mode, exact sizes or with
// trimming allowance. Does nothing when depth, width or height is <= 1 mm.
void do_panels(const BoxDesign& d, UnitMode mode, bool show_exact, CuttingList& list);

// The line that heads a printed list: "Panel dimensions show finished size",
// or with the allowance "Panel dimensions include " + allowance_text + " " +
// unit suffix (" mm", ...) + " allowance on any edges to be trimmed after gluing".
std::string list_heading(const CuttingList& list, bool show_exact, std::string_view unitsuffix);

// The cutting list for spreadsheets and cut-list programs: a header line, then
// one line per panel the box is built from (the front inner panel only with a
// double front, the shelf brace always): name, first size, second size,
// quantity, unit. Sizes are written as the list shows them in the mode,
// without the leading blank, with a zero before a leading point; the unit is
// "mm", "cm", "ft-in" (feet, inches and sixteenths) or "in". Fields holding a
// comma or a quote are quoted; each line ends with CR LF.
std::string cutting_csv(const BoxDesign& d, UnitMode mode, bool show_exact);

}  // namespace enclavio
