// The units window offscreen, and a layout check of the small secondary
// windows at two font sizes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <filesystem>
#include <memory>
#include <random>

#include "windows/frm_units.hpp"
#include "qt_app.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;

class SmallWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_app();
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("enclavio-small-windows-" + std::to_string(rd()));
        fs::create_directories(dir_);
        main_ = std::make_unique<MainForm>(view_, dir_.string(), dir_.string());
        main_->startup();
    }
    void TearDown() override {
        main_.reset();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    NullView view_;
    fs::path dir_;
    std::unique_ptr<MainForm> main_;
};

QColor text_colour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

TEST_F(SmallWindowsTest, UnitsOptionsCaptionsAndRuleColours) {
    frmUnits form(*main_, nullptr, nullptr);
    EXPECT_EQ(form.windowTitle(), "Units of measurement");
    for (const UnitOption& o : unit_options()) {
        auto* option = form.findChild<QRadioButton*>(qs(o.control));
        ASSERT_NE(option, nullptr) << o.control;
        EXPECT_EQ(option->text(), qs(o.caption));
    }
    auto* frame2 = form.findChild<QGroupBox*>("Frame2");
    ASSERT_NE(frame2, nullptr);
    EXPECT_EQ(frame2->title(), "Rules for entering Imperial Measurements");
    EXPECT_EQ(form.findChild<QAbstractButton*>("Command1")->text(), "&OK");

    struct Row {
        const char* option;
        UnitMode mode;
        QColor frame, labels;
    };
    const Row rows[] = {
        {"Option2", UnitMode::Inches, QColor(0, 0, 0), QColor(55, 106, 240)},
        {"Option4", UnitMode::MetricCm, QColor(128, 128, 128), QColor(128, 128, 128)},
        {"Option3", UnitMode::DecimalInches, QColor(0, 0, 0), QColor(55, 106, 240)},
        {"Option1", UnitMode::Metric, QColor(128, 128, 128), QColor(128, 128, 128)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.option);
        auto* option = form.findChild<QRadioButton*>(r.option);
        option->click();
        EXPECT_TRUE(option->isChecked());
        EXPECT_EQ(main_->s.mode, r.mode);
        EXPECT_EQ(text_colour(frame2), r.frame);
        for (const UnitRule& rule : unit_rules()) {
            auto* label = form.findChild<QLabel*>(qs(rule.control));
            ASSERT_NE(label, nullptr) << rule.control;
            EXPECT_EQ(label->text(), qs(rule.caption));
            EXPECT_EQ(text_colour(label), r.labels) << rule.control;
        }
    }
}

TEST_F(SmallWindowsTest, UnitsOptionFollowsAModeSetElsewhere) {
    frmUnits form(*main_, nullptr, nullptr);
    main_->set_unit_mode(UnitMode::DecimalInches);
    form.sync();
    EXPECT_TRUE(form.findChild<QRadioButton*>("Option3")->isChecked());
    EXPECT_EQ(text_colour(form.findChild<QLabel*>("Label8")), QColor(55, 106, 240));
}

// Every caption fits its control, at the normal font and at a large one.
TEST_F(SmallWindowsTest, NoCaptionIsClipped) {
    const QFont normal = QApplication::font();
    for (int point_size : {0, 15}) {
        if (point_size > 0) {
            QFont big = normal;
            big.setPointSize(point_size);
            QApplication::setFont(big);
        }
        for (Window w : {Window::frmUnits, Window::Form7, Window::Form8, Window::frmAbout}) {
            std::unique_ptr<ModelDialog> dialog = make_dialog(w, *main_, nullptr, nullptr);
            ASSERT_NE(dialog, nullptr);
            SCOPED_TRACE(dialog->objectName().toStdString() + " at " + std::to_string(point_size));
            dialog->show();
            QApplication::processEvents();
            for (QWidget* child : dialog->findChildren<QWidget*>()) {
                if (!child->isVisible()) continue;
                if (!qobject_cast<QLabel*>(child) && !qobject_cast<QAbstractButton*>(child)) continue;
                const QSize hint = child->sizeHint();
                EXPECT_GE(child->width(), hint.width()) << child->objectName().toStdString();
                EXPECT_GE(child->height(), hint.height()) << child->objectName().toStdString();
            }
            dialog->hide();
        }
    }
    QApplication::setFont(normal);
}

}  // namespace
}  // namespace enclavio
