// The steps of the core, without any window: the analysis with its graph
// model, the cutting list in each unit mode, the sheet layout, the report
// text, a project file written and read back, and the driver's response in
// the box with the two designs for the driver.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "fixture.hpp"
#include "forms/main_form.hpp"
#include "forms/project_io.hpp"
#include "forms/report_form.hpp"
#include "response/curves.hpp"
#include "response/design_fit.hpp"
#include "sheets/drawing.hpp"
#include "sheets/texts.hpp"
#include "storage/project.hpp"
#include "storage/report.hpp"

namespace enclavio::bench {
namespace {

// One analysis run as every edit makes it. Arg 1: identifying numbers shown
// on a 2 kHz graph, the run that draws the most.
void BM_res_wall2wall(benchmark::State& state) {
    Session s = started_model().session;
    AnalysisInputs in = analysis_inputs(s);
    if (state.range(0) == 1) {
        in.graph.shownums = true;
        in.graph.range = 2000;
    }
    for (auto _ : state) {
        res_wall2wall(s.design, in, s.main.graph_model, s.main.results);
        benchmark::DoNotOptimize(s.design.tunefrequency);
        benchmark::DoNotOptimize(s.main.graph_model.items().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_res_wall2wall)->Arg(0)->Arg(1);

// The cutting list with trimming allowance (the longer texts) in each mode.
void BM_do_panels(benchmark::State& state) {
    const Session& s = started_model().session;
    const auto mode = static_cast<UnitMode>(state.range(0));
    CuttingList list;
    for (auto _ : state) {
        do_panels(s.design, mode, false, list);
        benchmark::DoNotOptimize(list.panel_lines.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_do_panels)
    ->Arg(static_cast<int>(UnitMode::Metric))
    ->Arg(static_cast<int>(UnitMode::MetricCm))
    ->Arg(static_cast<int>(UnitMode::Inches))
    ->Arg(static_cast<int>(UnitMode::DecimalInches));

// The sheet layout of the start-up design's panels on a 2440 x 1220 board,
// with its texts: arg boxes. One box is searched to the end, proven; more
// stop at the bound or the 200 ms limit.
void BM_sheet_layout(benchmark::State& state) {
    const Session& s = started_model().session;
    const auto boxes = static_cast<int>(state.range(0));
    const std::vector<sheets::Piece> pieces = sheets::design_pieces(s.design, true, boxes);
    for (auto _ : state) {
        const sheets::Layout l = sheets::lay_out(pieces, sheets::Board{});
        if (boxes == 1 && !l.proven) state.SkipWithError("one box: the sheet count was not proven");
        std::string text = sheets::layout_text(l, s.mode);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_sheet_layout)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One sheet of two boxes drawn as primitives and written as SVG.
void BM_sheet_drawing(benchmark::State& state) {
    const Session& s = started_model().session;
    const sheets::Layout l = sheets::lay_out(sheets::design_pieces(s.design, true, 2), sheets::Board{});
    for (auto _ : state) {
        std::string svg = sheets::sheet_svg(sheets::draw_sheet(l, 0, s.mode));
        benchmark::DoNotOptimize(svg.data());
    }
}
BENCHMARK(BM_sheet_drawing);

// The report text with every section, notes and trimming hints included.
void BM_compose_report(benchmark::State& state) {
    Session s = started_model().session;
    s.cutting.show_exact = false;
    do_panels(s.design, s.mode, s.cutting.show_exact, s.cutting.list);
    s.cutting.tooltips = [] {
        std::array<std::string, kPanelCount> t;
        for (int i = 0; i < kPanelCount; ++i) t[i] = std::string(trimming_hints()[i]);
        return t;
    }();
    s.notes.lines = {"Birch ply, 19 mm", "Two 10 inch drivers", "", "", "", "", "", "Sealed with PVA"};
    s.report.check6_enabled = true;
    const ReportInput in = report_input(s, std::time_t{1700000000});
    for (auto _ : state) {
        std::string text = compose_report(in);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_compose_report);

ProjectData sample_project() {
    Session s = started_model().session;
    s.notes.lines = {"Birch ply, 19 mm", "Two 10 inch drivers", "", "", "", "", "", "Sealed with PVA"};
    return project_from_session(s);
}

std::string project_file() { return scratch_folder() + "/box.ecv"; }

// Save: the 24 lines written to a temporary file and renamed over the project.
void BM_write_project(benchmark::State& state) {
    const ProjectData p = sample_project();
    const std::string path = project_file();
    for (auto _ : state) {
        if (!write_project(path, p)) state.SkipWithError("write_project failed");
    }
}
BENCHMARK(BM_write_project);

// Open: the file read and parsed back.
void BM_read_project(benchmark::State& state) {
    const ProjectData p = sample_project();
    const std::string path = project_file();
    if (!write_project(path, p)) {
        state.SkipWithError("write_project failed");
        return;
    }
    const std::optional<ProjectData> first = read_project(path);
    if (!first || !(*first == p)) {
        state.SkipWithError("read_project did not give back what was written");
        return;
    }
    for (auto _ : state) {
        std::optional<ProjectData> back = read_project(path);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_read_project);

// A 10 inch subwoofer driver with ordinary data-sheet figures.
DriverParameters ten_inch_driver() {
    DriverParameters p;
    p.fs = 28;
    p.qes = 0.42;
    p.qms = 6;
    p.vas = 60;
    p.re = 3.6;
    p.sd = 340;
    p.xmax = 11;
    return p;
}

// What the response window redraws on each change: the model of the drivers
// in the analysed box, every curve at 400 points, and the figures.
void BM_response_curves(benchmark::State& state) {
    const Session& s = started_model().session;
    const DriverParameters p = ten_inch_driver();
    for (auto _ : state) {
        const std::optional<ResponseModel> m = response_model(p, s.design);
        std::vector<ResponsePoint> curves = response_curves(*m, {10, 500, 400});
        ResponseFigures figures = response_figures(*m);
        benchmark::DoNotOptimize(curves.data());
        benchmark::DoNotOptimize(figures.f3);
    }
}
BENCHMARK(BM_response_curves);

// "Tune this box": the tuning for the start-up box and its port length.
void BM_fit_tune(benchmark::State& state) {
    const Session& s = started_model().session;
    const AnalysisInputs in = analysis_inputs(s);
    const DriverParameters p = ten_inch_driver();
    for (auto _ : state) {
        DesignFit f = tune_this_box(p, s.design, in);
        if (!f.can_apply()) state.SkipWithError("tune_this_box found nothing");
        benchmark::DoNotOptimize(f.box.port_length);
    }
}
BENCHMARK(BM_fit_tune)->Unit(benchmark::kMillisecond);

// "Box for a target F3" of 25 hz: the working volume, tuning, depth and port length.
void BM_fit_box(benchmark::State& state) {
    const Session& s = started_model().session;
    const AnalysisInputs in = analysis_inputs(s);
    const DriverParameters p = ten_inch_driver();
    for (auto _ : state) {
        DesignFit f = box_for_target(p, s.design, in, 25);
        if (!f.can_apply()) state.SkipWithError("box_for_target found nothing");
        benchmark::DoNotOptimize(f.box.depth);
    }
}
BENCHMARK(BM_fit_box)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace enclavio::bench
