// What a window model needs from its window: messages, questions, showing
// other windows modally, printing itself and opening addresses.
#pragma once

#include <string_view>

namespace enclavio {

enum class Window {
    Form2,  // Save Project As ...
    Form3,  // Panel Details and Cutting List
    Form5,  // Open Project
    Form6,  // Create Folder
    Form7,  // bracing
    Form8,  // Port Details
    frmUnits,
    frmReport,
    frmComments,
    frmAbout,
    frmTune,      // Port length for a tuning
    SheetLayout,  // the cutting list placed on sheets (modeless)
};

// The three answers to "Save changes to NAME?".
enum class SaveAnswer { Save, Discard, Cancel };

class FormView {
public:
    virtual ~FormView() = default;
    // Modal message box with one OK button.
    virtual void show_message(std::string_view text) = 0;
    // Question icon, Yes/No buttons; true for Yes.
    virtual bool ask_yes_no(std::string_view title, std::string_view text) = 0;
    // Shows another window modally; returns when it has been hidden.
    virtual void show_modal(Window w) = 0;
    // Shows another window and returns at once; it stays open beside this one.
    // Nothing happens where there are no windows to show.
    virtual void show_modeless(Window) {}
    // Prints this window on the default printer.
    virtual void print_window() = 0;
    // Opens a web or mailto address in the desktop's browser or mail program.
    virtual void open_url(std::string_view url) = 0;
    // The model changed: bring every control up to date.
    virtual void refresh() = 0;
    // Asks whether to save the changes before they would be lost. A view that
    // cannot ask goes on without saving, as the model did before it asked.
    virtual SaveAnswer ask_save_changes(std::string_view /*text*/) { return SaveAnswer::Discard; }
    // Puts plain text on the desktop's clipboard.
    virtual void set_clipboard_text(std::string_view /*text*/) {}
};

// A view that does nothing: for models driven without a window.
class NullView : public FormView {
public:
    void show_message(std::string_view) override {}
    bool ask_yes_no(std::string_view, std::string_view) override { return false; }
    void show_modal(Window) override {}
    void print_window() override {}
    void open_url(std::string_view) override {}
    void refresh() override {}
};

}  // namespace enclavio
