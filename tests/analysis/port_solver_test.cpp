#include <gtest/gtest.h>

#include "analysis/budget.hpp"
#include "analysis/port_solver.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

using fixture::AnalysisRun;

// The tuning before truncation that the analysis gives for the run's design.
double analysed_tuning(AnalysisRun& run) {
    run();
    return tuning_unrounded(run.d);
}

TEST(PortSolver, GivesBackTheStartupLength) {
    AnalysisRun run;
    const double own = analysed_tuning(run);
    EXPECT_NEAR(own, 29.4384, 1e-4);
    const PortSolveResult r = find_port_length(run.d, run.in, own);
    ASSERT_TRUE(r.solved) << r.message;
    EXPECT_NEAR(r.length, 823, 0.1);
    EXPECT_TRUE(r.message.empty());
}

TEST(PortSolver, RoundTripsThroughTheAnalysis) {
    struct Case {
        Flange flange;
        const char* ports;
        double target;
        double expected;  // mm; 0 when only the round trip is checked
    };
    const Case cases[] = {
        {Flange::One, "2", 29.4, 826.08477},
        {Flange::None, "2", 29.4, 839.62171},
        {Flange::Two, "2", 29.4, 812.58191},
        {Flange::One, "2", 60, 115.00734},
        {Flange::One, "1.5", 25, 0},
        {Flange::One, "-1", 35, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.ports << " ports at " << c.target);
        AnalysisRun run;
        run.in.flange = c.flange;
        run.in.ports_text = c.ports;
        run();
        const PortSolveResult r = solve_port_length(run.d, run.in, c.target);
        ASSERT_TRUE(r.solved) << r.message;
        EXPECT_EQ(run.d.portlength, r.length);
        if (c.expected > 0) {
            EXPECT_NEAR(r.length, c.expected, 1e-4);
        }
        EXPECT_NEAR(analysed_tuning(run), c.target, 1e-9);
        EXPECT_GT(run.d.workingvolume, 0);
    }
}

TEST(PortSolver, SingleFrontAndManualBracing) {
    AnalysisRun run;
    run.d.doublefront = 0;
    run.d.boxvol = 262.0 * 662 * 362 / 1e6;
    run.in.bracing = {true, "3", true, "1", "2"};
    run.in.drivers_text = "2";
    const PortSolveResult r = solve_port_length(run.d, run.in, 32);
    ASSERT_TRUE(r.solved) << r.message;
    EXPECT_NEAR(analysed_tuning(run), 32, 1e-9);
}

TEST(PortSolver, Refusals) {
    struct Case {
        const char* what;
        const char* ports;
        double diameter;
        double target;
        const char* message;
    };
    const Case cases[] = {
        {"too low a tuning", "2", 86, 10,
         "The box is too small for this port at 10 hz: no port length gives that tuning. "
         "A smaller port diameter or fewer ports will help."},
        {"no ports", "0", 86, 29.4, "There are no ports to tune. Set the number of ports first."},
        {"ports not a number", "none", 86, 29.4,
         "There are no ports to tune. Set the number of ports first."},
        {"zero target", "2", 86, 0, "The tuning frequency must be above 0 hz."},
        {"negative target", "2", 86, -30, "The tuning frequency must be above 0 hz."},
        {"no diameter", "2", 0, 29.4,
         "The port diameter must be above 0 before a port length can be found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnalysisRun run;
        run.in.ports_text = c.ports;
        run.d.portdiameter = c.diameter;
        const BoxDesign before = run.d;
        const PortSolveResult r = solve_port_length(run.d, run.in, c.target);
        EXPECT_FALSE(r.solved);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(run.d.portlength, before.portlength);
        EXPECT_EQ(run.d.workingvolume, before.workingvolume);
    }
}

TEST(PortSolver, FewerPortsReachLowerTunings) {
    // Two 86 mm ports cannot reach 20 Hz in this box; one can.
    AnalysisRun run;
    EXPECT_FALSE(find_port_length(run.d, run.in, 20).solved);
    run.in.ports_text = "1";
    const PortSolveResult r = solve_port_length(run.d, run.in, 20);
    ASSERT_TRUE(r.solved) << r.message;
    EXPECT_NEAR(analysed_tuning(run), 20, 1e-9);
}

TEST(PortSolver, BoxFilledByComponents) {
    AnalysisRun run;
    run.d.boxvol = 3;  // less than the bracing and driver
    EXPECT_FALSE(find_port_length(run.d, run.in, 40).solved);
}

}  // namespace
}  // namespace enclavio
