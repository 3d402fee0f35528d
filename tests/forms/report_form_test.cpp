// The report window: which sections are offered, and the report it writes.
#include <gtest/gtest.h>

#include "forms/cutting_form.hpp"
#include "forms/report_form.hpp"
#include "project_windows_support.hpp"
#include "storage/storage.hpp"

namespace enclavio {
namespace {

using namespace project_testing;

class ReportTest : public ::testing::Test {
protected:
    TempFolder root;
    StartedMain m{root};
    ReportForm report{m.form, m.view};
    Session& s = m.form.s;

    void SetUp() override { report.Form_Load(); }
    // Opens the window from the menu and presses "&Generate Report".
    std::vector<std::string> generate() {
        m.view.on_modal[Window::frmReport] = [this] { report.Command3_Click(); };
        m.form.mnu_report_Click();
        return split_lines(get_bytes(s.report.reportpath));
    }
    static bool has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    void choose_allowance(bool allowance) {
        CuttingForm cutting(s, m.view);
        allowance ? cutting.Option2_Click() : cutting.Option1_Click();
    }
};

TEST_F(ReportTest, StartUpDesign) {
    fs::create_directories(s.appdata_folder);
    put_bytes(s.report.reportpath, "old report\r\n");  // replaced
    const auto lines = generate();
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Report " + root.file("app/report.txt") + " created"});
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[0], "Enclavio report for project: default");
    EXPECT_EQ(lines[1], std::string(92, '-'));
    EXPECT_EQ(lines[2], "");
    // No notes: straight on with the cutting list's finished size, rebuilt now.
    EXPECT_EQ(lines[3], s.cutting.list.finished_line);
    EXPECT_EQ(lines[5], "Internal Volume:  59.4 litres   " + s.main.results.label26.caption + "   " +
                            s.main.results.label27.caption);
    EXPECT_EQ(lines[7], "Component volumes: " + s.main.results.label6.caption + "   " +
                            s.main.results.label28.caption);
    EXPECT_TRUE(has(lines, "Length: 823 mm"));
    for (int n = 1; n <= 9; ++n) EXPECT_TRUE(has(lines, s.main.results.resonance[n].caption)) << n;
    const std::string bytes = get_bytes(s.report.reportpath);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
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

TEST_F(ReportTest, NotesSection) {
    struct Case {
        std::array<std::string, 8> notes;
        bool check6;
        std::vector<std::string> expected;  // lines 3.. up to the finished line
    };
    const Case cases[] = {
        {{"one", "", "three", "", "", "", "", ""}, true, {"one", "three", "", ""}},
        {{"  ", "two", "", "", "", "", "", ""}, true, {"  ", "two", "", ""}},
        {{"one", "", "", "", "", "", "", ""}, false, {}},
        {{"  ", "", "", "", "", "", "", ""}, true, {}},  // blanks only: disabled
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.notes[0] + c.notes[1]);
        s.notes.lines = c.notes;
        s.report.check6 = c.check6;
        const auto lines = generate();
        ASSERT_GT(lines.size(), 3 + c.expected.size());
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 3 + static_cast<long>(c.expected.size())),
                  c.expected);
        EXPECT_EQ(lines[3 + c.expected.size()], s.cutting.list.finished_line);
    }
}

// The allowance chosen in the cutting window, each panel's hint before its line.
TEST_F(ReportTest, AllowanceLineAndHints) {
    m.form.set_unit_mode(UnitMode::MetricCm);
    m.form.populateall();
    choose_allowance(true);
    for (bool hints : {true, false}) {
        s.report.check1 = hints;
        const auto lines = generate();
        EXPECT_TRUE(has(lines, "Panel dimensions include 0.5  cm allowance on any edges to be trimmed after gluing"));
        const auto at = std::find(lines.begin(), lines.end(), s.cutting.list.panel_lines[0]);
        ASSERT_NE(at, lines.end());
        EXPECT_EQ(*(at - 1) == s.cutting.tooltips[0], hints);
    }
}

TEST_F(ReportTest, ImperialFieldsAsShownAndTheDesignOfNow) {
    prepare_cutting_list(s);  // built for the design before the change below
    const std::string before = s.cutting.list.finished_line;
    m.form.change(6, "500");
    m.form.set_unit_mode(UnitMode::Inches);
    m.form.populateall();
    const auto lines = generate();
    EXPECT_NE(lines[3], before);
    EXPECT_EQ(lines[3], s.cutting.list.finished_line);
    EXPECT_TRUE(has(lines, "Length: " + s.main.text[1].text + " inches"));
    EXPECT_TRUE(has(lines, "Internal Volume: " + s.main.text[9].text + " cu.ft   " +
                               s.main.results.label26.caption + "   " + s.main.results.label27.caption));
}

TEST_F(ReportTest, UnwritableFolder) {
    put_bytes(root.file("blocker"), "");
    s.appdata_folder = root.file("blocker/app");
    report.Form_Load();
    generate();
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"There was a problem creating the report"});
}

}  // namespace
}  // namespace enclavio
