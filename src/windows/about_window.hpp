// frmAbout: "About Enclavio".
#pragma once

#include "forms/about_form.hpp"
#include "windows/qt_view.hpp"

class QPushButton;

namespace enclavio {

// Picture1: a finished enclosure with its driver, two ports and a few notes.
class EnclosurePicture : public QWidget {
public:
    explicit EnclosurePicture(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

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
