// Boxes for the tests of the design and everything built on it.
#pragma once

#include "design/design.hpp"

namespace enclavio::fixture {

// A box of these outside sizes and panel thickness; everything else as a new
// design has it.
inline BoxDesign box(double depth, double width, double height, double thickness, bool double_front) {
    BoxDesign b;
    b.boxdepth = depth;
    b.boxwidth = width;
    b.boxheight = height;
    b.boxthickness = thickness;
    b.doublefront = double_front ? 1 : 0;
    return b;
}

// The box the main window starts with: 400 deep, 300 wide, 700 high, 19 thick,
// with a double front.
inline BoxDesign startup_box() { return box(400, 300, 700, 19, true); }

}  // namespace enclavio::fixture
