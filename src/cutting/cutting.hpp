// Panel set and the cutting-list texts in each unit mode.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "design/design.hpp"
#include "units/units.hpp"

namespace enclavio {

enum class PanelKind { Top, FrontOuter, FrontInner, LeftSide, RightSide, Rear, Bottom, ShelfBrace };
inline constexpr int kPanelCount = 8;

// The trimming hint of each panel, in PanelKind order.
const std::array<std::string_view, kPanelCount>& trimming_hints();

// The texts of one cutting-list run. Starts with the window's design-time
// captions; a run whose guard fails keeps every previous text.
struct CuttingList {
    std::string finished_line = "Label12";
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

}  // namespace enclavio
