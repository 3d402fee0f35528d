// Project files the project fuzzer tripped on, opened through the Open window
// and carried through every unit mode, the cutting list, the report and the
// calculator: nothing may hold or show infinity or NaN.
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

using project_testing::StartedMain;
using test_support::put_bytes;
using test_support::TempFolder;

void expect_sound(const Session& s, const std::string& where) {
    const BoxDesign& d = s.design;
    for (const double v :
         {d.boxdepth,        d.boxwidth,          d.boxheight,    d.boxthickness, d.boxvol,         d.portlength,
          d.portdiameter,    d.portwallthickness, d.driverdepth,  d.driverdown,   d.driversideways, d.innerdepth,
          d.innerwidth,      d.innerheight,       d.portvolume,   d.edgebracing,  d.shelfbracing,   d.bracingvolume,
          d.componentvolume, d.workingvolume,     d.tunefrequency})
        EXPECT_TRUE(std::isfinite(v)) << where;
    std::string shown = compose_report(report_input(s, 0));
    for (int n = 1; n <= 13; ++n) shown += "\n" + s.main.text[n].text;
    for (int n = 1; n <= 9; ++n) shown += "\n" + s.main.results.resonance[n].caption;
    for (const auto* l : {&s.main.results.ports_and_bracing_line, &s.main.results.working_volume_line,
                          &s.main.results.tuning_line, &s.main.results.driver_and_total_line})
        shown += "\n" + l->caption;
    for (const auto& line : s.cutting.list.panel_lines) shown += "\n" + line;
    static const std::regex non_number(R"(\b(nan|inf|infinity)\b)", std::regex::icase);
    EXPECT_FALSE(std::regex_search(shown, non_number)) << where << ":\n" << shown;
}

TEST(ProjectRegression, HugeNumbersInAProjectFile) {
    const char* const inputs[] = {
        // The first input the project fuzzer stopped on: every length 1E+300,
        // the volume 1E+308 (the port volume came out infinite).
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
        for (const int n : {6, 7, 8, 9}) {
            m.form.dblclick(n);
            expect_sound(m.form.session, "calculator");
        }
    }
}

}  // namespace
}  // namespace enclavio
