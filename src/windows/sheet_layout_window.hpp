// "Sheet Layout": the board settings above, one drawing per sheet below with
// its offcuts and cut sequence, printing and SVG files. Modeless: it stays
// open beside the main window and follows the design as it changes.
#pragma once

#include <QRect>
#include <vector>

#include "forms/sheet_layout_form.hpp"
#include "windows/qt_view.hpp"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTimer;
class QVBoxLayout;

namespace enclavio {

class SheetPicture;

class SheetLayoutWindow : public ModelDialog {
public:
    SheetLayoutWindow(MainForm& main, ModalOpener opener, QWidget* parent, sheets::SearchOptions options = {});
    void sync() override;
    // The design may have changed in another window: laid out again shortly,
    // once a burst of changes (typing) has settled.
    void design_changed() override;
    // Lays out at once for any pending design change.
    void flush_design_change();

    SheetLayoutForm& model() { return model_; }
    // The zoom factors offered; 1 fits a sheet to the window's width.
    static const std::vector<int>& zoom_factors();
    void set_zoom(int index);
    // The sheet drawings shown, one per sheet.
    std::vector<SheetPicture*> pictures() const { return pictures_; }
    // Paints sheet `index` as a printed page: the drawing above, the offcuts
    // and cut sequence below.
    void paint_page(QPainter& painter, const QRect& page, int index) const;
    // "&Print" and "Save as &SVG...".
    void print();
    void save_svg();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build_sheets();
    void apply_scale();
    void enter(QLineEdit* edit, SheetField field);

    SheetLayoutForm model_;
    QComboBox* board_ = nullptr;
    QLineEdit* across_ = nullptr;
    QLineEdit* along_ = nullptr;
    QLineEdit* kerf_ = nullptr;
    QLineEdit* trim_ = nullptr;
    QCheckBox* turn_ = nullptr;
    QSpinBox* boxes_ = nullptr;
    QRadioButton* exact_ = nullptr;
    QRadioButton* allowance_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* board_text_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QScrollArea* area_ = nullptr;
    QWidget* sheets_ = nullptr;
    QVBoxLayout* sheets_layout_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* svg_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer* design_timer_ = nullptr;
    std::vector<SheetPicture*> pictures_;
    int shown_layout_ = -1;  // layouts_made() when the sheets were built
    UnitMode shown_mode_ = UnitMode::Metric;
    bool entering_ = false;
};

}  // namespace enclavio
