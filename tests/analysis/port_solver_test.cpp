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

// The solved length is stored and the analysis then gives the target.
TEST(PortSolver, RoundTripsThroughTheAnalysis) {
    const struct {
        const char* what;
        void (*edit)(AnalysisRun&);
        double target, expected;  // mm; 0 when only the round trip is checked
    } cases[] = {
        {"one flange", [](AnalysisRun&) {}, 29.4, 826.08477},
        {"no flange", [](AnalysisRun& r) { r.in.flange = Flange::None; }, 29.4, 839.62171},
        {"short port", [](AnalysisRun&) {}, 60, 115.00734},
        {"1.5 ports", [](AnalysisRun& r) { r.in.ports_text = "1.5"; }, 25, 0},
        {"one port reaches 20 Hz", [](AnalysisRun& r) { r.in.ports_text = "1"; }, 20, 0},
        // Above what the shortest port gives, six wide ports reach the target
        // only by filling the box; still shorter than its 662 mm height.
        {"six wide ports filling the box",
         [](AnalysisRun& r) {
             r.in.ports_text = "6";
             r.d.portdiameter = 150;
         },
         250, 452.58087},
        {"single front, manual bracing, two drivers",
         [](AnalysisRun& r) {
             r.d.doublefront = 0;
             r.d.boxvol = 262.0 * 662 * 362 / 1e6;
             r.in.bracing = {true, "3", true, "1", "2"};
             r.in.drivers_text = "2";
         },
         32, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnalysisRun run;
        c.edit(run);
        const PortSolveResult r = solve_port_length(run.d, run.in, c.target);
        ASSERT_TRUE(r.solved) << r.message;
        EXPECT_EQ(run.d.portlength, r.length);
        if (c.expected > 0) {
            EXPECT_NEAR(r.length, c.expected, 1e-4);
        }
        EXPECT_NEAR(analysed_tuning(run), c.target, 1e-9);
    }
}

TEST(PortSolver, Refusals) {
    const std::string too_small =
        "The box is too small for this port at 20 hz: no port length gives that tuning. "
        "A smaller port diameter or fewer ports will help.";
    const struct {
        const char *what, *ports;
        double diameter, boxvol, target;
        std::string message;
    } cases[] = {
        {"too low a tuning", "2", 86, 59.491292, 10,
         "The box is too small for this port at 10 hz: no port length gives that tuning. "
         "A smaller port diameter or fewer ports will help."},
        {"two ports cannot reach 20 Hz", "2", 86, 59.491292, 20, too_small},
        {"no ports", "0", 86, 59.491292, 29.4, "There are no ports to tune. Set the number of ports first."},
        // The only lengths left (4328 mm at 100 hz) are far longer than the box.
        {"above what the shortest port gives", "2", 86, 59.491292, 100,
         "A tuning of 100 hz is too high for this port: even the shortest port tunes the box to 95.8 hz. "
         "A larger port diameter or more ports will help."},
        {"zero target", "2", 86, 59.491292, 0, "The tuning frequency must be above 0 hz."},
        {"no diameter", "2", 0, 59.491292, 29.4,
         "The port diameter must be above 0 before a port length can be found."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnalysisRun run;
        run.in.ports_text = c.ports;
        run.d.portdiameter = c.diameter;
        run.d.boxvol = c.boxvol;
        const PortSolveResult r = solve_port_length(run.d, run.in, c.target);
        EXPECT_FALSE(r.solved);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(run.d.portlength, 823);
    }
}

}  // namespace
}  // namespace enclavio
