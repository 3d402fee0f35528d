#include "forms/create_folder_form.hpp"
#include "forms/main_fields.hpp"

#include <utility>

namespace enclavio {

CreateFolderForm::CreateFolderForm(Session& s, FormView& view) : s_(s), view_(view) {}

void CreateFolderForm::Text1_Change(std::string text) { s_.files.new_folder_name = std::move(text); }

bool CreateFolderForm::Text1_KeyPress(int key) { return key == kEnterKey && Command1_Click(); }

bool CreateFolderForm::Command1_Click() { return true; }

bool CreateFolderForm::Command2_Click() {
    s_.files.new_folder_name.clear();
    view_.refresh();
    return true;
}

}  // namespace enclavio
