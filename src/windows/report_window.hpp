// frmReport "Generate Report": the sections to include, where the report goes,
// and the button that writes it.
#pragma once

#include <array>
#include <utility>

#include "forms/report_form.hpp"
#include "windows/qt_view.hpp"

class QCheckBox;
class QLabel;
class QPushButton;

namespace enclavio {

class frmReport : public ModelDialog {
public:
    frmReport(MainForm& main, ModalOpener opener, QWidget* parent);
    void sync() override;
    ReportForm& model() { return model_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each check box with the section it chooses.
    std::array<std::pair<QCheckBox*, ReportSection>, 6> section_boxes() const;
    ReportForm model_;
    QLabel* label2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QCheckBox* check3_ = nullptr;
    QCheckBox* check4_ = nullptr;
    QCheckBox* check5_ = nullptr;
    QCheckBox* check6_ = nullptr;
    FirstPlacement placement_{0.3, 0.3};
};

}  // namespace enclavio
