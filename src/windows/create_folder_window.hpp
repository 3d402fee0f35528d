// Form6 "Create Folder": asks for the name of a new folder below the save
// window's folder.
#pragma once

#include "forms/create_folder_form.hpp"
#include "windows/qt_view.hpp"

class QLabel;
class QLineEdit;
class QPushButton;

namespace enclavio {

class Form6 : public ModelDialog {
public:
    Form6(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override;

protected:
    void reject() override;  // "&Cancel", Escape and the window frame
    void showEvent(QShowEvent* event) override;

private:
    CreateFolderForm model_;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

}  // namespace enclavio
