// The driver and response window offscreen: opened from its menu, typing
// updates the graph, Apply updates the main window, nothing clipped.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>

#include "project_windows_test_support.hpp"
#include "windows/drawings/response_graph.hpp"
#include "windows/main_window.hpp"
#include "windows/palette.hpp"
#include "windows/response_window.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

class ResponseWindowTest : public ShownMainWindowTest {
protected:
    ResponseWindow* open() {
        child<QAction>(form.get(), QStringLiteral("mnu_driver_response"))->trigger();
        QApplication::processEvents();
        return form->response_window();
    }
    void type(ResponseWindow* w, const char* name, const char* text) {
        type_keys(child<QLineEdit>(w, QString::fromLatin1(name)), QString::fromLatin1(text));
    }
    void type_driver(ResponseWindow* w) {
        type(w, "textFs", "28");
        type(w, "textQes", "0.42");
        type(w, "textQms", "6");
        type(w, "textVas", "60");
        type(w, "textRe", "3.6");
        type(w, "textSd", "340");
        type(w, "textXmax", "11");
    }
};

// Start-up does not build the window; the menu builds and shows it.
TEST_F(ResponseWindowTest, MenuOpensTheWindowWithItsControls) {
    EXPECT_EQ(form->response_window(), nullptr);
    auto* menu = child<QAction>(form.get(), QStringLiteral("mnu_response"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->text().toStdString(), "&Response");
    EXPECT_EQ(child<QAction>(form.get(), QStringLiteral("mnu_driver_response"))->text().toStdString(),
              "Driver and &Response...");
    ResponseWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), "Driver and Response");
    EXPECT_FALSE(w->isModal());
    for (const char* name : {"textFs", "textQes", "textQms", "textVas", "textRe", "textSd", "textXmax", "textPower",
                             "textQL", "optionParallel", "optionSeries", "labelDrivers", "labelFigures", "comboGraph",
                             "pictureResponse", "commandApplyTune", "commandApplyBox", "textTargetF3", "unitVas"}) {
        child(w, QString::fromLatin1(name));
    }
    expect_texts(w, {{"unitVas", "litres"}, {"unitSd", "cm2"}, {"unitXmax", "mm"}, {"commandApplyTune", "&Apply"}});
    EXPECT_TRUE(w->graph()->data().curves.empty());
    EXPECT_EQ(w->graph()->data().missing.toStdString(), "Fs, Qes, Qms, Vas, Re and Sd are missing.");
    expect_nothing_clipped(w);
}

// Each keystroke reaches the graph; a design change in the main window too.
TEST_F(ResponseWindowTest, TypingAndDesignChangesUpdateTheGraph) {
    ResponseWindow* w = open();
    type_driver(w);
    ASSERT_EQ(w->graph()->data().curves.size(), static_cast<std::size_t>(kGraphPoints));
    const double spl = w->graph()->data().curves[100].spl_db;
    type(w, "textPower", "100");
    EXPECT_NEAR(w->graph()->data().curves[100].spl_db, spl + 20, 1e-9);
    EXPECT_EQ(form->model().session.design.boxdepth, 400);  // the main window stays as it is

    // The main window's depth: a larger box.
    const double level = w->graph()->data().curves[20].spl_db;
    type_keys(child<QLineEdit>(form.get(), QStringLiteral("Text6")), QStringLiteral("500"));
    form->model().Text9_DblClick();
    form->sync();
    EXPECT_NE(w->graph()->data().curves[20].spl_db, level);

    // The graph's choice; all stacked painted without fault.
    auto* combo = child<QComboBox>(w, QStringLiteral("comboGraph"));
    combo->setCurrentIndex(kQuantityCount);
    EXPECT_TRUE(w->graph()->stacked());
    combo->setCurrentIndex(2);
    EXPECT_EQ(w->graph()->quantity(), Quantity::Excursion);
    const QImage image = w->graph()->grab().toImage();
    EXPECT_FALSE(image.isNull());

    // A refused text turns red and leaves the graph as it was.
    const auto before = w->graph()->data().curves[50].spl_db;
    type(w, "textFs", "-");
    EXPECT_EQ(w->graph()->data().curves[50].spl_db, before);
    EXPECT_EQ(child<QLineEdit>(w, QStringLiteral("textFs"))->palette().color(QPalette::Text), qc(colours::red));
}

// Apply types into the main window's fields, which show the new design.
TEST_F(ResponseWindowTest, ApplyUpdatesTheMainWindow) {
    ResponseWindow* w = open();
    type_driver(w);
    auto* tune = child<QPushButton>(w, QStringLiteral("commandApplyTune"));
    ASSERT_TRUE(tune->isEnabled());
    const double tuning = w->model().state().tune.fit.fit.tuning;
    tune->click();
    EXPECT_NEAR(form->model().session.design.tunefrequency, tuning, 0.1);
    EXPECT_EQ(child<QLineEdit>(form.get(), QStringLiteral("Text1"))->text().toStdString(),
              form->model().session.main.text[MainField::PortLength].text);

    type(w, "textTargetF3", "25");
    auto* box = child<QPushButton>(w, QStringLiteral("commandApplyBox"));
    ASSERT_TRUE(box->isEnabled()) << w->model().state().box.reason;
    const double volume = w->model().state().box.fit.fit.working_volume;
    box->click();
    EXPECT_NEAR(form->model().session.design.workingvolume, volume, 0.01 * volume);
    EXPECT_EQ(child<QLineEdit>(form.get(), QStringLiteral("Text6"))->text().toStdString(),
              form->model().session.main.text[MainField::Depth].text);
    EXPECT_NE(form->model().session.design.boxdepth, 400);
}

}  // namespace
}  // namespace enclavio
