// frmReport bound to its model, offscreen.
#include <gtest/gtest.h>

#include <QCheckBox>
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
    QCheckBox* check(int n) { return child<QCheckBox>(form.get(), QStringLiteral("Check%1").arg(n)); }
};

TEST_F(FrmReportTest, Controls) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Generate Report"));
    const std::string path = root.file("app") + "/report.txt";
    expect_texts(form.get(), {{"Check6", "Include Notes"}, {"Check3", "Include Cutting List"},
                              {"Check1", "Include trimming instructions"}, {"Check2", "Include Resonances"},
                              {"Check4", "Include Port Details"}, {"Check5", "Include Driver Details"},
                              {"Label1", "Export selected Enclavio information to the following text file:"},
                              {"Label2", path.c_str()}, {"Label3", "Include dimensions, volumes and tuning frequency"},
                              {"Label4", "Review Cutting List"}, {"Command3", "&Generate Report"},
                              {"Command1", "&Done"}});
    for (int n = 1; n <= 6; ++n) EXPECT_TRUE(check(n)->isChecked()) << n;
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

    QLabel* review = child<QLabel>(form.get(), "Label4");
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, review->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, review->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
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
    child<QPushButton>(form.get(), "Command3")->click();
    closer.stop();
    EXPECT_EQ(said, QString::fromStdString("Report " + root.file("app") + "/report.txt created"));
    EXPECT_TRUE(std::filesystem::exists(root.file("app/report.txt")));
    child<QPushButton>(form.get(), "Command1")->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace enclavio
