// The project file windows: Form2 (save) and Form5 (open).
#include "forms/project_file_form.hpp"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "forms/folders.hpp"
#include "forms/project_io.hpp"
#include "storage/files.hpp"
#include "storage/project.hpp"

namespace enclavio {

namespace fs = std::filesystem;

namespace {

constexpr int kEnter = 13;

// Moves a window's folder list to `path`; a folder that cannot be reached is
// ignored and the list stays where it was.
bool go_to(FileWindowState& w, std::string_view path) {
    if (path.empty()) return false;
    std::string folder = normal_folder(path);
    if (!can_enter(folder)) return false;
    w.folder = std::move(folder);
    return true;
}

}  // namespace

// ---- Start-up and preparation ----------------------------------------------------

void files_windows_load(Session& s) {
    for (FileWindowState* w : {&s.files.save, &s.files.open}) {
        w->folder = working_folder();
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
    s.files.saved = false;
}

void open_window_prepare(Session& s) {
    s.files.open.name.clear();
    s.files.open.saved_folder = s.files.open.folder;
    s.files.opened = false;
}

// ---- Form2 and Form5 ---------------------------------------------------------------

FileForm::FileForm(MainForm& main, FormView& view, Kind kind) : main_(main), view_(view), kind_(kind) {}

FileWindowState& FileForm::state() { return kind_ == Kind::Save ? main_.s.files.save : main_.s.files.open; }
const FileWindowState& FileForm::state() const { return kind_ == Kind::Save ? main_.s.files.save : main_.s.files.open; }
FileWindowState& FileForm::other() { return kind_ == Kind::Save ? main_.s.files.open : main_.s.files.save; }

std::string FileForm::drive() const { return drive_of(drive_list(), state().folder); }

void FileForm::Drive1_Change(const std::string& drive) {
    if (drive == this->drive()) return;
    // A drive that cannot be read leaves the folder list where it was.
    if (go_to(state(), drive)) view_.refresh();
}

void FileForm::Dir1_Change(const std::string& folder) {
    if (go_to(state(), folder)) view_.refresh();
}

// Only the name field changes; the lists stay as they are, so a double click
// that follows lands on the item the first click chose.
void FileForm::File1_Click(const std::string& name) { state().name = name; }

bool FileForm::File1_DblClick(const std::string& name) {
    File1_Click(name);
    return Command1_Click();
}

void FileForm::Text1_Change(std::string text) { state().name = std::move(text); }

bool FileForm::Text1_KeyPress(int key) { return key == kEnter && Command1_Click(); }

bool FileForm::Command1_Click() { return kind_ == Kind::Save ? save() : open(); }

bool FileForm::save() {
    Session& s = main_.s;
    FileWindowState& w = state();
    const auto where = project_path(w.folder, w.name);
    if (!where) return false;  // no usable name: nothing happens
    if (!write_project(where->path, project_from_session(s))) {
        view_.show_message("Unable to save " + where->path);
        return false;
    }
    s.projectpath = where->path;
    s.lastfolder = w.folder;
    s.projectname = where->filename;
    s.main.caption = main_caption(s.projectname);
    s.files.saved = true;
    go_to(other(), w.folder);
    return true;
}

bool FileForm::open() {
    FileWindowState& w = state();
    const auto where = project_path(w.folder, w.name);
    if (!where) {
        view_.show_message("Bad file name");
        return false;
    }
    const auto data = read_project(where->path);
    if (!data) {
        view_.show_message("Unable to open " + where->path);
        return false;
    }
    load_project(main_, *data, *where);
    return true;
}

bool FileForm::Command2_Click() {
    go_to(state(), state().saved_folder);
    return true;
}

void FileForm::Command3_Click() {
    if (kind_ != Kind::Save) return;
    Session& s = main_.s;
    FileWindowState& w = state();
    s.files.new_folder_prompt = create_folder_prompt(w.folder);
    s.files.new_folder_name.clear();
    view_.show_modal(Window::Form6);

    const std::string name = s.files.new_folder_name;
    if (!folder_name_allowed(name)) return;  // refused without a word
    const std::string path = join_path(w.folder, name);
    std::error_code ec;
    if (!fs::create_directory(path, ec) || ec) {
        view_.show_message("Unable to Create Directory " + path);
        return;
    }
    go_to(w, path);
    w.saved_folder = w.folder;  // a later Cancel stays in the new folder
    go_to(other(), w.folder);
    view_.refresh();
}

}  // namespace enclavio
