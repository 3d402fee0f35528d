// The project file windows: Form2 (save), Form5 (open) and Form6 (create folder).
#include "forms/files_form.hpp"

#include <filesystem>
#include <system_error>

namespace enclavio {

namespace fs = std::filesystem;

namespace {

bool is_folder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

std::string current_folder() {
    std::error_code ec;
    const fs::path p = fs::current_path(ec);
    return ec ? std::string("/") : p.string();
}

// Moves a window's folder list to `path`; a folder that cannot be reached is
// ignored and the list stays where it was.
void go_to(FileWindowState& w, const std::string& path) {
    if (is_folder(path)) w.folder = path;
}

}  // namespace

void files_windows_load(Session& s) {
    for (FileWindowState* w : {&s.files.save, &s.files.open}) {
        w->folder = current_folder();
        go_to(*w, s.lastfolder);
        w->saved_folder = w->folder;
    }
    s.files.save.name = "default";
    s.files.open.name.clear();
}

void save_window_prepare(Session& s) {
    s.files.save.name = s.projectname;
    s.files.save.saved_folder = s.files.save.folder;
    s.files.opened = false;
}

void open_window_prepare(Session& s) {
    s.files.open.name.clear();
    s.files.open.saved_folder = s.files.open.folder;
    s.files.opened = false;
}

}  // namespace enclavio
