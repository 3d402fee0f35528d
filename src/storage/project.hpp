// Project files (.ecv): 24 lines, then named values.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "storage/files.hpp"
#include "storage/key_values.hpp"

namespace enclavio {

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

}  // namespace enclavio
