// The units window offscreen, and a layout check of the small secondary
// windows at two font sizes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "qt_app.hpp"
#include "windows/frm_units.hpp"

namespace enclavio {
namespace {

class SmallWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_app();
        main_ = std::make_unique<MainForm>(view_, dir_.path().toStdString(), dir_.path().toStdString());
        main_->startup();
    }

    NullView view_;
    QTemporaryDir dir_;
    std::unique_ptr<MainForm> main_;
};

QColor text_colour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
QColor qcolour(Colour c) { return QColor(c.r, c.g, c.b); }

TEST_F(SmallWindowsTest, UnitsOptionsSetTheModeAndColourTheRules) {
    frmUnits form(*main_, nullptr, nullptr);
    auto* frame2 = form.findChild<QGroupBox*>("Frame2");
    ASSERT_NE(frame2, nullptr);
    ASSERT_NE(form.findChild<QAbstractButton*>("Command1"), nullptr);
    for (UnitMode mode : {UnitMode::Inches, UnitMode::MetricCm, UnitMode::DecimalInches, UnitMode::Metric}) {
        const UnitOption& o = unit_option(mode);
        SCOPED_TRACE(std::string(o.control));
        auto* option = form.findChild<QRadioButton*>(qs(o.control));
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->text(), qs(o.caption));
        option->click();
        EXPECT_EQ(main_->s.mode, mode);
        EXPECT_EQ(text_colour(frame2), qcolour(unit_rule_colours(mode).frame));
        for (const UnitRule& rule : unit_rules()) {
            auto* label = form.findChild<QLabel*>(qs(rule.control));
            ASSERT_NE(label, nullptr) << rule.control;
            EXPECT_EQ(label->text(), qs(rule.caption));
            EXPECT_EQ(text_colour(label), qcolour(unit_rule_colours(mode).labels)) << rule.control;
        }
    }
    main_->set_unit_mode(UnitMode::DecimalInches);  // a mode set elsewhere
    form.sync();
    EXPECT_TRUE(form.findChild<QRadioButton*>("Option3")->isChecked());
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
                EXPECT_GE(child->width(), child->sizeHint().width()) << child->objectName().toStdString();
                EXPECT_GE(child->height(), child->sizeHint().height()) << child->objectName().toStdString();
            }
            dialog->hide();
        }
    }
    QApplication::setFont(normal);
}

}  // namespace
}  // namespace enclavio
