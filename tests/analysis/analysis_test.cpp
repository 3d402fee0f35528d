#include <gtest/gtest.h>

#include <string>

#include "analysis/analysis.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

using fixture::AnalysisRun;

TEST(Analysis, StartupDesignMetric) {
    AnalysisRun run;
    run();
    const BoxDesign& d = run.d;
    EXPECT_DOUBLE_EQ(d.innerwidth, 262);
    EXPECT_DOUBLE_EQ(d.innerheight, 662);
    EXPECT_DOUBLE_EQ(d.innerdepth, 343);
    EXPECT_DOUBLE_EQ(d.portcount, 2);
    EXPECT_DOUBLE_EQ(d.drivercount, 1);
    EXPECT_NEAR(d.portvolume, 9.98790844, 1e-8);
    EXPECT_NEAR(d.edgebracing, 1.911856, 1e-12);
    EXPECT_NEAR(d.shelfbracing, 0.696369, 1e-12);
    EXPECT_NEAR(d.bracingvolume, 2.608225, 1e-12);
    EXPECT_NEAR(d.componentvolume, 14.09613344, 1e-8);
    EXPECT_NEAR(d.workingvolume, 45.39515855, 1e-8);
    EXPECT_DOUBLE_EQ(d.endcorrection, 0.732);
    EXPECT_DOUBLE_EQ(d.tunefrequency, 29.4);

    const Results& r = run.results;
    EXPECT_EQ(r.label6.caption, "Ports = 9.9 litres    Bracing = 2.6 litres");
    EXPECT_EQ(r.label28.caption, "Driver =  1.5 litres       Total =  14 litres");
    EXPECT_EQ(r.label26.caption, "Working Vol  45.3 litres");
    EXPECT_EQ(r.label27.caption, "Tune  29.4hz");
    EXPECT_TRUE(r.resonance[1].enabled);
    EXPECT_TRUE(r.label27.enabled);
    EXPECT_EQ(r.edge_caption, " 1.91");
    EXPECT_EQ(r.shelf_caption, " .69");
    // The other labels keep their colours.
    EXPECT_EQ(r.label6.colour, colours::grey);
    EXPECT_EQ(r.label28.colour, colours::grey);
    EXPECT_EQ(r.label26.colour, colours::blue);
    EXPECT_EQ(r.label27.colour, colours::blue);
}

TEST(Analysis, StartupResonanceCaptions) {
    struct Case {
        int n;
        const char* plain;
        Colour colour;
    };
    const Case cases[] = {
        {1, "Port Resonance  208 hz", colours::green},
        {2, "Driver to bottom wall resonance  356 hz", colours::green},
        {3, "Box top to bottom resonance  259 hz", colours::green},
        {4, "Driver to top wall resonance  950 hz", colours::green},
        {5, "Driver to rear wall resonance 512 hz", colours::green},
        {6, "Box front to back resonance  501 hz", colours::green},
        {7, "Driver to side wall-1 resonance  1292 hz", colours::green},
        {8, "Box side to side resonance  656 hz", colours::green},
        {9, "Driver to side wall-2 resonance  1332 hz", colours::green},
    };
    for (bool shownums : {false, true}) {
        AnalysisRun run;
        run.in.graph.shownums = shownums;
        run();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.n);
            const std::string prefix = shownums ? "(" + std::to_string(c.n) + ") " : "";
            EXPECT_EQ(run.results.resonance[c.n].caption, prefix + c.plain);
            EXPECT_EQ(run.results.resonance[c.n].colour, c.colour);
        }
        const int expected[] = {0, 208, 356, 259, 950, 512, 501, 1292, 656, 1332};
        for (int n = 1; n <= 9; ++n) EXPECT_EQ(run.graph.drawn(n), expected[n]) << n;
    }
}

TEST(Analysis, StartupDesignImperial) {
    for (UnitMode mode : {UnitMode::Inches, UnitMode::DecimalInches}) {
        AnalysisRun run;
        run.in.mode = mode;
        run();
        EXPECT_EQ(run.results.label6.caption, "Ports = .35 cu.ft    Bracing = .09 cu.ft");
        EXPECT_EQ(run.results.label28.caption, "Driver =  .05 cu.ft       Total =  .49 cu.ft");
        EXPECT_EQ(run.results.label26.caption, "Working Vol  1.6 cu.ft");
        EXPECT_EQ(run.results.label27.caption, "Tune  29.4hz");
    }
    AnalysisRun cm;
    cm.in.mode = UnitMode::MetricCm;
    cm();
    EXPECT_EQ(cm.results.label26.caption, "Working Vol  45.3 litres");
}

TEST(Analysis, ResultsStartState) {
    Results r;
    EXPECT_EQ(r.resonance[1].caption, "Label7");
    EXPECT_EQ(r.resonance[1].colour, colours::dark_blue);
    EXPECT_EQ(r.resonance[2].caption, "Label21");
    EXPECT_EQ(r.resonance[2].colour, colours::black);
    const char* names[] = {"", "Label7", "Label21", "Label8", "Label22", "Label20",
                           "Label9", "Label17", "Label10", "Label23"};
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(resonance_label_name(n), names[n]);
}

TEST(Analysis, NoPorts) {
    for (const char* ports : {"0", "", "abc", "1e999"}) {
        SCOPED_TRACE(ports);
        AnalysisRun run;
        run.in.ports_text = ports;
        run();
        EXPECT_DOUBLE_EQ(run.d.portcount, 0);
        EXPECT_DOUBLE_EQ(run.d.portvolume, 0);
        EXPECT_EQ(run.results.label6.caption, "Bracing = 2.6 litres");
        EXPECT_EQ(run.results.label27.caption, "Tune  0hz");
        EXPECT_DOUBLE_EQ(run.d.tunefrequency, 0);
        EXPECT_FALSE(run.results.resonance[1].enabled);
        EXPECT_FALSE(run.results.label27.enabled);
        EXPECT_EQ(run.results.resonance[1].caption, "Port resonance not applicable");
        EXPECT_EQ(run.results.resonance[1].colour, colours::dark_blue);
        EXPECT_EQ(run.graph.drawn(1), 0);
    }
}

TEST(Analysis, NoPortsKeepsThePortLabelColour) {
    AnalysisRun run;
    run.in.graph.highlight = true;
    run();
    EXPECT_EQ(run.results.resonance[1].colour, colours::green);
    run.in.ports_text = "0";
    run();
    EXPECT_EQ(run.results.resonance[1].colour, colours::green);
    EXPECT_FALSE(run.results.resonance[1].enabled);
    // An earlier value of (1) stays in the graph's table.
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
    EXPECT_NEAR(run.d.portvolume, 2 * (5 - 38) * 3.14159265359 * 2025 / 1e6, 1e-12);
    EXPECT_LT(run.d.portvolume, 0);
    EXPECT_EQ(run.results.label6.caption.substr(0, 12), "Ports =-.5 l");
    EXPECT_DOUBLE_EQ(run.d.tunefrequency, 0);
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
        EXPECT_DOUBLE_EQ(run.d.tunefrequency, 0);
        EXPECT_EQ(run.results.label27.caption, "Tune  0hz");
        EXPECT_EQ(run.results.label26.caption, mode == UnitMode::Metric
                                                   ? "Working Vol  0 litres"
                                                   : "Working Vol  0 cu.ft");
    }
}

TEST(Analysis, PortCountTexts) {
    struct Case {
        const char* text;
        double count;
        const char* label6;
        const char* label28;
        const char* tune;
    };
    const Case cases[] = {
        {"-2", 2, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  14 litres", "Tune  29.4hz"},
        {"1.5", 1.5, "Ports = 7.4 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  11.5 litres", "Tune  24.8hz"},
        {" 2 ", 2, "Ports = 9.9 litres    Bracing = 2.6 litres",
         "Driver =  1.5 litres       Total =  14 litres", "Tune  29.4hz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        AnalysisRun run;
        run.in.ports_text = c.text;
        run();
        EXPECT_DOUBLE_EQ(run.d.portcount, c.count);
        EXPECT_EQ(run.results.label6.caption, c.label6);
        EXPECT_EQ(run.results.label28.caption, c.label28);
        EXPECT_EQ(run.results.label27.caption, c.tune);
    }
}

TEST(Analysis, DriverCountTexts) {
    AnalysisRun run;
    run.in.drivers_text = "-2";
    run();
    EXPECT_DOUBLE_EQ(run.d.drivercount, 2);
    EXPECT_EQ(run.results.label28.caption, "Driver =  3 litres       Total =  15.5 litres");
    run.in.drivers_text = "1e999";
    run();
    EXPECT_DOUBLE_EQ(run.d.drivercount, 0);
    EXPECT_EQ(run.results.label28.caption, "Driver =  0 litres       Total =  12.5 litres");
}

TEST(Analysis, DriverPlacement) {
    // Centred driver: both side-wall paths are half the inner width.
    AnalysisRun centred;
    centred.d.driversideways = 0;
    centred();
    EXPECT_EQ(centred.graph.drawn(7), 1312);
    EXPECT_EQ(centred.graph.drawn(9), 1312);

    // A negative offset gives the same as its positive value.
    AnalysisRun left, right;
    left.d.driversideways = -2;
    left();
    right();
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(left.results.resonance[n].caption, right.results.resonance[n].caption) << n;
    }

    // Centre inside the top panel: gt is the distance either way.
    AnalysisRun top;
    top.d.driverdown = 10;  // gt = 9
    top();
    EXPECT_EQ(top.results.resonance[4].caption, "Driver to top wall resonance  19110 hz");
    EXPECT_EQ(top.results.resonance[2].caption, "Driver to bottom wall resonance  262 hz");
}

TEST(Analysis, UnableToCalculate) {
    struct Case {
        const char* what;
        void (*edit)(BoxDesign&);
        int n;
        const char* caption;
    };
    const Case cases[] = {
        {"inner height exactly 5", [](BoxDesign& d) { d.boxheight = 43; }, 3,
         "Unable to calculate Box top to bottom resonance"},
        {"inner depth exactly 5", [](BoxDesign& d) { d.boxdepth = 62; }, 6,
         "Unable to calculate Box front to back resonance"},
        {"inner width exactly 5", [](BoxDesign& d) { d.boxwidth = 43; }, 8,
         "Unable to calculate Box side to side resonance"},
        {"cone 3 mm from the rear", [](BoxDesign& d) { d.driverdepth = 38 + 340; }, 5,
         "Unable to calculate Driver to rear wall resonance"},
        {"driver below the box", [](BoxDesign& d) { d.driverdown = 800; }, 2,
         "Unable to calculate Driver to bottom wall resonance"},
        {"driver 3 mm below the top", [](BoxDesign& d) { d.driverdown = 22; }, 4,
         "Unable to calculate Driver to top wall resonance"},
        {"driver 5 mm from the side", [](BoxDesign& d) { d.driversideways = 126; }, 9,
         "Unable to calculate Driver to side wall-2 resonance"},
        // Paths that pass the tests but whose frequency leaves the 16-bit range.
        {"inner height 5.1", [](BoxDesign& d) { d.boxheight = 43.1; }, 3,
         "Unable to calculate Box top to bottom resonance"},
        {"inner height 5.2490234375", [](BoxDesign& d) { d.boxheight = 43.2490234375; }, 3,
         "Unable to calculate Box top to bottom resonance"},
        {"driver 3.1 mm below the top", [](BoxDesign& d) { d.driverdown = 22.1; }, 4,
         "Unable to calculate Driver to top wall resonance"},
        {"port 5.1 mm", [](BoxDesign& d) { d.portlength = 5.1; }, 1,
         "Unable to calculate Port resonance"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnalysisRun run;
        c.edit(run.d);
        run();
        EXPECT_EQ(run.results.resonance[c.n].caption, c.caption);
        EXPECT_EQ(run.results.resonance[c.n].colour, colours::red);
        EXPECT_EQ(run.graph.drawn(c.n), 0);  // never drawn
    }
}

TEST(Analysis, LargestSixteenBitFrequencies) {
    AnalysisRun run;
    run.d.boxheight = 38 + 5.25;  // 172000 / 5.25 = 32761.9
    run.in.graph.highlight = false;
    run();
    EXPECT_EQ(run.results.resonance[3].caption, "Box top to bottom resonance  32761 hz");
    EXPECT_EQ(run.graph.drawn(3), 32761);
}

TEST(Analysis, FailedResonanceKeepsItsOlderGraphValue) {
    AnalysisRun run;
    run();
    EXPECT_EQ(run.graph.drawn(3), 259);
    run.d.boxheight = 43;
    run();
    EXPECT_EQ(run.graph.drawn(3), 259);
}

TEST(Analysis, HighlightColoursLabels) {
    // A 1000 mm port resonates at 172 Hz; everything else stays above 200 Hz.
    AnalysisRun on, off;
    off.in.graph.highlight = false;
    on.d.portlength = 1000;
    off.d.portlength = 1000;
    on();
    off();
    EXPECT_EQ(on.results.resonance[1].caption, "Port Resonance  172 hz");
    EXPECT_EQ(on.results.resonance[1].colour, colours::dark_red);
    EXPECT_EQ(off.results.resonance[1].colour, colours::green);
    for (int n = 2; n <= 9; ++n) {
        EXPECT_EQ(on.results.resonance[n].colour, colours::green) << n;
        EXPECT_EQ(off.results.resonance[n].colour, colours::green) << n;
    }
}

TEST(Analysis, PortEndsChangeOnlyTheTuning) {
    struct Case {
        Flange flange;
        double factor;
        double effective;
        const char* tune;
    };
    const Case cases[] = {
        {Flange::None, 0.614, 875.804, "Tune  29.6hz"},
        {Flange::One, 0.732, 885.952, "Tune  29.4hz"},
        {Flange::Two, 0.85, 896.1, "Tune  29.2hz"},
    };
    for (const Case& c : cases) {
        AnalysisRun run;
        run.in.flange = c.flange;
        run();
        EXPECT_DOUBLE_EQ(run.d.endcorrection, c.factor);
        EXPECT_NEAR(run.d.portlength + run.d.endcorrection * run.d.portdiameter, c.effective,
                    1e-9);
        EXPECT_EQ(run.results.label27.caption, c.tune);
        EXPECT_EQ(run.results.resonance[1].caption, "Port Resonance  208 hz");
        EXPECT_NEAR(run.d.portvolume, 9.98790844, 1e-8);
    }
}

TEST(Analysis, SingleFront) {
    AnalysisRun run;
    run.d.doublefront = 0;
    run.d.boxvol = 262.0 * 662 * 362 / 1e6;
    run();
    EXPECT_DOUBLE_EQ(run.d.innerdepth, 362);
    EXPECT_NEAR(run.d.portvolume, 2 * (823 - 19) * 3.14159265359 * 2025 / 1e6, 1e-12);
    // gc = |30 - 19| = 11; rear path 351.
    EXPECT_EQ(run.results.resonance[5].caption, "Driver to rear wall resonance 490 hz");
}

TEST(Analysis, AbsurdInputsStayFinite) {
    for (double v : {1e308, -1e308, 1e200}) {
        SCOPED_TRACE(v);
        AnalysisRun run;
        for (double* field : {&run.d.boxdepth, &run.d.boxwidth, &run.d.boxheight,
                              &run.d.boxthickness, &run.d.boxvol, &run.d.portlength,
                              &run.d.portdiameter, &run.d.driverdepth, &run.d.driverdown,
                              &run.d.driversideways, &run.d.drivervolume}) {
            *field = v;
        }
        run.in.ports_text = "1e308";
        run.in.drivers_text = "1e308";
        run();
        EXPECT_GE(run.d.workingvolume, 0);
        EXPECT_DOUBLE_EQ(run.d.tunefrequency, 0);
        EXPECT_EQ(run.results.label27.caption, "Tune  0hz");
    }
}

}  // namespace
}  // namespace enclavio
