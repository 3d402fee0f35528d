// The driver and response window: a keystroke in a parameter to its graphs
// repainted, and each fit worked out and applied to the main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "fixture.hpp"
#include "forms/response_form.hpp"
#include "windows/drawings/response_graph.hpp"
#include "windows/main_window.hpp"
#include "windows/response_window.hpp"

namespace enclavio::bench {

namespace {

std::unique_ptr<Form1>& response_form_slot() {
    static std::unique_ptr<Form1> form;
    return form;
}

// The 10 inch driver typed into the response window's entries.
void type_driver(ResponseForm& form) {
    const std::pair<DriverParameter, const char*> typed[] = {
        {DriverParameter::Fs, "28"},  {DriverParameter::Qes, "0.42"}, {DriverParameter::Qms, "6"},
        {DriverParameter::Vas, "60"}, {DriverParameter::Re, "3.6"},   {DriverParameter::Sd, "340"},
        {DriverParameter::Xmax, "11"}};
    for (const auto& [p, text] : typed) form.parameter_change(p, text);
}

// The main window with the response window open on the 10 inch driver, all
// graphs stacked.
ResponseWindow* response_window() {
    auto& form = response_form_slot();
    if (!form) {
        form = std::make_unique<Form1>(scratch_folder() + "/appdata-response", scratch_folder());
        form->startup();
        form->show();
        QAction* open = form->findChild<QAction*>(QStringLiteral("mnu_driver_response"));
        if (open == nullptr) return nullptr;
        open->trigger();
        ResponseWindow* w = form->response_window();
        type_driver(w->model());
        w->sync();
        w->graph()->show_stacked();
        QCoreApplication::processEvents();
    }
    return form->response_window();
}

// A key typed into the power entry ("1" -> "10" -> "1"), every curve, figure
// and both fits worked out again, and the stacked graphs painted.
void BM_response_keystroke(benchmark::State& state) {
    ResponseWindow* w = response_window();
    auto* power = w == nullptr ? nullptr : w->findChild<QLineEdit*>(QStringLiteral("textPower"));
    if (power == nullptr) {
        state.SkipWithError("the response window or its power entry is missing");
        return;
    }
    power->setFocus(Qt::MouseFocusReason);
    power->setText(QStringLiteral("1"));
    power->end(false);
    for (auto _ : state) {
        QTest::keyClick(power, power->text().size() <= 1 ? Qt::Key_0 : Qt::Key_Backspace);
        w->graph()->repaint();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (w->model().state().curves.empty()) state.SkipWithError("no curves");
}

// Each fit worked out for the start-up design and applied through the main
// window's fields, the window's curves following.
void fit_and_apply(benchmark::State& state, bool box) {
    MainForm& start = started_model();
    NullView view;
    MainForm main(view, "", "");
    main.session = start.session;
    ResponseForm form(main, view);
    form.design_changed();
    type_driver(form);
    form.target_change("25");
    const Session fresh = main.session;
    for (auto _ : state) {
        state.PauseTiming();
        main.session = fresh;
        state.ResumeTiming();
        form.design_changed();
        if (!(box ? form.apply_box() : form.apply_tune())) state.SkipWithError("the fit could not be applied");
    }
}

void BM_fit_apply_tune(benchmark::State& state) { fit_and_apply(state, false); }
void BM_fit_apply_box(benchmark::State& state) { fit_and_apply(state, true); }

}  // namespace

BENCHMARK(BM_response_keystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fit_apply_tune)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fit_apply_box)->Unit(benchmark::kMillisecond);

void close_response_windows() { response_form_slot().reset(); }

}  // namespace enclavio::bench
