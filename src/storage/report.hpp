// The text report (report.txt).
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "cutting/cutting.hpp"
#include "storage/files.hpp"

namespace enclavio {

inline constexpr std::string_view kSiteUrl = "https://enclavio.example.org/";
inline constexpr std::string_view kDownloadUrl = "https://enclavio.example.org/freesoft.htm";
inline constexpr std::string_view kEmail = "feedback@enclavio.example.org";
// The closing lines of both programs' --help: where to report bugs, and the home page.
std::string help_contact_lines();

std::string report_path(std::string_view folder);

// Everything the report copies, exactly as the windows show it: the field
// texts as typed or shown, the result lines as captioned.
struct ReportInput {
    std::string projectname;
    std::array<std::string, 8> notes;
    // The optional sections chosen (notes only when there are any).
    bool include_notes = true;
    bool include_cutting = true;
    bool include_hints = true;  // only offered with the trimming allowance
    bool include_resonances = true;
    bool include_ports = true;
    bool include_driver = true;
    CuttingList cutting;  // after do_panels
    bool show_exact = true;
    std::array<std::string, kPanelCount> hints;  // each panel's trimming hint (empty for exact sizes)
    std::string volume_text;                     // the internal volume
    std::string unitsuffix, volumesuffix;
    std::string ports_and_bracing_line, driver_and_total_line, working_volume_line, tuning_line;
    std::array<std::string, 9> resonances;  // captions (1)..(9)
    std::string ports_text, diameter_text, length_text, wall_text;
    std::string driversize_text, drivers_text;
    std::string driverdepth_text, driverdown_text, driversideways_text;
    std::string time_text;  // "hh:mm:ss"
    std::string date_text;  // "mm-dd-yyyy"
};
// The report's two volume lines, also printed on the workshop sheet.
std::string internal_volume_line(const ReportInput& in);
std::string component_volumes_line(const ReportInput& in);

// The report's lines joined by `line_end` (each line, the last included, ends with it).
std::string compose_report(const ReportInput& in, std::string_view line_end = "\r\n");
// The report as a file holds it: CR LF line ends, in UTF-8 (project and
// settings files keep their own encoding rule).
std::string report_file_bytes(const ReportInput& in);
// Writes report_file_bytes with write_file_atomically. On failure an earlier
// report at `path` is left as it was.
WriteResult write_report(const std::string& path, const ReportInput& in);
// Local time of `when` as the report's footer shows it: "hh:mm:ss" (24-hour)
// and "mm-dd-yyyy".
struct ReportStamp {
    std::string time_text, date_text;
};
ReportStamp report_stamp(std::time_t when);

}  // namespace enclavio
