// Internal volume and the dimension solvers.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "design/design.hpp"

namespace enclavio {
namespace {

BoxDesign defaults(int doublefront = 1) {
    BoxDesign d;
    d.boxdepth = 400;
    d.boxwidth = 300;
    d.boxheight = 700;
    d.boxthickness = 19;
    d.doublefront = doublefront;
    return d;
}

bool same(const BoxDesign& a, const BoxDesign& b) {
    return a.boxdepth == b.boxdepth && a.boxwidth == b.boxwidth && a.boxheight == b.boxheight &&
           a.boxthickness == b.boxthickness && a.boxvol == b.boxvol && a.doublefront == b.doublefront &&
           a.innerdepth == b.innerdepth && a.innerwidth == b.innerwidth && a.innerheight == b.innerheight;
}

TEST(ComputeVolume, DefaultsWithDoubleFront) {
    BoxDesign d = defaults(1);
    EXPECT_TRUE(compute_volume(d));
    EXPECT_EQ(d.innerdepth, 343);
    EXPECT_EQ(d.innerwidth, 262);
    EXPECT_EQ(d.innerheight, 662);
    EXPECT_DOUBLE_EQ(d.boxvol, 59.491292);
    EXPECT_EQ(volume_text(UnitMode::Metric, d.boxvol), " 59.4");
    EXPECT_EQ(volume_text(UnitMode::Inches, d.boxvol), " 2.1");
}

TEST(ComputeVolume, DefaultsWithSingleFront) {
    BoxDesign d = defaults(0);
    EXPECT_TRUE(compute_volume(d));
    EXPECT_EQ(d.innerdepth, 362);
    EXPECT_DOUBLE_EQ(d.boxvol, 62.786728);
    EXPECT_EQ(volume_text(UnitMode::Metric, d.boxvol), " 62.7");
}

TEST(ComputeVolume, UnusableDimensionsGiveZeroAndLeaveTheRest) {
    double BoxDesign::*dims[] = {&BoxDesign::boxdepth, &BoxDesign::boxwidth, &BoxDesign::boxheight};
    for (auto m : dims) {
        for (double bad : {0.0, 0.999, -5.0}) {
            BoxDesign d = defaults();
            d.boxvol = 12;
            d.innerdepth = 1;
            d.innerwidth = 2;
            d.innerheight = 3;
            d.*m = bad;
            EXPECT_FALSE(compute_volume(d));
            EXPECT_EQ(d.boxvol, 0);
            EXPECT_EQ(d.innerdepth, 1);
            EXPECT_EQ(d.innerwidth, 2);
            EXPECT_EQ(d.innerheight, 3);
            EXPECT_EQ(volume_text(UnitMode::Metric, d.boxvol), " 0");
        }
    }
}

TEST(ComputeVolume, DimensionsOfExactlyOneAreUsable) {
    BoxDesign d;
    d.boxdepth = d.boxwidth = d.boxheight = 1;
    EXPECT_TRUE(compute_volume(d));
    EXPECT_DOUBLE_EQ(d.boxvol, 1e-6);
}

TEST(ComputeVolume, NegativeVolumeClampsAtZero) {
    BoxDesign d = defaults(1);
    d.boxthickness = 140;  // inner depth -20, width 20, height 420
    EXPECT_TRUE(compute_volume(d));
    EXPECT_EQ(d.innerdepth, -20);
    EXPECT_EQ(d.boxvol, 0);
}

TEST(SolveDepth, FromDefaultVolume) {
    BoxDesign d = defaults(1);
    d.boxvol = 59.491292;
    d.boxdepth = 123;
    const SolveResult r = solve_depth(d);
    EXPECT_TRUE(r.solved);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(d.innerwidth, 262);
    EXPECT_EQ(d.innerheight, 662);
    EXPECT_EQ(d.innerdepth, 343);
    EXPECT_EQ(d.boxdepth, 400);
    EXPECT_DOUBLE_EQ(d.boxvol, 59.491292);  // the volume is not recomputed
}

TEST(SolveDepth, SingleFrontStillAddsThreeThicknesses) {
    BoxDesign d = defaults(0);
    d.boxvol = 59.491292;
    d.boxdepth = 0;
    EXPECT_TRUE(solve_depth(d).solved);
    EXPECT_EQ(d.boxdepth, 400);
    EXPECT_TRUE(compute_volume(d));
    EXPECT_DOUBLE_EQ(d.boxvol, 62.786728);
}

TEST(SolveDepth, NegativeResultClampsAtZero) {
    BoxDesign d = defaults(1);
    d.boxwidth = 30;  // inner width -8: a negative divisor
    d.boxvol = 59.491292;
    EXPECT_TRUE(solve_depth(d).solved);
    EXPECT_LT(d.innerdepth, 0);
    EXPECT_EQ(d.boxdepth, 0);
}

TEST(SolveWidth, FromDefaultVolume) {
    BoxDesign d = defaults(1);
    d.boxvol = 59.491292;
    d.boxwidth = 0;
    const SolveResult r = solve_width(d);
    EXPECT_TRUE(r.solved);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(d.innerdepth, 343);
    EXPECT_EQ(d.innerheight, 662);
    EXPECT_EQ(d.innerwidth, 262);  // 59491292 \ 227066
    EXPECT_EQ(d.boxwidth, 300);
}

TEST(SolveWidth, NegativeResultIsStored) {
    BoxDesign d = defaults(1);
    d.boxdepth = 50;  // inner depth -7
    d.boxvol = 10;
    EXPECT_TRUE(solve_width(d).solved);
    EXPECT_EQ(d.innerwidth, 10000000 / (662 * -7));
    EXPECT_EQ(d.boxwidth, std::floor(38 + d.innerwidth + 0.5));
    EXPECT_LT(d.boxwidth, 0);
    EXPECT_EQ(length_text(UnitMode::Inches, d.boxwidth), "ERR");
}

TEST(SolveHeight, FiftyLitres) {
    BoxDesign d = defaults(1);
    d.boxvol = 50;
    const SolveResult r = solve_height(d);
    EXPECT_TRUE(r.solved);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(d.innerwidth, 262);
    EXPECT_EQ(d.innerdepth, 343);
    EXPECT_EQ(d.innerheight, 556);
    EXPECT_EQ(d.boxheight, 594);
}

TEST(SolveHeight, NoRoundingBeyondTheQuotient) {
    BoxDesign d = defaults(1);
    d.boxthickness = 18.3;
    d.boxvol = 50;
    EXPECT_TRUE(solve_height(d).solved);
    EXPECT_DOUBLE_EQ(d.boxheight, 2 * 18.3 + d.innerheight);
}

struct RefusalCase {
    const char* name;
    SolveResult (*solve)(BoxDesign&);
    double BoxDesign::*member;
    double value;
    const char* message;
};

// Each check in its order: the earlier checks pass, the named value fails.
TEST(Solvers, NineRefusalsInOrder) {
    const RefusalCase cases[] = {
        {"depth/volume", solve_depth, &BoxDesign::boxvol, 0.5,
         "Can't find box depth when volume < 1 or has not been correctly validated"},
        {"depth/width", solve_depth, &BoxDesign::boxwidth, 0,
         "Can't find box depth when width < 1 or has not been correctly validated"},
        {"depth/height", solve_depth, &BoxDesign::boxheight, 0.9,
         "Can't find box depth when height < 1 or has not been correctly validated"},
        {"width/volume", solve_width, &BoxDesign::boxvol, 0.5,
         "Can't find box width when volume < 1 or has not been correctly validated"},
        {"width/depth", solve_width, &BoxDesign::boxdepth, 0,
         "Can't find box width when depth < 1 or has not been correctly validated"},
        {"width/height", solve_width, &BoxDesign::boxheight, -1,
         "Can't find box width when height < 1 or has not been correctly validated"},
        {"height/volume", solve_height, &BoxDesign::boxvol, 0.5,
         "Can't find box height when volume < 1 or has not been correctly validated"},
        {"height/depth", solve_height, &BoxDesign::boxdepth, 0,
         "Can't find box height when depth < 1 or has not been correctly validated"},
        {"height/width", solve_height, &BoxDesign::boxwidth, 0,
         "Can't find box height when width < 1 or has not been correctly validated"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoxDesign d = defaults();
        d.boxvol = 59.491292;
        d.*c.member = c.value;
        const BoxDesign before = d;
        const SolveResult r = c.solve(d);
        EXPECT_FALSE(r.solved);
        EXPECT_EQ(r.message, c.message);
        EXPECT_TRUE(same(d, before));
    }
}

TEST(Solvers, VolumeIsCheckedFirst) {
    BoxDesign d;  // everything 0
    d.boxvol = 0.5;
    EXPECT_EQ(solve_depth(d).message, "Can't find box depth when volume < 1 or has not been correctly validated");
    EXPECT_EQ(solve_width(d).message, "Can't find box width when volume < 1 or has not been correctly validated");
    EXPECT_EQ(solve_height(d).message,
              "Can't find box height when volume < 1 or has not been correctly validated");
    d.boxvol = 10;
    EXPECT_EQ(solve_depth(d).message, "Can't find box depth when width < 1 or has not been correctly validated");
    EXPECT_EQ(solve_width(d).message, "Can't find box width when depth < 1 or has not been correctly validated");
    EXPECT_EQ(solve_height(d).message, "Can't find box height when depth < 1 or has not been correctly validated");
}

TEST(SolveWidth, SilentStopsAtExactlyOne) {
    for (auto m : {&BoxDesign::boxdepth, &BoxDesign::boxheight}) {
        BoxDesign d = defaults();
        d.boxvol = 59.491292;
        d.*m = 1;
        const BoxDesign before = d;
        const SolveResult r = solve_width(d);
        EXPECT_FALSE(r.solved);
        EXPECT_EQ(r.message, "");
        EXPECT_TRUE(same(d, before));
    }
}

// The mended fault: the integer division cannot be done. Refuse with a
// message and change nothing.
TEST(Solvers, DivisorZeroIsRefused) {
    struct Case {
        const char* name;
        SolveResult (*solve)(BoxDesign&);
        double BoxDesign::*member;
        double value;
        const char* word;
    };
    const Case cases[] = {
        {"depth, width 2t", solve_depth, &BoxDesign::boxwidth, 38, "depth"},
        {"depth, height 2t", solve_depth, &BoxDesign::boxheight, 38, "depth"},
        {"depth, divisor below one half", solve_depth, &BoxDesign::boxwidth, 38.0005, "depth"},  // 0.331 rounds to 0
        {"width, depth 3t", solve_width, &BoxDesign::boxdepth, 57, "width"},
        {"width, height 2t", solve_width, &BoxDesign::boxheight, 38, "width"},
        {"height, depth 3t", solve_height, &BoxDesign::boxdepth, 57, "height"},
        {"height, width 2t", solve_height, &BoxDesign::boxwidth, 38, "height"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoxDesign d = defaults();
        d.boxvol = 59.491292;
        d.innerdepth = d.innerwidth = d.innerheight = 7;
        d.*c.member = c.value;
        const BoxDesign before = d;
        const SolveResult r = c.solve(d);
        EXPECT_FALSE(r.solved);
        EXPECT_EQ(r.message, std::string("Can't find box ") + c.word +
                                 ": the other dimensions are too small or the volume too large");
        EXPECT_TRUE(same(d, before));
    }
}

TEST(Solvers, OperandsBeyondThirtyTwoBitsAreRefused) {
    // Largest solvable volume: 2147.48 litres (dividend 2147480000).
    {
        BoxDesign d = defaults();
        d.boxvol = 2147.48;
        EXPECT_TRUE(solve_height(d).solved);
        EXPECT_EQ(d.innerheight, 2147480000 / (262 * 343));
    }
    for (auto solve : {solve_depth, solve_width, solve_height}) {
        BoxDesign d = defaults();
        d.boxvol = 2147.5;  // dividend 2147500000 > 2^31 - 1
        const BoxDesign before = d;
        const SolveResult r = solve(d);
        EXPECT_FALSE(r.solved);
        EXPECT_NE(r.message.find("the volume too large"), std::string::npos);
        EXPECT_TRUE(same(d, before));
    }
    {
        BoxDesign d = defaults();
        d.boxvol = 10;
        d.boxwidth = 100000;  // divisor 662 * 99962 > 2^31 - 1
        d.boxheight = 100000;
        const BoxDesign before = d;
        EXPECT_FALSE(solve_depth(d).solved);
        EXPECT_TRUE(same(d, before));
    }
    {
        BoxDesign d = defaults();
        d.boxvol = 1e300;
        const BoxDesign before = d;
        EXPECT_FALSE(solve_width(d).solved);
        EXPECT_TRUE(same(d, before));
    }
}

}  // namespace
}  // namespace enclavio
