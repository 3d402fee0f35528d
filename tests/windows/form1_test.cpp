// The main window offscreen: controls, typing, focus, colours, menus and the
// painted resonance graph.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>
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
    void TearDown() override { form.reset(); }

    template <class T = QWidget>
    T* child(const char* name) {
        T* w = form->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* field(int n) { return child<QLineEdit>(QStringLiteral("Text%1").arg(n).toUtf8().constData()); }
    QAction* action(const char* name) { return child<QAction>(name); }

    // Replaces the field's text by typing it, key by key.
    void type(int n, const QString& text) {
        QLineEdit* edit = field(n);
        edit->selectAll();
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &release);
        }
    }
    void enter(int n) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(field(n), &press);
    }
    void focus_out(int n, Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(field(n), &out);
    }
    void double_click(int n) {
        QLineEdit* edit = field(n);
        const QPointF at(5, edit->height() / 2.0);
        QMouseEvent ev(QEvent::MouseButtonDblClick, at, edit->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
        QApplication::sendEvent(edit, &ev);
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

TEST_F(Form1Test, EveryControlAndMenuItemIsThereByName) {
    for (const char* name :
         {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Check3", "Combo1", "Command1", "Label1", "Label2",
          "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label12",
          "Label13", "Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20", "Label21",
          "Label22", "Label23", "Label24", "Label25", "Label26", "Label27", "Label28", "Picture1", "Picture2",
          "Picture3"}) {
        EXPECT_NE(form->findChild<QWidget*>(QString::fromUtf8(name)), nullptr) << name;
    }
    for (int n = 1; n <= 13; ++n) EXPECT_NE(field(n), nullptr);

    // The menu bar in its order, with the captions and access keys.
    std::vector<std::pair<QString, QString>> bar;
    for (QAction* a : form->menuBar()->actions()) bar.emplace_back(a->objectName(), a->text());
    const std::vector<std::pair<QString, QString>> expected{
        {"mnu_file", "&Project"},  {"mnu_flange", "&Port Flanges-1"}, {"mnu_panels", "&Cutting list"},
        {"mnu_options", "&Graphing Options"}, {"mnu_units", "&Units"}, {"mnu_print", "&Print"},
        {"mnu_help", "&Help"},     {"mnu_porting", "P&orting"},       {"mnu_bracing", "&Bracing"}};
    EXPECT_EQ(bar, expected);
    EXPECT_TRUE(action("mnu_porting")->isEnabled());
    EXPECT_TRUE(action("mnu_bracing")->isEnabled());

    const std::vector<std::pair<const char*, const char*>> items{
        {"mnu_open", "&Open..."},
        {"mnu_save", "&Save As..."},
        {"mnu_notes", "&Notes"},
        {"mnu_report", "&Generate Report"},
        {"mnu_noflange", "&No ends flanged"},
        {"mnu_oneflange", "&One end flanged"},
        {"mnu_twoflange", "&Both ends flanged"},
        {"mnu_tune", "Port length for a &tuning..."},
        {"mnu_onekhz", "Graph to &1khz"},
        {"mnu_twokhz", "Graph to &2khz"},
        {"mnu_shownums", "Show &Identifying numbers"},
        {"mnu_highlight", "&Highlight Resonances under 200hz"},
        {"mnu_where", "Show me &where to measure"},
        {"mnu_about", "&About Enclavio"},
    };
    for (const auto& [name, caption] : items) EXPECT_EQ(action(name)->text(), QString::fromUtf8(caption)) << name;
    for (const char* sep : {"mnu_separator", "mnu_sep", "mnu_sep2", "mnu_sep3"}) EXPECT_TRUE(action(sep)->isSeparator());

    for (const auto& [name, checked] : std::vector<std::pair<const char*, bool>>{
             {"mnu_noflange", false}, {"mnu_oneflange", true}, {"mnu_twoflange", false}, {"mnu_onekhz", true},
             {"mnu_twokhz", false}, {"mnu_shownums", false}, {"mnu_highlight", true}, {"mnu_where", false}}) {
        EXPECT_EQ(action(name)->isChecked(), checked) << name;
    }

    EXPECT_EQ(child<QLabel>("Label3")->toolTip(), "Internal diameter of port");
    EXPECT_EQ(child<QLabel>("Label27")->toolTip(), "Tuning frequency");
    EXPECT_EQ(child<QGroupBox>("Frame4")->title(), "Resonances");
    EXPECT_EQ(child<QGroupBox>("Frame3")->title(), "Where to Measure");
    EXPECT_EQ(child<QPushButton>("Command1")->text(), "Min");
    EXPECT_EQ(child<QCheckBox>("Check3")->text(), "Double Thickness Front");
    EXPECT_EQ(child<QComboBox>("Combo1")->count(), 5);
    EXPECT_EQ(child<QComboBox>("Combo1")->currentText(), "10 inch");
}

TEST_F(Form1Test, StartupShowsTheDesignAndItsResults) {
    EXPECT_EQ(form->windowTitle(), "Enclavio - default");
    EXPECT_EQ(field(6)->text(), "400");
    EXPECT_EQ(field(11)->text(), " 30");
    EXPECT_EQ(field(9)->text(), " 59.4");
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), "Box Dimensions (mm external) and Calculator");
    EXPECT_EQ(child<QLabel>("Label21")->text(), "Driver to bottom wall resonance  356 hz");
    EXPECT_EQ(child<QLabel>("Label28")->text(), "Driver =  1.5 litres       Total =  14 litres");
    EXPECT_EQ(child<QLabel>("Label27")->text(), "Tune  29.4hz");
    EXPECT_TRUE(child("Frame4")->isVisible());
    EXPECT_FALSE(child("Frame3")->isVisible());
    EXPECT_FALSE(child("Picture3")->isVisible());
}

TEST_F(Form1Test, TypingInMetricStoresAtOnceAndEnterRoundsTheDepth) {
    type(6, "400.6");
    EXPECT_EQ(field(6)->text(), "400.6");
    EXPECT_DOUBLE_EQ(form->model().s.design.boxdepth, 400.6);
    EXPECT_EQ(back(6), QColor(255, 224, 192));
    EXPECT_EQ(fore(6), QColor(0, 0, 0));
    enter(6);
    EXPECT_EQ(field(6)->text(), " 401");
    type(7, "300.6");
    enter(7);
    EXPECT_EQ(field(7)->text(), "300.6");
}

TEST_F(Form1Test, TypingInInchesIsPendingUntilEnter) {
    switch_units(UnitMode::Inches);
    EXPECT_EQ(field(6)->text(), "1' 3 3/4");
    EXPECT_EQ(field(9)->text(), " 2.1");
    type(7, "12");
    EXPECT_EQ(fore(7), QColor(255, 0, 0));
    EXPECT_EQ(back(7), QColor(255, 224, 192));
    EXPECT_DOUBLE_EQ(form->model().s.design.boxwidth, 300);
    enter(7);
    EXPECT_EQ(field(7)->text(), "1'");
    EXPECT_EQ(fore(7), QColor(0, 0, 0));
    EXPECT_NEAR(form->model().s.design.boxwidth, 304.8, 1e-9);
}

TEST_F(Form1Test, OnlyRealFocusMovesValidate) {
    switch_units(UnitMode::Inches);
    type(8, "2'");
    focus_out(8, Qt::ActiveWindowFocusReason);
    focus_out(8, Qt::PopupFocusReason);
    EXPECT_TRUE(form->model().s.main.text[8].pending);
    EXPECT_DOUBLE_EQ(form->model().s.design.boxheight, 700);
    focus_out(8, Qt::TabFocusReason);
    EXPECT_FALSE(form->model().s.main.text[8].pending);
    EXPECT_NEAR(form->model().s.design.boxheight, 609.6, 1e-9);
    EXPECT_EQ(fore(8), QColor(0, 0, 0));
}

TEST_F(Form1Test, NoPortsGreysThePortFields) {
    type(5, "0");
    for (int n : {1, 2, 3}) {
        EXPECT_FALSE(field(n)->isEnabled());
        EXPECT_EQ(field(n)->palette().color(QPalette::Disabled, QPalette::Base), QColor(224, 224, 224));
    }
    EXPECT_FALSE(child("Label2")->isEnabled());
    EXPECT_FALSE(child("Label7")->isEnabled());
    EXPECT_EQ(child<QLabel>("Label27")->text(), "Tune  0hz");
    type(5, "-2");
    EXPECT_TRUE(field(1)->isEnabled());
    EXPECT_EQ(back(1), QColor(255, 255, 255));
}

TEST_F(Form1Test, FrontToggleAndVolumeDoubleClick) {
    child<QCheckBox>("Check3")->click();
    EXPECT_EQ(field(9)->text(), " 62.7");
    type(8, "650");
    double_click(9);
    EXPECT_EQ(field(9)->text(), " 58");
    EXPECT_EQ(back(8), QColor(255, 255, 255));
}

TEST_F(Form1Test, MenusTickAndSwapThePanels) {
    action("mnu_where")->trigger();
    EXPECT_TRUE(action("mnu_where")->isChecked());
    EXPECT_TRUE(child("Frame3")->isVisible());
    EXPECT_FALSE(child("Frame4")->isVisible());
    action("mnu_where")->trigger();
    EXPECT_FALSE(child("Frame3")->isVisible());
    EXPECT_TRUE(child("Frame4")->isVisible());

    action("mnu_twoflange")->trigger();
    EXPECT_EQ(child<QMenu>("mnu_flange")->title(), "&Port Flanges=2");
    EXPECT_TRUE(action("mnu_twoflange")->isChecked());
    EXPECT_FALSE(action("mnu_oneflange")->isChecked());
    action("mnu_twokhz")->trigger();
    EXPECT_TRUE(action("mnu_twokhz")->isChecked());
    EXPECT_FALSE(action("mnu_onekhz")->isChecked());
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
            if (std::abs(c.red()) <= 24 && std::abs(c.green() - 128) <= 24 && std::abs(c.blue()) <= 24) {
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

// Renders the window in several states for a look by eye:
// ENCLAVIO_SNAPSHOT_DIR=/tmp/shots test_windows --gtest_filter=*Snapshot*
TEST_F(Form1Test, Snapshot) {
    const char* dir = std::getenv("ENCLAVIO_SNAPSHOT_DIR");
    if (dir == nullptr) GTEST_SKIP() << "ENCLAVIO_SNAPSHOT_DIR not set";
    const QString folder = QString::fromLocal8Bit(dir);
    QDir().mkpath(folder);
    const auto save = [&](const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(form->grab().save(folder + "/" + name + ".png"));
    };
    save("form1-startup");
    action("mnu_shownums")->trigger();
    save("form1-numbers");
    action("mnu_twokhz")->trigger();
    form->model().s.notes.lines[0] = "Birch ply";
    form->model().check_notes();
    switch_units(UnitMode::Inches);
    save("form1-inches-2khz");
    type(5, "0");
    save("form1-no-ports");
    action("mnu_where")->trigger();
    save("form1-where");
}

}  // namespace
}  // namespace enclavio
