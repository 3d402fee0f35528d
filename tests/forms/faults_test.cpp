// What the windows add to the writers' faults (see tests/storage/faults_test):
// a failed save says "Unable to save " and keeps the caption and project name,
// a report that cannot be written says so, and an unwritable settings folder
// is ignored at shut-down. Tests run as root, so folders are made unwritable
// without permissions.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "../storage/file_size_limit.hpp"
#include "forms/files_form.hpp"
#include "forms/report_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;
using project_testing::get_bytes;
using project_testing::put_bytes;
using project_testing::RecordingView;
using project_testing::StartedMain;
using project_testing::TempFolder;
using testing::FileSizeLimit;

const std::string kOld = "old contents\r\n";

TEST(FormFaults, FailedSaveKeepsTheOldProjectAndSaysSo) {
    TempFolder root;
    put_bytes(root.file("box.ecv"), kOld);
    StartedMain m(root);
    m.form.s.notes.lines[0] = std::string(4000, 'n');  // more than the disk takes
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
    EXPECT_EQ(m.form.s.main.caption, "Enclavio - default");
    EXPECT_EQ(m.form.s.projectname, "default");
    EXPECT_EQ(get_bytes(root.file("box.ecv")), kOld);
    for (const auto& e : fs::directory_iterator(root.str()))
        EXPECT_NE(e.path().extension(), ".tmp") << "temporary left behind";
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
        form.s.lastfolder = "/home/ann";
        EXPECT_NO_THROW(form.shutdown()) << app;
        EXPECT_EQ(view.messages.size(), 1u) << app;
    }
    EXPECT_EQ(get_bytes(root.file("plain")), kOld);
}

}  // namespace
}  // namespace enclavio
