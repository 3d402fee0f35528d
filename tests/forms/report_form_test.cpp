// The report window: which sections are offered, and the report it writes.
#include <gtest/gtest.h>

#include <regex>

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
    std::function<void()> in_window;  // what the user does in the window

    void SetUp() override {
        report.Form_Load();
        m.view.on_modal[Window::frmReport] = [this] {
            if (in_window) in_window();
        };
    }
    // Opens the window from the menu and presses "&Generate Report".
    std::vector<std::string> generate() {
        in_window = [this] { report.Command3_Click(); };
        m.form.mnu_report_Click();
        return split_lines(get_bytes(s.report.reportpath));
    }
    static bool has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    void choose_allowance() {
        CuttingForm cutting(s, m.view);
        cutting.Option2_Click();
    }
};

TEST_F(ReportTest, PathIsInTheProgramFolder) {
    EXPECT_EQ(s.report.reportpath, root.file("app") + "/report.txt");
}

TEST_F(ReportTest, StartUpDesign) {
    const auto lines = generate();
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Report " + root.file("app/report.txt") + " created"});
    ASSERT_GT(lines.size(), 40u);
    EXPECT_EQ(lines[0], "Enclavio report for project: default");
    EXPECT_EQ(lines[1], std::string(92, '-'));
    EXPECT_EQ(lines[2], "");
    // No notes: straight on with the cutting list's finished size, rebuilt now.
    EXPECT_EQ(lines[3], s.cutting.list.finished_line);
    EXPECT_NE(lines[3], "Label12");
    EXPECT_EQ(lines[5], "Internal Volume:  59.4 litres   " + s.main.results.label26.caption + "   " +
                            s.main.results.label27.caption);
    EXPECT_EQ(lines[7], "Component volumes: " + s.main.results.label6.caption + "   " +
                            s.main.results.label28.caption);
    for (const char* line :
         {"Cutting List", "Panel dimensions show finished size", "Resonances", "Number of ports: 2",
          "Internal Diameter: 86 mm", "Length: 823 mm", "Wall Thickness: 2 mm", "Driver size: 10 inch",
          "Number of Drivers: 1", "Location of acoustic centre", "Box front to mid-depth of cone:  30 mm",
          "Box top to driver centre: 200 mm", "Offset from vertical centreline: 2 mm"})
        EXPECT_TRUE(has(lines, line)) << line;
    for (int n = 1; n <= 9; ++n) EXPECT_TRUE(has(lines, s.main.results.resonance[n].caption)) << n;
    EXPECT_TRUE(std::regex_match(lines[lines.size() - 2],
                                 std::regex("Report generated at:  \\d\\d:\\d\\d:\\d\\d on \\d\\d-\\d\\d-\\d{4} "
                                            "from Enclavio Version:3\\.3")))
        << lines[lines.size() - 2];
    EXPECT_EQ(lines.back().rfind("The latest version of Enclavio is available at ", 0), 0u);
    // Every line ends with CR LF.
    const std::string bytes = get_bytes(s.report.reportpath);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
}

TEST_F(ReportTest, EnablingRules) {
    struct Case {
        const char* name;
        bool allowance;
        std::array<std::string, 8> notes;
        bool check1_enabled, check6_enabled;
    };
    const Case cases[] = {
        {"exact, no notes", false, {}, false, false},
        {"allowance, blank notes", true, {"  ", "", "", "", "", "", "", ""}, true, false},
        {"exact, notes", false, {"", "", "x", "", "", "", "", ""}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CuttingForm cutting(s, m.view);
        if (c.allowance) cutting.Option2_Click(); else cutting.Option1_Click();
        s.notes.lines = c.notes;
        m.form.mnu_report_Click();
        EXPECT_EQ(s.report.check1_enabled, c.check1_enabled);
        EXPECT_EQ(s.report.check6_enabled, c.check6_enabled);
    }
}

TEST_F(ReportTest, ReviewCuttingListSetsTrimmingInstructions) {
    m.form.mnu_report_Click();
    ASSERT_FALSE(s.report.check1_enabled);
    s.main.check3 = false;
    s.design.doublefront = 0;
    m.view.on_modal[Window::Form3] = [this] {
        EXPECT_EQ(s.cutting.picture, PanelPicture::FrontSingle);
        choose_allowance();
    };
    report.Label4_Click();
    EXPECT_TRUE(s.report.check1_enabled);
    m.view.on_modal[Window::Form3] = [this] { CuttingForm(s, m.view).Option1_Click(); };
    report.Label4_Click();
    EXPECT_FALSE(s.report.check1_enabled);
}

TEST_F(ReportTest, NotesSection) {
    struct Case {
        const char* name;
        std::array<std::string, 8> notes;
        bool check6;
        std::vector<std::string> expected;  // lines 3.. up to the finished line
    };
    const Case cases[] = {
        {"lines 1 and 3", {"one", "", "three", "", "", "", "", ""}, true, {"one", "three", "", ""}},
        {"blank line kept beside text", {"  ", "two", "", "", "", "", "", ""}, true, {"  ", "two", "", ""}},
        {"unchecked", {"one", "", "", "", "", "", "", ""}, false, {}},
        {"blanks only: disabled", {"  ", "", "", "", "", "", "", ""}, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s.notes.lines = c.notes;
        s.report.check6 = c.check6;
        const auto lines = generate();
        ASSERT_GT(lines.size(), 3 + c.expected.size());
        const std::vector<std::string> section(lines.begin() + 3, lines.begin() + 3 + static_cast<long>(c.expected.size()));
        EXPECT_EQ(section, c.expected);
        EXPECT_EQ(lines[3 + c.expected.size()], s.cutting.list.finished_line);
    }
}

TEST_F(ReportTest, EveryBoxCleared) {
    s.report.check3 = s.report.check2 = s.report.check4 = s.report.check5 = s.report.check6 = false;
    s.notes.lines[0] = "a note";
    const auto lines = generate();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "Enclavio report for project: default");
    EXPECT_EQ(lines[3], s.cutting.list.finished_line);
    EXPECT_EQ(lines[5].rfind("Internal Volume: ", 0), 0u);
    EXPECT_EQ(lines[7].rfind("Component volumes: ", 0), 0u);
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], std::string(92, '-'));
}

TEST_F(ReportTest, AllowanceLineAndHints) {
    m.form.set_unit_mode(UnitMode::MetricCm);
    m.form.populateall();
    choose_allowance();
    auto lines = generate();
    EXPECT_TRUE(has(lines, "Panel dimensions include 0.5  cm allowance on any edges to be trimmed after gluing"));
    // With hints: each panel's hint before its line, an empty line before the brace note.
    for (int i = 0; i < kPanelCount; ++i) {
        const auto at = std::find(lines.begin(), lines.end(), s.cutting.list.panel_lines[static_cast<std::size_t>(i)]);
        ASSERT_NE(at, lines.end()) << i;
        EXPECT_EQ(*(at - 1), s.cutting.tooltips[static_cast<std::size_t>(i)]) << i;
    }
    const auto note = std::find(lines.begin(), lines.end(), s.cutting.list.brace_note);
    ASSERT_NE(note, lines.end());
    EXPECT_EQ(*(note - 1), "");
    EXPECT_EQ(*(note - 2), "");

    s.report.check1 = false;
    lines = generate();
    for (int i = 0; i < kPanelCount; ++i)
        EXPECT_FALSE(has(lines, s.cutting.tooltips[static_cast<std::size_t>(i)])) << i;
}

TEST_F(ReportTest, ImperialFieldsAsShown) {
    m.form.set_unit_mode(UnitMode::Inches);
    m.form.populateall();
    const auto lines = generate();
    EXPECT_TRUE(has(lines, "Length: " + s.main.text[1].text + " inches"));
    EXPECT_TRUE(has(lines, "Internal Volume: " + s.main.text[9].text + " cu.ft   " +
                               s.main.results.label26.caption + "   " + s.main.results.label27.caption));
}

TEST_F(ReportTest, ReportFollowsTheDesignOfNow) {
    // The cutting list was last built for another design; the report rebuilds it.
    prepare_cutting_list(s);
    const std::string before = s.cutting.list.finished_line;
    m.form.change(6, "500");
    const auto lines = generate();
    EXPECT_NE(lines[3], before);
    EXPECT_EQ(lines[3], s.cutting.list.finished_line);
}

TEST_F(ReportTest, UnwritableFolder) {
    put_bytes(root.file("blocker"), "");
    s.appdata_folder = root.file("blocker/app");
    report.Form_Load();
    generate();
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"There was a problem creating the report"});
}

TEST_F(ReportTest, ExistingReportIsReplaced) {
    fs::create_directories(s.appdata_folder);
    put_bytes(s.report.reportpath, "old report\r\n");
    const auto lines = generate();
    EXPECT_EQ(lines[0], "Enclavio report for project: default");
    EXPECT_FALSE(has(lines, "old report"));
}

}  // namespace
}  // namespace enclavio
