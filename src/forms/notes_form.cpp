#include "forms/notes_form.hpp"

namespace enclavio {

NotesForm::NotesForm(MainForm& main, FormView& view) : main_(main), view_(view) {}

const std::string& NotesForm::line(int n) const {
    return main_.session.notes.lines.at(static_cast<std::size_t>(n - 1));
}

void NotesForm::Text_Change(int n, std::string text) {
    if (n < 1 || n > kNotesLines) return;
    main_.session.notes.lines[static_cast<std::size_t>(n - 1)] = std::move(text);
}

bool NotesForm::Command1_Click() {
    main_.check_notes();
    main_.view().refresh();
    return true;
}

void NotesForm::Command2_Click() {
    for (auto& line : main_.session.notes.lines) line.clear();
    view_.refresh();
}

}  // namespace enclavio
