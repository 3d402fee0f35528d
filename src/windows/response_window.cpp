#include "windows/response_window.hpp"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <utility>

#include "windows/drawings/response_graph.hpp"
#include "windows/main_window.hpp"
#include "windows/palette.hpp"

namespace enclavio {

namespace {

// Room, in lines, for what each part of the window shows, so that nothing
// moves as the numbers change.
constexpr int kFigureLines = 6;
constexpr int kFitLines = 5;
constexpr int kReasonLines = 2;
constexpr int kFitChars = 36;  // a fit's width in average characters

QString joined(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += qs(line);
    }
    return text;
}

QLabel* plain_label(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A label that keeps room for `lines` lines of `chars` characters.
QLabel* block_label(const QString& name, QWidget* parent, int lines, int chars, bool wrap) {
    QLabel* label = plain_label(name, parent);
    label->setWordWrap(wrap);
    const QFontMetrics fm(label->font());
    label->setMinimumHeight(fm.lineSpacing() * lines);
    if (chars > 0) label->setMinimumWidth(fm.averageCharWidth() * chars);
    return label;
}

// The objectName of a parameter's entry and of its unit: "textFs", "unitFs".
QString entry_name(DriverParameter p) { return QStringLiteral("text") + qs(driver_parameter_name(p)); }
QString unit_name(DriverParameter p) { return QStringLiteral("unit") + qs(driver_parameter_name(p)); }

const char* const kGraphChoices[kGraphChoiceCount] = {"SPL",       "Group delay", "Cone excursion", "Port air speed",
                                                      "Impedance", "All, stacked"};

}  // namespace

ResponseWindow::ResponseWindow(MainForm& main, std::function<void()> main_changed, QWidget* parent)
    : QWidget(parent, Qt::Window),
      view_(this, nullptr, [this] { sync(); }),
      model_(main, view_),
      main_changed_(std::move(main_changed)) {
    setObjectName(QStringLiteral("frmResponse"));
    setWindowTitle(qs(kResponseCaption));

    // The driver and this box on the left, the graphs and their figures on
    // the right, the two fits below.
    auto* grid = new QGridLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(build_driver());
    left->addWidget(build_current());
    left->addStretch(1);
    grid->addLayout(left, 0, 0);

    auto* right = new QVBoxLayout;
    right->addWidget(build_graph(), 1);
    auto* figures_box = new QGroupBox(QStringLiteral("Figures"), this);
    figures_box->setObjectName(QStringLiteral("frameFigures"));
    auto* fv = new QVBoxLayout(figures_box);
    missing_ = block_label(QStringLiteral("labelMissing"), figures_box, 0, 0, true);
    set_text_colour(missing_, colours::red);
    fv->addWidget(missing_);
    figures_ = block_label(QStringLiteral("labelFigures"), figures_box, kFigureLines, 0, false);
    fv->addWidget(figures_, 1);
    right->addWidget(figures_box);
    grid->addLayout(right, 0, 1);

    auto* fits = new QHBoxLayout;
    fits->addWidget(build_tune());
    fits->addWidget(build_box());
    grid->addLayout(fits, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    model_.design_changed();
    sync();
}

QGroupBox* ResponseWindow::build_driver() {
    auto* box = new QGroupBox(QStringLiteral("Driver"), this);
    box->setObjectName(QStringLiteral("frameDriver"));
    auto* g = new QGridLayout(box);
    const QFontMetrics fm(font());
    const int entry_width = fm.horizontalAdvance(QStringLiteral("0000.0000")) + 16;
    const int unit_width = fm.horizontalAdvance(QStringLiteral("litres")) + 4;
    for (int i = 0; i < kParameterEntryCount; ++i) {
        const DriverParameter p = kParameterEntries[static_cast<std::size_t>(i)];
        auto* label = new QLabel(qs(driver_parameter_name(p)), box);
        label->setObjectName(QStringLiteral("label") + qs(driver_parameter_name(p)));
        auto* edit = new FieldEdit(box);
        edit->setObjectName(entry_name(p));
        edit->setFixedWidth(entry_width);
        edit->setMaxLength(24);
        label->setBuddy(edit);
        auto* unit = new QLabel(box);
        unit->setObjectName(unit_name(p));
        unit->setMinimumWidth(unit_width);
        g->addWidget(label, i, 0);
        g->addWidget(edit, i, 1);
        g->addWidget(unit, i, 2);
        entries_[static_cast<std::size_t>(i)] = edit;
        units_[static_cast<std::size_t>(i)] = unit;
        connect(edit, &QLineEdit::textEdited, this, [this, p](const QString& text) {
            model_.parameter_change(p, text.toStdString());
            sync();
        });
        const auto done = [this, p] { model_.parameter_done(p); };
        connect(edit, &FieldEdit::enterPressed, this, done);
        connect(edit, &FieldEdit::focusLost, this, done);
    }
    entries_[static_cast<std::size_t>(ResponseForm::entry_index(DriverParameter::Power))]->setPlaceholderText(
        QStringLiteral("1"));
    entries_[static_cast<std::size_t>(ResponseForm::entry_index(DriverParameter::QL))]->setPlaceholderText(
        QStringLiteral("7"));

    int row = kParameterEntryCount;
    auto* wiring = new QLabel(QStringLiteral("Wiring"), box);
    wiring->setObjectName(QStringLiteral("labelWiring"));
    parallel_ = new QRadioButton(QStringLiteral("&Parallel"), box);
    parallel_->setObjectName(QStringLiteral("optionParallel"));
    series_ = new QRadioButton(QStringLiteral("&Series"), box);
    series_->setObjectName(QStringLiteral("optionSeries"));
    auto* wiring_row = new QHBoxLayout;
    wiring_row->addWidget(parallel_);
    wiring_row->addWidget(series_);
    wiring_row->addStretch(1);
    g->addWidget(wiring, row, 0);
    g->addLayout(wiring_row, row, 1, 1, 2);
    ++row;
    drivers_ = plain_label(QStringLiteral("labelDrivers"), box);
    drivers_->setToolTip(QStringLiteral("The number of drivers is the main window's"));
    g->addWidget(drivers_, row, 0, 1, 3);
    g->setColumnStretch(2, 1);
    connect(parallel_, &QRadioButton::clicked, this, [this] {
        model_.wiring_click(Wiring::Parallel);
        sync();
    });
    connect(series_, &QRadioButton::clicked, this, [this] {
        model_.wiring_click(Wiring::Series);
        sync();
    });
    return box;
}

QWidget* ResponseWindow::build_graph() {
    auto* place = new QWidget(this);
    place->setObjectName(QStringLiteral("graphPlace"));
    auto* v = new QVBoxLayout(place);
    v->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Graph"), place);
    label->setObjectName(QStringLiteral("labelGraph"));
    graph_choice_ = new QComboBox(place);
    graph_choice_->setObjectName(QStringLiteral("comboGraph"));
    for (const char* choice : kGraphChoices) graph_choice_->addItem(QString::fromUtf8(choice));
    label->setBuddy(graph_choice_);
    row->addWidget(label);
    row->addWidget(graph_choice_);
    row->addStretch(1);
    v->addLayout(row);
    graph_ = new ResponseGraph(place);
    v->addWidget(graph_, 1);
    connect(graph_choice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == kQuantityCount) {
            graph_->show_stacked();
        } else if (index >= 0) {
            graph_->show_quantity(static_cast<Quantity>(index));
        }
    });
    return place;
}

QGroupBox* ResponseWindow::build_current() {
    auto* box = new QGroupBox(QStringLiteral("This box"), this);
    box->setObjectName(QStringLiteral("frameCurrent"));
    auto* v = new QVBoxLayout(box);
    current_ = block_label(QStringLiteral("labelCurrent"), box, kFitLines, 0, false);
    v->addWidget(current_);
    v->addStretch(1);
    return box;
}

QGroupBox* ResponseWindow::build_tune() {
    auto* box = new QGroupBox(qs(kTuneFitCaption), this);
    box->setObjectName(QStringLiteral("frameTune"));
    auto* v = new QVBoxLayout(box);
    tune_lines_ = block_label(QStringLiteral("labelTune"), box, kFitLines, kFitChars, false);
    tune_reason_ = block_label(QStringLiteral("labelTuneReason"), box, kReasonLines, kFitChars, true);
    set_text_colour(tune_reason_, colours::red);
    tune_apply_ = new QPushButton(qs(kFitApplyCaption), box);
    tune_apply_->setObjectName(QStringLiteral("commandApplyTune"));
    v->addWidget(tune_lines_);
    v->addWidget(tune_reason_, 1);
    v->addWidget(tune_apply_, 0, Qt::AlignRight);
    connect(tune_apply_, &QPushButton::clicked, this, [this] { apply(false); });
    return box;
}

QGroupBox* ResponseWindow::build_box() {
    auto* box = new QGroupBox(qs(kBoxFitCaption), this);
    box->setObjectName(QStringLiteral("frameBox"));
    auto* v = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(qs(kTargetF3Caption), box);
    label->setObjectName(QStringLiteral("labelTargetF3"));
    target_ = new FieldEdit(box);
    target_->setObjectName(QStringLiteral("textTargetF3"));
    target_->setMaxLength(20);
    target_->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000.00")) + 16);
    label->setBuddy(target_);
    row->addWidget(label);
    row->addWidget(target_);
    row->addStretch(1);
    v->addLayout(row);
    box_lines_ = block_label(QStringLiteral("labelBox"), box, kFitLines, kFitChars, false);
    box_reason_ = block_label(QStringLiteral("labelBoxReason"), box, kReasonLines, kFitChars, true);
    set_text_colour(box_reason_, colours::red);
    box_apply_ = new QPushButton(qs(kFitApplyCaption), box);
    box_apply_->setObjectName(QStringLiteral("commandApplyBox"));
    v->addWidget(box_lines_);
    v->addWidget(box_reason_, 1);
    v->addWidget(box_apply_, 0, Qt::AlignRight);
    connect(target_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.target_change(text.toStdString());
        sync();
    });
    connect(box_apply_, &QPushButton::clicked, this, [this] { apply(true); });
    return box;
}

void ResponseWindow::apply(bool box) {
    // The main window refreshes after each field Apply types into; the
    // response is worked out once, when all of them are in.
    bool changed = false;
    {
        applying_ = true;
        changed = box ? model_.apply_box() : model_.apply_tune();
        applying_ = false;
    }
    if (changed && main_changed_) main_changed_();
    sync();
}

void ResponseWindow::design_changed() {
    if (applying_) return;
    model_.design_changed();
    sync();
}

void ResponseWindow::sync() {
    const ResponseState& st = model_.state();
    for (int i = 0; i < kParameterEntryCount; ++i) {
        const DriverParameter p = kParameterEntries[static_cast<std::size_t>(i)];
        const ParameterField& field = st.entries[static_cast<std::size_t>(i)];
        FieldEdit* edit = entries_[static_cast<std::size_t>(i)];
        const QString text = qs(field.text);
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
        set_text_colour(edit, field.bad ? colours::red : colours::black);
        edit->setToolTip(qs(field.error));
        units_[static_cast<std::size_t>(i)]->setText(qs(parameter_unit(p, st.mode)));
    }
    {
        const QSignalBlocker a(parallel_), b(series_);
        parallel_->setChecked(st.wiring == Wiring::Parallel);
        series_->setChecked(st.wiring == Wiring::Series);
    }
    drivers_->setText(qs(st.drivers) + QStringLiteral(" (main window)"));
    missing_->setText(qs(st.missing));
    missing_->setVisible(!st.missing.empty());
    figures_->setText(joined(st.figure_lines));

    ResponseGraph::Data data;
    data.curves = st.curves;
    data.missing = qs(st.missing);
    data.inches = st.mode == UnitMode::Inches || st.mode == UnitMode::DecimalInches;
    data.xmax_mm = st.parameters.xmax;
    data.vented = st.vented;
    graph_->set_data(std::move(data));

    current_->setText(joined(st.current_lines));
    tune_lines_->setText(joined(st.tune.lines));
    tune_reason_->setText(qs(st.tune.reason));
    tune_apply_->setEnabled(st.tune.can_apply);
    const QString target = qs(st.target_f3);
    if (target_->text() != target) {
        const QSignalBlocker block(target_);
        target_->setText(target);
    }
    box_lines_->setText(joined(st.box.lines));
    box_reason_->setText(qs(st.box.reason));
    box_apply_->setEnabled(st.box.can_apply);
}

void ResponseWindow::showEvent(QShowEvent* event) {
    design_changed();
    placement_.on_show(this);
    QWidget::showEvent(event);
}

void ResponseWindow::keyPressEvent(QKeyEvent* event) {
    if (press_focused_button(this, event)) return;
    QWidget::keyPressEvent(event);
}

}  // namespace enclavio
