// frmComments "Notes for this project": eight note lines, "&OK" and "&Clear".
#pragma once

#include <array>

#include "forms/notes_form.hpp"
#include "windows/qt_view.hpp"

class QLineEdit;
class QPushButton;

namespace enclavio {

class frmComments : public ModelDialog {
public:
    frmComments(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override;
    NotesForm& model() { return model_; }

protected:
    void reject() override;  // Escape and the window frame act as "&OK"
    void showEvent(QShowEvent* event) override;

private:
    NotesForm model_;
    std::array<QLineEdit*, 9> text_{};  // Text1..Text8; [0] unused
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    FirstPlacement placement_{0.3, 0.3};
};

}  // namespace enclavio
