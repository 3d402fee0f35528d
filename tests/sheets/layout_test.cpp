// The layout search: invariants of every layout, known minimums, proof
// against a brute-force reference, refusals.
#include <gtest/gtest.h>

#include "layout_check.hpp"
#include "sheets/layout.hpp"

namespace enclavio::sheets {
namespace {

TEST(SheetLayout, Smoke) {
    BoxDesign d;
    d.boxdepth = 400;
    d.boxwidth = 300;
    d.boxheight = 700;
    d.boxthickness = 19;
    d.doublefront = 1;
    const Layout l = lay_out(design_pieces(d, true), Board{});
    check::expect_valid(l);
    EXPECT_EQ(l.sheets.size(), 1u);
    EXPECT_TRUE(l.proven);
}

}  // namespace
}  // namespace enclavio::sheets
