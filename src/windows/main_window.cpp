#include "windows/main_window.hpp"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <vector>

#include "analysis/port_ends.hpp"
#include "forms/main_fields.hpp"
#include "forms/response_form.hpp"
#include "forms/tune_form.hpp"
#include "windows/dialogs.hpp"
#include "windows/drawings/app_icon.hpp"
#include "windows/drawings/graph_view.hpp"
#include "windows/drawings/notes_picture.hpp"
#include "windows/drawings/where_picture.hpp"
#include "windows/palette.hpp"
#include "windows/response_window.hpp"

namespace enclavio {

// ---- FieldEdit -------------------------------------------------------------------

bool FieldEdit::event(QEvent* event) {
    // Undo and redo keys belong to the window's Edit menu (the design's
    // history), not to the field's own editing history.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->ignore();
            return false;
        }
    }
    return QLineEdit::event(event);
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QLineEdit::keyPressEvent(event);
    if (enter) emit enterPressed();
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Only the user moving on counts; a message box or a popup taking the
    // focus for a moment must not validate the field again.
    switch (event->reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason: emit focusLost(); break;
        default: break;
    }
}

void FieldEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

// ---- FocusWheelComboBox ---------------------------------------------------------

FocusWheelComboBox::FocusWheelComboBox(QWidget* parent) : QComboBox(parent) {
    // Clicks and Tab give the focus; the wheel alone does not.
    setFocusPolicy(Qt::StrongFocus);
}

void FocusWheelComboBox::wheelEvent(QWheelEvent* event) {
    if (hasFocus()) {
        QComboBox::wheelEvent(event);
        return;
    }
    event->ignore();  // left to the window around it
}

// ---- Helpers ------------------------------------------------------------------------

namespace {

QLabel* make_label(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

}  // namespace

// ---- Form1 --------------------------------------------------------------------------

Form1::Form1(std::string appdata_folder, std::string home_folder, QWidget* parent)
    : QMainWindow(parent),
      view_(
          this, [this](Window w) { open_window(w); }, [this] { sync(); }),
      model_(view_, std::move(appdata_folder), std::move(home_folder)),
      editor_(model_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(app_icon());
    setWindowTitle(qs(model_.session.main.caption));
    build_fields();
    build_results();
    build_menus();
    sync();
}

Form1::~Form1() = default;

template <class F>
void Form1::run(F&& handler, std::optional<MainField> field, bool typing) {
    handler();
    editor_.after_change(field, typing);
    sync();
}

void Form1::build_fields() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    const QFontMetrics fm(font());
    // Wide enough for the longest feet-and-inches text a field shows.
    const int field_width = fm.horizontalAdvance(QStringLiteral("10' 11 15/16")) + 16;

    for (MainField f : kMainFields) {
        auto* edit = new FieldEdit(central);
        edit->setObjectName(qs(control_name(f)));
        edit->setFixedWidth(field_width);
        field(f) = edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, f](const QString& t) { run([&] { model_.change(f, t.toStdString()); }, f, true); });
        connect(edit, &FieldEdit::enterPressed, this, [this, f] { run([&] { model_.keypress(f, kEnterKey); }, f); });
        connect(edit, &FieldEdit::focusLost, this, [this, f] { run([&] { model_.lost_focus(f); }, f); });
        connect(edit, &FieldEdit::doubleClicked, this, [this, f] { run([&] { model_.dblclick(f); }, f); });
    }
    field(MainField::Ports)->setFixedWidth(fm.horizontalAdvance(QStringLiteral("0000")) + 16);
    field(MainField::Drivers)->setFixedWidth(fm.horizontalAdvance(QStringLiteral("0000")) + 16);

    // Box dimensions and calculator.
    frame1_ = new QGroupBox(central);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* g1 = new QGridLayout(frame1_);
    g1->addWidget(make_label("Label12", "Depth", frame1_), 0, 0);
    g1->addWidget(field(MainField::Depth), 0, 1);
    g1->addWidget(make_label("Label13", "Width", frame1_), 1, 0);
    g1->addWidget(field(MainField::Width), 1, 1);
    g1->addWidget(make_label("Label14", "Height", frame1_), 2, 0);
    g1->addWidget(field(MainField::Height), 2, 1);
    label15_ = make_label("Label15", "Internal Volume (litres)", frame1_);
    g1->addWidget(label15_, 3, 0);
    g1->addWidget(field(MainField::Volume), 3, 1);
    g1->addWidget(make_label("Label5", "Panel Thickness", frame1_), 0, 3);
    g1->addWidget(field(MainField::Thickness), 0, 4);
    check3_ = new QCheckBox(QStringLiteral("Double Thickness Front"), frame1_);
    check3_->setObjectName(QStringLiteral("Check3"));
    g1->addWidget(check3_, 1, 3, 1, 2);
    auto* label24 = make_label("Label24", "Also Dimension calculator - double click unknown field to update", frame1_);
    label24->setWordWrap(true);
    g1->addWidget(label24, 2, 3, 2, 2, Qt::AlignTop);
    g1->setColumnMinimumWidth(2, 12);
    g1->setColumnStretch(4, 1);
    connect(check3_, &QCheckBox::clicked, this, [this](bool on) { run([&] { model_.Check3_Click(on); }); });

    // Ports.
    frame5_ = new QGroupBox(central);
    frame5_->setObjectName(QStringLiteral("Frame5"));
    auto* g5 = new QGridLayout(frame5_);
    g5->addWidget(make_label("Label1", "No. of ports", frame5_), 0, 0);
    g5->addWidget(field(MainField::Ports), 0, 1, Qt::AlignLeft);
    port_labels_[1] = make_label("Label3", "Internal Diameter", frame5_);
    port_labels_[1]->setToolTip(QStringLiteral("Internal diameter of port"));
    g5->addWidget(port_labels_[1], 0, 3);
    g5->addWidget(field(MainField::PortDiameter), 0, 4);
    port_labels_[0] = make_label("Label2", "Length", frame5_);
    g5->addWidget(port_labels_[0], 1, 0);
    g5->addWidget(field(MainField::PortLength), 1, 1);
    port_labels_[2] = make_label("Label4", "Wall Thickness", frame5_);
    g5->addWidget(port_labels_[2], 1, 3);
    g5->addWidget(field(MainField::PortWall), 1, 4);
    g5->setColumnMinimumWidth(2, 12);
    g5->setColumnStretch(5, 1);

    // Driver.
    frame2_ = new QGroupBox(central);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* g2 = new QGridLayout(frame2_);
    g2->addWidget(make_label("Label19", "Box top to driver centre", frame2_), 0, 0);
    g2->addWidget(field(MainField::DriverDown), 0, 1);
    g2->addWidget(make_label("Label16", "Offset from vertical centreline", frame2_), 1, 0);
    g2->addWidget(field(MainField::DriverSideways), 1, 1);
    g2->addWidget(make_label("Label18", "Box front to mid-depth of cone", frame2_), 2, 0);
    g2->addWidget(field(MainField::DriverDepth), 2, 1);
    auto* size_row = new QHBoxLayout;
    auto* label11 = make_label("Label11", "Size", frame2_);
    label11->setToolTip(
        QStringLiteral("Specifying size allows an estimate of volume occupied by driver based on common examples"));
    size_row->addWidget(label11);
    combo1_ = new FocusWheelComboBox(frame2_);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    {
        QPalette pal = combo1_->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(group, QPalette::PlaceholderText, pal.color(group, QPalette::ButtonText));
        }
        combo1_->setPalette(pal);
    }
    size_row->addWidget(combo1_);
    size_row->addSpacing(12);
    size_row->addWidget(make_label("Label25", "No.", frame2_));
    size_row->addWidget(field(MainField::Drivers));
    size_row->addSpacing(12);
    command1_ = new QPushButton(QStringLiteral("Min"), frame2_);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setAutoDefault(false);
    size_row->addWidget(command1_);
    size_row->addStretch(1);
    g2->addLayout(size_row, 3, 0, 1, 3);
    g2->setColumnStretch(2, 1);
    connect(combo1_, &QComboBox::activated, this, [this](int i) { run([&] { model_.Combo1_Click(i); }); });
    connect(command1_, &QPushButton::clicked, this, [this] { run([&] { model_.Command1_Click(); }); });

    auto* left = new QVBoxLayout;
    left->addWidget(frame1_);
    left->addWidget(frame5_);
    left->addWidget(frame2_);
    left->addStretch(1);

    // Results and the where-to-measure picture share one place.
    frame4_ = new QGroupBox(QStringLiteral("Resonances"), central);
    frame4_->setObjectName(QStringLiteral("Frame4"));
    frame3_ = new QGroupBox(QStringLiteral("Where to Measure"), central);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    auto* g3 = new QVBoxLayout(frame3_);
    picture2_ = new WherePicture(frame3_);
    g3->addWidget(picture2_, 1, Qt::AlignHCenter);
    connect(picture2_, &WherePicture::clicked, this, [this] { run([&] { model_.Picture2_Click(); }); });

    auto* place = new QWidget(central);
    place->setObjectName(QStringLiteral("resultsPlace"));
    results_place_ = new QStackedLayout(place);
    results_place_->setContentsMargins(0, 0, 0, 0);
    results_place_->addWidget(frame4_);
    results_place_->addWidget(frame3_);

    picture1_ = new GraphView(model_.session.main, central);

    auto* grid = new QGridLayout(central);
    grid->addLayout(left, 0, 0);
    grid->addWidget(place, 0, 1);
    grid->addWidget(picture1_, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    // Tab order follows the frames from top to bottom.
    const std::vector<QWidget*> order{field(MainField::Depth),       field(MainField::Width),
                                      field(MainField::Height),      field(MainField::Volume),
                                      field(MainField::Thickness),   check3_,
                                      field(MainField::Ports),       field(MainField::PortDiameter),
                                      field(MainField::PortLength),  field(MainField::PortWall),
                                      field(MainField::DriverDown),  field(MainField::DriverSideways),
                                      field(MainField::DriverDepth), combo1_,
                                      field(MainField::Drivers),     command1_};
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    field(MainField::Depth)->setFocus(Qt::OtherFocusReason);
}

void Form1::build_results() {
    auto* v = new QVBoxLayout(frame4_);
    v->setSpacing(4);
    for (int n = 1; n <= kResonanceCount; ++n) {
        auto* label = new QLabel(frame4_);
        label->setObjectName(qs(resonance_label_name(n)));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        resonance_[n] = label;
        v->addWidget(label);
    }
    v->addSpacing(10);
    label6_ = make_label("Label6", "Volume Required by Ports unknown", frame4_);
    label6_->setToolTip(
        QStringLiteral("Square section edge bracing cut from same material as panels and shelf "
                       "brace with cutouts leaving a cross in the centre"));
    label28_ = make_label("Label28", "Label28", frame4_);
    label28_->setToolTip(QStringLiteral("Driver volume estimated by averaging values found in winISD database"));
    label26_ = make_label("Label26", "Working Vol", frame4_);
    label26_->setToolTip(QStringLiteral("Remaining volume after port, driver and bracing volumes are deducted"));
    label27_ = make_label("Label27", "Tune", frame4_);
    label27_->setToolTip(QStringLiteral("Tuning frequency"));
    for (QLabel* label : {label6_, label28_, label26_, label27_}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    v->addWidget(label6_);
    v->addWidget(label28_);
    auto* row = new QHBoxLayout;
    row->addWidget(label26_);
    row->addSpacing(16);
    row->addWidget(label27_);
    row->addStretch(1);
    v->addLayout(row);
    v->addStretch(1);

    // Room for the longest captions the results can take, so the window does
    // not jump as the numbers change.
    const QFontMetrics fm(frame4_->font());
    int widest = 0;
    for (const char* sample :
         {"Unable to calculate Driver to side wall-1 resonance", "(7) Driver to side wall-1 resonance  32767 hz",
          "Driver =  13.5 litres       Total =  145.5 litres", "Ports = 145.5 litres    Bracing = 145.5 litres"}) {
        widest = std::max(widest, fm.horizontalAdvance(QString::fromUtf8(sample)));
    }
    frame4_->setMinimumWidth(widest + 40);

    // The notes indicator stands at the top right, beside the menus.
    picture3_ = new NotesPicture(this);
    menuBar()->setCornerWidget(picture3_, Qt::TopRightCorner);
    connect(picture3_, &NotesPicture::clicked, this, [this] { run([&] { model_.Picture3_Click(); }); });
}

void Form1::build_menus() {
    QMenuBar* bar = menuBar();
    // An item running a handler of the design model.
    const auto action = [this](QMenu* menu, const char* name, const char* caption, void (MainForm::*handler)(),
                               bool checkable = false) {
        auto* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromUtf8(name));
        a->setCheckable(checkable);
        connect(a, &QAction::triggered, this, [this, handler] { run([&] { (model_.*handler)(); }); });
        return a;
    };
    // A command standing in the menu bar itself.
    const auto top_action = [this, bar](const char* name, const char* caption, void (MainForm::*handler)()) {
        auto* a = bar->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromUtf8(name));
        connect(a, &QAction::triggered, this, [this, handler] { run([&] { (model_.*handler)(); }); });
        return a;
    };
    const auto submenu = [](QMenu* menu, const char* name) {
        menu->setObjectName(QString::fromUtf8(name));
        menu->menuAction()->setObjectName(QString::fromUtf8(name));
        return menu;
    };
    const auto top_menu = [bar, submenu](const char* name, const char* caption) {
        return submenu(bar->addMenu(QString::fromUtf8(caption)), name);
    };
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromUtf8(name));
    };
    // Items of the editor rather than of the design model.
    const auto editor_action = [this](QMenu* menu, const char* name, const char* caption, const QKeySequence& keys,
                                      auto handler) {
        auto* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromUtf8(name));
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, [this, handler] { run([&] { handler(); }); });
        return a;
    };
    MenuActions& m = menus_;

    m.file = top_menu("mnu_file", "&Project");
    m.open =
        editor_action(m.file, "mnu_open", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { editor_.open(); });
    m.recent = submenu(m.file->addMenu(QStringLiteral("Recent projects")), "mnu_recent");
    m.quicksave =
        editor_action(m.file, "mnu_quicksave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { editor_.save(); });
    m.save = editor_action(m.file, "mnu_save", "&Save As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                           [this] { editor_.save_as(); });
    separator(m.file, "mnu_separator");
    m.notes = action(m.file, "mnu_notes", "&Notes", &MainForm::mnu_notes_Click);
    m.report = action(m.file, "mnu_report", "&Generate Report", &MainForm::mnu_report_Click);
    separator(m.file, "mnu_sepexit");
    m.exit = m.file->addAction(QStringLiteral("E&xit"));
    m.exit->setObjectName(QStringLiteral("mnu_exit"));
    m.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m.exit->setMenuRole(QAction::QuitRole);
    connect(m.exit, &QAction::triggered, this, &QWidget::close);

    m.edit = top_menu("mnu_edit", "&Edit");
    m.undo = editor_action(m.edit, "mnu_undo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { editor_.undo(); });
    m.redo = editor_action(m.edit, "mnu_redo", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                           [this] { editor_.redo(); });
    separator(m.edit, "mnu_sepedit");
    m.copyresults = editor_action(m.edit, "mnu_copyresults", "&Copy Results",
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { editor_.copy_results(); });

    m.flange = top_menu("mnu_flange", kFlangeMenuStartCaption.data());
    m.noflange =
        action(m.flange, "mnu_noflange", flange_item_caption(Flange::None).data(), &MainForm::mnu_noflange_Click, true);
    m.oneflange = action(m.flange, "mnu_oneflange", flange_item_caption(Flange::One).data(),
                         &MainForm::mnu_oneflange_Click, true);
    m.twoflange = action(m.flange, "mnu_twoflange", flange_item_caption(Flange::Two).data(),
                         &MainForm::mnu_twoflange_Click, true);
    separator(m.flange, "mnu_sep3");
    m.tune = action(m.flange, "mnu_tune", kTuneMenuCaption.data(), &MainForm::mnu_tune_Click);

    m.panels = top_action("mnu_panels", "&Cutting list", &MainForm::mnu_panels_Click);

    m.options = top_menu("mnu_options", "&Graphing Options");
    m.onekhz = action(m.options, "mnu_onekhz", "Graph to &1khz", &MainForm::mnu_onekhz_Click, true);
    m.twokhz = action(m.options, "mnu_twokhz", "Graph to &2khz", &MainForm::mnu_twokhz_Click, true);
    separator(m.options, "mnu_sep");
    m.shownums = action(m.options, "mnu_shownums", "Show &Identifying numbers", &MainForm::mnu_shownums_Click, true);
    m.highlight =
        action(m.options, "mnu_highlight", "&Highlight Resonances under 200hz", &MainForm::mnu_highlight_Click, true);

    m.units = top_action("mnu_units", "&Units", &MainForm::mnu_units_Click);
    m.print = top_action("mnu_print", "&Print", &MainForm::mnu_print_Click);
    m.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    m.help = top_menu("mnu_help", "&Help");
    m.where = action(m.help, "mnu_where", "Show me &where to measure", &MainForm::mnu_where_Click, true);
    separator(m.help, "mnu_sep2");
    m.about = action(m.help, "mnu_about", "&About Enclavio", &MainForm::mnu_about_Click);

    m.porting = top_action("mnu_porting", "P&orting", &MainForm::mnu_porting_Click);
    m.bracing = top_action("mnu_bracing", "&Bracing", &MainForm::mnu_bracing_Click);

    m.response = menuBar()->addMenu(qs(kResponseMenuCaption));
    m.response->setObjectName(QStringLiteral("mnu_response"));
    m.response->menuAction()->setObjectName(QStringLiteral("mnu_response"));
    m.driver_response = m.response->addAction(qs(kResponseItemCaption));
    m.driver_response->setObjectName(QStringLiteral("mnu_driver_response"));
    connect(m.driver_response, &QAction::triggered, this, [this] { open_response(); });
}

void Form1::open_response() {
    if (!response_)
        response_ = std::make_unique<ResponseWindow>(
            model_,
            [this] {
                editor_.after_change();  // an Apply is a design change like any other
                sync();
            },
            this);
    response_->show();
    response_->raise();
    response_->activateWindow();
}

// Each secondary window is built the first time it is asked for. What it
// shows lives in the session, so a window built late shows exactly what one
// built at start-up would, and start-up does not pay for windows the user may
// never open.
ModelDialog* Form1::dialog(Window w) {
    std::unique_ptr<ModelDialog>& slot = dialogs_[w];
    if (!slot)
        slot = make_dialog(
            w, model_, [this](Window other) { open_window(other); }, this);
    return slot.get();
}

void Form1::open_window(Window w) {
    ModelDialog* window = dialog(w);
    if (window == nullptr) return;  // not built: nothing to show
    if (w == Window::SheetLayout) {
        // Modeless: it stays open beside the main window.
        window->show();
        window->raise();
        window->activateWindow();
        return;
    }
    sync();
    window->show_modal();
    sync();
}

void Form1::startup() {
    model_.startup();
    editor_.start();
    sync();
    adjustSize();
    place_window(this, 0.3, 0.5);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (press_focused_button(this, event)) return;
    QMainWindow::keyPressEvent(event);
}

bool Form1::open_project(const std::string& path) {
    const bool opened = editor_.open_at_startup(path);
    sync();
    return opened;
}

void Form1::closeEvent(QCloseEvent* event) {
    // Unsaved changes are asked about, unless the session is ending: a signal
    // must close the program, never leave it waiting for an answer.
    if (!shut_down_ && ask_on_close_) {
        const bool may_close = editor_.may_discard_changes();
        // The question runs an event loop of its own. A signal that comes
        // meanwhile clears ask_on_close_ and closes the question (as Cancel):
        // the program must end all the same.
        const bool session_ending = !ask_on_close_;
        if (!may_close && !session_ending) {
            event->ignore();
            sync();
            return;
        }
    }
    if (!shut_down_) {
        shut_down_ = true;
        model_.shutdown();
    }
    event->accept();
}

void Form1::sync() {
    const Session& s = model_.session;
    const MainState& m = s.main;
    setWindowTitle(qs(m.caption));

    for (MainField which : kMainFields) {
        FieldEdit* edit = field(which);
        const TextField& f = m.text[which];
        const QString t = qs(f.text);
        if (edit->text() != t) {
            const QSignalBlocker block(edit);
            edit->setText(t);
        }
        set_enabled_text_colour(edit, f.fore);
        set_back_colour(edit, f.back);
        edit->setEnabled(f.enabled);
    }
    for (QLabel* label : port_labels_) label->setEnabled(m.port_labels_enabled);

    const ModeCaptions captions = mode_captions(s.mode);
    frame1_->setTitle(qs(captions.frame1));
    frame2_->setTitle(qs(captions.frame2));
    frame5_->setTitle(qs(captions.frame5));
    label15_->setText(qs(captions.label15));

    {
        const QSignalBlocker block(check3_);
        check3_->setChecked(m.check3);
    }
    {
        const QSignalBlocker block(combo1_);
        if (combo1_->count() != static_cast<int>(m.combo_items.size())) {
            combo1_->clear();
            for (const auto& item : m.combo_items) combo1_->addItem(qs(item));
        }
        if (combo1_->currentIndex() != m.combo_index) combo1_->setCurrentIndex(m.combo_index);
        // A size that is none of the list's (a project's own text) is shown as
        // the box's text, in the colour of a chosen size.
        const QString other = m.combo_index < 0 ? qs(m.combo_text) : QString();
        if (combo1_->placeholderText() != other) combo1_->setPlaceholderText(other);
    }

    const Results& r = m.results;
    const auto show = [](QLabel* label, const ResultLabel& rl) {
        const QString t = qs(rl.caption);
        if (label->text() != t) label->setText(t);
        set_enabled_text_colour(label, rl.colour);
        label->setEnabled(rl.enabled);
    };
    for (int n = 1; n <= kResonanceCount; ++n) show(resonance_[n], r.resonance[n]);
    show(label6_, r.ports_and_bracing_line);
    show(label28_, r.driver_and_total_line);
    show(label26_, r.working_volume_line);
    show(label27_, r.tuning_line);

    results_place_->setCurrentWidget(m.where ? static_cast<QWidget*>(frame3_) : frame4_);
    picture3_->setVisible(m.notes_picture);

    menus_.flange->setTitle(qs(m.flange_caption));
    menus_.noflange->setChecked(m.flange == Flange::None);
    menus_.oneflange->setChecked(m.flange == Flange::One);
    menus_.twoflange->setChecked(m.flange == Flange::Two);
    menus_.onekhz->setChecked(m.graph.range != 2000);
    menus_.twokhz->setChecked(m.graph.range == 2000);
    menus_.shownums->setChecked(m.graph.shownums);
    menus_.highlight->setChecked(m.graph.highlight);
    menus_.where->setChecked(m.where);
    menus_.undo->setEnabled(editor_.can_undo());
    menus_.redo->setEnabled(editor_.can_redo());
    sync_recent();

    picture1_->update();
    // The response window follows every change of the design.
    if (response_ && response_->isVisible()) response_->design_changed();
    // A window open beside this one follows the design.
    for (const auto& [which, window] : dialogs_)
        if (window && window->isVisible()) window->design_changed();
    // Captions may have grown: make the window large enough at once. A hidden
    // window is laid out when it is shown, so it is spared the work here.
    if (QLayout* l = layout(); l != nullptr && isVisible()) l->activate();
}

// The recent projects' submenu, rebuilt when the list changed: "&1 path", ...
void Form1::sync_recent() {
    std::vector<std::string> list = editor_.recent();
    if (list == recent_shown_ && !menus_.recent->isEmpty()) return;
    recent_shown_ = list;
    menus_.recent->clear();
    int n = 0;
    for (const std::string& path : list) {
        ++n;
        QString shown = qs(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = menus_.recent->addAction(QStringLiteral("&%1 %2").arg(n).arg(shown));
        a->setObjectName(QStringLiteral("mnu_recent%1").arg(n));
        connect(a, &QAction::triggered, this, [this, path] { run([&] { editor_.open_recent(path); }); });
    }
    if (list.empty()) {
        QAction* none = menus_.recent->addAction(QStringLiteral("(none)"));
        none->setEnabled(false);
    }
}

}  // namespace enclavio
