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
#include "storage/key_values.hpp"
#include "units/units.hpp"

namespace enclavio {

// ---- Files -------------------------------------------------------------------
// The outcome of a write: whether it succeeded, and if not, why, in a few
// words for a message ("Permission denied", "not a regular file").
struct WriteResult {
    bool ok = false;
    std::string reason;
    explicit operator bool() const { return ok; }
};
// Every temporary file a save makes starts with this, so one left behind by a
// crash is easy to recognise (and safe to delete).
inline constexpr std::string_view kTemporaryPrefix = ".enclavio-tmp-";
// Saves the bytes at `path` without ever leaving it half written, and without
// changing what the user could not change by hand:
// - A regular file (or a symbolic link to one, or a link to a name that does
//   not exist yet) is written as a temporary file in the same folder, with the
//   replaced file's mode, owner and group, flushed to the disk, and renamed
//   over the old name; the folder is flushed after the rename.
// - A file the user may not write to is refused, as the user's own tools
//   would refuse it. A writable file in a folder the user may not change is
//   written in place (truncated, then written) instead.
// - A character device or a FIFO is written into as it stands (a FIFO that no
//   program reads fails at once rather than waiting); folders, block devices
//   and sockets are refused. Nothing but a regular file is ever replaced.
WriteResult write_file_atomically(const std::string& path, std::string_view bytes);
// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> read_whole_file(const std::string& path);
// At most the first `max_bytes` of the file, or nothing when it cannot be read.
// Only regular files are read: a folder, FIFO, device or socket gives nothing
// at once, never a read that waits for a writer.
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
    // Named values after line 24 (the driver's parameters, ...); a project
    // without them is written as exactly 24 lines.
    KeyValues extra;
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

std::string project_file_text(const ProjectData& p);     // 24 lines, CR LF, then the named values
ProjectData parse_project_text(std::string_view bytes);  // tolerant: missing lines are empty
WriteResult write_project(const std::string& path, const ProjectData& p);
std::optional<ProjectData> read_project(const std::string& path);  // empty if it cannot be opened

// ---- The program's folder -----------------------------------------------------
// Where both programs keep enclavio.ini and report.txt: $XDG_DATA_HOME/Enclavio
// when XDG_DATA_HOME is an absolute path, else $HOME/.local/share/Enclavio;
// empty when there is no home folder either. The bytes of both are kept as
// they are, so a home folder whose name is not UTF-8 is the same folder here.
std::string data_folder(std::string_view xdg_data_home, std::string_view home);
// The home folder of this process: $HOME, else the user's entry in the
// password database, else "/".
std::string home_folder_from_environment();
// data_folder of this process's environment.
std::string data_folder_from_environment();

// ---- Settings file (enclavio.ini, 6 lines) -----------------------------------
std::string settings_path(std::string_view folder);
// Earlier builds of the desktop program kept enclavio.ini one folder deeper,
// in folder + "/Enclavio". The settings file start-up reads: the one in
// `folder`, or the earlier one when only that exists. The settings are always
// saved in `folder`, so the earlier file is read once and left where it is.
std::string settings_path_to_read(std::string_view folder);
// The lines as read; a line the file does not have is empty (nullopt).
struct LoadedSettings {
    std::optional<std::string> lastfolder, flange, range, shownums, highlight, units;
    KeyValues extra;  // named values after line 6
};
// A path that is not a regular file (a FIFO, a folder) is read as no file.
LoadedSettings load_settings(const std::string& path);

struct SettingsToSave {
    std::string lastfolder;
    Flange flange = Flange::One;
    int range = 1000;
    bool shownums = false;
    bool highlight = true;
    UnitMode mode = UnitMode::Metric;
    KeyValues extra;  // written after the six lines
};
std::string settings_file_text(const SettingsToSave& s);
// Makes the folder when needed and writes the file; a settings path that
// exists but is not a regular file is left alone (and reported as a failure).
WriteResult save_settings(const std::string& path, const SettingsToSave& s);

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
