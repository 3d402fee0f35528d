#include "forms/create_folder_form.hpp"

#include <utility>

namespace enclavio {

namespace {

constexpr int kEnter = 13;

}  // namespace

CreateFolderForm::CreateFolderForm(Session& s, FormView& view) : s_(s), view_(view) {}

void CreateFolderForm::Text1_Change(std::string text) { s_.files.new_folder_name = std::move(text); }

bool CreateFolderForm::Text1_KeyPress(int key) { return key == kEnter && Command1_Click(); }

bool CreateFolderForm::Command1_Click() { return true; }

bool CreateFolderForm::Command2_Click() {
    s_.files.new_folder_name.clear();
    view_.refresh();
    return true;
}

}  // namespace enclavio
