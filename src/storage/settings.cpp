// The settings file enclavio.ini: six lines by position in the program's folder.
#include "storage/settings.hpp"

#include <filesystem>
#include <system_error>

namespace enclavio {

namespace fs = std::filesystem;

std::string settings_path(std::string_view folder) { return join_path(folder, "enclavio.ini"); }

std::string settings_path_to_read(std::string_view folder) {
    const std::string path = settings_path(folder);
    std::error_code ec;
    // Anything at the new place, even something unreadable, is the user's
    // settings file from now on.
    if (fs::exists(fs::symlink_status(path, ec)) || folder.empty()) return path;
    const std::string earlier = settings_path(join_path(folder, "Enclavio"));
    return fs::is_regular_file(earlier, ec) ? earlier : path;
}

LoadedSettings load_settings(const std::string& path) {
    LoadedSettings s;
    const auto bytes = read_file_start(path, kMaxTextFileBytes);
    if (!bytes) return s;
    std::optional<std::string>* slots[] = {&s.lastfolder, &s.flange, &s.range, &s.shownums, &s.highlight, &s.units};
    // The six lines by position, then up to a thousand named values.
    const auto lines = split_lines(from_file_encoding(*bytes), std::size(slots) + 1000);
    for (std::size_t i = 0; i < std::size(slots) && i < lines.size(); ++i) *slots[i] = lines[i];
    if (lines.size() > std::size(slots)) s.extra = parse_key_values({lines.begin() + std::size(slots), lines.end()});
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
    text += key_value_text(s.extra);
    return text;
}

WriteResult save_settings(const std::string& path, const SettingsToSave& s) {
    std::error_code ec;
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) fs::create_directories(path.substr(0, slash), ec);
    // A FIFO or device at the settings path was never read; it is not written either.
    if (const auto status = fs::status(path, ec); fs::exists(status) && !fs::is_regular_file(status))
        return {false, "not a regular file"};
    return write_file_atomically(path, to_file_encoding(settings_file_text(s)));
}

}  // namespace enclavio
