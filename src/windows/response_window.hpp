// "Driver and Response": the modeless window with the driver's parameters,
// the graphs and figures of the driver in the box, and the two fits.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "forms/response_form.hpp"
#include "windows/qt_view.hpp"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace enclavio {

class FieldEdit;
class ResponseGraph;

// The graphs the window offers, in the order of its list; the last shows
// them all stacked.
inline constexpr int kGraphChoiceCount = kQuantityCount + 1;

class ResponseWindow : public QWidget {
    Q_OBJECT
public:
    // `main_changed` brings the main window up to date after an Apply.
    ResponseWindow(MainForm& main, std::function<void()> main_changed, QWidget* parent);

    ResponseForm& model() { return model_; }
    ResponseGraph* graph() const { return graph_; }
    // The design may have changed: work everything out again and show it.
    void design_changed();
    void sync();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QGroupBox* build_driver();
    QWidget* build_graph();
    QGroupBox* build_current();
    QGroupBox* build_tune();
    QGroupBox* build_box();
    void apply(bool box);

    QtFormView view_;
    ResponseForm model_;
    std::function<void()> main_changed_;

    std::array<FieldEdit*, kParameterEntryCount> entries_{};
    std::array<QLabel*, kParameterEntryCount> units_{};
    QRadioButton* parallel_ = nullptr;
    QRadioButton* series_ = nullptr;
    QLabel* drivers_ = nullptr;
    QLabel* missing_ = nullptr;
    QLabel* figures_ = nullptr;
    QComboBox* graph_choice_ = nullptr;
    ResponseGraph* graph_ = nullptr;
    QLabel* current_ = nullptr;
    QLabel* tune_lines_ = nullptr;
    QLabel* tune_reason_ = nullptr;
    QPushButton* tune_apply_ = nullptr;
    FieldEdit* target_ = nullptr;
    QLabel* box_lines_ = nullptr;
    QLabel* box_reason_ = nullptr;
    QPushButton* box_apply_ = nullptr;
    FirstPlacement placement_{0.2, 0.6};
    bool applying_ = false;  // Apply is typing into the main window's fields
};

}  // namespace enclavio
