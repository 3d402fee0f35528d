// The depth and port length that give a fit through the analysis, exactly
// and as the fields hold them in each unit mode.
#include <gtest/gtest.h>

#include <cmath>

#include "../analysis/startup_design.hpp"
#include "analysis/budget.hpp"
#include "drivers.hpp"
#include "response/curves.hpp"
#include "response/design_fit.hpp"

namespace enclavio {
namespace {

using fixture::AnalysisRun;

// Designs beside the start-up one, edited as a user would.
const struct {
    const char* what;
    void (*edit)(AnalysisRun&);
} kDesigns[] = {
    {"start-up design", [](AnalysisRun&) {}},
    {"single front, no flange",
     [](AnalysisRun& r) {
         r.d.doublefront = 0;
         r.in.flange = Flange::None;
     }},
    {"two drivers, manual bracing, two shelves",
     [](AnalysisRun& r) {
         r.in.drivers_text = "2";
         r.in.bracing = {true, "3", false, "0", "2"};
     }},
    {"one 100 mm port, 25 mm panels",
     [](AnalysisRun& r) {
         r.in.ports_text = "1";
         r.d.portdiameter = 100;
         r.d.boxthickness = 25;
     }},
    {"three 60 mm ports, wide box",
     [](AnalysisRun& r) {
         r.in.ports_text = "3";
         r.d.portdiameter = 60;
         r.d.boxwidth = 600;
     }},
};

AnalysisRun design(void (*edit)(AnalysisRun&)) {
    AnalysisRun run;
    edit(run);
    run();
    return run;
}

bool near(double a, double b, double relative) { return std::fabs(a - b) <= relative * std::fabs(b); }

TEST(BoxSolver, LandsOnVolumeAndTuning) {
    const struct { double volume, tuning; } targets[] = {{45, 45}, {80, 30}, {130, 25}, {60, 40}};
    for (const auto& design_case : kDesigns) {
        for (const auto& target : targets) {
            SCOPED_TRACE(std::string(design_case.what) + ", " + std::to_string(target.volume) + " l");
            AnalysisRun run = design(design_case.edit);
            const BoxSolution s = solve_box(run.d, run.in, target.volume, target.tuning);
            ASSERT_TRUE(s.solved) << s.reason;
            EXPECT_TRUE(near(s.outcome.working_volume, target.volume, 1e-9));
            EXPECT_TRUE(near(s.outcome.tuning, target.tuning, 1e-9));
            // The main window's own analysis, after the volume is worked out.
            run.d.boxdepth = s.depth;
            run.d.portlength = s.port_length;
            compute_volume(run.d);
            run();
            EXPECT_TRUE(near(run.d.workingvolume, target.volume, 1e-9));
            EXPECT_TRUE(near(tuning_unrounded(run.d), target.tuning, 1e-9));
        }
    }
}

TEST(BoxSolver, Refusals) {
    const struct {
        const char* what;
        void (*edit)(AnalysisRun&);
        double volume, tuning;
        const char* reason;
    } cases[] = {
        {"no ports", [](AnalysisRun& r) { r.in.ports_text = "0"; }, 45, 30,
         "There are no ports to tune. Set the number of ports first."},
        {"no diameter", [](AnalysisRun& r) { r.d.portdiameter = 0; }, 45, 30,
         "The port diameter must be above 0 before a port length can be found."},
        {"no tuning", [](AnalysisRun&) {}, 45, 0, "The working volume and the tuning must be above 0."},
        {"tuned too high for the ports", [](AnalysisRun&) {}, 45, 150,
         "No port length gives this tuning: the ports are too wide for it. A smaller port diameter or fewer ports "
         "will help."},
        {"a port longer than the box", [](AnalysisRun&) {}, 45, 29.4,
         "The port would be longer than the box's longest inner dimension."},
        {"too narrow for its bracing", [](AnalysisRun& r) { r.d.boxwidth = 40; }, 45, 30,
         "The box's width and height leave no room inside: no depth gives this volume."},
        {"bracing that gives volume back",
         [](AnalysisRun& r) {
             r.in.bracing = {true, "-200", false, "0", "1"};
         },
         45, 30, "No depth gives this working volume: the depth would leave no room inside the box."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnalysisRun run = design(c.edit);
        const BoxSolution s = solve_box(run.d, run.in, c.volume, c.tuning);
        EXPECT_FALSE(s.solved);
        EXPECT_EQ(s.reason, c.reason);
    }
}

// A length as the field holds it once typed in `mode`.
double as_typed(UnitMode mode, double mm) { return length_from_text(mode, length_text(mode, mm)).mm; }

constexpr UnitMode kModes[] = {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches};

// "Box for a target F3" typed into the fields in each unit mode: the
// working volume, tuning and F3 the main window then shows are the fit's.
TEST(DesignFit, BoxForTargetLandsInEveryUnitMode) {
    const DriverParameters p = fixture::ten_inch();
    for (double target : {20.0, 22.0}) {
        for (const auto& design_case : kDesigns) {
            SCOPED_TRACE(std::string(design_case.what) + ", F3 " + std::to_string(target));
            const AnalysisRun start = design(design_case.edit);
            const DesignFit f = box_for_target(p, start.d, start.in, target);
            ASSERT_TRUE(f.can_apply()) << f.fit.reason << f.box.reason;
            for (UnitMode mode : kModes) {
                SCOPED_TRACE(std::string(unit_mode_literal(mode)));
                AnalysisRun run = start;
                run.in.mode = mode;
                run.d.boxdepth = as_typed(mode, f.box.depth);
                run.d.portlength = as_typed(mode, f.box.port_length);
                compute_volume(run.d);
                run();
                EXPECT_TRUE(near(run.d.workingvolume, f.fit.working_volume, 0.005));
                EXPECT_TRUE(near(tuning_unrounded(run.d), f.fit.tuning, 0.003));
                const auto landed = response_figures(*response_model(p, run.d));
                EXPECT_TRUE(near(*landed.f3, f.fit.f3, 0.005)) << *landed.f3;
            }
        }
    }
}

// "Tune this box" changes the port length only; applied twice it changes
// nothing more, and its tuning is the fit for the volume it leaves.
TEST(DesignFit, TuneThisBoxSettles) {
    const DriverParameters p = fixture::ten_inch();
    for (const auto& design_case : kDesigns) {
        SCOPED_TRACE(design_case.what);
        AnalysisRun run = design(design_case.edit);
        const DesignFit first = tune_this_box(p, run.d, run.in);
        ASSERT_TRUE(first.can_apply()) << first.fit.reason << first.box.reason;
        EXPECT_EQ(first.box.depth, run.d.boxdepth);
        EXPECT_EQ(first.box.outcome.working_volume, first.fit.working_volume);
        EXPECT_EQ(first.box.outcome.tuning, first.fit.tuning);
        EXPECT_TRUE(near(fit_tuning(p, first.fit.working_volume).tuning, first.fit.tuning, 1e-5));

        for (UnitMode mode : kModes) {
            SCOPED_TRACE(std::string(unit_mode_literal(mode)));
            AnalysisRun typed = run;
            typed.d.portlength = as_typed(mode, first.box.port_length);
            typed();
            EXPECT_NEAR(tuning_unrounded(typed.d), first.fit.tuning, 0.05);
        }
        run.d.portlength = first.box.port_length;
        run();
        const DesignFit second = tune_this_box(p, run.d, run.in);
        ASSERT_TRUE(second.can_apply());
        EXPECT_NEAR(second.box.port_length, first.box.port_length, 0.01);
        EXPECT_TRUE(near(second.fit.tuning, first.fit.tuning, 1e-5));
    }
    AnalysisRun sealed = design([](AnalysisRun& r) { r.in.ports_text = "0"; });
    const DesignFit f = tune_this_box(p, sealed.d, sealed.in);
    EXPECT_TRUE(f.fit.found);
    EXPECT_FALSE(f.can_apply());
    EXPECT_EQ(f.box.reason, "There are no ports to tune. Set the number of ports first.");
}

}  // namespace
}  // namespace enclavio
