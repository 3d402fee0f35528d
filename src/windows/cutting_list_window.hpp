// Form3: "Panel Details and Cutting List".
#pragma once

#include <array>

#include "forms/cutting_list_form.hpp"
#include "windows/qt_view.hpp"

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace enclavio {

class Form3 : public ModelDialog {
public:
    Form3(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override;
    CuttingForm& model() { return model_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void fit_to_texts();
    void save_workshop_sheet();
    void save_csv();

    CuttingForm model_;
    std::array<QLabel*, 17> label_{};  // Label1..Label16; [0] unused
    QWidget* picture1_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;    // "Sheet &Layout..."
    QPushButton* save_sheet_ = nullptr;  // "Save &Workshop Sheet..."
    QPushButton* save_csv_ = nullptr;    // "Save as &CSV..."
    QTimer* timer1_ = nullptr;
    FirstPlacement placement_{0.6, 0.3};  // placed once per load: a little left of and below the centre
};

}  // namespace enclavio
