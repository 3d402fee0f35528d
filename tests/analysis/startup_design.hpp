// The design the main window starts with, for the analysis tests.
#pragma once

#include "../design/boxes.hpp"
#include "analysis/analysis.hpp"

namespace enclavio::fixture {

inline BoxDesign startup_design() {
    BoxDesign d = startup_box();
    d.boxvol = 59.491292;
    d.portlength = 823;
    d.portdiameter = 86;
    d.portwallthickness = 2;
    d.driverdepth = 30;
    d.driverdown = 200;
    d.driversideways = 2;
    d.driversize = "10 inch";
    d.drivervolume = 1.5;
    return d;
}

inline AnalysisInputs startup_inputs() {
    AnalysisInputs in;
    in.ports_text = "2";
    in.drivers_text = "1";
    return in;
}

// One analysis run on fresh results and graph unless given.
struct AnalysisRun {
    BoxDesign d = startup_design();
    AnalysisInputs in = startup_inputs();
    Graph graph;
    Results results;
    void operator()() { res_wall2wall(d, in, graph, results); }
};

}  // namespace enclavio::fixture
