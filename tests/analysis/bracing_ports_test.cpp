#include <gtest/gtest.h>

#include "analysis/analysis.hpp"
#include "analysis/budget.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

TEST(Bracing, Choices) {
    struct Case {
        const char* what;
        BracingChoices choices;
        double shelf;
        double volume;
        const char* shelf_caption;
    };
    const double edge = 1.911856, shelf = 0.696369;
    const Case cases[] = {
        {"both automatic", {}, shelf, edge + shelf, " .69"},
        {"no shelf braces", {false, "0", false, "0", "0"}, 0, edge, " 0"},
        {"two shelf braces", {false, "0", false, "0", "2"}, 2 * shelf, edge + 2 * shelf, " 1.39"},
        {"shelf count not a number", {false, "0", false, "0", "x"}, 0, edge, " 0"},
        {"negative shelf count", {false, "0", false, "0", "-1"}, -shelf, edge - shelf, "-.7"},
        {"edge manual 0", {true, "0", false, "0", "1"}, shelf, shelf, " .69"},
        {"both manual", {true, "1.5", true, "2", "1"}, shelf, 3.5, " .69"},
        {"manual value typed with blanks", {true, " 1 .5", true, "2", "1"}, shelf, 3.5, " .69"},
        {"negative typed", {true, "-1", false, "0", "1"}, shelf, shelf - 1, " .69"},
        {"typed value ignored while automatic", {false, "9", false, "9", "1"}, shelf,
         edge + shelf, " .69"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fixture::AnalysisRun run;
        run.in.bracing = c.choices;
        run();
        EXPECT_NEAR(run.d.edgebracing, edge, 1e-12);
        EXPECT_NEAR(run.d.shelfbracing, c.shelf, 1e-12);
        EXPECT_NEAR(run.d.bracingvolume, c.volume, 1e-12);
        EXPECT_EQ(run.results.edge_caption, " 1.91");
        EXPECT_EQ(run.results.shelf_caption, c.shelf_caption);
        EXPECT_NEAR(run.d.componentvolume, run.d.portvolume + c.volume + 1.5, 1e-12);
    }
}

TEST(Bracing, FollowsTheBoxButTypedValuesDoNot) {
    fixture::AnalysisRun run;
    run.in.bracing = {true, "1", false, "0", "1"};
    run.d.boxheight = 1000;
    run();
    EXPECT_NEAR(run.d.edgebracing, ((4 * 1000 + 4 * 300 + 4 * 400) - 16 * 19) * 361 / 1e6, 1e-12);
    EXPECT_NEAR(run.d.bracingvolume, 1 + 0.696369, 1e-12);
}

TEST(PortEnds, Table) {
    struct Case {
        Flange f;
        double factor;
        const char* word;
        const char* item;
        const char* menu;
        double effective;
    };
    const Case cases[] = {
        {Flange::None, 0.614, "noflange", "&No ends flanged", "&Port Flanges=0", 875.804},
        {Flange::One, 0.732, "oneflange", "&One end flanged", "&Port Flanges=1", 885.952},
        {Flange::Two, 0.85, "twoflange", "&Both ends flanged", "&Port Flanges=2", 896.1},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(end_correction(c.f), c.factor);
        EXPECT_EQ(flange_word(c.f), c.word);
        EXPECT_EQ(flange_item_caption(c.f), c.item);
        EXPECT_EQ(flange_menu_caption(c.f), c.menu);
        EXPECT_EQ(flange_from_word(c.word), c.f);
        EXPECT_NEAR(effective_port_length(823, end_correction(c.f), 86), c.effective, 1e-9);
    }
    EXPECT_EQ(kFlangeMenuStartCaption, "&Port Flanges-1");
    for (const char* word : {"", "Noflange", "oneflange ", "flange"}) {
        EXPECT_FALSE(flange_from_word(word).has_value()) << word;
    }
}

}  // namespace
}  // namespace enclavio
