// frmTune: "Port length for a tuning".
#pragma once

#include "forms/tune_form.hpp"
#include "windows/qt_view.hpp"

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace enclavio {

class frmTune : public ModelDialog {
public:
    frmTune(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override;
    TuneForm& model() { return model_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TuneForm model_;
    QLabel* label1_ = nullptr;         // "Target tuning (hz)"
    QLineEdit* text1_ = nullptr;       // target
    QLabel* label2_ = nullptr;         // "Port length"
    QLabel* label3_ = nullptr;         // the length
    QLabel* label4_ = nullptr;         // refusal or rounding note
    QPushButton* command1_ = nullptr;  // "&Apply"
    QPushButton* command2_ = nullptr;  // "&Cancel"
    FirstPlacement placement_{0.3, 0.5};
};

}  // namespace enclavio
