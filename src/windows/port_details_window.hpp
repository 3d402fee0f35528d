// Form8: "Port Details".
#pragma once

#include <array>

#include "forms/port_details_form.hpp"
#include "windows/drawings/port_ends_picture.hpp"
#include "windows/qt_view.hpp"

class QLineEdit;
class QRadioButton;

namespace enclavio {

class Form8 : public ModelDialog {
public:
    Form8(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override;

private:
    PortForm model_;
    std::array<QRadioButton*, 9> options_{};  // [1], [2], [5]..[8] = Option1, Option2, Option5..Option8
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
};

}  // namespace enclavio
