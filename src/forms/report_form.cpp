#include "forms/report_form.hpp"

#include <filesystem>
#include <system_error>

#include "forms/cutting_list_form.hpp"

namespace enclavio {

ReportInput report_input(const Session& s, std::time_t when) {
    const auto& text = s.main.text;
    const Results& r = s.main.results;
    ReportInput in;
    in.projectname = s.projectname;
    in.notes = s.notes.lines;
    in.include_notes = s.report.check6 && s.report.check6_enabled;
    in.include_cutting = s.report.check3;
    in.include_hints = s.report.check1;
    in.include_resonances = s.report.check2;
    in.include_ports = s.report.check4;
    in.include_driver = s.report.check5;
    in.cutting = s.cutting.list;
    in.show_exact = s.cutting.show_exact;
    in.hints = s.cutting.tooltips;
    in.volume_text = text[MainField::Volume].text;
    in.unitsuffix = std::string(unit_suffix(s.mode));
    in.volumesuffix = std::string(volume_suffix(s.mode));
    in.ports_and_bracing_line = r.ports_and_bracing_line.caption;
    in.driver_and_total_line = r.driver_and_total_line.caption;
    in.working_volume_line = r.working_volume_line.caption;
    in.tuning_line = r.tuning_line.caption;
    for (std::size_t n = 1; n <= in.resonances.size(); ++n) in.resonances[n - 1] = r.resonance[n].caption;
    in.ports_text = text[MainField::Ports].text;
    in.diameter_text = text[MainField::PortDiameter].text;
    in.length_text = text[MainField::PortLength].text;
    in.wall_text = text[MainField::PortWall].text;
    in.driversize_text = s.main.combo_text;
    in.drivers_text = text[MainField::Drivers].text;
    in.driverdepth_text = text[MainField::DriverDepth].text;
    in.driverdown_text = text[MainField::DriverDown].text;
    in.driversideways_text = text[MainField::DriverSideways].text;
    const ReportStamp stamp = report_stamp(when);
    in.time_text = stamp.time_text;
    in.date_text = stamp.date_text;
    return in;
}

ReportForm::ReportForm(MainForm& main, FormView& view) : main_(main), view_(view) {}

void ReportForm::Form_Load() {
    main_.session.report.reportpath = report_path(main_.session.appdata_folder);
    view_.refresh();
}

void ReportForm::Label4_Click() {
    Session& s = main_.session;
    prepare_cutting_list(s);
    view_.show_modal(Window::Form3);
    s.report.check1_enabled = !s.cutting.show_exact;
    view_.refresh();
}

void ReportForm::open_report() {
    Session& s = main_.session;
    if (s.report.reportpath.empty()) s.report.reportpath = report_path(s.appdata_folder);
    const std::string& path = s.report.reportpath;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        view_.show_message("Report " + path + std::string(kReportMissing));
        return;
    }
    if (!view_.open_file(path)) view_.show_message(std::string(kReportNotOpened) + path);
}

void ReportForm::Command3_Click(std::time_t when) {
    Session& s = main_.session;
    // The cutting-list texts must match the design and unit mode of now,
    // whether or not the list goes into the report.
    do_panels(s.design, s.mode, s.cutting.show_exact, s.cutting.list);
    if (s.report.reportpath.empty()) s.report.reportpath = report_path(s.appdata_folder);
    // The program's folder is made when first needed.
    std::error_code ec;
    if (!s.appdata_folder.empty()) std::filesystem::create_directories(s.appdata_folder, ec);
    if (write_report(s.report.reportpath, report_input(s, when)))
        view_.show_message("Report " + s.report.reportpath + " created");
    else view_.show_message(kReportFailed);
}

}  // namespace enclavio
