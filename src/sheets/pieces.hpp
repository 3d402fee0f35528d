// The pieces to lay out: the panels of the cutting list, for one box or more.
#pragma once

#include <string>
#include <vector>

#include "design/design.hpp"

namespace enclavio::sheets {

// One piece in millimetres, its two dimensions in the order the cutting list
// gives them. Unturned, the first lies across the sheet.
struct Piece {
    std::string name;  // "Top panel", as the cutting list writes it
    double first = 0;
    double second = 0;
};

inline constexpr int kMaxBoxes = 8;
inline constexpr int kMaxShelfBraces = 20;  // per box

// The brace count of the bracing window (any number typed) as a count of
// pieces: whole braces, 0 to kMaxShelfBraces.
int shelf_braces_from_count(double counted);

// Every panel of the design's cutting list, exact or with allowance: the front
// inner panel only with a double front, `shelf_braces` shelf braces (clamped
// to 0..kMaxShelfBraces), all of it `boxes` times (clamped to 1..kMaxBoxes),
// box after box. Empty when the cutting list has no sizes for the design.
std::vector<Piece> design_pieces(const BoxDesign& d, bool show_exact, int boxes = 1, int shelf_braces = 1);

}  // namespace enclavio::sheets
