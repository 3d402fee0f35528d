// One edit as the user makes it: a key typed into the depth field Text6 in
// "metric", through the field's handling, validation and the analysis, to the
// resonance graph (Picture1) painted again. Needs the QApplication that main
// creates (offscreen unless a platform is set).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <memory>

#include "fixture.hpp"
#include "windows/drawings/sheet_picture.hpp"
#include "windows/main_window.hpp"
#include "windows/sheet_layout_window.hpp"

namespace enclavio::bench {

namespace {

std::unique_ptr<Form1>& form_slot() {
    static std::unique_ptr<Form1> form;
    return form;
}

// Waits until the window is on screen and painted once.
bool wait_until_exposed(QWidget* window) {
    QElapsedTimer waited;
    waited.start();
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    return true;
}

// The main window, started and shown once for every benchmark of this file.
Form1* main_window() {
    auto& form = form_slot();
    if (!form) {
        form = std::make_unique<Form1>(scratch_folder() + "/appdata-window", scratch_folder());
        form->startup();
        form->show();
        form->activateWindow();
        if (!wait_until_exposed(form.get())) return nullptr;
    }
    return form.get();
}

struct Edit {
    QLineEdit* text6 = nullptr;
    QWidget* picture1 = nullptr;
};

// Text6 focused with the caret at its end, as after clicking into it.
std::optional<Edit> start_edit(benchmark::State& state) {
    Form1* form = main_window();
    if (form == nullptr) {
        state.SkipWithError("the main window was never exposed");
        return std::nullopt;
    }
    Edit e{form->findChild<QLineEdit*>(QStringLiteral("Text6")), form->findChild<QWidget*>(QStringLiteral("Picture1"))};
    if (e.text6 == nullptr || e.picture1 == nullptr) {
        state.SkipWithError("Text6 or Picture1 not found");
        return std::nullopt;
    }
    e.text6->setFocus(Qt::MouseFocusReason);
    e.text6->end(false);
    QCoreApplication::processEvents();
    return e;
}

// Alternately types "5" after the depth and takes it away again, so every
// keystroke is a real change ("400" -> "4005" -> "400").
void keystroke(QLineEdit* text6) { QTest::keyClick(text6, text6->text().size() <= 3 ? Qt::Key_5 : Qt::Key_Backspace); }

// Every keystroke must have gone all the way: the field holds the typed depth
// and the design was validated from it.
void check_edit(benchmark::State& state) {
    Form1* form = main_window();
    const double depth = form->model().s.design.boxdepth;
    const QString text = form->findChild<QLineEdit*>(QStringLiteral("Text6"))->text();
    if ((text != QStringLiteral("400") || depth != 400) && (text != QStringLiteral("4005") || depth != 4005))
        state.SkipWithError("the keystrokes did not reach the design");
}

// Keystroke to the graph repainted: the paint is forced at once, as the
// window system would ask for it. What else the edit marked for repainting
// (the result labels) is painted outside the measured time.
void BM_keystroke_graph(benchmark::State& state) {
    const auto e = start_edit(state);
    if (!e) return;
    for (auto _ : state) {
        keystroke(e->text6);
        e->picture1->repaint();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    check_edit(state);
}

// Keystroke to the whole window brought up to date: every widget the edit
// changed (graph, result labels, field) repainted by the event loop.
void BM_keystroke_window(benchmark::State& state) {
    const auto e = start_edit(state);
    if (!e) return;
    for (auto _ : state) {
        keystroke(e->text6);
        QCoreApplication::processEvents();
    }
    check_edit(state);
}

std::unique_ptr<SheetLayoutWindow>& sheet_slot() {
    static std::unique_ptr<SheetLayoutWindow> window;
    return window;
}

// A setting changed in the Sheet Layout window (the kerf, typed and
// entered) to the window brought up to date: the layout of the start-up
// design's panels made again on a 2440 x 1220 board, the sheets' drawings
// and texts built anew and every drawing painted.
void BM_sheet_window_redraw(benchmark::State& state) {
    Form1* form = main_window();
    if (form == nullptr) {
        state.SkipWithError("the main window was never exposed");
        return;
    }
    auto& window = sheet_slot();
    if (!window) {
        window = std::make_unique<SheetLayoutWindow>(
            form->model(), [](Window) {}, nullptr);
        window->resize(900, 760);
        window->show();
        if (!wait_until_exposed(window.get())) {
            state.SkipWithError("the Sheet Layout window was never exposed");
            return;
        }
    }
    auto* kerf = window->findChild<QLineEdit*>(QStringLiteral("kerf"));
    bool thin = false;
    for (auto _ : state) {
        thin = !thin;
        kerf->setText(thin ? QStringLiteral("2.4") : QStringLiteral("3.2"));
        emit kerf->editingFinished();
        for (SheetPicture* p : window->pictures()) p->repaint();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (window->model().layout().board.kerf != (thin ? 2.4 : 3.2) || window->pictures().empty())
        state.SkipWithError("the kerf did not reach the layout");
}

}  // namespace

BENCHMARK(BM_sheet_window_redraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_keystroke_graph)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_keystroke_window)->Unit(benchmark::kMillisecond);

void close_windows() {
    sheet_slot().reset();
    form_slot().reset();
}

}  // namespace enclavio::bench
