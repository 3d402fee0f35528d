// Project files, the settings file and the text report. Everything here works
// on plain records and paths; nothing reads a window.
#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis.hpp"
#include "cutting/cutting.hpp"
#include "units/units.hpp"

namespace enclavio {

// ---- Files -------------------------------------------------------------------
// Writes the bytes to a temporary file beside `path` and renames it over `path`,
// so a failure never leaves a half-written file. False on any failure.
bool write_file_atomically(const std::string& path, std::string_view bytes);
// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> read_whole_file(const std::string& path);
// At most the first `max_bytes` of the file, or nothing when it cannot be read.
// The project and settings readers look at no more than kMaxTextFileBytes:
// their lines are short, and a large file opened by mistake must not fill memory.
inline constexpr std::size_t kMaxTextFileBytes = 4u << 20;
std::optional<std::string> read_file_start(const std::string& path, std::size_t max_bytes);
// Splits text into lines; a line ends at CR, CR LF or LF. At most `max_lines`
// are taken: a reader that needs a few lines never builds millions of them.
std::vector<std::string> split_lines(std::string_view text, std::size_t max_lines = static_cast<std::size_t>(-1));
// Texts are held as UTF-8. Files get Windows-1252 when every character fits,
// otherwise UTF-8; reading takes valid UTF-8 as it is (without a leading
// byte-order mark), anything else as 1252.
std::string to_file_encoding(std::string_view utf8);
std::string from_file_encoding(std::string_view bytes);
// A text as one line of a line-by-line file: each run of CR/LF becomes a blank,
// so a stray line break cannot shift the later lines onto other fields.
std::string file_line(std::string_view text);
// folder + "/" + name, without doubling the separator of a root such as "/".
std::string join_path(std::string_view folder, std::string_view name);

// ---- Project file (.ecv, 24 lines) -------------------------------------------
struct ProjectData {
    double boxdepth = 0, boxwidth = 0, boxheight = 0, boxvol = 0;    // lines 1-4
    double driverdepth = 0, driverdown = 0, driversideways = 0;      // lines 5-7
    std::string drivers_text;                                        // line 8 (Text10)
    double portlength = 0, portdiameter = 0, portwallthickness = 0;  // lines 9-11
    double boxthickness = 0;                                         // line 12
    std::string ports_text;                                          // line 13 (Text5)
    std::string driversize_text;                                     // line 14 (Combo1)
    bool doublefront = false;                                        // line 15 "double"/"single"
    std::string flange_word;                                         // line 16
    std::array<std::string, 8> notes;                                // lines 17-24
    friend bool operator==(const ProjectData&, const ProjectData&) = default;
};

struct ProjectPath {
    std::string filename;  // "box.ecv"
    std::string path;      // folder + "/" + filename
};
// Empty when the typed name is empty or exactly ".". Everything from the first
// "." on is dropped, then ".ecv" is added.
std::optional<ProjectPath> project_path(std::string_view folder, std::string_view typed_name);

// General decimal form of a stored number: up to 15 significant digits, "0.5",
// "400", "323.85", exponent form ("1E+15") only where plain notation fails.
std::string general_number_text(double value);

std::string project_file_text(const ProjectData& p);     // 24 lines, CR LF
ProjectData parse_project_text(std::string_view bytes);  // tolerant: missing lines are empty
bool write_project(const std::string& path, const ProjectData& p);
std::optional<ProjectData> read_project(const std::string& path);  // empty if it cannot be opened

// ---- Settings file (enclavio.ini, 6 lines) -----------------------------------
std::string settings_path(std::string_view folder);
// The lines as read; a line the file does not have is empty (nullopt).
struct LoadedSettings {
    std::optional<std::string> lastfolder, flange, range, shownums, highlight, units;
};
LoadedSettings load_settings(const std::string& path);

struct SettingsToSave {
    std::string lastfolder;
    Flange flange = Flange::One;
    int range = 1000;
    bool shownums = false;
    bool highlight = true;
    UnitMode mode = UnitMode::Metric;
};
std::string settings_file_text(const SettingsToSave& s);
bool save_settings(const std::string& path, const SettingsToSave& s);

// ---- Report (report.txt) -----------------------------------------------------
inline constexpr std::string_view kSiteUrl = "https://enclavio.example.org/";
inline constexpr std::string_view kDownloadUrl = "https://enclavio.example.org/freesoft.htm";
inline constexpr std::string_view kEmail = "feedback@enclavio.example.org";

std::string report_path(std::string_view folder);

// Everything the report copies, exactly as the windows show it.
struct ReportInput {
    std::string projectname;
    std::array<std::string, 8> notes;
    bool include_notes = true;       // Check6 enabled and checked
    bool include_cutting = true;     // Check3
    bool include_hints = true;       // Check1 checked
    bool include_resonances = true;  // Check2
    bool include_ports = true;       // Check4
    bool include_driver = true;      // Check5
    CuttingList cutting;             // after do_panels
    bool show_exact = true;
    std::array<std::string, kPanelCount> hints;  // tool tips of Label1..Label8 (empty in exact mode)
    std::string volume_text;                     // Text9
    std::string unitsuffix, volumesuffix;
    std::string label6, label28, label26, label27;
    std::array<std::string, 9> resonances;                               // captions (1)..(9)
    std::string ports_text, diameter_text, length_text, wall_text;       // Text5, Text2, Text1, Text3
    std::string driversize_text, drivers_text;                           // Combo1, Text10
    std::string driverdepth_text, driverdown_text, driversideways_text;  // Text11, Text12, Text13
    std::string time_text;                                               // "hh:mm:ss"
    std::string date_text;                                               // "mm-dd-yyyy"
};
// The report's lines joined by `line_end` (each line, the last included, ends with it).
std::string compose_report(const ReportInput& in, std::string_view line_end = "\r\n");
// Writes the report with CR LF line ends, atomically. False on any failure; an
// earlier report at `path` is then left as it was.
bool write_report(const std::string& path, const ReportInput& in);
// Local time of `when` as the report's footer shows it: "hh:mm:ss" (24-hour)
// and "mm-dd-yyyy".
struct ReportStamp {
    std::string time_text, date_text;
};
ReportStamp report_stamp(std::time_t when);

}  // namespace enclavio
