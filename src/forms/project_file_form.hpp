// The project file windows (Form2 save, Form5 open, Form6 create folder).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/main_form.hpp"
#include "forms/session.hpp"
#include "forms/view.hpp"

namespace enclavio {

// Start-up: create the save and open windows on lastfolder.
void files_windows_load(Session& s);
// Before each showing of the save window (name field = project name) and of
// the open window (empty name field); both remember the folder for Cancel and
// clear Session::files.opened and Session::files.saved.
void save_window_prepare(Session& s);
void open_window_prepare(Session& s);

inline constexpr std::string_view kSaveCaption = "Save Project As ...";
inline constexpr std::string_view kOpenCaption = "Open Project";
inline constexpr std::string_view kCreateFolderCaption = "Create Folder";
inline constexpr std::string_view kProjectPattern = "*.ecv";
inline constexpr std::string_view kSaveHint =
    "You don't need to specify a file extension - \".ecv\" is added automatically if required";

// ---- The drive, folder and file lists -----------------------------------------

// Mount points of the real file systems in a /proc/mounts text, the root first,
// then by path; pseudo file systems (proc, sysfs, cgroups ...) are left out.
std::vector<std::string> mounted_volumes(std::string_view mounts_text);
// The mounted volumes of this machine ("/" at least).
std::vector<std::string> drive_list();
// The volume of `drives` that holds `folder` (the longest mount point above it).
std::string drive_of(const std::vector<std::string>& drives, std::string_view folder);

// One line of the folder list: the folders from the root down to the current
// one (open), then the current folder's sub-folders.
struct FolderEntry {
    std::string path;
    std::string name;   // "/" for the root, else the folder's own name
    int level = 0;      // indent
    bool open = false;  // the current folder or one above it
    bool current = false;
    friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};
std::vector<FolderEntry> folder_list(std::string_view folder);
// The project files ("*.ecv") of a folder, sorted; empty when it cannot be read.
std::vector<std::string> project_files(std::string_view folder);

// The folder to write as the settings file's lastfolder: `folder` itself when
// that file gives it back unchanged, else the nearest folder above it that it
// does (a name holding a line break, or bytes that are not UTF-8, would come
// back as a folder that does not exist).
std::string folder_for_settings(std::string_view folder);

// "Create new folder below " + the folder in capitals + " ?"
std::string create_folder_prompt(std::string_view folder);
// A new folder's name is refused when empty or holding one of these.
bool folder_name_allowed(std::string_view name);

// ---- Form2 and Form5 ------------------------------------------------------------

// The handlers of the save window (Form2) and the open window (Form5). A
// handler that returns true asks the window to hide itself.
class FileForm {
public:
    enum class Kind { Save, Open };
    FileForm(MainForm& main, FormView& view, Kind kind);

    Kind kind() const { return kind_; }
    FileWindowState& state();
    const FileWindowState& state() const;

    std::vector<std::string> drives() const { return drive_list(); }
    std::string drive() const;
    std::vector<FolderEntry> folders() const { return folder_list(state().folder); }
    std::vector<std::string> files() const { return project_files(state().folder); }

    void Drive1_Change(const std::string& drive);  // a drive chosen in the list
    void Dir1_Change(const std::string& folder);   // a folder entered in the list
    void File1_Click(const std::string& name);
    bool File1_DblClick(const std::string& name);  // as Command1
    void Text1_Change(std::string text);
    bool Text1_KeyPress(int key);  // Enter presses Command1
    bool Command1_Click();         // "&Save" / "&Open"
    bool Command2_Click();         // "&Cancel"
    void Command3_Click();         // "Create folder" (save window)

private:
    bool save();
    bool open();
    FileWindowState& other();

    MainForm& main_;
    FormView& view_;
    Kind kind_;
};

// ---- Form6 ----------------------------------------------------------------------

// The create-folder window: its name field is Session::files.new_folder_name,
// which holds the returned name once the window is hidden.
class CreateFolderForm {
public:
    CreateFolderForm(Session& s, FormView& view);
    void Text1_Change(std::string text);
    bool Text1_KeyPress(int key);  // Enter presses "&OK"
    bool Command1_Click();         // "&OK": the name is returned
    bool Command2_Click();         // "&Cancel": the empty name is returned

private:
    Session& s_;
    FormView& view_;
};

}  // namespace enclavio
