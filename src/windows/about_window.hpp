// frmAbout: "About Enclavio".
#pragma once

#include "forms/about_form.hpp"
#include "windows/drawings/about_picture.hpp"
#include "windows/qt_view.hpp"

class QPushButton;

namespace enclavio {

class frmAbout : public ModelDialog {
public:
    frmAbout(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override {}

protected:
    // Esc presses OK, as Enter does.
    void reject() override;

private:
    AboutForm model_;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace enclavio
