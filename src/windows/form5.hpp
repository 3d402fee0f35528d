// Form5 "Open Project".
#pragma once

#include "windows/form2.hpp"

namespace enclavio {

class Form5 : public ProjectFileWindow {
public:
    Form5(MainForm& main, ModalOpener opener, QWidget* parent)
        : ProjectFileWindow(main, std::move(opener), parent, FileForm::Kind::Open) {}
};

}  // namespace enclavio
