// The project file windows (Form2 save, Form5 open).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/folders.hpp"
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
inline constexpr std::string_view kProjectPattern = "*.ecv";
inline constexpr std::string_view kSaveHint =
    "You don't need to specify a file extension - \".ecv\" is added automatically if required";

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

}  // namespace enclavio
