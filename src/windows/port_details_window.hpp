// Form8: "Port Details".
#pragma once

#include <array>

#include "forms/port_details_form.hpp"
#include "windows/qt_view.hpp"

class QLineEdit;
class QRadioButton;

namespace enclavio {

// Picture1: the four ways a port end can be finished, each in section.
class PortEndsPicture : public QWidget {
public:
    explicit PortEndsPicture(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

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
