// frmComments bound to the notes, offscreen.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "project_windows_test_support.hpp"
#include "windows/frm_comments.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

class FrmCommentsTest : public ::testing::Test {
protected:
    TempFolder root;
    NullView view;
    std::unique_ptr<MainForm> main;
    std::unique_ptr<FrmComments> form;

    void SetUp() override {
        app();
        main = std::make_unique<MainForm>(view, root.file("app"), root.str());
        main->startup();
        form = std::make_unique<FrmComments>(*main, nullptr, nullptr);
    }
    QLineEdit* line(int n) { return form->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n)); }
    QPushButton* button(int n) { return form->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n)); }
};

TEST_F(FrmCommentsTest, Controls) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Notes for this project"));
    for (int n = 1; n <= 8; ++n) ASSERT_NE(line(n), nullptr) << n;
    // Stacked top to bottom in order.
    form->adjustSize();
    for (int n = 2; n <= 8; ++n) EXPECT_GT(line(n)->y(), line(n - 1)->y());
    EXPECT_EQ(button(1)->text(), QStringLiteral("&OK"));
    EXPECT_EQ(button(2)->text(), QStringLiteral("&Clear"));
    EXPECT_NE(form->findChild<QWidget*>(QStringLiteral("Picture1")), nullptr);
    expect_nothing_clipped(form.get());
}

TEST_F(FrmCommentsTest, TypeClearAndOk) {
    line(3)->insert(QStringLiteral("third line"));
    EXPECT_EQ(main->s.notes.lines[2], "third line");
    EXPECT_FALSE(main->s.main.notes_picture);
    button(1)->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(main->s.main.notes_picture);

    button(2)->click();
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(line(n)->text().isEmpty()) << n;
    EXPECT_TRUE(main->s.main.notes_picture);
    // Closing by the frame acts as OK.
    static_cast<QDialog*>(form.get())->reject();
    EXPECT_FALSE(main->s.main.notes_picture);
}

TEST_F(FrmCommentsTest, ShowsLoadedNotes) {
    main->s.notes.lines[7] = "from a file";
    form->sync();
    EXPECT_EQ(line(8)->text(), QStringLiteral("from a file"));
}

}  // namespace
}  // namespace enclavio
