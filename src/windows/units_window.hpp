// frmUnits: the units of measurement window.
#pragma once

#include <array>

#include "forms/units_form.hpp"
#include "windows/qt_view.hpp"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace enclavio {

class frmUnits : public ModelDialog {
public:
    frmUnits(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override;

private:
    UnitsForm model_;
    std::array<QRadioButton*, 4> options_{};  // in unit_options() order
    QGroupBox* frame2_ = nullptr;
    std::array<QLabel*, 9> rules_{};  // in unit_rules() order
    QPushButton* command1_ = nullptr;
};

}  // namespace enclavio
