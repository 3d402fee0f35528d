// Designs far beyond any real box (lengths near the top of the double range,
// as a project file may hold them): the volume calculation and the analysis
// store 0 instead of infinity or NaN, and never crash.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

void expect_finite(const BoxDesign& d, const char* what) {
    for (const double v :
         {d.boxvol, d.innerdepth, d.innerwidth, d.innerheight, d.portvolume, d.edgebracing, d.shelfbracing,
          d.bracingvolume, d.componentvolume, d.workingvolume, d.endcorrection, d.tunefrequency})
        EXPECT_TRUE(std::isfinite(v)) << what;
}

TEST(OverflowRegression, HugeDesignsGiveFiniteResults) {
    using M = double BoxDesign::*;
    const struct {
        const char* what;
        std::initializer_list<M> members;
        double value;
    } cases[] = {
        // The project file the project fuzzer started from: every length 1E+300.
        {"all 1E+300",
         {&BoxDesign::boxdepth, &BoxDesign::boxwidth, &BoxDesign::boxheight, &BoxDesign::boxthickness,
          &BoxDesign::portlength, &BoxDesign::portdiameter, &BoxDesign::portwallthickness, &BoxDesign::driverdepth,
          &BoxDesign::driverdown, &BoxDesign::driversideways},
         1e300},
        {"thickness 1.7E+308", {&BoxDesign::boxthickness}, 1.7e308},
        {"driver 1.7E+308", {&BoxDesign::driverdepth, &BoxDesign::driverdown}, 1.7e308},
    };
    for (const auto& c : cases) {
        fixture::AnalysisRun run;
        for (const M m : c.members) run.d.*m = c.value;
        compute_volume(run.d);
        expect_finite(run.d, c.what);
        run();
        expect_finite(run.d, c.what);
        EXPECT_GE(run.d.workingvolume, 0) << c.what;
    }
}

TEST(OverflowRegression, HugeCountsAndTypedBracingGiveFiniteResults) {
    fixture::AnalysisRun run;
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
