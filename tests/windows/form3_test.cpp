// Form3 bound to its model, offscreen.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "forms/cutting_form.hpp"
#include "qt_app.hpp"
#include "windows/form3.hpp"

namespace enclavio {
namespace {

class Form3Test : public ::testing::Test {
protected:
    void SetUp() override {
        test_app();
        main_ = std::make_unique<MainForm>(view_, dir_.path().toStdString(), dir_.path().toStdString());
        main_->startup();
        form_ = std::make_unique<Form3>(*main_, nullptr, nullptr);
        timer_ = form_->findChild<QTimer*>("Timer1");
        ASSERT_NE(timer_, nullptr);
    }

    void open(bool double_front) {
        main_->s.design.doublefront = double_front ? 1 : 0;
        prepare_cutting_list(main_->s);
        form_->sync();
    }
    QLabel* label(int n) { return form_->findChild<QLabel*>(QStringLiteral("Label%1").arg(n)); }
    QRadioButton* option(int n) { return form_->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n)); }

    NullView view_;
    QTemporaryDir dir_;
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<Form3> form_;
    QTimer* timer_ = nullptr;
};

TEST_F(Form3Test, LabelsShowTheModelLines) {
    for (int n = 1; n <= 16; ++n) ASSERT_NE(label(n), nullptr) << "Label" << n;
    for (const char* name : {"Picture1", "Option1", "Option2", "Command1", "Command2"}) {
        EXPECT_NE(form_->findChild<QWidget*>(name), nullptr) << name;
    }
    open(false);
    const CuttingState& c = main_->s.cutting;
    EXPECT_EQ(label(12)->text().toStdString(), c.list.finished_line);
    for (int i = 0; i < kPanelCount; ++i) EXPECT_EQ(label(i + 1)->text().toStdString(), c.list.panel_lines[i]);
    EXPECT_EQ(label(9)->text().toStdString(), c.list.brace_note);
    EXPECT_EQ(option(2)->text().toStdString(), c.list.allowance_caption);
    EXPECT_TRUE(label(3)->isHidden());
    EXPECT_TRUE(option(1)->isChecked());
    open(true);
    EXPECT_FALSE(label(3)->isHidden());
}

TEST_F(Form3Test, AllowanceOptionBindsHintsBannerAndTimer) {
    open(true);
    option(2)->click();
    EXPECT_FALSE(main_->s.cutting.show_exact);
    EXPECT_EQ(label(1)->toolTip().toStdString(), trimming_hints()[0]);
    EXPECT_FALSE(label(14)->isHidden());
    EXPECT_TRUE(timer_->isActive());

    QMetaObject::invokeMethod(timer_, "timeout");  // the first tick
    EXPECT_TRUE(label(14)->isHidden());
    EXPECT_TRUE(label(15)->isHidden());
    EXPECT_TRUE(timer_->isActive());

    option(1)->click();
    EXPECT_FALSE(timer_->isActive());
    EXPECT_TRUE(label(1)->toolTip().isEmpty());
}

TEST_F(Form3Test, NothingClippedInAnyMode) {
    for (UnitMode mode : {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches}) {
        main_->s.mode = mode;
        for (bool exact : {true, false}) {
            main_->s.cutting.show_exact = exact;
            open(true);
            for (int n = 1; n <= 16; ++n) {
                if (n == 14 || n == 15) continue;
                QLabel* l = label(n);
                EXPECT_GE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text())) << "Label" << n;
                EXPECT_LE(l->geometry().right(), form_->width()) << "Label" << n;
            }
        }
    }
}

TEST_F(Form3Test, OkKeepsTheStateAndTitleBarCloseDiscardsIt) {
    open(true);
    form_->show();
    option(2)->click();
    form_->findChild<QPushButton*>("Command2")->click();
    EXPECT_TRUE(form_->isHidden());
    EXPECT_FALSE(main_->s.cutting.show_exact);
    EXPECT_FALSE(timer_->isActive());

    form_->show();
    form_->model().Label16_Click();
    form_->close();
    EXPECT_TRUE(form_->isHidden());
    EXPECT_TRUE(main_->s.cutting.show_exact);
    EXPECT_EQ(main_->s.cutting.arrow, "<--");
    EXPECT_EQ(label(12)->text(), "Label12");
}

}  // namespace
}  // namespace enclavio
