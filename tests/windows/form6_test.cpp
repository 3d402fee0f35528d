// Form6 "Create Folder", offscreen.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "forms/files_form.hpp"
#include "project_windows_test_support.hpp"
#include "windows/form6.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

class Form6Test : public ::testing::Test {
protected:
    TempFolder root;
    NullView view;
    std::unique_ptr<MainForm> main;
    std::unique_ptr<Form6> form;

    void SetUp() override {
        app();
        main = std::make_unique<MainForm>(view, root.file("app"), root.str());
        main->s.files.new_folder_prompt = create_folder_prompt("/home/ann/boxes");
        form = std::make_unique<Form6>(*main, nullptr, nullptr);
        form->sync();
    }
    QLineEdit* text1() { return form->findChild<QLineEdit*>(QStringLiteral("Text1")); }
};

TEST_F(Form6Test, ControlsAndPrompt) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Create Folder"));
    QString prompt = form->findChild<QLabel*>(QStringLiteral("Label1"))->text();
    prompt.remove(QChar(0x200B));  // break opportunities only
    EXPECT_EQ(prompt, QStringLiteral("Create new folder below /HOME/ANN/BOXES ?"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Name of new folder:"));
    EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("&OK"));
    EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("&Cancel"));
    // A long folder path wraps instead of being cut off.
    std::string deep;
    for (int i = 0; i < 12; ++i) deep += "/speaker_projects_" + std::to_string(i);
    main->s.files.new_folder_prompt = create_folder_prompt(deep);
    form->sync();
    expect_nothing_clipped(form.get());
}

TEST_F(Form6Test, OkReturnsTheNameAndCancelReturnsNothing) {
    struct Case {
        const char* how;
        std::function<void(Form6&)> close;
        int result;
        std::string returned;
    };
    const Case cases[] = {
        {"OK", [](Form6& f) { f.findChild<QPushButton*>(QStringLiteral("Command1"))->click(); }, QDialog::Accepted,
         "my folder"},
        {"Enter", [](Form6& f) { emit f.findChild<QLineEdit*>(QStringLiteral("Text1"))->returnPressed(); },
         QDialog::Accepted, "my folder"},
        {"Cancel", [](Form6& f) { f.findChild<QPushButton*>(QStringLiteral("Command2"))->click(); },
         QDialog::Rejected, ""},
        {"frame", [](Form6& f) { static_cast<QDialog&>(f).reject(); }, QDialog::Rejected, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        form->setResult(-1);
        text1()->clear();
        text1()->insert(QStringLiteral("my folder"));
        EXPECT_EQ(main->s.files.new_folder_name, "my folder");
        c.close(*form);
        EXPECT_EQ(form->result(), c.result);
        EXPECT_EQ(main->s.files.new_folder_name, c.returned);
    }
}

}  // namespace
}  // namespace enclavio
