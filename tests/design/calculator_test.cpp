// Internal volume and the dimension solvers.
#include <gtest/gtest.h>

#include <string>

#include "boxes.hpp"
#include "design/design.hpp"

namespace enclavio {
namespace {

// The start-up box with the front and volume given.
BoxDesign defaults(int doublefront = 1, double boxvol = 0) {
    BoxDesign d = fixture::startup_box();
    d.doublefront = doublefront;
    d.boxvol = boxvol;
    return d;
}

bool same(const BoxDesign& a, const BoxDesign& b) {
    return a.boxdepth == b.boxdepth && a.boxwidth == b.boxwidth && a.boxheight == b.boxheight &&
           a.boxthickness == b.boxthickness && a.boxvol == b.boxvol && a.doublefront == b.doublefront &&
           a.innerdepth == b.innerdepth && a.innerwidth == b.innerwidth && a.innerheight == b.innerheight;
}

TEST(ComputeVolume, DoubleAndSingleFront) {
    BoxDesign d = defaults(1);
    EXPECT_TRUE(compute_volume(d));
    EXPECT_EQ(d.innerdepth, 343);
    EXPECT_EQ(d.innerwidth, 262);
    EXPECT_EQ(d.innerheight, 662);
    EXPECT_DOUBLE_EQ(d.boxvol, 59.491292);
    EXPECT_EQ(volume_text(UnitMode::Metric, d.boxvol), " 59.4");
    d = defaults(0);
    EXPECT_TRUE(compute_volume(d));
    EXPECT_EQ(d.innerdepth, 362);
    EXPECT_DOUBLE_EQ(d.boxvol, 62.786728);
    EXPECT_EQ(volume_text(UnitMode::Metric, d.boxvol), " 62.7");
}

TEST(ComputeVolume, Limits) {
    // Below 1 mm: volume 0, inner sizes left alone.
    for (auto m : {&BoxDesign::boxdepth, &BoxDesign::boxwidth, &BoxDesign::boxheight}) {
        for (double bad : {0.999, -5.0}) {
            BoxDesign d = defaults(1, 12);
            d.innerdepth = 1;
            d.*m = bad;
            EXPECT_FALSE(compute_volume(d));
            EXPECT_EQ(d.boxvol, 0);
            EXPECT_EQ(d.innerdepth, 1);
        }
    }
    BoxDesign one;
    one.boxdepth = one.boxwidth = one.boxheight = 1;
    EXPECT_TRUE(compute_volume(one));
    EXPECT_DOUBLE_EQ(one.boxvol, 1e-6);
    BoxDesign thick = defaults(1);
    thick.boxthickness = 140;  // inner depth -20: the volume clamps at 0
    EXPECT_TRUE(compute_volume(thick));
    EXPECT_EQ(thick.innerdepth, -20);
    EXPECT_EQ(thick.boxvol, 0);
}

using Edit = void (*)(BoxDesign&);

TEST(Solvers, Solutions) {
    const struct {
        const char* name;
        BoxDimension dimension;
        Edit edit;
        double BoxDesign::*inner;
        double BoxDesign::*outer;
        double inner_value, outer_value;
    } cases[] = {
        {"depth", BoxDimension::Depth, [](BoxDesign& d) { d.boxdepth = 123; }, &BoxDesign::innerdepth,
         &BoxDesign::boxdepth, 343, 400},
        {"depth, single front still adds 3t", BoxDimension::Depth, [](BoxDesign& d) { d.doublefront = 0; },
         &BoxDesign::innerdepth, &BoxDesign::boxdepth, 343, 400},
        {"depth, negative clamps at 0", BoxDimension::Depth, [](BoxDesign& d) { d.boxwidth = 30; },
         &BoxDesign::innerdepth, &BoxDesign::boxdepth, -11233, 0},
        {"width", BoxDimension::Width, [](BoxDesign& d) { d.boxwidth = 0; }, &BoxDesign::innerwidth,
         &BoxDesign::boxwidth, 262, 300},
        {"width, negative is stored", BoxDimension::Width, [](BoxDesign& d) { d.boxdepth = 50, d.boxvol = 10; },
         &BoxDesign::innerwidth, &BoxDesign::boxwidth, -2157, -2119},
        {"height, 50 litres", BoxDimension::Height, [](BoxDesign& d) { d.boxvol = 50; }, &BoxDesign::innerheight,
         &BoxDesign::boxheight, 556, 594},
        {"height, no rounding beyond the quotient", BoxDimension::Height,
         [](BoxDesign& d) { d.boxthickness = 18.3, d.boxvol = 50; }, &BoxDesign::innerheight, &BoxDesign::boxheight,
         550, 586.6},
        // Only the width stops at a size of exactly 1 mm; the others divide by what is left.
        {"depth, width exactly 1", BoxDimension::Depth, [](BoxDesign& d) { d.boxwidth = 1; }, &BoxDesign::innerdepth,
         &BoxDesign::boxdepth, -2428, 0},
        {"height, depth exactly 1", BoxDimension::Height, [](BoxDesign& d) { d.boxdepth = 1; }, &BoxDesign::innerheight,
         &BoxDesign::boxheight, -4054, -4016},
        {"height, largest 32-bit dividend", BoxDimension::Height, [](BoxDesign& d) { d.boxvol = 2147.48; },
         &BoxDesign::innerheight, &BoxDesign::boxheight, 23896, 23934},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoxDesign d = defaults(1, 59.491292);
        c.edit(d);
        const double vol = d.boxvol;
        const SolveResult r = solve_dimension(d, c.dimension);
        EXPECT_TRUE(r.solved);
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(d.*c.inner, c.inner_value);
        EXPECT_DOUBLE_EQ(d.*c.outer, c.outer_value);
        EXPECT_EQ(d.boxvol, vol);  // not recomputed
    }
}

// Each refusal changes nothing. The volume is checked first, then the other
// two dimensions in order; a width solve stops silently at exactly 1.
TEST(Solvers, Refusals) {
    const std::string tail = " < 1 or has not been correctly validated";
    const std::string divisor = ": the other dimensions are too small or the volume too large";
    const struct {
        const char* name;
        BoxDimension dimension;
        Edit edit;
        std::string message;
    } cases[] = {
        {"depth/volume", BoxDimension::Depth, [](BoxDesign& d) { d = BoxDesign{}, d.boxvol = 0.5; },
         "Can't find box depth when volume" + tail},
        {"width/volume", BoxDimension::Width, [](BoxDesign& d) { d = BoxDesign{}, d.boxvol = 0.5; },
         "Can't find box width when volume" + tail},
        {"height/volume", BoxDimension::Height, [](BoxDesign& d) { d = BoxDesign{}, d.boxvol = 0.5; },
         "Can't find box height when volume" + tail},
        {"depth/width", BoxDimension::Depth, [](BoxDesign& d) { d.boxwidth = d.boxheight = 0; },
         "Can't find box depth when width" + tail},
        {"depth/height", BoxDimension::Depth, [](BoxDesign& d) { d.boxheight = 0.9; },
         "Can't find box depth when height" + tail},
        {"width/depth", BoxDimension::Width, [](BoxDesign& d) { d.boxdepth = d.boxheight = 0; },
         "Can't find box width when depth" + tail},
        {"width/height", BoxDimension::Width, [](BoxDesign& d) { d.boxheight = -1; },
         "Can't find box width when height" + tail},
        {"height/depth", BoxDimension::Height, [](BoxDesign& d) { d.boxdepth = d.boxwidth = 0; },
         "Can't find box height when depth" + tail},
        {"height/width", BoxDimension::Height, [](BoxDesign& d) { d.boxwidth = 0; },
         "Can't find box height when width" + tail},
        {"width, depth exactly 1", BoxDimension::Width, [](BoxDesign& d) { d.boxdepth = 1; }, ""},
        {"width, height exactly 1", BoxDimension::Width, [](BoxDesign& d) { d.boxheight = 1; }, ""},
        // Divisor 0: the integer division cannot be done.
        {"depth, width 2t", BoxDimension::Depth, [](BoxDesign& d) { d.boxwidth = 38; },
         "Can't find box depth" + divisor},
        {"depth, height 2t", BoxDimension::Depth, [](BoxDesign& d) { d.boxheight = 38; },
         "Can't find box depth" + divisor},
        {"depth, divisor rounds to 0", BoxDimension::Depth, [](BoxDesign& d) { d.boxwidth = 38.0005; },
         "Can't find box depth" + divisor},
        {"width, depth 3t", BoxDimension::Width, [](BoxDesign& d) { d.boxdepth = 57; },
         "Can't find box width" + divisor},
        {"width, height 2t", BoxDimension::Width, [](BoxDesign& d) { d.boxheight = 38; },
         "Can't find box width" + divisor},
        {"height, depth 3t", BoxDimension::Height, [](BoxDesign& d) { d.boxdepth = 57; },
         "Can't find box height" + divisor},
        {"height, width 2t", BoxDimension::Height, [](BoxDesign& d) { d.boxwidth = 38; },
         "Can't find box height" + divisor},
        // Operands beyond 32 bits.
        {"depth, dividend", BoxDimension::Depth, [](BoxDesign& d) { d.boxvol = 2147.5; },
         "Can't find box depth" + divisor},
        {"width, dividend", BoxDimension::Width, [](BoxDesign& d) { d.boxvol = 2147.5; },
         "Can't find box width" + divisor},
        {"height, dividend", BoxDimension::Height, [](BoxDesign& d) { d.boxvol = 2147.5; },
         "Can't find box height" + divisor},
        {"width, 1e300 litres", BoxDimension::Width, [](BoxDesign& d) { d.boxvol = 1e300; },
         "Can't find box width" + divisor},
        {"depth, divisor", BoxDimension::Depth, [](BoxDesign& d) { d.boxvol = 10, d.boxwidth = d.boxheight = 100000; },
         "Can't find box depth" + divisor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoxDesign d = defaults(1, 59.491292);
        c.edit(d);
        d.innerdepth = d.innerwidth = d.innerheight = 7;
        const BoxDesign before = d;
        const SolveResult r = solve_dimension(d, c.dimension);
        EXPECT_FALSE(r.solved);
        EXPECT_EQ(r.message, c.message);
        EXPECT_TRUE(same(d, before));
    }
}

}  // namespace
}  // namespace enclavio
