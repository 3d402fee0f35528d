// frmComments bound to the notes, offscreen.
#include <gtest/gtest.h>

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
    QLineEdit* line(int n) { return child<QLineEdit>(form.get(), QStringLiteral("Text%1").arg(n)); }
    QPushButton* button(int n) { return child<QPushButton>(form.get(), QStringLiteral("Command%1").arg(n)); }
};

TEST_F(FrmCommentsTest, ControlsInOrder) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Notes for this project"));
    expect_texts(form.get(), {{"Command1", "&OK"}, {"Command2", "&Clear"}});
    EXPECT_NE(form->findChild<QWidget*>(QStringLiteral("Picture1")), nullptr);
    form->adjustSize();
    ASSERT_NE(line(1), nullptr);
    for (int n = 2; n <= 8; ++n) {
        ASSERT_NE(line(n), nullptr) << n;
        EXPECT_GT(line(n)->y(), line(n - 1)->y());
    }
    expect_nothing_clipped(form.get());
}

TEST_F(FrmCommentsTest, LoadTypeClearAndOk) {
    main->s.notes.lines[7] = "from a file";
    form->sync();
    EXPECT_EQ(line(8)->text(), QStringLiteral("from a file"));
    line(3)->insert(QStringLiteral("third line"));
    EXPECT_EQ(main->s.notes.lines[2], "third line");
    button(1)->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(main->s.main.notes_picture);
    button(2)->click();
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(line(n)->text().isEmpty()) << n;
    // Closing by the frame acts as OK.
    static_cast<QDialog*>(form.get())->reject();
    EXPECT_FALSE(main->s.main.notes_picture);
}

}  // namespace
}  // namespace enclavio
