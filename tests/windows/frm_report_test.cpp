// frmReport bound to its model, offscreen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "project_windows_test_support.hpp"
#include "windows/frm_report.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

class FrmReportTest : public ::testing::Test {
protected:
    TempFolder root;
    NullView view;
    std::unique_ptr<MainForm> main;
    std::unique_ptr<FrmReport> form;
    std::vector<Window> opened;

    void SetUp() override {
        app();
        main = std::make_unique<MainForm>(view, root.file("app"), root.str());
        main->startup();
        form = std::make_unique<FrmReport>(*main, [this](Window w) {
            opened.push_back(w);
            if (w == Window::Form3) main->s.cutting.show_exact = false;  // the user chose the allowance
        }, nullptr);
    }
    QCheckBox* check(int n) { return form->findChild<QCheckBox*>(QStringLiteral("Check%1").arg(n)); }
    QLabel* label(int n) { return form->findChild<QLabel*>(QStringLiteral("Label%1").arg(n)); }
};

TEST_F(FrmReportTest, Controls) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Generate Report"));
    const std::pair<int, const char*> checks[] = {
        {6, "Include Notes"},      {3, "Include Cutting List"}, {1, "Include trimming instructions"},
        {2, "Include Resonances"}, {4, "Include Port Details"}, {5, "Include Driver Details"},
    };
    for (const auto& [n, caption] : checks) {
        ASSERT_NE(check(n), nullptr) << n;
        EXPECT_EQ(check(n)->text(), QString::fromUtf8(caption));
        EXPECT_TRUE(check(n)->isChecked()) << n;
    }
    EXPECT_EQ(label(1)->text(), QStringLiteral("Export selected Enclavio information to the following text file:"));
    EXPECT_EQ(label(2)->text(), QString::fromStdString(root.file("app") + "/report.txt"));
    EXPECT_TRUE(label(2)->font().bold());
    EXPECT_EQ(label(3)->text(), QStringLiteral("Include dimensions, volumes and tuning frequency"));
    EXPECT_EQ(label(4)->text(), QStringLiteral("Review Cutting List"));
    EXPECT_TRUE(label(4)->font().underline());
    EXPECT_EQ(label(4)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("Command3"))->text(), QStringLiteral("&Generate Report"));
    EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("&Done"));
    EXPECT_NE(form->findChild<QWidget*>(QStringLiteral("Picture1")), nullptr);
    expect_nothing_clipped(form.get());
}

TEST_F(FrmReportTest, EnablingAndChoices) {
    main->s.report.check1_enabled = false;
    main->s.report.check6_enabled = false;
    form->sync();
    EXPECT_FALSE(check(1)->isEnabled());
    EXPECT_FALSE(check(6)->isEnabled());

    check(2)->click();
    EXPECT_FALSE(main->s.report.check2);
    check(2)->click();
    EXPECT_TRUE(main->s.report.check2);

    QLabel* review = label(4);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), review->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), review->mapToGlobal(QPointF(2, 2)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(review, &press);
    QApplication::sendEvent(review, &release);
    EXPECT_EQ(opened, std::vector<Window>{Window::Form3});
    EXPECT_TRUE(check(1)->isEnabled());
}

TEST_F(FrmReportTest, GenerateSaysWhereTheReportWent) {
    QString said;
    // The message box is modal: read and close it once it is up.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    closer.start(10);
    form->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    closer.stop();
    EXPECT_EQ(said, QString::fromStdString("Report " + root.file("app") + "/report.txt created"));
    EXPECT_TRUE(std::filesystem::exists(root.file("app/report.txt")));

    form->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace enclavio
