// Form7: the bracing window.
#pragma once

#include "forms/bracing_form.hpp"
#include "windows/drawings/bracing_picture.hpp"
#include "windows/qt_view.hpp"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace enclavio {

class Form7 : public ModelDialog {
public:
    Form7(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override;

private:
    BracingForm model_;
    QLabel* label1_ = nullptr;
    QLabel* label6_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QRadioButton* option3_ = nullptr;
    QRadioButton* option4_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    BracingPicture* picture1_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace enclavio
