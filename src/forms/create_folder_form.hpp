// Form6 "Create Folder", opened from the save window.
#pragma once

#include <string>
#include <string_view>

#include "forms/session.hpp"
#include "forms/view.hpp"

namespace enclavio {

inline constexpr std::string_view kCreateFolderCaption = "Create Folder";

// The create-folder window: its name field is Session::files.new_folder_name,
// which holds the returned name once the window is hidden.
class CreateFolderForm {
public:
    CreateFolderForm(Session& s, FormView& view);
    void Text1_Change(std::string text);
    bool Text1_KeyPress(int key);  // Enter presses "&OK"
    bool Command1_Click();         // "&OK": the name is returned
    bool Command2_Click();         // "&Cancel": the empty name is returned

    const std::string& prompt() const { return s_.files.new_folder_prompt; }  // Label1
    const std::string& name() const { return s_.files.new_folder_name; }      // Text1

private:
    Session& s_;
    FormView& view_;
};

}  // namespace enclavio
