// The main window offscreen: controls bound to the model, typing, focus,
// panels and the painted resonance graph.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFocusEvent>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>

#include "project_windows_test_support.hpp"
#include "windows/form1.hpp"
#include "windows/graph_view.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        ASSERT_TRUE(appdata.isValid());
        form = std::make_unique<Form1>(appdata.path().toStdString() + "/app", QDir::homePath().toStdString());
        form->startup();
        form->show();
    }
    QLineEdit* field(int n) { return child<QLineEdit>(form.get(), QStringLiteral("Text%1").arg(n)); }
    MainState& main() { return form->model().s.main; }
    BoxDesign& design() { return form->model().s.design; }
    void switch_units(UnitMode m) {
        form->model().set_unit_mode(m);
        form->model().populateall();
        form->sync();
    }
    QColor fore(int n) { return field(n)->palette().color(QPalette::Active, QPalette::Text); }

    QTemporaryDir appdata;
    std::unique_ptr<Form1> form;
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
    for (int n = 1; n <= 13; ++n) EXPECT_EQ(field(n)->text().toStdString(), main().text[n].text) << n;
    EXPECT_EQ(form->windowTitle(), "Enclavio - default");
    expect_texts(form.get(),
                 {{"Label27", main().results.label27.caption}, {"Label28", main().results.label28.caption}});
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
        int n;
        const char* typed;
        QColor fore_typing;
        const char* shown;  // after Enter
        double BoxDesign::*member;
        double stored;
    };
    const Case cases[] = {
        {UnitMode::Metric, 6, "400.6", Qt::black, " 401", &BoxDesign::boxdepth, 400.6},
        {UnitMode::Metric, 7, "300.6", Qt::black, "300.6", &BoxDesign::boxwidth, 300.6},
        {UnitMode::Inches, 7, "12", Qt::red, "1'", &BoxDesign::boxwidth, 304.8},
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
    type_keys(field(8), "2'");
    const auto focus_out = [&](Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(field(8), &out);
    };
    focus_out(Qt::ActiveWindowFocusReason);  // a message box comes up
    focus_out(Qt::PopupFocusReason);
    EXPECT_TRUE(main().text[8].pending);
    EXPECT_DOUBLE_EQ(design().boxheight, 700);
    focus_out(Qt::TabFocusReason);
    EXPECT_FALSE(main().text[8].pending);
    EXPECT_NEAR(design().boxheight, 609.6, 1e-9);
    EXPECT_EQ(fore(8), QColor(Qt::black));
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

}  // namespace
}  // namespace enclavio
