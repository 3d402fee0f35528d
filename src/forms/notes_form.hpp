// frmComments, "Notes for this project": eight lines of notes kept with the
// project. The lines live in Session::notes; the main window's notes picture
// follows them at "&OK".
#pragma once

#include <string>
#include <string_view>

#include "forms/main_form.hpp"
#include "forms/view.hpp"

namespace enclavio {

inline constexpr std::string_view kNotesCaption = "Notes for this project";
inline constexpr int kNotesLines = 8;

class NotesForm {
public:
    NotesForm(MainForm& main, FormView& view);

    // Text1..Text8 (n = 1..8) edited by the user.
    void Text_Change(int n, std::string text);
    // "&OK": updates the notes picture; the window hides itself afterwards.
    bool Command1_Click();
    // "&Clear": empties the eight lines; the window stays open.
    void Command2_Click();
    // Closed by the window frame: as "&OK", since the edits stay anyway.
    bool Form_Close() { return Command1_Click(); }

    // The text of line n (1..8).
    const std::string& line(int n) const;

private:
    MainForm& main_;
    FormView& view_;
};

}  // namespace enclavio
