#include <gtest/gtest.h>

#include "analysis/analysis.hpp"
#include "analysis/budget.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

TEST(Bracing, Choices) {
    const double edge = 1.911856, shelf = 0.696369;
    const struct {
        const char* what;
        BracingChoices choices;
        double shelf, volume;
        const char* shelf_caption;
    } cases[] = {
        {"both automatic", {}, shelf, edge + shelf, " .69"},
        {"no shelf braces", {false, "0", false, "0", "0"}, 0, edge, " 0"},
        {"two shelf braces", {false, "0", false, "0", "2"}, 2 * shelf, edge + 2 * shelf, " 1.39"},
        {"negative shelf count", {false, "0", false, "0", "-1"}, -shelf, edge - shelf, "-.7"},
        {"both manual", {true, "1.5", true, "2", "1"}, shelf, 3.5, " .69"},
        {"manual value typed with blanks", {true, " 1 .5", true, "2", "1"}, shelf, 3.5, " .69"},
        {"typed value ignored while automatic", {false, "9", false, "9", "1"}, shelf, edge + shelf, " .69"},
    };
    for (const auto& c : cases) {
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

// The flange choice changes only the effective length and the tuning.
TEST(PortEnds, TableAndTuning) {
    const struct {
        Flange f;
        double factor;
        const char *word, *item, *menu;
        double effective;
        const char* tune;
    } cases[] = {
        {Flange::None, 0.614, "noflange", "&No ends flanged", "&Port Flanges=0", 875.804, "Tune  29.6hz"},
        {Flange::One, 0.732, "oneflange", "&One end flanged", "&Port Flanges=1", 885.952, "Tune  29.4hz"},
        {Flange::Two, 0.85, "twoflange", "&Both ends flanged", "&Port Flanges=2", 896.1, "Tune  29.2hz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_DOUBLE_EQ(end_correction(c.f), c.factor);
        EXPECT_EQ(flange_word(c.f), c.word);
        EXPECT_EQ(flange_item_caption(c.f), c.item);
        EXPECT_EQ(flange_menu_caption(c.f), c.menu);
        EXPECT_EQ(flange_from_word(c.word), c.f);
        EXPECT_NEAR(effective_port_length(823, c.factor, 86), c.effective, 1e-9);
        fixture::AnalysisRun run;
        run.in.flange = c.f;
        run();
        EXPECT_DOUBLE_EQ(run.d.endcorrection, c.factor);
        EXPECT_EQ(run.results.tuning_line.caption, c.tune);
        EXPECT_EQ(run.results.resonance[1].caption, "Port Resonance  208 hz");
    }
    EXPECT_EQ(kFlangeMenuStartCaption, "&Port Flanges-1");
    for (const char* word : {"", "Noflange", "oneflange ", "flange"}) {
        EXPECT_FALSE(flange_from_word(word).has_value()) << word;
    }
}

}  // namespace
}  // namespace enclavio
