#include "windows/sheet_layout_window.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <string>

#include "sheets/texts.hpp"
#include "windows/drawings/sheet_picture.hpp"
#include "windows/printing.hpp"

namespace enclavio {

namespace {

// A pause in typing this long lets a design change lay the sheets out again.
constexpr int kDesignSettleMs = 120;
constexpr int kSheetGap = 18;  // px between one sheet's texts and the next drawing

QLabel* caption(const char* text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setBuddy(buddy);
    return l;
}

QLabel* unit(QWidget* parent) { return new QLabel(QStringLiteral("mm"), parent); }

// The texts under a sheet's drawing: its offcuts, then the cut sequence.
QString sheet_words(const sheets::Layout& l, int s, UnitMode mode) {
    QString text = qs(sheets::offcut_line(l, s, mode));
    const std::vector<std::string> cuts = sheets::cut_lines(l, s, mode);
    for (std::size_t i = 0; i < cuts.size(); ++i) text += (i == 0 ? "\n" : "\n    ") + qs(cuts[i]);
    return text;
}

}  // namespace

const std::vector<int>& SheetLayoutWindow::zoom_factors() {
    static const std::vector<int> factors{1, 2, 4, 8, 16};
    return factors;
}

SheetLayoutWindow::SheetLayoutWindow(MainForm& main, ModalOpener opener, QWidget* parent, sheets::SearchOptions options)
    : ModelDialog(std::move(opener), parent), model_(main.session, view_, options) {
    setObjectName(QStringLiteral("SheetLayout"));
    setWindowTitle(qs(kSheetLayoutCaption));
    setModal(false);
    setSizeGripEnabled(true);

    // The board settings.
    auto* settings = new QGroupBox(QStringLiteral("Board"), this);
    settings->setObjectName(QStringLiteral("boardFrame"));
    board_ = new QComboBox(settings);
    board_->setObjectName(QStringLiteral("boardSize"));
    for (const sheets::BoardPreset& p : sheets::board_presets()) board_->addItem(qs(p.name));
    board_->addItem(qs(sheets::kCustomBoardName));
    const auto length_edit = [settings](const char* name) {
        auto* e = new QLineEdit(settings);
        e->setObjectName(QString::fromUtf8(name));
        e->setFixedWidth(QFontMetrics(e->font()).horizontalAdvance(QStringLiteral("00000.0000")) + 12);
        return e;
    };
    across_ = length_edit("boardAcross");
    along_ = length_edit("boardAlong");
    kerf_ = length_edit("kerf");
    trim_ = length_edit("trim");
    turn_ = new QCheckBox(QStringLiteral("Pieces may be &turned 90 degrees"), settings);
    turn_->setObjectName(QStringLiteral("turning"));
    turn_->setToolTip(QStringLiteral("Off keeps each panel's first dimension across the sheet, for grained boards"));
    boxes_ = new QSpinBox(settings);
    boxes_->setObjectName(QStringLiteral("boxes"));
    boxes_->setRange(1, sheets::kMaxBoxes);
    boxes_->setToolTip(QStringLiteral("A pair of speakers is 2"));
    exact_ = new QRadioButton(QStringLiteral("E&xact sizes"), settings);
    exact_->setObjectName(QStringLiteral("exactSizes"));
    allowance_ = new QRadioButton(QStringLiteral("Sizes with trimming &allowance"), settings);
    allowance_->setObjectName(QStringLiteral("allowanceSizes"));
    auto* sizes = new QButtonGroup(this);
    sizes->addButton(exact_);
    sizes->addButton(allowance_);

    auto* grid = new QGridLayout(settings);
    grid->addWidget(caption("&Sheet", board_, settings), 0, 0);
    grid->addWidget(board_, 0, 1, 1, 3);
    grid->addWidget(caption("Acr&oss", across_, settings), 0, 4);
    grid->addWidget(across_, 0, 5);
    grid->addWidget(caption("Alo&ng", along_, settings), 0, 6);
    grid->addWidget(along_, 0, 7);
    grid->addWidget(unit(settings), 0, 8);
    grid->addWidget(caption("&Kerf", kerf_, settings), 1, 0);
    grid->addWidget(kerf_, 1, 1);
    grid->addWidget(unit(settings), 1, 2);
    grid->addWidget(caption("T&rim", trim_, settings), 1, 4);
    grid->addWidget(trim_, 1, 5);
    grid->addWidget(unit(settings), 1, 6);
    grid->addWidget(caption("&Boxes", boxes_, settings), 2, 0);
    grid->addWidget(boxes_, 2, 1);
    grid->addWidget(turn_, 2, 4, 1, 5);
    grid->addWidget(exact_, 3, 0, 1, 4);
    grid->addWidget(allowance_, 3, 4, 1, 5);
    grid->setColumnMinimumWidth(3, 12);
    grid->setColumnStretch(9, 1);

    // The answer and the zoom.
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    board_text_ = new QLabel(this);
    board_text_->setObjectName(QStringLiteral("boardText"));
    board_text_->setTextFormat(Qt::PlainText);
    board_text_->setWordWrap(true);
    zoom_ = new QComboBox(this);
    zoom_->setObjectName(QStringLiteral("zoom"));
    for (int f : zoom_factors())
        zoom_->addItem(f == 1 ? QStringLiteral("Fit width") : QStringLiteral("%1%").arg(f * 100));
    zoom_->setToolTip(QStringLiteral("Zoom in to see the saw cuts at their true width"));
    auto* answer = new QGridLayout;
    answer->addWidget(summary_, 0, 0);
    answer->addWidget(board_text_, 1, 0);
    answer->addWidget(caption("&Zoom", zoom_, this), 0, 1, Qt::AlignRight);
    answer->addWidget(zoom_, 0, 2);
    answer->setColumnStretch(0, 1);

    // The sheets.
    area_ = new QScrollArea(this);
    area_->setObjectName(QStringLiteral("sheets"));
    area_->setWidgetResizable(true);
    area_->setBackgroundRole(QPalette::Base);
    sheets_ = new QWidget;
    sheets_->setObjectName(QStringLiteral("sheetList"));
    sheets_layout_ = new QVBoxLayout(sheets_);
    sheets_layout_->setSpacing(6);
    area_->setWidget(sheets_);

    print_ = new QPushButton(QStringLiteral("&Print"), this);
    print_->setObjectName(QStringLiteral("print"));
    print_->setAutoDefault(false);
    svg_ = new QPushButton(QStringLiteral("Save as &SVG..."), this);
    svg_->setObjectName(QStringLiteral("saveSvg"));
    svg_->setAutoDefault(false);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("close"));
    close_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print_);
    buttons->addWidget(svg_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto* page = new QVBoxLayout(this);
    page->addWidget(settings);
    page->addLayout(answer);
    page->addWidget(area_, 1);
    page->addLayout(buttons);

    connect(board_, &QComboBox::activated, this, [this](int i) {
        model_.select_board(i);
        sync();
    });
    connect(across_, &QLineEdit::editingFinished, this, [this] { enter(across_, SheetField::Across); });
    connect(along_, &QLineEdit::editingFinished, this, [this] { enter(along_, SheetField::Along); });
    connect(kerf_, &QLineEdit::editingFinished, this, [this] { enter(kerf_, SheetField::Kerf); });
    connect(trim_, &QLineEdit::editingFinished, this, [this] { enter(trim_, SheetField::Trim); });
    connect(turn_, &QCheckBox::toggled, this, [this](bool on) {
        model_.set_turning(on);
        sync();
    });
    connect(boxes_, &QSpinBox::valueChanged, this, [this](int n) {
        model_.set_boxes(n);
        sync();
    });
    connect(exact_, &QRadioButton::toggled, this, [this](bool on) {
        model_.set_allowance(!on);
        sync();
    });
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this] { apply_scale(); });
    connect(print_, &QPushButton::clicked, this, [this] { print(); });
    connect(svg_, &QPushButton::clicked, this, [this] { save_svg(); });
    connect(close_, &QPushButton::clicked, this, [this] { hide(); });

    design_timer_ = new QTimer(this);
    design_timer_->setSingleShot(true);
    design_timer_->setInterval(kDesignSettleMs);
    connect(design_timer_, &QTimer::timeout, this, [this] { flush_design_change(); });

    const QFontMetrics fm(font());
    resize(std::max(760, fm.horizontalAdvance(QLatin1Char('m')) * 80), std::max(680, fm.height() * 40));
    sync();
}

void SheetLayoutWindow::enter(QLineEdit* edit, SheetField field) {
    // A message box taking the focus finishes the editing a second time.
    if (entering_) return;
    if (edit->text() == qs(model_.field_text(field))) return;
    entering_ = true;
    model_.enter(field, edit->text().toStdString());
    entering_ = false;
    sync();  // a refused value goes back to the one in use
}

void SheetLayoutWindow::sync() {
    const SheetSettings& s = model_.settings();
    {
        const QSignalBlocker b1(board_), b2(turn_), b3(boxes_), b4(exact_), b5(allowance_);
        board_->setCurrentIndex(model_.board_index());
        turn_->setChecked(s.board.turning);
        boxes_->setValue(s.boxes);
        (s.allowance ? allowance_ : exact_)->setChecked(true);
    }
    for (auto [edit, field] : {std::pair{across_, SheetField::Across}, std::pair{along_, SheetField::Along},
                               std::pair{kerf_, SheetField::Kerf}, std::pair{trim_, SheetField::Trim}}) {
        const QString text = qs(model_.field_text(field));
        if (edit->text() != text) edit->setText(text);
    }
    across_->setEnabled(model_.size_fields_enabled());
    along_->setEnabled(model_.size_fields_enabled());

    summary_->setText(qs(model_.summary()));
    board_text_->setText(qs(sheets::board_text(model_.layout().board, model_.mode())));
    const bool made = !model_.layout().refusal;
    print_->setEnabled(made);
    svg_->setEnabled(made);
    if (shown_layout_ != model_.layouts_made() || shown_mode_ != model_.mode()) build_sheets();
}

void SheetLayoutWindow::build_sheets() {
    shown_layout_ = model_.layouts_made();
    shown_mode_ = model_.mode();
    while (QLayoutItem* item = sheets_layout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    pictures_.clear();
    const sheets::Layout& l = model_.layout();
    if (!l.refusal) {
        for (int s = 0; s < static_cast<int>(l.sheets.size()); ++s) {
            auto* picture = new SheetPicture(sheets_);
            picture->setObjectName(QStringLiteral("sheet%1").arg(s + 1));
            picture->set_drawing(sheets::draw_sheet(l, s, model_.mode()));
            pictures_.push_back(picture);
            auto* words = new QLabel(sheet_words(l, s, model_.mode()), sheets_);
            words->setObjectName(QStringLiteral("cuts%1").arg(s + 1));
            words->setTextFormat(Qt::PlainText);
            words->setWordWrap(true);
            words->setTextInteractionFlags(Qt::TextSelectableByMouse);
            sheets_layout_->addWidget(picture);
            sheets_layout_->addWidget(words);
            sheets_layout_->addSpacing(kSheetGap);
        }
    }
    sheets_layout_->addStretch(1);
    apply_scale();
}

void SheetLayoutWindow::apply_scale() {
    if (pictures_.empty()) return;
    const int index = std::clamp(zoom_->currentIndex(), 0, static_cast<int>(zoom_factors().size()) - 1);
    // The room inside the area's frame less a scroll bar, whether or not the
    // scroll bars show, so that a zoom factor is exact.
    const QMargins m = sheets_layout_->contentsMargins();
    const int room =
        area_->contentsRect().width() - m.left() - m.right() - area_->verticalScrollBar()->sizeHint().width();
    const double width = pictures_.front()->drawing().width;
    // Whole pixels to spare, so that a fitted sheet never needs a scroll bar.
    const double fit = std::max(200, room - 2) / width;
    for (SheetPicture* p : pictures_) p->set_scale(fit * zoom_factors()[index]);
    // The texts move below the drawings' new sizes at once.
    sheets_layout_->activate();
}

void SheetLayoutWindow::set_zoom(int index) { zoom_->setCurrentIndex(index); }

void SheetLayoutWindow::resizeEvent(QResizeEvent* event) {
    ModelDialog::resizeEvent(event);
    apply_scale();
}

void SheetLayoutWindow::showEvent(QShowEvent* event) {
    ModelDialog::showEvent(event);
    // The design may have changed while the window was closed.
    flush_design_change();
    apply_scale();
}

void SheetLayoutWindow::design_changed() { design_timer_->start(); }

void SheetLayoutWindow::flush_design_change() {
    design_timer_->stop();
    if (model_.design_changed()) sync();
}

void SheetLayoutWindow::paint_page(QPainter& p, const QRect& page, int index) const {
    const sheets::Layout& l = model_.layout();
    if (l.refusal || index < 0 || index >= static_cast<int>(l.sheets.size())) return;
    // The drawing at the top, in at most the upper part of the page; the
    // words right below it.
    const sheets::SheetDrawing drawing = sheets::draw_sheet(l, index, model_.mode());
    const double scale = std::min(page.width() / drawing.width, page.height() * 0.58 / drawing.height);
    paint_sheet(p, drawing, QPointF(page.left() + (page.width() - drawing.width * scale) / 2, page.top()), scale);
    QFont font = p.font();
    font.setPointSizeF(9);
    p.setFont(font);
    p.setPen(Qt::black);
    const QString words = qs(sheets::count_text(l) + ". " + sheets::usage_text(l) + "\n" +
                             sheets::board_text(l.board, model_.mode()) + "\n") +
                          sheet_words(l, index, model_.mode());
    const int words_top = page.top() + static_cast<int>(std::ceil(drawing.height * scale)) + page.height() / 40;
    const QRect area(page.left(), words_top, page.width(), page.bottom() - words_top);
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, words);
}

void SheetLayoutWindow::print() {
    const sheets::Layout& l = model_.layout();
    if (l.refusal) return;
    print_pages(this, QStringLiteral("Sheet layout"), static_cast<int>(l.sheets.size()),
                [this](QPainter& p, const QRect& page, int index) { paint_page(p, page, index); });
}

void SheetLayoutWindow::save_svg() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save the sheets as SVG"),
                                                      QStringLiteral("sheet.svg"), QStringLiteral("SVG files (*.svg)"));
    if (path.isEmpty()) return;
    model_.save_svg(path.toStdString());
}

}  // namespace enclavio
