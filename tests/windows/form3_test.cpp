// Form3 bound to its model, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>

#include "forms/cutting_form.hpp"
#include "windows/form3.hpp"

namespace enclavio {
namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "form3_test";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = qobject_cast<QApplication*>(QApplication::instance());
    if (!instance) instance = new QApplication(argc, argv);
    return *instance;
}

class Form3Test : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        dir_ = std::filesystem::temp_directory_path() /
               ("enclavio_form3_test_" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::create_directories(dir_);
        main_ = std::make_unique<MainForm>(view_, dir_.string(), dir_.string());
        main_->startup();
        form_ = std::make_unique<Form3>(*main_, nullptr, nullptr);
    }
    void TearDown() override {
        form_.reset();
        std::filesystem::remove_all(dir_);
    }

    void open(bool double_front) {
        main_->s.design.doublefront = double_front ? 1 : 0;
        prepare_cutting_list(main_->s);
        form_->sync();
    }
    QLabel* label(int n) { return form_->findChild<QLabel*>(QStringLiteral("Label%1").arg(n)); }
    // Every label of the list wide enough for its text.
    void expect_unclipped() {
        for (int n = 1; n <= 16; ++n) {
            if (n == 14 || n == 15) continue;
            QLabel* l = label(n);
            EXPECT_GE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text())) << "Label" << n;
            EXPECT_LE(l->geometry().right(), form_->width()) << "Label" << n;
        }
    }

    NullView view_;
    std::filesystem::path dir_;
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<Form3> form_;
};

TEST_F(Form3Test, ControlsAreNamed) {
    EXPECT_EQ(form_->windowTitle(), "Panel Details and Cutting List");
    for (int n = 1; n <= 16; ++n) EXPECT_NE(label(n), nullptr) << "Label" << n;
    EXPECT_NE(form_->findChild<QWidget*>("Picture1"), nullptr);
    EXPECT_NE(form_->findChild<QRadioButton*>("Option1"), nullptr);
    EXPECT_NE(form_->findChild<QRadioButton*>("Option2"), nullptr);
    EXPECT_EQ(form_->findChild<QPushButton*>("Command1")->text(), "&Print");
    EXPECT_EQ(form_->findChild<QPushButton*>("Command2")->text(), "&OK");
    QTimer* timer = form_->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 8000);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(label(10)->text(), "enclavio.example.org/speaker-building.htm");
    EXPECT_EQ(label(16)->text(), "<--");
}

TEST_F(Form3Test, LabelsShowTheModelLines) {
    open(false);
    const CuttingState& c = main_->s.cutting;
    EXPECT_EQ(label(12)->text().toStdString(), c.list.finished_line);
    for (int i = 0; i < kPanelCount; ++i) EXPECT_EQ(label(i + 1)->text().toStdString(), c.list.panel_lines[i]);
    EXPECT_EQ(label(9)->text().toStdString(), c.list.brace_note);
    EXPECT_EQ(form_->findChild<QRadioButton*>("Option2")->text().toStdString(), c.list.allowance_caption);
    EXPECT_TRUE(label(3)->isHidden());
    EXPECT_FALSE(label(1)->isHidden());
    EXPECT_TRUE(form_->findChild<QRadioButton*>("Option1")->isChecked());

    open(true);
    EXPECT_FALSE(label(3)->isHidden());
}

TEST_F(Form3Test, AllowanceOptionBindsHintsBannerAndTimer) {
    open(true);
    form_->findChild<QRadioButton*>("Option2")->click();
    EXPECT_FALSE(main_->s.cutting.show_exact);
    EXPECT_EQ(label(1)->toolTip().toStdString(), trimming_hints()[0]);
    EXPECT_FALSE(label(14)->isHidden());
    EXPECT_FALSE(label(15)->isHidden());
    QTimer* timer = form_->findChild<QTimer*>("Timer1");
    EXPECT_TRUE(timer->isActive());

    QMetaObject::invokeMethod(timer, "timeout");  // the first tick
    EXPECT_TRUE(label(14)->isHidden());
    EXPECT_TRUE(label(15)->isHidden());
    EXPECT_TRUE(timer->isActive());

    form_->findChild<QRadioButton*>("Option1")->click();
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(label(1)->toolTip().isEmpty());
}

TEST_F(Form3Test, NothingClippedInAnyMode) {
    for (UnitMode mode : {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches}) {
        main_->s.mode = mode;
        for (bool exact : {true, false}) {
            main_->s.cutting.show_exact = exact;
            open(true);
            expect_unclipped();
        }
    }
}

TEST_F(Form3Test, TitleBarCloseDiscardsState) {
    open(true);
    form_->show();
    form_->findChild<QRadioButton*>("Option2")->click();
    form_->model().Label16_Click();
    form_->close();
    EXPECT_TRUE(form_->isHidden());
    EXPECT_TRUE(main_->s.cutting.show_exact);
    EXPECT_EQ(main_->s.cutting.arrow, "<--");
    EXPECT_FALSE(form_->findChild<QTimer*>("Timer1")->isActive());
    EXPECT_EQ(label(12)->text(), "Label12");
}

TEST_F(Form3Test, OkKeepsState) {
    open(true);
    form_->show();
    form_->findChild<QRadioButton*>("Option2")->click();
    form_->findChild<QPushButton*>("Command2")->click();
    EXPECT_TRUE(form_->isHidden());
    EXPECT_FALSE(main_->s.cutting.show_exact);
    EXPECT_FALSE(main_->s.cutting.banner);
    EXPECT_FALSE(form_->findChild<QTimer*>("Timer1")->isActive());
}

}  // namespace
}  // namespace enclavio
