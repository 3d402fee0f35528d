#include "windows/dialogs.hpp"

#include "windows/about_window.hpp"
#include "windows/bracing_window.hpp"
#include "windows/create_folder_window.hpp"
#include "windows/cutting_list_window.hpp"
#include "windows/notes_window.hpp"
#include "windows/port_details_window.hpp"
#include "windows/project_file_windows.hpp"
#include "windows/report_window.hpp"
#include "windows/sheet_layout_window.hpp"
#include "windows/tune_window.hpp"
#include "windows/units_window.hpp"

namespace enclavio {

std::unique_ptr<ModelDialog> make_dialog(Window w, MainForm& main, ModalOpener opener, QWidget* parent) {
    // Every window has its case and there is no default, so a window added to
    // the list without one is named by the compiler.
    switch (w) {
        case Window::Form3: return std::make_unique<Form3>(main, opener, parent);
        case Window::Form2: return std::make_unique<Form2>(main, opener, parent);
        case Window::Form5: return std::make_unique<Form5>(main, opener, parent);
        case Window::Form6: return std::make_unique<Form6>(main, opener, parent);
        case Window::frmComments: return std::make_unique<frmComments>(main, opener, parent);
        case Window::frmReport: return std::make_unique<frmReport>(main, opener, parent);
        case Window::frmTune: return std::make_unique<frmTune>(main, opener, parent);
        case Window::frmUnits: return std::make_unique<frmUnits>(main, opener, parent);
        case Window::Form7: return std::make_unique<Form7>(main, opener, parent);
        case Window::Form8: return std::make_unique<Form8>(main, opener, parent);
        case Window::frmAbout: return std::make_unique<frmAbout>(main, opener, parent);
        case Window::SheetLayout: return std::make_unique<SheetLayoutWindow>(main, opener, parent);
    }
    return nullptr;  // not a window of the list
}

}  // namespace enclavio
