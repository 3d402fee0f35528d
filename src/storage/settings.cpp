// The settings file enclavio.ini: six lines by position in the program's folder.
#include <filesystem>
#include <system_error>

#include "storage/storage.hpp"

namespace enclavio {

std::string settings_path(std::string_view folder) { return join_path(folder, "enclavio.ini"); }

LoadedSettings load_settings(const std::string& path) {
    LoadedSettings s;
    const auto bytes = read_file_start(path, kMaxTextFileBytes);
    if (!bytes) return s;
    std::optional<std::string>* slots[] = {&s.lastfolder, &s.flange, &s.range, &s.shownums, &s.highlight, &s.units};
    const auto lines = split_lines(from_file_encoding(*bytes), std::size(slots));
    for (std::size_t i = 0; i < std::size(slots) && i < lines.size(); ++i) *slots[i] = lines[i];
    return s;
}

std::string settings_file_text(const SettingsToSave& s) {
    std::string text;
    const auto line = [&](std::string_view v) {
        text += file_line(v);
        text += "\r\n";
    };
    line(s.lastfolder);
    line(flange_word(s.flange));
    line(s.range == 2000 ? "2000" : "1000");
    line(s.shownums ? "show" : "noshow");
    line(s.highlight ? "highlight" : "nohighlight");
    line(unit_mode_literal(s.mode));
    return text;
}

bool save_settings(const std::string& path, const SettingsToSave& s) {
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) {
        std::error_code ec;
        std::filesystem::create_directories(path.substr(0, slash), ec);
    }
    return write_file_atomically(path, to_file_encoding(settings_file_text(s)));
}

}  // namespace enclavio
