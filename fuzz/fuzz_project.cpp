// A project file of any content, opened through the main window's Open menu
// of a freshly started main window; then the analysis, the cutting list in
// every unit mode (exact and with allowance), the report, and a save.
// Checks: nothing non-finite reaches the design or a composed text; the window
// loads what the core reader reads; what is written reads back the same.
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "forms/cutting_list_form.hpp"
#include "forms/main_form.hpp"
#include "forms/project_file_form.hpp"
#include "forms/project_io.hpp"
#include "forms/report_form.hpp"
#include "fuzz_common.hpp"
#include "storage/files.hpp"
#include "storage/project.hpp"
#include "storage/report.hpp"

using namespace enclavio;
using enclavio::fuzz::check;

namespace {

constexpr UnitMode kModes[] = {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches};
constexpr int kComposedFields[] = {1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13};

void check_fields(const Session& s) {
    fuzz::check_finite_design(s.design);
    fuzz::check_results(s.main.results);
    for (const int n : kComposedFields) fuzz::check_no_bad_number(s.main.text[n].text, "field text");
}

void check_cutting(const CuttingList& list) {
    fuzz::check_no_bad_number(list.finished_line, "cutting list finished size");
    for (const auto& line : list.panel_lines) fuzz::check_no_bad_number(line, "cutting list line");
    fuzz::check_no_bad_number(list.brace_note, "cutting list brace note");
}

void check_report_input(const ReportInput& in) {
    check_cutting(in.cutting);
    for (const std::string* t :
         {&in.volume_text, &in.label6, &in.label28, &in.label26, &in.label27, &in.diameter_text, &in.length_text,
          &in.wall_text, &in.driverdepth_text, &in.driverdown_text, &in.driversideways_text})
        fuzz::check_no_bad_number(*t, "report text");
    for (const auto& r : in.resonances) fuzz::check_no_bad_number(r, "report resonance");
}

// Two projects that a file holds alike: the texts exactly, the numbers to the
// 15 digits a file keeps.
void check_same_project(const ProjectData& a, const ProjectData& b, std::string_view what) {
    const double ProjectData::*numbers[] = {&ProjectData::boxdepth,       &ProjectData::boxwidth,
                                            &ProjectData::boxheight,      &ProjectData::boxvol,
                                            &ProjectData::driverdepth,    &ProjectData::driverdown,
                                            &ProjectData::driversideways, &ProjectData::portlength,
                                            &ProjectData::portdiameter,   &ProjectData::portwallthickness,
                                            &ProjectData::boxthickness};
    for (const auto member : numbers) {
        check(std::isfinite(a.*member) && std::isfinite(b.*member), what, "a number is not finite");
        if (!fuzz::same_to_15_digits(a.*member, b.*member))
            fuzz::fail(what, general_number_text(a.*member) + " / " + general_number_text(b.*member));
    }
    check(a.drivers_text == b.drivers_text, what, "line 8");
    check(a.ports_text == b.ports_text, what, "line 13");
    check(a.driversize_text == b.driversize_text, what, "line 14");
    check(a.doublefront == b.doublefront, what, "line 15");
    check(a.flange_word == b.flange_word, what, "line 16");
    check(a.notes == b.notes, what, "notes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder appdata("project-app");
    static const fuzz::ScratchFolder projects("project-files");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::put_bytes(projects.file("fuzz.ecv"), bytes.data(), bytes.size());

    fuzz::FuzzView view;
    MainForm m(view, appdata.str(), projects.str());
    std::string save_as = "saved";
    view.on_modal = [&](Window w) {
        if (w == Window::Form5 || w == Window::Form2) {
            const bool open = w == Window::Form5;
            FileForm form(m, view, open ? FileForm::Kind::Open : FileForm::Kind::Save);
            form.state().folder = projects.str();
            form.state().name = open ? "fuzz" : save_as;
            check(form.Command1_Click(), open ? "the open window opens" : "the save window saves", view.last_message);
        }
    };
    m.startup();
    check_fields(m.s);

    // Open: the window ends up with what the core reader reads.
    m.mnu_open_Click();
    check(m.s.files.opened, "the project was opened");
    check_fields(m.s);
    const ProjectData read = parse_project_text(bytes);
    const auto from_disk = read_project(projects.file("fuzz.ecv"));
    check(from_disk.has_value() && *from_disk == read, "read_project reads what parse_project_text does");
    ProjectData loaded = project_from_session(m.s);
    loaded.boxvol = read.boxvol;  // recomputed from the dimensions after every open
    if (!flange_from_word(read.flange_word)) loaded.flange_word = read.flange_word;  // kept as it was
    check_same_project(read, loaded, "the window holds what the file says");
    check(m.s.main.caption == "Enclavio - fuzz.ecv", "caption after open", m.s.main.caption);

    // What would be written reads back the same, and writes the same again.
    const ProjectData now = project_from_session(m.s);
    const std::string written = project_file_text(now);
    const ProjectData reread = parse_project_text(to_file_encoding(written));
    check_same_project(now, reread, "project_file_text then parse_project_text");
    check(project_file_text(reread) == written, "a written project file is stable", written);

    // Every unit mode: fields, analysis, cutting list both ways, report.
    CuttingForm cutting(m, view);
    for (const UnitMode mode : kModes) {
        m.set_unit_mode(mode);
        m.populateall();
        check_fields(m.s);
        for (const bool exact : {true, false}) {
            if (exact) cutting.Option1_Click();
            else cutting.Option2_Click();
            check_cutting(m.s.cutting.list);
            const ReportInput in = report_input(m.s, 0);
            check_report_input(in);
            const std::string report = compose_report(in);
            check(report.starts_with("Enclavio report for project: fuzz.ecv\r\n"), "report title");
        }
    }

    // The report file is what was composed.
    ReportForm report(m, view);
    report.Form_Load();
    report.Command3_Click(0);
    check(view.last_message == "Report " + m.s.report.reportpath + " created", "report written", view.last_message);
    const auto report_bytes = read_whole_file(m.s.report.reportpath);
    check(report_bytes && *report_bytes == to_file_encoding(compose_report(report_input(m.s, 0))),
          "report.txt holds the composed report");

    // Save As: the file on disk reads back as the session that saved it.
    m.mnu_save_Click();
    check(m.s.main.caption == "Enclavio - saved.ecv", "caption after save", m.s.main.caption);
    const auto saved = read_project(projects.file("saved.ecv"));
    check(saved.has_value(), "the saved project can be read");
    check_same_project(project_from_session(m.s), *saved, "save then open");
    check_fields(m.s);

    // The calculator: each unknown dimension solved from the other three.
    m.set_unit_mode(UnitMode::Metric);
    for (const int n : {6, 7, 8, 9}) {
        m.dblclick(n);
        check_fields(m.s);
    }
    return 0;
}
