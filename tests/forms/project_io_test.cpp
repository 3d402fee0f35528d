// Saving a project from the session and opening it again through the project
// windows and the main window's Open menu.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "../support/files.hpp"
#include "forms/cutting_list_form.hpp"
#include "forms/project_file_form.hpp"
#include "forms/report_form.hpp"
#include "project_windows_support.hpp"
#include "storage/report.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;

struct RoundTripCase {
    const char* name;
    UnitMode saved_in, opened_in;
};

class ProjectRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Every field changed, saved, reopened in another unit mode, saved again.
TEST_P(ProjectRoundTrip, ReopenedProjectIsTheSavedOne) {
    const RoundTripCase& c = GetParam();
    TempFolder root;
    StartedMain a(root);
    change_every_field(a.form, c.saved_in);
    ASSERT_TRUE(through_menu(a, FileForm::Kind::Save, root.str(), "round"));
    EXPECT_TRUE(a.view.messages.empty());
    const std::string bytes = get_bytes(root.file("round.ecv"));
    EXPECT_EQ(bytes, project_file_text(project_from_session(a.form.session)));
    const ProjectData in_file = parse_project_text(bytes);

    StartedMain b(root);
    b.form.set_unit_mode(c.opened_in);
    b.form.populateall();
    ASSERT_TRUE(through_menu(b, FileForm::Kind::Open, root.str(), "round.ecv"));
    EXPECT_TRUE(b.view.messages.empty());
    const Session& s = b.form.session;
    EXPECT_EQ(project_but_volume(s, in_file), in_file);
    EXPECT_EQ(s.design.drivervolume, 2.5);
    EXPECT_FALSE(s.main.check3);
    EXPECT_EQ(s.main.flange, Flange::Two);
    EXPECT_TRUE(s.main.notes_picture);
    EXPECT_EQ(s.main.caption, "Enclavio - round.ecv");
    EXPECT_EQ(s.projectpath, root.file("round.ecv"));
    EXPECT_EQ(s.main.text[MainField::Drivers].text, "2");
    EXPECT_EQ(s.main.text[MainField::Depth].text, length_text(c.opened_in, s.design.boxdepth));

    // Saved again in the first mode, the file is the same but for the volume line.
    b.form.set_unit_mode(c.saved_in);
    b.form.populateall();
    ASSERT_TRUE(through_menu(b, FileForm::Kind::Save, root.str(), "again"));
    ProjectData again = parse_project_text(get_bytes(root.file("again.ecv")));
    again.boxvol = in_file.boxvol;
    EXPECT_EQ(again, in_file);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ProjectRoundTrip,
    ::testing::Values(RoundTripCase{"MetricToInches", UnitMode::Metric, UnitMode::Inches},
                      RoundTripCase{"CmToDecimalInches", UnitMode::MetricCm, UnitMode::DecimalInches},
                      RoundTripCase{"InchesToCm", UnitMode::Inches, UnitMode::MetricCm},
                      RoundTripCase{"DecimalInchesToMetric", UnitMode::DecimalInches, UnitMode::Metric}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFile, StartUpDesignIsTwentyFourCrLfLines) {
    TempFolder root;
    StartedMain m(root);
    ASSERT_TRUE(through_menu(m, FileForm::Kind::Save, root.str(), "start"));
    // Save As reads only fields the user changed: the volume field still shows
    // what was worked out, so the worked-out volume is saved, not its shown 59.4.
    EXPECT_EQ(get_bytes(root.file("start.ecv")),
              "400\r\n300\r\n700\r\n59.491292\r\n30\r\n200\r\n2\r\n1\r\n823\r\n86\r\n2\r\n19\r\n2\r\n"
              "10 inch\r\ndouble\r\noneflange\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

std::string file_with(int n, const std::string& text) {
    std::vector<std::string> all = {"500", "310", "620", "60", "77", "210",     "3",      "1",
                                    "700", "80",  "2",   "18", "2",  "10 inch", "double", "oneflange",
                                    "n1",  "n2",  "n3",  "n4", "n5", "n6",      "n7",     "n8"};
    if (n > 0) all[static_cast<std::size_t>(n - 1)] = text;
    std::string out;
    for (const auto& line : all) out += line + "\r\n";
    return out;
}

// Files written by hand or by other versions: each opens, and the main
// window follows what was read.
TEST(ProjectFile, TolerantOpen) {
    struct Case {
        const char* name;
        std::string bytes;
        std::function<void(const Session&)> check;
    };
    const Case cases[] = {
        {"unknown driver size keeps the displacement", file_with(14, "21 inch"),
         [](const Session& s) {
             EXPECT_EQ(s.main.combo_index, -1);
             EXPECT_EQ(s.design.driversize, "21 inch");
             EXPECT_EQ(s.design.drivervolume, 1.5);  // the start-up 10 inch
         }},
        {"empty file", "",
         [](const Session& s) {
             EXPECT_EQ(s.design.boxdepth, 0);
             EXPECT_EQ(s.main.text[MainField::Ports].text, "");
             EXPECT_EQ(s.main.combo_text, "");
             EXPECT_EQ(s.main.flange, Flange::One);  // unchanged
             EXPECT_EQ(s.projectflange, "");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        StartedMain m(root);
        put_bytes(root.file("p.ecv"), c.bytes);
        EXPECT_TRUE(through_menu(m, FileForm::Kind::Open, root.str(), "p"));
        EXPECT_TRUE(m.view.messages.empty());
        EXPECT_EQ(m.form.session.main.caption, "Enclavio - p.ecv");
        c.check(m.form.session);
    }
}

// An open that fails or is cancelled changes nothing.
TEST(ProjectFile, FailedOrCancelledOpenChangesNothing) {
    const char* cases[] = {"missing", "cancelled"};
    for (const std::string what : cases) {
        SCOPED_TRACE(what);
        TempFolder root;
        StartedMain m(root);
        if (what == "cancelled") {
            put_bytes(root.file("p.ecv"), file_with(0, ""));
            ASSERT_TRUE(through_menu(m, FileForm::Kind::Open, root.str(), "p"));
        }
        m.form.session.notes.lines[2] = "keep me";
        m.form.check_notes();
        m.form.mnu_noflange_Click();
        const Session before = m.form.session;

        bool closed = false;
        m.view.on_modal[Window::Form5] = [&] {
            FileForm open(m.form, m.view, FileForm::Kind::Open);
            open.Text1_Change("p");
            closed = what == "cancelled" ? open.Command2_Click() : open.Command1_Click();
        };
        m.form.mnu_open_Click();
        const Session& s = m.form.session;
        EXPECT_EQ(closed, what == "cancelled");
        EXPECT_EQ(m.view.messages, what == "cancelled"
                                       ? std::vector<std::string>{}
                                       : std::vector<std::string>{"Unable to open " + root.file("p.ecv")});
        EXPECT_EQ(project_from_session(s), project_from_session(before));
        EXPECT_EQ(s.main.caption, before.main.caption);
        EXPECT_EQ(s.projectname, before.projectname);
        EXPECT_EQ(s.projectflange, before.projectflange);
        EXPECT_EQ(s.main.flange, Flange::None);
        EXPECT_FALSE(s.files.opened);
    }
}

TEST(ProjectFolder, OfPath) {
    EXPECT_EQ(project_folder({"box.ecv", "/home/ann/box.ecv"}), "/home/ann");
    EXPECT_EQ(project_folder({"box.ecv", "/box.ecv"}), "/");
}

// A project file holding numbers near the top of the double range, opened
// through the Open window and carried through every unit mode, the cutting
// list, the report and the calculator: nothing may hold or show infinity or NaN.
void expect_sound(const Session& s, const std::string& where) {
    const BoxDesign& d = s.design;
    for (const double v :
         {d.boxdepth,        d.boxwidth,          d.boxheight,    d.boxthickness, d.boxvol,         d.portlength,
          d.portdiameter,    d.portwallthickness, d.driverdepth,  d.driverdown,   d.driversideways, d.innerdepth,
          d.innerwidth,      d.innerheight,       d.portvolume,   d.edgebracing,  d.shelfbracing,   d.bracingvolume,
          d.componentvolume, d.workingvolume,     d.tunefrequency})
        EXPECT_TRUE(std::isfinite(v)) << where;
    std::string shown = compose_report(report_input(s, 0));
    for (const TextField& field : s.main.text) shown += "\n" + field.text;
    for (int n = 1; n <= kResonanceCount; ++n) shown += "\n" + s.main.results.resonance[n].caption;
    for (const auto* l : {&s.main.results.ports_and_bracing_line, &s.main.results.working_volume_line,
                          &s.main.results.tuning_line, &s.main.results.driver_and_total_line})
        shown += "\n" + l->caption;
    for (const auto& line : s.cutting.list.panel_lines) shown += "\n" + line;
    static const std::regex non_number(R"(\b(nan|inf|infinity)\b)", std::regex::icase);
    EXPECT_FALSE(std::regex_search(shown, non_number)) << where << ":\n" << shown;
}

TEST(ProjectFile, HugeNumbersOpenAndShowNoInfinityOrNaN) {
    const char* const inputs[] = {
        // Every length 1E+300 and the volume 1E+308: the port volume came out
        // infinite from these.
        "1E+300\r\n1E+300\r\n1E+300\r\n1E+308\r\n1E+300\r\n1E+300\r\n1E+300\r\n1E+300\r\n1E+300\r\n"
        "1E+300\r\n1E+300\r\n1E+300\r\n1E+300\r\n18 inch\r\ndouble\r\nnoflange\r\n",
        // The largest double, written as the writer writes it.
        "1.79769313486231E+308\r\n1.79769313486231E+308\r\n1.79769313486231E+308\r\n0\r\n0\r\n0\r\n0\r\n"
        "1.79769313486231E+308\r\n1.79769313486231E+308\r\n1.79769313486231E+308\r\n"
        "1.79769313486231E+308\r\n1.79769313486231E+308\r\n1.79769313486231E+308\r\n10 inch\r\nsingle\r\n"
        "twoflange\r\n",
    };
    for (const char* input : inputs) {
        TempFolder root;
        put_bytes(root.file("huge.ecv"), input);
        StartedMain m(root);
        m.view.on_modal[Window::Form5] = [&] {
            FileForm open(m.form, m.view, FileForm::Kind::Open);
            open.state().folder = root.str();
            open.Text1_Change("huge");
            ASSERT_TRUE(open.Command1_Click());
        };
        m.form.mnu_open_Click();
        expect_sound(m.form.session, "opened");
        CuttingForm cutting(m.form, m.view);
        for (const UnitMode mode : {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches}) {
            m.form.set_unit_mode(mode);
            m.form.populateall();
            cutting.Option1_Click();
            expect_sound(m.form.session, "exact sizes");
            cutting.Option2_Click();
            expect_sound(m.form.session, "with allowance");
        }
        for (const MainField f : {MainField::Depth, MainField::Width, MainField::Height, MainField::Volume}) {
            m.form.dblclick(f);
            expect_sound(m.form.session, "calculator");
        }
    }
}

}  // namespace
}  // namespace enclavio
