// The project file: 24 lines by position, lengths in millimetres, the volume
// in litres, eight notes lines at the end.
#include "storage/project.hpp"

#include <cmath>

#include "units/units.hpp"

namespace enclavio {

namespace {

constexpr int kProjectLines = 24;
// Named values after the fixed lines; a file with more is damaged or not a project.
constexpr std::size_t kMaxExtraLines = 1000;
constexpr std::string_view kCrLf = "\r\n";

// Absolute value of a stored number's leading numeric text.
double stored_number(const std::string& line) { return std::fabs(numeric_value(line)); }

}  // namespace

std::optional<ProjectPath> project_path(std::string_view folder, std::string_view typed_name) {
    if (typed_name.empty() || typed_name == ".") return std::nullopt;
    std::string_view name = typed_name.substr(0, typed_name.find('.'));
    ProjectPath result;
    result.filename = std::string(name) + ".ecv";
    result.path = join_path(folder, result.filename);
    return result;
}

std::string general_number_text(double value) { return plain_text(value); }

std::string project_file_text(const ProjectData& p) {
    std::string text;
    const auto number = [&](double v) {
        text += general_number_text(v);
        text += kCrLf;
    };
    const auto line = [&](std::string_view s) {
        text += file_line(s);
        text += kCrLf;
    };
    number(p.boxdepth);
    number(p.boxwidth);
    number(p.boxheight);
    number(p.boxvol);
    number(p.driverdepth);
    number(p.driverdown);
    number(p.driversideways);
    line(p.drivers_text);
    number(p.portlength);
    number(p.portdiameter);
    number(p.portwallthickness);
    number(p.boxthickness);
    line(p.ports_text);
    line(p.driversize_text);
    line(p.doublefront ? "double" : "single");
    line(p.flange_word);
    for (const auto& note : p.notes) line(note);
    text += key_value_text(p.extra);
    return text;
}

ProjectData parse_project_text(std::string_view bytes) {
    auto lines = split_lines(from_file_encoding(bytes), kProjectLines + kMaxExtraLines);
    ProjectData p;
    if (lines.size() > kProjectLines) p.extra = parse_key_values({lines.begin() + kProjectLines, lines.end()});
    lines.resize(kProjectLines);  // a short file reads its missing lines as empty
    p.boxdepth = stored_number(lines[0]);
    p.boxwidth = stored_number(lines[1]);
    p.boxheight = stored_number(lines[2]);
    p.boxvol = stored_number(lines[3]);
    p.driverdepth = stored_number(lines[4]);
    p.driverdown = stored_number(lines[5]);
    p.driversideways = stored_number(lines[6]);
    p.drivers_text = lines[7];
    p.portlength = stored_number(lines[8]);
    p.portdiameter = stored_number(lines[9]);
    p.portwallthickness = stored_number(lines[10]);
    p.boxthickness = stored_number(lines[11]);
    p.ports_text = lines[12];
    p.driversize_text = lines[13];
    p.doublefront = lines[14] == "double";
    p.flange_word = lines[15];
    for (std::size_t i = 0; i < p.notes.size(); ++i) p.notes[i] = lines[16 + i];
    return p;
}

WriteResult write_project(const std::string& path, const ProjectData& p) {
    return write_file_atomically(path, to_file_encoding(project_file_text(p)));
}

std::optional<ProjectData> read_project(const std::string& path) {
    const auto bytes = read_file_start(path, kMaxTextFileBytes);
    if (!bytes) return std::nullopt;
    return parse_project_text(*bytes);
}

}  // namespace enclavio
