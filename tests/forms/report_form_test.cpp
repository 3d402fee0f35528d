// The report window: which sections are offered, and the report it writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/files.hpp"
#include "forms/cutting_list_form.hpp"
#include "forms/report_form.hpp"
#include "project_windows_support.hpp"
#include "storage/files.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;
namespace fs = std::filesystem;

class ReportTest : public ::testing::Test {
protected:
    TempFolder root;
    StartedMain m{root};
    ReportForm report{m.form, m.view};
    Session& s = m.form.session;

    void SetUp() override { report.Form_Load(); }
    // Opens the window from the menu and presses "&Generate Report".
    std::vector<std::string> generate() {
        m.view.on_modal[Window::frmReport] = [this] { report.Command3_Click(); };
        m.form.mnu_report_Click();
        return split_lines(get_bytes(s.report.reportpath));
    }
    void choose_allowance(bool allowance) {
        CuttingForm cutting(s, m.view);
        allowance ? cutting.Option2_Click() : cutting.Option1_Click();
    }
};

// Each check box chooses its own section, and only that one.
TEST_F(ReportTest, EachSectionIsChosenOnItsOwn) {
    using S = ReportSection;
    const std::pair<ReportSection, bool ReportInput::*> sections[] = {
        {S::Notes, &ReportInput::include_notes},         {S::CuttingList, &ReportInput::include_cutting},
        {S::TrimmingHints, &ReportInput::include_hints}, {S::Resonances, &ReportInput::include_resonances},
        {S::PortDetails, &ReportInput::include_ports},   {S::DriverDetails, &ReportInput::include_driver},
    };
    s.report.check6_enabled = true;  // notes are offered
    for (const auto& [cleared, member] : sections) {
        for (const auto& [section, _] : sections) report.set_included(section, section != cleared);
        const ReportInput in = report_input(s, 0);
        for (const auto& [section, other] : sections) {
            EXPECT_EQ(report.included(section), section != cleared);
            EXPECT_EQ(in.*other, other != member);
        }
    }
}

TEST_F(ReportTest, WritesTheDesignOfNowWithTheCuttingListRebuilt) {
    prepare_cutting_list(s);  // built for the design before the change below
    const std::string before = s.cutting.list.finished_line;
    m.form.change(MainField::Depth, "500");
    fs::create_directories(s.appdata_folder);
    put_bytes(s.report.reportpath, "old report\r\n");  // replaced
    const auto lines = generate();
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Report " + root.file("app/report.txt") + " created"});
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[0], "Enclavio report for project: default");
    EXPECT_NE(lines[3], before);
    EXPECT_EQ(lines[3], s.cutting.list.finished_line);
}

// "&Open Report" hands report.txt to the desktop; without a report, or
// where the desktop cannot open it, the user is told.
TEST_F(ReportTest, OpenReportOpensTheFileOrSaysWhyNot) {
    const std::string path = root.file("app/report.txt");
    report.open_report();
    EXPECT_TRUE(m.view.opened_files.empty());
    EXPECT_EQ(m.view.messages,
              std::vector<std::string>{"Report " + path + " does not exist yet: generate the report first"});
    generate();
    m.view.messages.clear();
    report.open_report();
    EXPECT_EQ(m.view.opened_files, std::vector<std::string>{path});
    EXPECT_TRUE(m.view.messages.empty());
    m.view.desktop_opens_files = false;
    report.open_report();
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Unable to open the report with a text editor: " + path});
}

// Trimming instructions are offered with the allowance only; notes with a
// non-blank line only.
TEST_F(ReportTest, EnablingRules) {
    struct Case {
        bool allowance;
        std::array<std::string, 8> notes;
        bool check1_enabled, check6_enabled;
    };
    const Case cases[] = {
        {false, {}, false, false},
        {true, {"  ", "", "", "", "", "", "", ""}, true, false},
        {false, {"", "", "x", "", "", "", "", ""}, false, true},
    };
    for (const auto& c : cases) {
        choose_allowance(c.allowance);
        s.notes.lines = c.notes;
        m.form.mnu_report_Click();
        EXPECT_EQ(s.report.check1_enabled, c.check1_enabled);
        EXPECT_EQ(s.report.check6_enabled, c.check6_enabled);
    }
    // "Review Cutting List" changes the choice from within the window.
    for (bool allowance : {true, false}) {
        m.view.on_modal[Window::Form3] = [this, allowance] { choose_allowance(allowance); };
        report.Label4_Click();
        EXPECT_EQ(s.report.check1_enabled, allowance);
    }
}

// The window's choices reach the report: notes, the cutting window's allowance and the hints.
TEST_F(ReportTest, ChoicesReachTheReport) {
    choose_allowance(true);
    s.notes.lines = {"first note", "", "", "", "", "", "", ""};
    for (bool on : {true, false}) {
        s.report.check1 = s.report.check6 = on;
        const auto lines = generate();
        EXPECT_EQ(lines[3] == "first note", on);
        const auto at = std::find(lines.begin(), lines.end(), s.cutting.list.panel_lines[0]);
        ASSERT_NE(at, lines.end());
        EXPECT_EQ(*(at - 1) == s.cutting.tooltips[0], on);
    }
}

// A program folder that cannot be written (below a regular file, or in /proc,
// since tests run as root): the report says so, shut-down is silent, and the
// file in the way is left as it was.
TEST(UnwritableProgramFolder, TheReportSaysSoAndShutDownStaysSilent) {
    const std::string old_contents = "old contents\r\n";
    TempFolder root;
    put_bytes(root.file("plain"), old_contents);
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
    EXPECT_EQ(get_bytes(root.file("plain")), old_contents);
}

}  // namespace
}  // namespace enclavio
