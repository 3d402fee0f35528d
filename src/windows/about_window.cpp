#include "windows/about_window.hpp"

#include "windows/palette.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <functional>

namespace enclavio {

namespace {

// A label that runs a handler when clicked: the window's links.
class LinkLabel : public ClickLabel {
public:
    LinkLabel(const AboutLink& link, std::function<void()> handler, QWidget* parent)
        : ClickLabel(qs(link.caption), parent) {
        on_click = std::move(handler);
        setObjectName(qs(link.control));
        setToolTip(qs(link.tooltip));
        setCursor(Qt::PointingHandCursor);
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
        set_text_colour(this, colours::navy);
        setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    }
};

}  // namespace

// The About window shows nothing of the design: it takes the main form only
// to be made like every other window.
frmAbout::frmAbout(MainForm& /*main*/, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(view_) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(qs(kAboutCaption));
    set_ground_colour(this, colours::light_grey);

    auto text = [this](std::string_view control) {
        for (const AboutText& t : about_texts()) {
            if (t.control == control) {
                auto* label = new QLabel(qs(t.caption), this);
                label->setObjectName(qs(t.control));
                label->setTextFormat(Qt::PlainText);
                return label;
            }
        }
        return new QLabel(this);
    };
    auto link = [this](std::string_view control, void (AboutForm::*handler)()) {
        return new LinkLabel(
            about_link(control), [this, handler] { (model_.*handler)(); }, this);
    };

    auto* label1 = new QLabel(qs(about_title()), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = label1->font();
    bold.setBold(true);
    label1->setFont(bold);
    label1->setAlignment(Qt::AlignCenter);
    set_text_colour(label1, colours::blue);

    auto* picture1 = new EnclosurePicture(this);
    picture1->setObjectName(QStringLiteral("Picture1"));

    auto* label10 = text("Label10");
    auto* label6 = text("Label6");
    label10->setAlignment(Qt::AlignCenter);
    label6->setAlignment(Qt::AlignCenter);
    auto* licence = new QLabel(qs(about_licence()), this);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setAlignment(Qt::AlignCenter);

    auto* credits = new QVBoxLayout;
    credits->addWidget(label1);
    credits->addSpacing(6);
    credits->addWidget(label10);
    credits->addWidget(label6);
    credits->addWidget(licence);
    credits->addStretch();
    auto* head = new QHBoxLayout;
    head->addSpacing(px(120));
    head->addWidget(picture1, 0, Qt::AlignTop);
    head->addSpacing(px(60));
    head->addLayout(credits, 1);

    cmdOK_ = new QPushButton(qs(kAboutOkCaption), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdOK_->setMinimumWidth(px(1020));
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(240), px(240), px(240), px(240));
    layout->addLayout(head);
    layout->addSpacing(px(200));
    layout->addWidget(text("Label7"));
    layout->addWidget(link("Label8", &AboutForm::Label8_Click));
    layout->addSpacing(px(300));
    layout->addWidget(text("Label2"));
    layout->addWidget(link("Label9", &AboutForm::Label9_Click));
    layout->addSpacing(px(300));
    layout->addWidget(text("Label3"));
    layout->addWidget(link("Label5", &AboutForm::Label5_Click));
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    layout->addLayout(buttons);
    // At least the size the window was designed at; larger where the fonts need it.
    setMinimumSize(layout->minimumSize().expandedTo(QSize(px(4890), px(5130))));

    adjustSize();
    place_window(this, 1.0 / 8.0, 0.5);
}

void frmAbout::reject() { cmdOK_->click(); }

}  // namespace enclavio
