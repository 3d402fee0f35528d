// Form6 "Create Folder", offscreen.
#include <gtest/gtest.h>

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
};

TEST_F(Form6Test, ControlsAndPrompt) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Create Folder"));
    QString prompt = child<QLabel>(form.get(), "Label1")->text();
    prompt.remove(QChar(0x200B));  // break opportunities only
    EXPECT_EQ(prompt, QStringLiteral("Create new folder below /HOME/ANN/BOXES ?"));
    expect_texts(form.get(), {{"Label2", "Name of new folder:"}, {"Command1", "&OK"}, {"Command2", "&Cancel"}});
    // A long folder path wraps instead of being cut off.
    std::string deep;
    for (int i = 0; i < 12; ++i) deep += "/speaker_projects_" + std::to_string(i);
    main->s.files.new_folder_prompt = create_folder_prompt(deep);
    form->sync();
    expect_nothing_clipped(form.get());
}

TEST_F(Form6Test, OkReturnsTheNameAndCancelReturnsNothing) {
    const std::tuple<const char*, std::function<void(Form6&)>, int, std::string> cases[] = {
        {"OK", [](Form6& f) { child<QPushButton>(&f, "Command1")->click(); }, QDialog::Accepted, "my folder"},
        {"Enter", [](Form6& f) { emit child<QLineEdit>(&f, "Text1")->returnPressed(); }, QDialog::Accepted,
         "my folder"},
        {"Cancel", [](Form6& f) { child<QPushButton>(&f, "Command2")->click(); }, QDialog::Rejected, ""},
        {"frame", [](Form6& f) { static_cast<QDialog&>(f).reject(); }, QDialog::Rejected, ""},
    };
    for (const auto& [how, close, result, returned] : cases) {
        SCOPED_TRACE(how);
        form->setResult(-1);
        QLineEdit* text1 = child<QLineEdit>(form.get(), "Text1");
        text1->clear();
        text1->insert(QStringLiteral("my folder"));
        EXPECT_EQ(main->s.files.new_folder_name, "my folder");
        close(*form);
        EXPECT_EQ(form->result(), result);
        EXPECT_EQ(main->s.files.new_folder_name, returned);
    }
}

}  // namespace
}  // namespace enclavio
