// The Sheet Layout window offscreen: its controls, a layout made again on
// every setting, the design followed from the main window, printing to a PDF
// and the SVG files. With ENCLAVIO_PNG_DIR set, the window and an SVG are
// also rendered there as PNG files to be looked at.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>
#include <memory>
#ifdef ENCLAVIO_TEST_SVG
#include <QSvgRenderer>
#endif

#include "project_windows_test_support.hpp"
#include "sheets/texts.hpp"
#include "windows/drawings/sheet_picture.hpp"
#include "windows/main_window.hpp"
#include "windows/sheet_layout_window.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

// Closes whatever modal window opens next (a message box), keeping its text.
void close_next_modal(QString* text) {
    QTimer::singleShot(0, [text] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(w)) *text = box->text();
        if (w) w->close();
    });
}

int placed_pieces(const SheetLayoutWindow& w) {
    int n = 0;
    for (const auto& s : const_cast<SheetLayoutWindow&>(w).model().layout().sheets)
        n += static_cast<int>(s.placements.size());
    return n;
}

void save_png(QWidget* w, const char* name) {
    const QByteArray dir = qgetenv("ENCLAVIO_PNG_DIR");
    if (dir.isEmpty()) return;
    QApplication::processEvents();
    for (qreal ratio : {1.0, 2.0}) {
        QPixmap image(w->size() * ratio);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        w->render(&image);
        image.save(QString::fromUtf8(dir) + "/" + name + (ratio == 1 ? "" : "@2x") + ".png");
    }
}

class SheetLayoutWindowTest : public WindowTest {
protected:
    std::unique_ptr<SheetLayoutWindow> window() {
        auto w = std::make_unique<SheetLayoutWindow>(
            *main, [this](Window x) { opened.push_back(x); }, nullptr);
        w->resize(900, 760);
        w->show();
        QApplication::processEvents();
        return w;
    }
};

TEST_F(SheetLayoutWindowTest, ControlsShowTheSettingsAndTheLayout) {
    auto w = window();
    EXPECT_EQ(w->objectName(), "SheetLayout");
    EXPECT_EQ(w->windowTitle(), "Sheet Layout");
    EXPECT_FALSE(w->isModal());
    expect_texts(w.get(), {{"boardAcross", "2440"},
                           {"boardAlong", "1220"},
                           {"kerf", "3.2"},
                           {"trim", "0"},
                           {"print", "&Print"},
                           {"saveSvg", "Save as &SVG..."},
                           {"close", "&Close"},
                           {"boardText", "Board 2440 x 1220 mm, kerf 3.2 mm, trim 0 mm, pieces may be turned"}});
    EXPECT_EQ(child<QComboBox>(w.get(), "boardSize")->currentText(), "2440 x 1220 mm");
    EXPECT_EQ(child<QComboBox>(w.get(), "boardSize")->count(), sheets::kBoardPresetCount + 1);
    EXPECT_FALSE(child<QLineEdit>(w.get(), "boardAcross")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>(w.get(), "turning")->isChecked());
    EXPECT_EQ(child<QSpinBox>(w.get(), "boxes")->value(), 1);
    EXPECT_TRUE(child<QRadioButton>(w.get(), "exactSizes")->isChecked());
    EXPECT_EQ(
        child<QLabel>(w.get(), "summary")->text().toStdString().rfind("1 sheet (fewest possible). Board used: ", 0),
        0u);
    ASSERT_EQ(w->pictures().size(), 1u);
    const std::string cuts = child<QLabel>(w.get(), "cuts1")->text().toStdString();
    EXPECT_EQ(cuts.rfind("Offcuts: ", 0), 0u) << cuts;
    EXPECT_NE(cuts.find("\nCuts, each measured to the near side of the saw cut:\n    1. "), std::string::npos) << cuts;
    // The drawing fills the width of the sheets' area, and zooming enlarges it.
    const int fit = w->pictures()[0]->width();
    EXPECT_GT(fit, 500);
    EXPECT_LE(fit, child<QScrollArea>(w.get(), "sheets")->viewport()->width());
    w->set_zoom(3);  // 800%
    EXPECT_NEAR(w->pictures()[0]->width(), 8.0 * fit, 10);
    // A kerf of 3.2 mm is then several pixels wide.
    EXPECT_GT(w->pictures()[0]->scale() * 3.2, 6);
    save_png(w.get(), "sheet-layout-zoomed");
    w->set_zoom(0);
    EXPECT_EQ(w->pictures()[0]->width(), fit);

    // Nothing clipped outside the sheets' scrolling area at the smallest size.
    w->resize(w->minimumSizeHint());
    QApplication::processEvents();
    auto* area = child<QScrollArea>(w.get(), "sheets");
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (!c->isVisible() || area->isAncestorOf(c) ||
            !(qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c)))
            continue;
        const std::string name = c->objectName().toStdString() + " " + c->property("text").toString().toStdString();
        auto* label = qobject_cast<QLabel*>(c);
        if (label && label->wordWrap()) EXPECT_GE(c->height(), label->heightForWidth(c->width())) << name;
        else EXPECT_GE(c->width(), c->sizeHint().width()) << name;
        EXPECT_LE(c->mapTo(w.get(), QPoint(c->width(), c->height())).x(), w->width()) << name;
    }
}

// Each setting lays the sheets out again at once, and is remembered.
TEST_F(SheetLayoutWindowTest, ChangingASettingLaysOutAgain) {
    auto w = window();
    const int one_box = placed_pieces(*w);
    child<QSpinBox>(w.get(), "boxes")->setValue(2);
    EXPECT_EQ(placed_pieces(*w), 2 * one_box);
    EXPECT_EQ(w->pictures().size(), w->model().layout().sheets.size());
    EXPECT_EQ(find_value(main->s.settings_values, "sheet.boxes"), "2");

    child<QCheckBox>(w.get(), "turning")->click();
    EXPECT_FALSE(w->model().layout().board.turning);
    child<QRadioButton>(w.get(), "allowanceSizes")->click();
    EXPECT_TRUE(w->model().settings().allowance);

    auto* board = child<QComboBox>(w.get(), "boardSize");
    board->setCurrentIndex(sheets::kBoardPresetCount);
    emit board->activated(sheets::kBoardPresetCount);
    auto* across = child<QLineEdit>(w.get(), "boardAcross");
    ASSERT_TRUE(across->isEnabled());
    across->setFocus();
    type_keys(across, "3000");
    press_key(across, Qt::Key_Return);
    EXPECT_EQ(w->model().layout().board.across, 3000);
    EXPECT_EQ(board->currentIndex(), sheets::kBoardPresetCount);

    // A refused value is named in a message and goes back to the one in use.
    auto* kerf = child<QLineEdit>(w.get(), "kerf");
    kerf->setFocus();
    QString message;
    close_next_modal(&message);
    type_keys(kerf, "1/8");
    press_key(kerf, Qt::Key_Return);
    EXPECT_EQ(message, "The kerf must be a plain number of millimetres, such as 3.2.");
    EXPECT_EQ(kerf->text(), "3.2");
    EXPECT_EQ(find_value(main->s.settings_values, "sheet.kerf"), "3.2");
}

// The main window's design reaches an open layout; so does the brace count.
TEST_F(SheetLayoutWindowTest, FollowsTheDesignFromTheMainWindow) {
    QTemporaryDir appdata;
    Form1 form(appdata.path().toStdString() + "/app", QDir::homePath().toStdString());
    form.startup();
    form.show();
    // The cutting list opens the layout beside the main window and closes.
    QTimer::singleShot(0, [] {
        if (QWidget* list = QApplication::activeModalWidget()) child<QPushButton>(list, "Command3")->click();
    });
    form.findChild<QAction*>("mnu_panels")->trigger();
    QApplication::processEvents();
    auto* layout = form.findChild<SheetLayoutWindow*>("SheetLayout");
    ASSERT_NE(layout, nullptr);
    EXPECT_TRUE(layout->isVisible());
    EXPECT_FALSE(form.findChild<QWidget*>("Form3")->isVisible());

    const double width = layout->model().layout().pieces[0].first;
    auto* text7 = form.findChild<QLineEdit*>("Text7");  // box width
    text7->setFocus();
    type_keys(text7, QString::number(form.model().s.design.boxwidth + 100));
    press_key(text7, Qt::Key_Return);
    QTRY_COMPARE(layout->model().layout().pieces[0].first, width + 100);
    EXPECT_EQ(layout->pictures().size(), layout->model().layout().sheets.size());

    form.model().s.bracing.shelf_count_text = "3";
    form.sync();
    layout->flush_design_change();
    int braces = 0;
    for (const auto& p : layout->model().layout().pieces) braces += p.name == "Shelf brace";
    EXPECT_EQ(braces, 3);
    form.close_without_asking();  // the design changed: closing would ask to save
    form.close();
}

// Every sheet prints on a page of its own.
TEST_F(SheetLayoutWindowTest, PrintsEachSheetOnItsOwnPage) {
    auto w = window();
    child<QSpinBox>(w.get(), "boxes")->setValue(3);
    const int sheets = static_cast<int>(w->model().layout().sheets.size());
    ASSERT_GE(sheets, 2);
    TempFolder out;
    const QString pdf = QString::fromStdString(out.file("layout.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QPainter painter;
    ASSERT_TRUE(painter.begin(&printer));
    for (int i = 0; i < sheets; ++i) {
        if (i > 0) {
            ASSERT_TRUE(printer.newPage());
        }
        w->paint_page(painter, painter.viewport(), i);
    }
    ASSERT_TRUE(painter.end());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>") +
                  bytes.count("/Type /Page "),
              sheets);
}

TEST_F(SheetLayoutWindowTest, SavesOneSvgPerSheet) {
    auto w = window();
    child<QSpinBox>(w.get(), "boxes")->setValue(2);
    const auto sheets = w->model().layout().sheets.size();
    TempFolder out;
    ASSERT_TRUE(w->model().save_svg(out.file("pair.svg")));
    for (std::size_t s = 0; s < sheets; ++s) {
        const std::string path = out.file("pair-" + std::to_string(s + 1) + ".svg");
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        EXPECT_TRUE(file.readAll().startsWith("<?xml"));
#ifdef ENCLAVIO_TEST_SVG
        QSvgRenderer svg(QString::fromStdString(path));
        EXPECT_TRUE(svg.isValid()) << path;
        if (const QByteArray dir = qgetenv("ENCLAVIO_PNG_DIR"); !dir.isEmpty() && s == 0) {
            QImage image(svg.defaultSize(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            svg.render(&p);
            p.end();
            image.save(QString::fromUtf8(dir) + "/sheet-layout-svg.png");
        }
#endif
    }
    EXPECT_FALSE(std::filesystem::exists(out.file("pair-" + std::to_string(sheets + 1) + ".svg")));
}

// The window as a builder sees it, one box and two, metric and inches.
TEST_F(SheetLayoutWindowTest, RendersInEachUnitMode) {
    for (UnitMode mode : {UnitMode::Metric, UnitMode::Inches}) {
        main->set_unit_mode(mode);
        auto w = window();
        for (int boxes : {1, 2}) {
            child<QSpinBox>(w.get(), "boxes")->setValue(boxes);
            QApplication::processEvents();
            const std::string cuts = child<QLabel>(w.get(), "cuts1")->text().toStdString();
            EXPECT_NE(cuts.find(mode == UnitMode::Metric ? " mm from its" : " inches from its"), std::string::npos);
            const std::string name = std::string("sheet-layout-") + (boxes == 1 ? "one" : "two") + "-box-" +
                                     std::string(unit_mode_literal(mode));
            save_png(w.get(), name.c_str());
        }
    }
}

}  // namespace
}  // namespace enclavio
