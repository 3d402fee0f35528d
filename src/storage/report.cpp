// The plain-text report: copies of the texts the windows show, in a fixed
// order under fixed headings.
#include "storage/report.hpp"

#include <ctime>

namespace enclavio {

std::string help_contact_lines() {
    return "Report bugs to: " + std::string(kEmail) + "\nEnclavio home page: <" + std::string(kSiteUrl) + ">\n";
}

namespace {

const std::string kRule(92, '-');
const std::string kShortRule(35, '-');

}  // namespace

std::string report_path(std::string_view folder) { return join_path(folder, "report.txt"); }

std::string internal_volume_line(const ReportInput& in) {
    return "Internal Volume: " + in.volume_text + in.volumesuffix + "   " + in.working_volume_line + "   " +
           in.tuning_line;
}

std::string component_volumes_line(const ReportInput& in) {
    return "Component volumes: " + in.ports_and_bracing_line + "   " + in.driver_and_total_line;
}

std::string compose_report(const ReportInput& in, std::string_view line_end) {
    std::string out;
    const auto line = [&](std::string_view text = {}) {
        out += text;
        out += line_end;
    };
    const std::string& unit = in.unitsuffix;
    const CuttingList& cut = in.cutting;

    line("Enclavio report for project: " + in.projectname);
    line(kRule);
    line();

    if (in.include_notes) {
        for (const auto& note : in.notes)
            if (!note.empty()) line(note);
        line();
        line();
    }

    line(cut.finished_line);
    line();
    line(internal_volume_line(in));
    line();
    line(component_volumes_line(in));
    line();
    line();

    if (in.include_cutting) {
        line("Cutting List");
        line(kRule);
        line(list_heading(cut, in.show_exact, unit));
        line();
        const bool with_hints = in.include_hints && !in.show_exact;
        for (int i = 0; i < kPanelCount; ++i) {
            if (with_hints) line(in.hints[i]);
            line(cut.panel_lines[i]);
            line();
        }
        if (with_hints) line();  // the shelf-brace note has no hint
        line(cut.brace_note);
        line();
        line();
    }

    if (in.include_resonances) {
        line("Resonances");
        line(kRule);
        for (const auto& caption : in.resonances) {
            line();
            line(caption);
        }
        line();
        line();
    }

    if (in.include_ports) {
        line("Port details");
        line(kRule);
        line("Number of ports: " + in.ports_text);
        line("Internal Diameter: " + in.diameter_text + unit);
        line("Length: " + in.length_text + unit);
        line("Wall Thickness: " + in.wall_text + unit);
        line();
        line();
    }

    if (in.include_driver) {
        line("Driver details");
        line(kRule);
        line("Driver size: " + in.driversize_text);
        line("Number of Drivers: " + in.drivers_text);
        line();
        line("Location of acoustic centre");
        line(kShortRule);
        line("Box front to mid-depth of cone: " + in.driverdepth_text + unit);
        line("Box top to driver centre: " + in.driverdown_text + unit);
        line("Offset from vertical centreline: " + in.driversideways_text + unit);
        line();
        line();
    }

    line(kRule);
    line("Report generated at:  " + in.time_text + " on " + in.date_text + " from Enclavio Version:" + kVersion);
    line("The latest version of Enclavio is available at " + std::string(kDownloadUrl));
    return out;
}

// The report is read in editors and terminals that expect UTF-8, the
// encoding its texts are held in; no byte-order mark.
std::string report_file_bytes(const ReportInput& in) { return compose_report(in, "\r\n"); }

WriteResult write_report(const std::string& path, const ReportInput& in) {
    return write_file_atomically(path, report_file_bytes(in));
}

ReportStamp report_stamp(std::time_t when) {
    std::tm local{};
    if (const std::tm* t = std::localtime(&when)) local = *t;
    char time_text[32] = "", date_text[32] = "";
    std::strftime(time_text, sizeof time_text, "%H:%M:%S", &local);
    std::strftime(date_text, sizeof date_text, "%m-%d-%Y", &local);
    return {time_text, date_text};
}

}  // namespace enclavio
