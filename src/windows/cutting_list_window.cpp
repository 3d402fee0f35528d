#include "windows/cutting_list_window.hpp"

#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "forms/sheet_layout_form.hpp"
#include "forms/workshop_sheet.hpp"
#include "windows/drawings/panel_picture.hpp"
#include "windows/palette.hpp"
#include "windows/workshop_sheet_pdf.hpp"

namespace enclavio {

namespace {

constexpr int kClientWidth = 8880, kClientHeight = 5655;  // twips
constexpr int kRightMargin = 108;                         // twips right of the widest line

constexpr Colour kDarkGrey{64, 64, 64};
constexpr Colour kBannerGround{118, 205, 172};

// Picture1: shows the arrangement drawing the model names; a click flips it.
class PanelPictureBox : public QWidget {
public:
    PanelPictureBox(QWidget* parent, std::function<PanelPicture()> source)
        : QWidget(parent), source_(std::move(source)) {}
    std::function<void()> on_click;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_panel_picture(p, QRectF(rect()), source_());
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(160, 160, 160));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && on_click) on_click();
        QWidget::mouseReleaseEvent(e);
    }

private:
    std::function<PanelPicture()> source_;
};

struct Place {
    int left, top, width, height;  // twips
};

QRect place(const Place& p) { return QRect(px(p.left), px(p.top), px(p.width), px(p.height)); }

// The banner's leading carriage return only pushed the text down to the middle
// of the banner; here it is centred instead.
QString banner_display(const std::string& text) {
    QString s = qs(text);
    s.remove(QChar('\r'));
    return s;
}

// Design geometry of the labels, twips; [0] unused.
constexpr Place kLabelPlace[17] = {
    {0, 0, 0, 0},
    {2280, 600, 6492, 252},   // Label1
    {2280, 960, 6492, 252},   // Label2
    {2280, 1320, 6492, 252},  // Label3
    {2280, 1680, 6492, 252},  // Label4
    {2280, 2040, 6492, 252},  // Label5
    {2280, 2400, 6492, 252},  // Label6
    {2280, 2760, 6492, 252},  // Label7
    {2280, 3120, 6492, 252},  // Label8
    {2280, 3480, 6492, 252},  // Label9
    {3120, 5280, 4092, 252},  // Label10
    {120, 5280, 2892, 252},   // Label11
    {120, 120, 8652, 252},    // Label12
    {360, 4920, 6852, 252},   // Label13
    {240, 4680, 7092, 732},   // Label14
    {360, 4800, 7092, 732},   // Label15
    {720, 3240, 495, 255},    // Label16
};
constexpr Place kPicture1Place{120, 600, 1830, 2280};
constexpr Place kOption1Place{480, 3960, 2292, 252};
constexpr Place kOption2Place{480, 4320, 6012, 252};
constexpr Place kCommand1Place{7920, 4680, 852, 375};
constexpr Place kCommand2Place{7920, 5160, 852, 375};
constexpr Place kCommand3Place{7920, 4200, 852, 375};
// Below the window's design area: the list saved for the workshop and for
// spreadsheets, in a row under the buttons.
constexpr int kSaveRowTop = 5700, kSaveRowGap = 120;  // twips

}  // namespace

Form3::Form3(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(main, view_) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(qs(kCuttingCaption));

    const CuttingList initial = cutting_list_before_first_run();
    const char* const design_text[17] = {
        "",
        initial.panel_lines[0].c_str(),
        initial.panel_lines[1].c_str(),
        initial.panel_lines[2].c_str(),
        initial.panel_lines[3].c_str(),
        initial.panel_lines[4].c_str(),
        initial.panel_lines[5].c_str(),
        initial.panel_lines[6].c_str(),
        initial.panel_lines[7].c_str(),
        initial.brace_note.c_str(),
        kAssemblyLinkCaption.data(),
        "You can see full assembly steps at: ",
        initial.finished_line.c_str(),
        "These dimensions only correct for panels arranged as per drawing. Always check before cutting.",
        "",
        "",
        view_arrow(PanelView::Front).data(),
    };
    for (int i = 1; i <= 16; ++i) {
        QLabel* l = (i == 10 || i == 16) ? new ClickLabel(this) : new QLabel(this);
        l->setObjectName(QStringLiteral("Label%1").arg(i));
        l->setTextFormat(Qt::PlainText);
        l->setText(QString::fromUtf8(design_text[i]));
        l->setGeometry(place(kLabelPlace[i]));
        label_[i] = l;
    }

    // Lines of the list: dark blue on white.
    for (int i = 1; i <= 8; ++i) {
        set_text_colour(label_[i], colours::dark_blue);
        set_ground_colour(label_[i], colours::white);
    }
    for (int i : {9, 11, 13}) set_text_colour(label_[i], colours::grey);

    QFont underlined = font();
    underlined.setUnderline(true);
    label_[12]->setFont(underlined);
    set_text_colour(label_[12], colours::dark_blue);
    label_[10]->setFont(underlined);
    set_text_colour(label_[10], colours::dark_blue);
    label_[10]->setCursor(Qt::PointingHandCursor);
    label_[10]->setToolTip(QStringLiteral("Click link to launch your browser and go to this page of my site"));
    static_cast<ClickLabel*>(label_[10])->on_click = [this] { model_.Label10_Click(); };

    QFont bold = font();
    bold.setBold(true);
    label_[16]->setFont(bold);
    set_text_colour(label_[16], kDarkGrey);
    label_[16]->setCursor(Qt::PointingHandCursor);
    static_cast<ClickLabel*>(label_[16])->on_click = [this] { model_.Label16_Click(); };

    // The hint banner and its shadow, above everything they overlap.
    label_[14]->setFont(bold);
    set_text_colour(label_[14], colours::white);
    set_ground_colour(label_[14], kBannerGround);
    label_[14]->setAlignment(Qt::AlignCenter);
    label_[14]->setWordWrap(true);
    label_[14]->setMargin(4);
    set_ground_colour(label_[15], colours::green);
    label_[14]->hide();
    label_[15]->hide();

    auto* picture = new PanelPictureBox(this, [this] { return model_.state().picture; });
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(place(kPicture1Place));
    picture->setToolTip(QStringLiteral("Arrangement of panels - click for alternate view"));
    picture->setCursor(Qt::PointingHandCursor);
    picture->on_click = [this] { model_.Picture1_Click(); };
    picture1_ = picture;

    option1_ = new QRadioButton(QStringLiteral("Show exact dimensions"), this);
    option1_->setObjectName(QStringLiteral("Option1"));
    option1_->setGeometry(place(kOption1Place));
    option1_->setChecked(true);
    option2_ = new QRadioButton(qs(initial.allowance_caption), this);
    option2_->setObjectName(QStringLiteral("Option2"));
    option2_->setGeometry(place(kOption2Place));
    connect(option1_, &QRadioButton::clicked, this, [this] { model_.Option1_Click(); });
    connect(option2_, &QRadioButton::clicked, this, [this] { model_.Option2_Click(); });

    command1_ = new QPushButton(QStringLiteral("&Print"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(place(kCommand1Place));
    command1_->setAutoDefault(false);
    command2_ = new QPushButton(QStringLiteral("&OK"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(place(kCommand2Place));
    command2_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, [this] { model_.Command1_Click(); });
    connect(command2_, &QPushButton::clicked, this, [this] {
        model_.Command2_Click();
        accept();
    });

    command3_ = new QPushButton(qs(kSheetLayoutButtonCaption), this);
    command3_->setObjectName(QStringLiteral("Command3"));
    command3_->setGeometry(place(kCommand3Place));
    command3_->setAutoDefault(false);
    connect(command3_, &QPushButton::clicked, this, [this] {
        // The list closes first: the layout opens beside the main window,
        // where it follows the design as it changes.
        accept();
        model_.Command3_Click();
    });

    save_sheet_ = new QPushButton(QStringLiteral("Save &Workshop Sheet..."), this);
    save_sheet_->setObjectName(QStringLiteral("saveWorkshopSheet"));
    save_csv_ = new QPushButton(QStringLiteral("Save as &CSV..."), this);
    save_csv_->setObjectName(QStringLiteral("saveCsv"));
    for (QPushButton* b : {save_sheet_, save_csv_}) b->setAutoDefault(false);
    connect(save_sheet_, &QPushButton::clicked, this, [this] { save_workshop_sheet(); });
    connect(save_csv_, &QPushButton::clicked, this, [this] { save_csv(); });

    label_[15]->raise();
    label_[14]->raise();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kCuttingBannerMs);
    timer1_->setSingleShot(false);  // keeps ticking until an option or button stops it
    connect(timer1_, &QTimer::timeout, this, [this] { model_.Timer1_Timer(); });

    fit_to_texts();
}

void Form3::sync() {
    const CuttingState& c = model_.state();
    label_[12]->setText(qs(c.list.finished_line));
    for (int i = 0; i < kPanelCount; ++i) {
        label_[i + 1]->setText(qs(c.list.panel_lines[i]));
        label_[i + 1]->setToolTip(qs(c.tooltips[i]));
    }
    label_[3]->setVisible(c.list.front_inner_visible);
    label_[9]->setText(qs(c.list.brace_note));
    label_[16]->setText(qs(view_arrow(c.view)));
    {
        const QSignalBlocker b1(option1_), b2(option2_);
        option2_->setText(qs(c.list.allowance_caption));
        (c.show_exact ? option1_ : option2_)->setChecked(true);
    }
    label_[14]->setText(banner_display(c.banner_text));
    label_[15]->setVisible(c.banner);
    label_[14]->setVisible(c.banner);
    if (!c.timer) {
        timer1_->stop();
    } else if (!timer1_->isActive()) {
        timer1_->start();
    }
    picture1_->update();
    fit_to_texts();
}

// The design geometry, widened where a text would not fit: the window grows
// to the right and the buttons stay at its right edge, clear of the texts
// beside them.
void Form3::fit_to_texts() {
    auto text_width = [](const QLabel* l) {
        return QFontMetrics(l->font()).horizontalAdvance(l->text()) + 2 * l->margin() + 4;
    };
    auto set_width = [](QWidget* w, int width, int min_height) {
        QRect g = w->geometry();
        g.setWidth(width);
        g.setHeight(std::max(g.height(), min_height));
        w->setGeometry(g);
        return g.right() + 1;
    };
    auto fit = [&](int n) {
        return set_width(label_[n], std::max(px(kLabelPlace[n].width), text_width(label_[n])),
                         QFontMetrics(label_[n]->font()).height() + 1);
    };

    // The eight lines of the list share one width, so their white grounds line up.
    int lines = px(kLabelPlace[1].width);
    for (int n = 1; n <= 8; ++n) lines = std::max(lines, text_width(label_[n]));
    int upper = 0;
    for (int n = 1; n <= 8; ++n)
        upper = std::max(upper, set_width(label_[n], lines, QFontMetrics(label_[n]->font()).height() + 1));
    upper = std::max({upper, fit(12), fit(9), fit(16)});

    // Beside the buttons: the options, the warning, the link and its prompt, the banner.
    int lower = std::max(fit(13), fit(11));
    for (auto [button, where] : {std::pair{option1_, kOption1Place}, std::pair{option2_, kOption2Place}}) {
        const QSize hint = button->sizeHint();
        lower = std::max(lower, set_width(button, std::max(px(where.width), hint.width() + 4), hint.height()));
    }
    QRect link = label_[10]->geometry();
    link.moveLeft(std::max(px(kLabelPlace[10].left), label_[11]->geometry().right() + 1 + px(108)));
    label_[10]->setGeometry(link);
    lower = std::max(lower, fit(10));
    const int banner = std::max(px(kLabelPlace[14].width), text_width(label_[14]) + 16);
    lower = std::max(lower, set_width(label_[14], banner, 0));
    lower = std::max(lower, set_width(label_[15], banner, 0));

    int button_width = px(kCommand1Place.width);
    for (QPushButton* b : {command1_, command2_, command3_})
        button_width = std::max(button_width, b->sizeHint().width());
    const int margin = px(kRightMargin);
    const QSize sheet_size = save_sheet_->sizeHint(), csv_size = save_csv_->sizeHint();
    const int row_height = std::max({px(375), sheet_size.height(), csv_size.height()});
    const int row_width = sheet_size.width() + px(kSaveRowGap) + csv_size.width();
    const int width =
        std::max({px(kClientWidth), upper + margin, lower + margin + button_width + margin, row_width + 2 * margin});
    for (auto [button, where] : {std::pair{command1_, kCommand1Place}, std::pair{command2_, kCommand2Place},
                                 std::pair{command3_, kCommand3Place}}) {
        button->setGeometry(width - margin - button_width, px(where.top), button_width,
                            std::max(px(where.height), button->sizeHint().height()));
    }
    const int row_right = width - margin;
    save_csv_->setGeometry(row_right - csv_size.width(), px(kSaveRowTop), csv_size.width(), row_height);
    save_sheet_->setGeometry(save_csv_->x() - px(kSaveRowGap) - sheet_size.width(), px(kSaveRowTop), sheet_size.width(),
                             row_height);
    setFixedSize(width, std::max(px(kClientHeight), save_csv_->geometry().bottom() + 1 + px(kSaveRowGap)));
}

// Asks where the file goes, starting in the project's folder with the
// project's name; empty when the user cancels.
static QString ask_save_path(QWidget* parent, const CuttingForm& form, const char* title, std::string_view extension,
                             const char* filter) {
    const QString folder = form.export_folder().empty() ? QDir::homePath() : qs(form.export_folder());
    const QString suggested = QDir(folder).filePath(qs(form.export_name(extension)));
    return QFileDialog::getSaveFileName(parent, QString::fromUtf8(title), suggested, QString::fromUtf8(filter));
}

void Form3::save_workshop_sheet() {
    const QString path = ask_save_path(this, model_, "Save Workshop Sheet", ".pdf", "PDF files (*.pdf)");
    if (path.isEmpty()) return;
    const std::string date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
    QString error;
    if (!write_workshop_sheet(path, model_.workshop_sheet(date), workshop_page_size(), &error))
        model_.report_save_failure(path.toStdString(), error.toStdString());
}

void Form3::save_csv() {
    const QString path = ask_save_path(this, model_, "Save as CSV", ".csv", "CSV files (*.csv)");
    if (!path.isEmpty()) model_.save_csv(path.toStdString());
}

// Form_Load: placed once per load, a little left of and below the centre.
void Form3::showEvent(QShowEvent* event) {
    placement_.on_show(this);
    ModelDialog::showEvent(event);
}

// Escape hides the window like OK.
void Form3::reject() {
    model_.Command2_Click();
    ModelDialog::reject();
}

// Closed by the title bar: the window and its state are gone; the next
// opening starts from the initial state.
void Form3::closeEvent(QCloseEvent* event) {
    ModelDialog::closeEvent(event);
    if (!event->isAccepted()) return;
    model_.discard();
    placement_.forget();
    sync();
}

}  // namespace enclavio
