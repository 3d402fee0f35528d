// The project file: 24 lines by position, lengths in millimetres, the volume
// in litres, eight notes lines at the end.
#include "storage/project.hpp"

#include <cmath>

#include "units/units.hpp"

namespace enclavio {

namespace {

// Named values after the fixed lines; a file with more is damaged or not a project.
constexpr std::size_t kMaxExtraLines = 1000;
constexpr std::string_view kCrLf = "\r\n";

// Absolute value of a stored number's leading numeric text.
double stored_number(const std::string& line) { return std::fabs(numeric_value(line)); }

// One line of the file for `line`, without its line end.
std::string line_text(const ProjectData& p, const ProjectLine& line) {
    switch (line.kind) {
        case ProjectLineKind::Number: return general_number_text(p.*line.number);
        case ProjectLineKind::Front: return p.doublefront ? "double" : "single";
        case ProjectLineKind::Note: return file_line(p.notes[line.note]);
        case ProjectLineKind::DriverCount:
        case ProjectLineKind::PortCount:
        case ProjectLineKind::DriverSize:
        case ProjectLineKind::PortEnds: return file_line(p.*line.text);
    }
    return {};
}

// Puts what the file's `text` says for `line` into `p`.
void read_line(ProjectData& p, const ProjectLine& line, const std::string& text) {
    switch (line.kind) {
        case ProjectLineKind::Number: p.*line.number = stored_number(text); return;
        case ProjectLineKind::Front: p.doublefront = text == "double"; return;
        case ProjectLineKind::Note: p.notes[line.note] = text; return;
        case ProjectLineKind::DriverCount:
        case ProjectLineKind::PortCount:
        case ProjectLineKind::DriverSize:
        case ProjectLineKind::PortEnds: p.*line.text = text; return;
    }
}

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
    for (const ProjectLine& line : kProjectLines) {
        text += line_text(p, line);
        text += kCrLf;
    }
    text += key_value_text(p.extra);
    return text;
}

ProjectData parse_project_text(std::string_view bytes) {
    auto lines = split_lines(from_file_encoding(bytes), kProjectLineCount + kMaxExtraLines);
    ProjectData p;
    if (lines.size() > kProjectLineCount) p.extra = parse_key_values({lines.begin() + kProjectLineCount, lines.end()});
    lines.resize(kProjectLineCount);  // a short file reads its missing lines as empty
    for (std::size_t n = 0; n < kProjectLineCount; ++n) read_line(p, kProjectLines[n], lines[n]);
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
