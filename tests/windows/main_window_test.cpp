// The main window offscreen: controls bound to the model, typing, focus,
// panels and the painted resonance graph.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "forms/project_io.hpp"
#include "forms/units_form.hpp"
#include "project_windows_test_support.hpp"
#include "windows/dialogs.hpp"
#include "windows/drawings/graph_view.hpp"
#include "windows/main_window.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

class Form1Test : public ShownMainWindowTest {
protected:
    QLineEdit* field(MainField f) { return child<QLineEdit>(form.get(), qs(control_name(f))); }
    MainState& main() { return form->model().session.main; }
    BoxDesign& design() { return form->model().session.design; }
    void switch_units(UnitMode m) {
        form->model().set_unit_mode(m);
        form->model().populateall();
        form->sync();
    }
    QColor fore(MainField f) { return field(f)->palette().color(QPalette::Active, QPalette::Text); }
};

TEST_F(Form1Test, ControlsShowTheModelAndAMenuSwapsThePanels) {
    for (const char* name : {"Frame1", "Frame2", "Frame5", "Check3", "Combo1", "Command1", "Label1", "Label8",
                             "Label15", "Label21", "Picture2"}) {
        child(form.get(), name);
    }
    for (const char* name : {"mnu_open", "mnu_save", "mnu_notes", "mnu_report", "mnu_panels", "mnu_noflange",
                             "mnu_oneflange", "mnu_twoflange", "mnu_tune", "mnu_units", "mnu_porting", "mnu_bracing",
                             "mnu_onekhz", "mnu_twokhz", "mnu_shownums", "mnu_highlight", "mnu_print", "mnu_about"}) {
        child<QAction>(form.get(), name);
    }
    for (MainField f : kMainFields) EXPECT_EQ(field(f)->text().toStdString(), main().text[f].text) << control_name(f);
    EXPECT_EQ(form->windowTitle(), "Enclavio - default");
    expect_texts(form.get(), {{"Label27", main().results.tuning_line.caption},
                              {"Label28", main().results.driver_and_total_line.caption}});
    EXPECT_FALSE(child(form.get(), "Picture3")->isVisible());

    QAction* where = child<QAction>(form.get(), "mnu_where");
    for (bool shown : {true, false}) {
        where->trigger();
        EXPECT_EQ(where->isChecked(), shown);
        EXPECT_EQ(child(form.get(), "Frame3")->isVisible(), shown);
        EXPECT_EQ(child(form.get(), "Frame4")->isVisible(), !shown);
    }
}

TEST_F(Form1Test, TypingAndEnterShowTextColourAndStoredValue) {
    struct Case {
        UnitMode mode;
        MainField n;
        const char* typed;
        QColor fore_typing;
        const char* shown;  // after Enter
        double BoxDesign::*member;
        double stored;
    };
    const Case cases[] = {
        {UnitMode::Metric, MainField::Depth, "400.6", Qt::black, " 401", &BoxDesign::boxdepth, 400.6},
        {UnitMode::Metric, MainField::Width, "300.6", Qt::black, "300.6", &BoxDesign::boxwidth, 300.6},
        {UnitMode::Inches, MainField::Width, "12", Qt::red, "1'", &BoxDesign::boxwidth, 304.8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        switch_units(c.mode);
        type_keys(field(c.n), c.typed);
        EXPECT_EQ(field(c.n)->text(), c.typed);
        EXPECT_EQ(fore(c.n), c.fore_typing);
        EXPECT_EQ(field(c.n)->palette().color(QPalette::Active, QPalette::Base), QColor(255, 224, 192));
        press_key(field(c.n), Qt::Key_Return);
        EXPECT_EQ(field(c.n)->text(), c.shown);
        EXPECT_EQ(fore(c.n), QColor(Qt::black));
        EXPECT_NEAR(design().*c.member, c.stored, 1e-9);
    }
}

TEST_F(Form1Test, OnlyRealFocusMovesValidate) {
    switch_units(UnitMode::Inches);
    type_keys(field(MainField::Height), "2'");
    const auto focus_out = [&](Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(field(MainField::Height), &out);
    };
    focus_out(Qt::ActiveWindowFocusReason);  // a message box comes up
    focus_out(Qt::PopupFocusReason);
    EXPECT_TRUE(main().text[MainField::Height].pending);
    EXPECT_DOUBLE_EQ(design().boxheight, 700);
    focus_out(Qt::TabFocusReason);
    EXPECT_FALSE(main().text[MainField::Height].pending);
    EXPECT_NEAR(design().boxheight, 609.6, 1e-9);
    EXPECT_EQ(fore(MainField::Height), QColor(Qt::black));
}

TEST_F(Form1Test, GraphMarksEachResonanceBelowOneKilohertz) {
    auto* graph = child<GraphView>(form.get(), "Picture1");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->height(), GraphView::kHeight);
    EXPECT_GE(graph->width(), GraphView::kWidth);
    const QImage image = graph->grab().toImage();
    std::vector<double> green;  // columns holding the marker colour, in widget pixels
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() <= 24 && std::abs(c.green() - 128) <= 24 && c.blue() <= 24) {
                green.push_back(x / image.devicePixelRatio());
                break;
            }
        }
    }
    const double resonances[] = {208, 259, 356, 501, 512, 656, 950};
    const auto near = [&](double hz, double x) { return x >= graph->x_of(hz - 3) - 2 && x <= graph->x_of(hz + 3) + 2; };
    for (double hz : resonances) {
        EXPECT_TRUE(std::any_of(green.begin(), green.end(), [&](double x) { return near(hz, x); })) << hz;
    }
    for (double x : green) {
        EXPECT_TRUE(std::any_of(std::begin(resonances), std::end(resonances), [&](double hz) { return near(hz, x); }))
            << "stray marker colour at x " << x;
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(253, 226, 166));  // the strip's ground between the markers
}

// The units window's options change the main window's frame captions at once,
// while the units window is still open.
TEST_F(Form1Test, UnitOptionsChangeTheCaptionsAtOnce) {
    std::unique_ptr<ModelDialog> units = make_dialog(Window::frmUnits, form->model(), nullptr, form.get());
    units->show();
    for (UnitMode mode : {UnitMode::DecimalInches, UnitMode::MetricCm, UnitMode::Inches, UnitMode::Metric}) {
        child<QRadioButton>(units.get(), qs(unit_option(mode).control))->click();
        const ModeCaptions captions = mode_captions(mode);
        EXPECT_EQ(child<QGroupBox>(form.get(), "Frame1")->title(), qs(captions.frame1));
        EXPECT_EQ(child<QGroupBox>(form.get(), "Frame2")->title(), qs(captions.frame2));
        EXPECT_EQ(child<QGroupBox>(form.get(), "Frame5")->title(), qs(captions.frame5));
        expect_texts(form.get(), {{"Label15", std::string(captions.label15)}});
        EXPECT_EQ(field(MainField::Depth)->text().toStdString(),
                  main().text[MainField::Depth].text);  // the texts follow after the window
    }
}

// The wheel turns the driver size only while the size box has the focus, so a
// typed driver depth is not overwritten by a wheel turned to scroll past it.
TEST_F(Form1Test, WheelChangesTheDriverSizeOnlyWithTheFocus) {
    auto* combo = child<QComboBox>(form.get(), "Combo1");
    type_keys(field(MainField::DriverDepth), "41");
    const auto wheel = [&] {
        const QPointF at(combo->width() / 2.0, combo->height() / 2.0);
        QWheelEvent event(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &event);
    };
    wheel();
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_DOUBLE_EQ(design().driverdepth, 41);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    combo->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(combo->hasFocus());
    wheel();
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(main().combo_text, "12 inch");
    EXPECT_DOUBLE_EQ(design().driverdepth, 36);
}

// A project whose driver size is none of the list's shows its own text in the
// size box, as the report and the next save use it.
TEST_F(Form1Test, AProjectsOwnDriverSizeIsShownInTheSizeBox) {
    auto* combo = child<QComboBox>(form.get(), "Combo1");
    ProjectData p = project_from_session(form->model().session);
    p.driversize_text = "21 inch";
    load_project(form->model(), p, ProjectPath{"sub.ecv", appdata.path().toStdString() + "/sub.ecv"});
    form->model().populateall();
    form->sync();
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), QStringLiteral("21 inch"));
    EXPECT_EQ(combo->palette().color(QPalette::PlaceholderText), combo->palette().color(QPalette::ButtonText));
    form->model().Combo1_Click(0);
    form->sync();
    EXPECT_EQ(combo->currentText(), QStringLiteral(" 8 inch"));
    EXPECT_TRUE(combo->placeholderText().isEmpty());
}

// Enter and Space press the focused "Min" button.
TEST_F(Form1Test, EnterAndSpacePressTheFocusedButton) { expect_keys_press_the_focused_button(form.get()); }

// The last label of the 1 kHz axis, "1000", is set flush against the strip's
// right edge so that it reads whole; the axis itself runs to the edge as before.
TEST_F(Form1Test, TheLastAxisLabelReadsWhole) {
    auto* graph = child<GraphView>(form.get(), "Picture1");
    for (int width : {GraphView::kWidth, GraphView::kWidth + 200}) {
        SCOPED_TRACE(width);
        graph->resize(width, GraphView::kHeight);
        const QImage image = graph->grab().toImage();
        const auto olive_text = [&](int x, int y) {
            const QColor c = image.pixelColor(x, y);
            return c.blue() < 120 && c.red() < 225;  // the ground is (253, 226, 166)
        };
        const int axis_y = static_cast<int>(GraphView::kHeight * 0.7);
        int first = -1, last = -1;
        for (int x = static_cast<int>(graph->x_of(950)); x < image.width(); ++x) {
            for (int y = axis_y + 3; y < image.height(); ++y) {
                if (!olive_text(x, y)) continue;
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(9);
        const double wide = QFontMetricsF(font).horizontalAdvance(QStringLiteral("1000"));
        ASSERT_GE(first, 0);
        EXPECT_GE(last - first + 1, wide - 3);               // all four digits
        EXPECT_LT(last, image.width() - 1);                  // not cut at the edge
        EXPECT_TRUE(olive_text(image.width() - 1, axis_y));  // the axis still reaches the edge
    }
}

}  // namespace
}  // namespace enclavio
