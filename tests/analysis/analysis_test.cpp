#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "analysis/analysis.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

using fixture::AnalysisRun;

// The startup design worked through by hand, to the character, metric and imperial.
TEST(Analysis, WorkedExample) {
    const char* resonances[] = {"Port Resonance  208 hz",
                                "Driver to bottom wall resonance  356 hz",
                                "Box top to bottom resonance  259 hz",
                                "Driver to top wall resonance  950 hz",
                                "Driver to rear wall resonance 512 hz",
                                "Box front to back resonance  501 hz",
                                "Driver to side wall-1 resonance  1292 hz",
                                "Box side to side resonance  656 hz",
                                "Driver to side wall-2 resonance  1332 hz"};
    const struct {
        UnitMode mode;
        bool shownums;
        const char *ports, *driver, *working;
    } cases[] = {
        {UnitMode::Metric, false, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  14 litres", "Working Vol  45.3 litres"},
        {UnitMode::MetricCm, true, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  14 litres", "Working Vol  45.3 litres"},
        {UnitMode::Inches, true, "Ports = .35 cu.ft    Bracing = .09 cu.ft",
         "Driver =  .05 cu.ft       Total =  .49 cu.ft", "Working Vol  1.6 cu.ft"},
        {UnitMode::DecimalInches, false, "Ports = .35 cu.ft    Bracing = .09 cu.ft",
         "Driver =  .05 cu.ft       Total =  .49 cu.ft", "Working Vol  1.6 cu.ft"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ports);
        AnalysisRun run;
        run.in.mode = c.mode;
        run.in.graph.shownums = c.shownums;
        run();
        EXPECT_NEAR(run.d.portvolume, 9.98790844, 1e-8);
        EXPECT_NEAR(run.d.bracingvolume, 2.608225, 1e-12);
        EXPECT_NEAR(run.d.workingvolume, 45.39515855, 1e-8);
        EXPECT_EQ(run.results.ports_and_bracing_line.caption, c.ports);
        EXPECT_EQ(run.results.driver_and_total_line.caption, c.driver);
        EXPECT_EQ(run.results.working_volume_line.caption, c.working);
        EXPECT_EQ(run.results.tuning_line.caption, "Tune  29.4hz");
        for (int n = 1; n <= kResonanceCount; ++n) {
            const std::string prefix = c.shownums ? "(" + std::to_string(n) + ") " : "";
            EXPECT_EQ(run.results.resonance[n].caption, prefix + resonances[n - 1]);
            EXPECT_EQ(run.results.resonance[n].colour, colours::green) << n;
        }
    }
}

// Designs at the edges: the captions that change, and the colour of one resonance.
// Paths of 5 mm or less, or whose frequency leaves the int16 range, are refused in red and never drawn.
TEST(Analysis, EdgeDesigns) {
    const struct {
        const char* what;
        void (*edit)(AnalysisRun&);
        int n;
        std::string caption;
        Colour colour;
        const char* tuning_line = nullptr;      // the tuning, if checked
        ResultLabel Results::*label = nullptr;  // and its caption, if it changes
        const char* text = nullptr;
    } cases[] = {
        {"no ports", [](AnalysisRun& r) { r.in.ports_text = "0"; }, 1, "Port resonance not applicable",
         colours::dark_blue, "Tune  0hz", &Results::ports_and_bracing_line, "Bracing = 2.6 litres"},
        {"ports not a number", [](AnalysisRun& r) { r.in.ports_text = "abc"; }, 1, "Port resonance not applicable",
         colours::dark_blue, "Tune  0hz", &Results::ports_and_bracing_line, "Bracing = 2.6 litres"},
        {"port exactly 5 mm: counted, not tuned", [](AnalysisRun& r) { r.d.portlength = 5; }, 1,
         "Unable to calculate Port resonance", colours::red, "Tune  0hz", &Results::ports_and_bracing_line,
         "Ports =-.5 litres    Bracing = 2.6 litres"},
        {"working volume below 0", [](AnalysisRun& r) { r.d.boxvol = 10; }, 1, "Port Resonance  208 hz", colours::green,
         "Tune  0hz", &Results::working_volume_line, "Working Vol  0 litres"},
        {"-2 ports", [](AnalysisRun& r) { r.in.ports_text = "-2"; }, 1, "Port Resonance  208 hz", colours::green,
         "Tune  29.4hz", &Results::ports_and_bracing_line, "Ports = 9.9 litres    Bracing = 2.6 litres"},
        {"1.5 ports", [](AnalysisRun& r) { r.in.ports_text = "1.5"; }, 1, "Port Resonance  208 hz", colours::green,
         "Tune  24.8hz", &Results::ports_and_bracing_line, "Ports = 7.4 litres    Bracing = 2.6 litres"},
        {"-2 drivers", [](AnalysisRun& r) { r.in.drivers_text = "-2"; }, 1, "Port Resonance  208 hz", colours::green,
         "Tune  29.9hz", &Results::driver_and_total_line, "Driver =  3 litres       Total =  15.5 litres"},
        {"centred driver", [](AnalysisRun& r) { r.d.driversideways = 0; }, 9,
         "Driver to side wall-2 resonance  1312 hz", colours::green},
        {"negative sideways offset", [](AnalysisRun& r) { r.d.driversideways = -2; }, 9,
         "Driver to side wall-2 resonance  1332 hz", colours::green},
        {"centre inside the top panel", [](AnalysisRun& r) { r.d.driverdown = 10; }, 4,
         "Driver to top wall resonance  19110 hz", colours::green},
        {"single front: rear path 351",
         [](AnalysisRun& r) { r.d.doublefront = 0, r.d.boxvol = 262.0 * 662 * 362 / 1e6; }, 5,
         "Driver to rear wall resonance 490 hz", colours::green},
        {"1000 mm port below 200 Hz", [](AnalysisRun& r) { r.d.portlength = 1000; }, 1, "Port Resonance  172 hz",
         colours::dark_red},
        {"1000 mm port, no highlight", [](AnalysisRun& r) { r.d.portlength = 1000, r.in.graph.highlight = false; }, 1,
         "Port Resonance  172 hz", colours::green},
        {"largest int16 frequency", [](AnalysisRun& r) { r.d.boxheight = 38 + 5.25; }, 3,
         "Box top to bottom resonance  32761 hz", colours::green},
        {"inner height 275.2 from 30.06 cm less two 1/2 inch panels: 625, not 624",
         [](AnalysisRun& r) { r.d.boxheight = 300.6, r.d.boxthickness = 12.7; }, 3,
         "Box top to bottom resonance  625 hz", colours::green},
        {"inner height exactly 5", [](AnalysisRun& r) { r.d.boxheight = 43; }, 3,
         "Unable to calculate Box top to bottom resonance", colours::red},
        {"inner depth exactly 5", [](AnalysisRun& r) { r.d.boxdepth = 62; }, 6,
         "Unable to calculate Box front to back resonance", colours::red},
        {"inner width exactly 5", [](AnalysisRun& r) { r.d.boxwidth = 43; }, 8,
         "Unable to calculate Box side to side resonance", colours::red},
        {"cone 3 mm from the rear", [](AnalysisRun& r) { r.d.driverdepth = 38 + 340; }, 5,
         "Unable to calculate Driver to rear wall resonance", colours::red},
        {"driver below the box", [](AnalysisRun& r) { r.d.driverdown = 800; }, 2,
         "Unable to calculate Driver to bottom wall resonance", colours::red},
        {"driver 5 mm from the side", [](AnalysisRun& r) { r.d.driversideways = 126; }, 9,
         "Unable to calculate Driver to side wall-2 resonance", colours::red},
        {"int16: inner height 5.249", [](AnalysisRun& r) { r.d.boxheight = 43.2490234375; }, 3,
         "Unable to calculate Box top to bottom resonance", colours::red},
        {"int16: driver 3.1 mm below the top", [](AnalysisRun& r) { r.d.driverdown = 22.1; }, 4,
         "Unable to calculate Driver to top wall resonance", colours::red},
        {"int16: port 5.1 mm", [](AnalysisRun& r) { r.d.portlength = 5.1; }, 1, "Unable to calculate Port resonance",
         colours::red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnalysisRun run;
        c.edit(run);
        run();
        if (c.label) {
            EXPECT_EQ((run.results.*c.label).caption, c.text);
        }
        if (c.tuning_line) {
            EXPECT_EQ(run.results.tuning_line.caption, c.tuning_line);
        }
        EXPECT_EQ(run.results.resonance[c.n].caption, c.caption);
        EXPECT_EQ(run.results.resonance[c.n].colour, c.colour);
        if (c.colour == colours::red) {
            EXPECT_EQ(run.graph.drawn(c.n), 0);
        }
        EXPECT_GE(run.d.workingvolume, 0);
    }
}

// Without ports the tuning is disabled; the port label and the graph keep what an earlier run gave.
TEST(Analysis, PortsRemovedAndRestored) {
    AnalysisRun run;
    run();
    run.in.ports_text = "0";
    run.d.boxheight = 43;
    run();
    EXPECT_FALSE(run.results.resonance[1].enabled);
    EXPECT_FALSE(run.results.tuning_line.enabled);
    EXPECT_EQ(run.results.resonance[1].colour, colours::green);
    EXPECT_EQ(run.graph.drawn(1), 208);
    EXPECT_EQ(run.graph.drawn(3), 259);
    run.in.ports_text = "2";
    run();
    EXPECT_TRUE(run.results.resonance[1].enabled);
    EXPECT_TRUE(run.results.tuning_line.enabled);
}

// Designs far beyond any real box (lengths near the top of the double range,
// as a project file may hold them): the volume calculation and the analysis
// store 0 instead of infinity or NaN, and never crash.
void expect_finite(const BoxDesign& d, const char* what) {
    for (const double v :
         {d.boxvol, d.innerdepth, d.innerwidth, d.innerheight, d.portvolume, d.edgebracing, d.shelfbracing,
          d.bracingvolume, d.componentvolume, d.workingvolume, d.endcorrection, d.tunefrequency})
        EXPECT_TRUE(std::isfinite(v)) << what;
}

TEST(Analysis, HugeDesignsGiveFiniteResults) {
    using M = double BoxDesign::*;
    const struct {
        const char* what;
        std::initializer_list<M> members;
        double value;
    } cases[] = {
        // Every length 1E+300, as a damaged project file may hold them.
        {"all 1E+300",
         {&BoxDesign::boxdepth, &BoxDesign::boxwidth, &BoxDesign::boxheight, &BoxDesign::boxthickness,
          &BoxDesign::portlength, &BoxDesign::portdiameter, &BoxDesign::portwallthickness, &BoxDesign::driverdepth,
          &BoxDesign::driverdown, &BoxDesign::driversideways},
         1e300},
        {"thickness 1.7E+308", {&BoxDesign::boxthickness}, 1.7e308},
        {"driver 1.7E+308", {&BoxDesign::driverdepth, &BoxDesign::driverdown}, 1.7e308},
    };
    for (const auto& c : cases) {
        AnalysisRun run;
        for (const M m : c.members) run.d.*m = c.value;
        compute_volume(run.d);
        expect_finite(run.d, c.what);
        run();
        expect_finite(run.d, c.what);
        EXPECT_GE(run.d.workingvolume, 0) << c.what;
    }
}

TEST(Analysis, HugeCountsAndTypedBracingGiveFiniteResults) {
    AnalysisRun run;
    run.in.ports_text = run.in.drivers_text = "1E+308";
    run.d.drivervolume = 6.5;
    run.in.bracing.edge_manual = run.in.bracing.shelf_manual = true;
    run.in.bracing.edge_text = run.in.bracing.shelf_text = "1.7E+308";
    run();
    expect_finite(run.d, "counts");
    EXPECT_EQ(run.d.workingvolume, 0);
}

}  // namespace
}  // namespace enclavio
