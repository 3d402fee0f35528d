// The main window offscreen: controls bound to the model, typing, focus,
// colours, menus and the painted resonance graph.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <vector>

#include "qt_app.hpp"
#include "windows/form1.hpp"
#include "windows/graph_view.hpp"

namespace enclavio {
namespace {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        test_app();
        ASSERT_TRUE(appdata.isValid());
        form = std::make_unique<Form1>(appdata.path().toStdString() + "/app", QDir::homePath().toStdString());
        form->startup();
        form->show();
    }

    template <class T = QWidget>
    T* child(const char* name) {
        T* w = form->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* field(int n) { return child<QLineEdit>(QStringLiteral("Text%1").arg(n).toUtf8().constData()); }
    QAction* action(const char* name) { return child<QAction>(name); }
    MainState& main() { return form->model().s.main; }
    BoxDesign& design() { return form->model().s.design; }

    // Replaces the field's text by typing it, key by key.
    void type(int n, const QString& text) {
        QLineEdit* edit = field(n);
        edit->selectAll();
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    void key(int n, int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(field(n), &press);
    }
    void focus_out(int n, Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(field(n), &out);
    }
    void switch_units(UnitMode m) {
        form->model().set_unit_mode(m);
        form->model().populateall();
        form->sync();
    }
    QColor fore(int n) { return field(n)->palette().color(QPalette::Active, QPalette::Text); }
    QColor back(int n) { return field(n)->palette().color(QPalette::Active, QPalette::Base); }

    QTemporaryDir appdata;
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, EveryControlAndMenuItemIsThereAndShowsTheModel) {
    for (const char* name :
         {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Check3", "Combo1", "Command1", "Label1", "Label8",
          "Label15", "Label21", "Label27", "Label28", "Picture1", "Picture2", "Picture3"}) {
        EXPECT_NE(form->findChild<QWidget*>(QString::fromUtf8(name)), nullptr) << name;
    }
    for (int n = 1; n <= 13; ++n) {
        ASSERT_NE(field(n), nullptr);
        EXPECT_EQ(field(n)->text().toStdString(), main().text[n].text) << n;
    }
    for (const char* name : {"mnu_file", "mnu_flange", "mnu_panels", "mnu_options", "mnu_units", "mnu_print",
                             "mnu_help", "mnu_porting", "mnu_bracing", "mnu_open", "mnu_save", "mnu_notes",
                             "mnu_report", "mnu_noflange", "mnu_oneflange", "mnu_twoflange", "mnu_tune",
                             "mnu_onekhz", "mnu_twokhz", "mnu_shownums", "mnu_highlight", "mnu_where", "mnu_about"}) {
        EXPECT_NE(form->findChild<QAction*>(name), nullptr) << name;
    }
    EXPECT_EQ(form->windowTitle(), "Enclavio - default");
    EXPECT_EQ(child<QLabel>("Label27")->text().toStdString(), main().results.label27.caption);
    EXPECT_EQ(child<QLabel>("Label28")->text().toStdString(), main().results.label28.caption);
    EXPECT_TRUE(child("Frame4")->isVisible());
    EXPECT_FALSE(child("Frame3")->isVisible());
    EXPECT_FALSE(child("Picture3")->isVisible());
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
        type(c.n, c.typed);
        EXPECT_EQ(field(c.n)->text(), c.typed);
        EXPECT_EQ(fore(c.n), c.fore_typing);
        EXPECT_EQ(back(c.n), QColor(255, 224, 192));
        key(c.n, Qt::Key_Return);
        EXPECT_EQ(field(c.n)->text(), c.shown);
        EXPECT_EQ(fore(c.n), QColor(Qt::black));
        EXPECT_NEAR(design().*c.member, c.stored, 1e-9);
    }
}

TEST_F(Form1Test, OnlyRealFocusMovesValidate) {
    switch_units(UnitMode::Inches);
    type(8, "2'");
    focus_out(8, Qt::ActiveWindowFocusReason);
    focus_out(8, Qt::PopupFocusReason);
    EXPECT_TRUE(main().text[8].pending);
    EXPECT_DOUBLE_EQ(design().boxheight, 700);
    focus_out(8, Qt::TabFocusReason);
    EXPECT_FALSE(main().text[8].pending);
    EXPECT_NEAR(design().boxheight, 609.6, 1e-9);
    EXPECT_EQ(fore(8), QColor(Qt::black));
}

TEST_F(Form1Test, PortsFrontAndVolumeDoubleClick) {
    type(5, "0");
    EXPECT_FALSE(field(1)->isEnabled());
    EXPECT_EQ(field(1)->palette().color(QPalette::Disabled, QPalette::Base), QColor(224, 224, 224));
    EXPECT_FALSE(child("Label2")->isEnabled());
    type(5, "-2");
    EXPECT_TRUE(field(1)->isEnabled());

    child<QCheckBox>("Check3")->click();
    EXPECT_EQ(field(9)->text(), " 62.7");
    type(8, "650");
    QLineEdit* volume = field(9);
    const QPointF at(5, volume->height() / 2.0);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, volume->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(volume, &dbl);
    EXPECT_EQ(field(9)->text(), " 58");
    EXPECT_EQ(back(8), QColor(Qt::white));
}

TEST_F(Form1Test, MenusTickAndSwapThePanels) {
    action("mnu_where")->trigger();
    EXPECT_TRUE(action("mnu_where")->isChecked());
    EXPECT_TRUE(child("Frame3")->isVisible());
    EXPECT_FALSE(child("Frame4")->isVisible());

    action("mnu_twoflange")->trigger();
    EXPECT_EQ(child<QMenu>("mnu_flange")->title(), "&Port Flanges=2");
    EXPECT_TRUE(action("mnu_twoflange")->isChecked());
    EXPECT_FALSE(action("mnu_oneflange")->isChecked());
    EXPECT_TRUE(child("Frame4")->isVisible());  // the analysis brings the results back
    action("mnu_shownums")->trigger();
    EXPECT_EQ(child<QLabel>("Label8")->text(), "(3) Box top to bottom resonance  259 hz");

    child<QComboBox>("Combo1")->setCurrentIndex(3);  // no user action: nothing runs
    EXPECT_EQ(field(11)->text(), " 30");
}

TEST_F(Form1Test, ClosingWritesTheSettings) {
    action("mnu_twokhz")->trigger();
    form->close();
    QFile ini(appdata.path() + "/app/enclavio.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = ini.readAll().split('\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[2], "2000\r");
}

// Columns of the painted strip that hold the marker colour, in widget pixels.
std::vector<double> green_columns(const QImage& image) {
    std::vector<double> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() <= 24 && std::abs(c.green() - 128) <= 24 && c.blue() <= 24) {
                columns.push_back(x / image.devicePixelRatio());
                break;
            }
        }
    }
    return columns;
}

TEST_F(Form1Test, GraphMarksEachResonanceBelowOneKilohertz) {
    auto* graph = child<GraphView>("Picture1");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->height(), GraphView::kHeight);
    EXPECT_GE(graph->width(), GraphView::kWidth);
    const QImage image = graph->grab().toImage();
    const std::vector<double> green = green_columns(image);
    const double resonances[] = {208, 259, 356, 501, 512, 656, 950};
    const auto near = [&](double hz, double x) {
        return x >= graph->x_of(hz - 3) - 2 && x <= graph->x_of(hz + 3) + 2;
    };
    for (double hz : resonances) {
        EXPECT_TRUE(std::any_of(green.begin(), green.end(), [&](double x) { return near(hz, x); })) << hz;
    }
    for (double x : green) {
        EXPECT_TRUE(std::any_of(std::begin(resonances), std::end(resonances), [&](double hz) { return near(hz, x); }))
            << "stray marker colour at x " << x;
    }
    // The strip's ground colour shows between the markers.
    EXPECT_EQ(image.pixelColor(2, 2), QColor(253, 226, 166));
}

}  // namespace
}  // namespace enclavio
