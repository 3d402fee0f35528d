// One sheet of the layout drawn as primitives in board millimetres, which a
// Qt painter and the SVG writer below both render: the board, each piece to
// scale with its name and size, offcuts hatched and labelled, and the kerfs
// at their true width (visible when zoomed in).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sheets/layout.hpp"
#include "units/units.hpp"

namespace enclavio::sheets {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Outlines and lines are given in screen pixels (cosmetic: the same width at
// any zoom); everything else in board millimetres, x across, y along (down).
struct DrawRect {
    Rect r;
    Rgb fill;
    bool filled = true;
    Rgb stroke;
    double stroke_px = 0;  // 0: no outline
};
struct DrawLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
    double width_px = 1;
};
// Text centred on (x, y); `size` is the font's pixel size in millimetres.
struct DrawText {
    double x = 0, y = 0;
    double size = 0;
    std::string text;
    Rgb colour;
    bool vertical = false;  // reads upwards
    bool bold = false;
};
using Shape = std::variant<DrawRect, DrawLine, DrawText>;

struct SheetDrawing {
    // The drawing's extent: the board with a caption above it.
    double left = 0, top = 0, width = 0, height = 0;
    std::vector<Shape> shapes;  // painted in this order
};

// The colours, one home for the window and the SVG.
namespace palette {
inline constexpr Rgb background{255, 255, 255};
inline constexpr Rgb trim{200, 200, 200};
inline constexpr Rgb board{246, 244, 238};
inline constexpr Rgb piece{233, 207, 160};
inline constexpr Rgb piece_edge{120, 85, 45};
inline constexpr Rgb waste{255, 255, 255};
inline constexpr Rgb hatch{175, 175, 175};
inline constexpr Rgb waste_edge{150, 150, 150};
inline constexpr Rgb kerf{95, 70, 50};
inline constexpr Rgb text{40, 30, 20};
inline constexpr Rgb offcut_text{90, 90, 90};
}  // namespace palette

// Sheet `s` (from 0) of a layout that was made.
SheetDrawing draw_sheet(const Layout& l, int s, UnitMode mode);

// A standalone SVG document of the drawing, its longer side `longest_px`
// pixels; text in UTF-8, lines ending in "\n".
std::string sheet_svg(const SheetDrawing& d, double longest_px = 1200);

// The file of sheet `s` (from 0) of a layout saved as SVG: "box-1.svg" for the
// prefix "box" or "box.svg", one file per sheet.
std::string sheet_svg_name(std::string_view prefix, int s);

}  // namespace enclavio::sheets
