// What the windows add to the writers' faults (see tests/storage/faults_test):
// a failed save says "Unable to save " and keeps the caption and project name,
// a report that cannot be written says so, and an unwritable settings folder
// is ignored at shut-down. Tests run as root, so folders are made unwritable
// without permissions.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "../support/fifos_and_devices.hpp"
#include "../support/file_size_limit.hpp"
#include "../support/files.hpp"
#include "forms/project_file_form.hpp"
#include "forms/report_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;
using project_testing::RecordingView;
using project_testing::StartedMain;
using test_support::get_bytes;
using test_support::put_bytes;
using test_support::TempFolder;
using namespace test_support;

const std::string kOld = "old contents\r\n";

TEST(FormFaults, FailedSaveKeepsTheOldProjectAndSaysSo) {
    TempFolder root;
    put_bytes(root.file("box.ecv"), kOld);
    StartedMain m(root);
    m.form.session.notes.lines[0] = std::string(4000, 'n');  // more than the disk takes
    bool saved = true;
    m.view.on_modal[Window::Form2] = [&] {
        FileForm save(m.form, m.view, FileForm::Kind::Save);
        save.state().folder = root.str();
        save.Text1_Change("box");
        const FileSizeLimit limit(1024);
        saved = save.Command1_Click();
    };
    m.form.mnu_save_Click();
    EXPECT_FALSE(saved);
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Unable to save " + root.file("box.ecv")});
    EXPECT_EQ(m.form.session.main.caption, "Enclavio - default");
    EXPECT_EQ(m.form.session.projectname, "default");
    EXPECT_EQ(get_bytes(root.file("box.ecv")), kOld);
    for (const auto& e : fs::directory_iterator(root.str()))
        EXPECT_FALSE(e.path().filename().string().starts_with(kTemporaryPrefix)) << "temporary left behind";
}

// What is not a regular file is neither opened nor replaced: a FIFO named like
// a project reads as "Unable to open " at once (it used to wait for a writer
// for ever), and a socket named like one is not saved over.
TEST(FormFaults, SpecialFilesAreNeitherOpenedNorReplaced) {
    const HangGuard guard(30);
    TempFolder root;
    ASSERT_TRUE(make_fifo(root.file("pipe.ecv")));
    ASSERT_TRUE(make_socket(root.file("sock.ecv")));
    fs::create_directory(root.file("folder.ecv"));
    const struct {
        FileForm::Kind kind;
        const char* name;
        std::string message;
    } cases[] = {
        {FileForm::Kind::Open, "pipe", "Unable to open " + root.file("pipe.ecv")},
        {FileForm::Kind::Open, "sock", "Unable to open " + root.file("sock.ecv")},
        {FileForm::Kind::Open, "folder", "Unable to open " + root.file("folder.ecv")},
        {FileForm::Kind::Save, "sock", "Unable to save " + root.file("sock.ecv")},
        {FileForm::Kind::Save, "folder", "Unable to save " + root.file("folder.ecv")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        StartedMain m(root);
        EXPECT_FALSE(project_testing::through_menu(m, c.kind, root.str(), c.name));
        EXPECT_EQ(m.view.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(m.form.session.projectname, "default");
    }
    EXPECT_EQ(
        std::string({kind_of(root.file("pipe.ecv")), kind_of(root.file("sock.ecv")), kind_of(root.file("folder.ecv"))}),
        "psd");
}

// A program folder that cannot be written: the report says so, shut-down is silent.
TEST(FormFaults, UnwritableProgramFolder) {
    TempFolder root;
    put_bytes(root.file("plain"), kOld);
    for (const std::string& app : {root.file("plain") + "/app", std::string("/proc/self/enclavio")}) {
        RecordingView view;
        MainForm form(view, app, root.str());
        form.startup();
        ReportForm report(form, view);
        report.Form_Load();
        report.Command3_Click(0);
        EXPECT_EQ(view.messages, std::vector<std::string>{"There was a problem creating the report"}) << app;
        form.session.lastfolder = "/home/ann";
        EXPECT_NO_THROW(form.shutdown()) << app;
        EXPECT_EQ(view.messages.size(), 1u) << app;
    }
    EXPECT_EQ(get_bytes(root.file("plain")), kOld);
}

}  // namespace
}  // namespace enclavio
