// Project files (.ecv): 24 lines, then named values.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "design/design.hpp"
#include "storage/files.hpp"
#include "storage/key_values.hpp"

namespace enclavio {

struct ProjectData {
    // Which line holds what: kProjectLines below.
    double boxdepth = 0, boxwidth = 0, boxheight = 0, boxvol = 0;
    double driverdepth = 0, driverdown = 0, driversideways = 0;
    std::string drivers_text;
    double portlength = 0, portdiameter = 0, portwallthickness = 0;
    double boxthickness = 0;
    std::string ports_text;
    std::string driversize_text;
    bool doublefront = false;
    std::string flange_word;
    std::array<std::string, 8> notes;
    // Named values after line 24 (the driver's parameters, ...); a project
    // without them is written as exactly 24 lines.
    KeyValues extra;
    friend bool operator==(const ProjectData&, const ProjectData&) = default;
};

// What one of the 24 lines holds, and so how it is written and read.
enum class ProjectLineKind {
    Number,       // a design value in mm (litres for the volume): general number form; read as the
                  // absolute value of its leading number, 0 where it has none
    DriverCount,  // the number of drivers as typed, verbatim
    PortCount,    // the number of ports as typed, verbatim
    DriverSize,   // the driver size as shown, verbatim
    Front,        // "double" for a double front, otherwise "single"; read as double only when exactly "double"
    PortEnds,     // the port-end word, verbatim
    Note,         // one line of the notes, verbatim
};

struct ProjectLine {
    ProjectLineKind kind;
    double ProjectData::*number = nullptr;     // Number: where the project holds the value
    double BoxDesign::*design = nullptr;       // Number: the design value the line stores
    std::string ProjectData::*text = nullptr;  // DriverCount, PortCount, DriverSize, PortEnds
    std::size_t note = 0;                      // Note: which line of the notes
};

inline constexpr std::size_t kProjectLineCount = 24;

// The project file's lines in their order: line n is kProjectLines[n - 1]. The
// writer, the reader and the session's save and load all follow it.
inline constexpr std::array<ProjectLine, kProjectLineCount> kProjectLines = {{
    {ProjectLineKind::Number, &ProjectData::boxdepth, &BoxDesign::boxdepth},
    {ProjectLineKind::Number, &ProjectData::boxwidth, &BoxDesign::boxwidth},
    {ProjectLineKind::Number, &ProjectData::boxheight, &BoxDesign::boxheight},
    {ProjectLineKind::Number, &ProjectData::boxvol, &BoxDesign::boxvol},
    {ProjectLineKind::Number, &ProjectData::driverdepth, &BoxDesign::driverdepth},
    {ProjectLineKind::Number, &ProjectData::driverdown, &BoxDesign::driverdown},
    {ProjectLineKind::Number, &ProjectData::driversideways, &BoxDesign::driversideways},
    {ProjectLineKind::DriverCount, nullptr, nullptr, &ProjectData::drivers_text},
    {ProjectLineKind::Number, &ProjectData::portlength, &BoxDesign::portlength},
    {ProjectLineKind::Number, &ProjectData::portdiameter, &BoxDesign::portdiameter},
    {ProjectLineKind::Number, &ProjectData::portwallthickness, &BoxDesign::portwallthickness},
    {ProjectLineKind::Number, &ProjectData::boxthickness, &BoxDesign::boxthickness},
    {ProjectLineKind::PortCount, nullptr, nullptr, &ProjectData::ports_text},
    {ProjectLineKind::DriverSize, nullptr, nullptr, &ProjectData::driversize_text},
    {ProjectLineKind::Front},
    {ProjectLineKind::PortEnds, nullptr, nullptr, &ProjectData::flange_word},
    {ProjectLineKind::Note, nullptr, nullptr, nullptr, 0},
    {ProjectLineKind::Note, nullptr, nullptr, nullptr, 1},
    {ProjectLineKind::Note, nullptr, nullptr, nullptr, 2},
    {ProjectLineKind::Note, nullptr, nullptr, nullptr, 3},
    {ProjectLineKind::Note, nullptr, nullptr, nullptr, 4},
    {ProjectLineKind::Note, nullptr, nullptr, nullptr, 5},
    {ProjectLineKind::Note, nullptr, nullptr, nullptr, 6},
    {ProjectLineKind::Note, nullptr, nullptr, nullptr, 7},
}};

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

}  // namespace enclavio
