#include <gtest/gtest.h>

#include <string>

#include "analysis/analysis.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

using fixture::AnalysisRun;

TEST(Analysis, StartupDesignInEveryMode) {
    AnalysisRun run;
    run();
    const BoxDesign& d = run.d;
    EXPECT_NEAR(d.portvolume, 9.98790844, 1e-8);
    EXPECT_NEAR(d.bracingvolume, 2.608225, 1e-12);
    EXPECT_NEAR(d.componentvolume, 14.09613344, 1e-8);
    EXPECT_NEAR(d.workingvolume, 45.39515855, 1e-8);
    EXPECT_DOUBLE_EQ(d.tunefrequency, 29.4);
    EXPECT_TRUE(run.results.resonance[1].enabled);
    EXPECT_TRUE(run.results.label27.enabled);
    EXPECT_EQ(run.results.label26.colour, colours::blue);
    const struct {
        UnitMode mode;
        const char *ports, *driver, *working;
    } cases[] = {
        {UnitMode::Metric, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  14 litres", "Working Vol  45.3 litres"},
        {UnitMode::MetricCm, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  14 litres", "Working Vol  45.3 litres"},
        {UnitMode::Inches, "Ports = .35 cu.ft    Bracing = .09 cu.ft",
         "Driver =  .05 cu.ft       Total =  .49 cu.ft", "Working Vol  1.6 cu.ft"},
        {UnitMode::DecimalInches, "Ports = .35 cu.ft    Bracing = .09 cu.ft",
         "Driver =  .05 cu.ft       Total =  .49 cu.ft", "Working Vol  1.6 cu.ft"},
    };
    for (const auto& c : cases) {
        AnalysisRun m;
        m.in.mode = c.mode;
        m();
        EXPECT_EQ(m.results.label6.caption, c.ports);
        EXPECT_EQ(m.results.label28.caption, c.driver);
        EXPECT_EQ(m.results.label26.caption, c.working);
        EXPECT_EQ(m.results.label27.caption, "Tune  29.4hz");
    }
}

TEST(Analysis, StartupResonanceCaptions) {
    const char* plain[] = {"",
                           "Port Resonance  208 hz",
                           "Driver to bottom wall resonance  356 hz",
                           "Box top to bottom resonance  259 hz",
                           "Driver to top wall resonance  950 hz",
                           "Driver to rear wall resonance 512 hz",
                           "Box front to back resonance  501 hz",
                           "Driver to side wall-1 resonance  1292 hz",
                           "Box side to side resonance  656 hz",
                           "Driver to side wall-2 resonance  1332 hz"};
    for (bool shownums : {false, true}) {
        AnalysisRun run;
        run.in.graph.shownums = shownums;
        run();
        for (int n = 1; n <= 9; ++n) {
            const std::string prefix = shownums ? "(" + std::to_string(n) + ") " : "";
            EXPECT_EQ(run.results.resonance[n].caption, prefix + plain[n]);
            EXPECT_EQ(run.results.resonance[n].colour, colours::green) << n;
        }
    }
}

TEST(Analysis, NoPorts) {
    for (const char* ports : {"0", "", "abc", "1e999"}) {
        SCOPED_TRACE(ports);
        AnalysisRun run;
        run.in.ports_text = ports;
        run();
        EXPECT_DOUBLE_EQ(run.d.portvolume, 0);
        EXPECT_EQ(run.results.label6.caption, "Bracing = 2.6 litres");
        EXPECT_EQ(run.results.label27.caption, "Tune  0hz");
        EXPECT_FALSE(run.results.resonance[1].enabled);
        EXPECT_FALSE(run.results.label27.enabled);
        EXPECT_EQ(run.results.resonance[1].caption, "Port resonance not applicable");
        EXPECT_EQ(run.results.resonance[1].colour, colours::dark_blue);  // its start colour
    }
    // After a run with ports the label keeps its colour, the graph its (1).
    AnalysisRun run;
    run();
    run.in.ports_text = "0";
    run();
    EXPECT_EQ(run.results.resonance[1].colour, colours::green);
    EXPECT_EQ(run.graph.drawn(1), 208);
    run.in.ports_text = "2";
    run();
    EXPECT_TRUE(run.results.resonance[1].enabled);
    EXPECT_TRUE(run.results.label27.enabled);
}

TEST(Analysis, PortExactlyFiveMillimetres) {
    AnalysisRun run;
    run.d.portlength = 5;
    run();
    // Still counted (negative: shorter than the doubled front), but no tuning.
    EXPECT_LT(run.d.portvolume, 0);
    EXPECT_EQ(run.results.label6.caption.substr(0, 12), "Ports =-.5 l");
    EXPECT_EQ(run.results.label27.caption, "Tune  0hz");
    EXPECT_EQ(run.results.resonance[1].caption, "Unable to calculate Port resonance");
    EXPECT_EQ(run.results.resonance[1].colour, colours::red);
    EXPECT_TRUE(run.results.label27.enabled);
}

TEST(Analysis, WorkingVolumeBelowZero) {
    for (UnitMode mode : {UnitMode::Metric, UnitMode::Inches}) {
        AnalysisRun run;
        run.in.mode = mode;
        run.d.boxvol = 10;
        run();
        EXPECT_DOUBLE_EQ(run.d.workingvolume, 0);
        EXPECT_EQ(run.results.label27.caption, "Tune  0hz");
        EXPECT_EQ(run.results.label26.caption,
                  mode == UnitMode::Metric ? "Working Vol  0 litres" : "Working Vol  0 cu.ft");
    }
}

TEST(Analysis, PortAndDriverCountTexts) {
    const struct {
        const char *ports, *drivers;
        double portcount, drivercount;
        const char *label6, *label28, *tune;
    } cases[] = {
        {"-2", "1", 2, 1, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  14 litres", "Tune  29.4hz"},
        {"1.5", "1", 1.5, 1, "Ports = 7.4 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  11.5 litres", "Tune  24.8hz"},
        {"2", "-2", 2, 2, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  3 litres       Total =  15.5 litres", "Tune  29.9hz"},
        {"2", "1e999", 2, 0, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  0 litres       Total =  12.5 litres", "Tune  28.9hz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ports) + " / " + c.drivers);
        AnalysisRun run;
        run.in.ports_text = c.ports;
        run.in.drivers_text = c.drivers;
        run();
        EXPECT_DOUBLE_EQ(run.d.portcount, c.portcount);
        EXPECT_DOUBLE_EQ(run.d.drivercount, c.drivercount);
        EXPECT_EQ(run.results.label6.caption, c.label6);
        EXPECT_EQ(run.results.label28.caption, c.label28);
        EXPECT_EQ(run.results.label27.caption, c.tune);
    }
}

TEST(Analysis, DriverPlacement) {
    AnalysisRun centred;  // both side-wall paths are half the inner width
    centred.d.driversideways = 0;
    centred();
    EXPECT_EQ(centred.results.resonance[7].caption, "Driver to side wall-1 resonance  1312 hz");
    EXPECT_EQ(centred.results.resonance[9].caption, "Driver to side wall-2 resonance  1312 hz");

    AnalysisRun left, right;  // a negative offset gives the same as its positive value
    left.d.driversideways = -2;
    left();
    right();
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(left.results.resonance[n].caption, right.results.resonance[n].caption);

    AnalysisRun top;  // centre inside the top panel: gt is the distance either way
    top.d.driverdown = 10;
    top();
    EXPECT_EQ(top.results.resonance[4].caption, "Driver to top wall resonance  19110 hz");
    EXPECT_EQ(top.results.resonance[2].caption, "Driver to bottom wall resonance  262 hz");

    AnalysisRun single;  // gc = |30 - 19| = 11; rear path 351
    single.d.doublefront = 0;
    single.d.boxvol = 262.0 * 662 * 362 / 1e6;
    single();
    EXPECT_NEAR(single.d.portvolume, 2 * (823 - 19) * 3.14159265359 * 2025 / 1e6, 1e-12);
    EXPECT_EQ(single.results.resonance[5].caption, "Driver to rear wall resonance 490 hz");
}

// Paths of 5 mm or less, or whose frequency leaves the int16 range, are
// refused in red and never drawn; the graph keeps any older value.
TEST(Analysis, UnableToCalculate) {
    const struct {
        const char* what;
        void (*edit)(BoxDesign&);
        int n;
        const char* name;
    } cases[] = {
        {"inner height exactly 5", [](BoxDesign& d) { d.boxheight = 43; }, 3, "Box top to bottom"},
        {"inner depth exactly 5", [](BoxDesign& d) { d.boxdepth = 62; }, 6, "Box front to back"},
        {"inner width exactly 5", [](BoxDesign& d) { d.boxwidth = 43; }, 8, "Box side to side"},
        {"cone 3 mm from the rear", [](BoxDesign& d) { d.driverdepth = 38 + 340; }, 5, "Driver to rear wall"},
        {"driver below the box", [](BoxDesign& d) { d.driverdown = 800; }, 2, "Driver to bottom wall"},
        {"driver 3 mm below the top", [](BoxDesign& d) { d.driverdown = 22; }, 4, "Driver to top wall"},
        {"driver 5 mm from the side", [](BoxDesign& d) { d.driversideways = 126; }, 9, "Driver to side wall-2"},
        {"int16: inner height 5.1", [](BoxDesign& d) { d.boxheight = 43.1; }, 3, "Box top to bottom"},
        {"int16: inner height 5.2490234375", [](BoxDesign& d) { d.boxheight = 43.2490234375; }, 3,
         "Box top to bottom"},
        {"int16: driver 3.1 mm below the top", [](BoxDesign& d) { d.driverdown = 22.1; }, 4, "Driver to top wall"},
        {"int16: port 5.1 mm", [](BoxDesign& d) { d.portlength = 5.1; }, 1, "Port"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnalysisRun run;
        c.edit(run.d);
        run();
        EXPECT_EQ(run.results.resonance[c.n].caption, std::string("Unable to calculate ") + c.name + " resonance");
        EXPECT_EQ(run.results.resonance[c.n].colour, colours::red);
        EXPECT_EQ(run.graph.drawn(c.n), 0);
    }
    AnalysisRun run;
    run();
    run.d.boxheight = 43;
    run();
    EXPECT_EQ(run.graph.drawn(3), 259);
    run.d.boxheight = 38 + 5.25;  // 172000 / 5.25 = 32761.9: the largest int16 frequency
    run();
    EXPECT_EQ(run.results.resonance[3].caption, "Box top to bottom resonance  32761 hz");
    EXPECT_EQ(run.graph.drawn(3), 32761);
}

TEST(Analysis, HighlightColoursLabelsBelow200Hz) {
    for (bool highlight : {true, false}) {
        AnalysisRun run;  // a 1000 mm port resonates at 172 Hz; everything else stays above 200
        run.in.graph.highlight = highlight;
        run.d.portlength = 1000;
        run();
        EXPECT_EQ(run.results.resonance[1].caption, "Port Resonance  172 hz");
        EXPECT_EQ(run.results.resonance[1].colour, highlight ? colours::dark_red : colours::green);
        for (int n = 2; n <= 9; ++n) EXPECT_EQ(run.results.resonance[n].colour, colours::green) << n;
    }
}

}  // namespace
}  // namespace enclavio
