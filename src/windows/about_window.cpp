#include "windows/about_window.hpp"

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

#include "windows/pictures.hpp"

namespace enclavio {

namespace {

constexpr int kPictureWidth = 60, kPictureHeight = 79;

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

void draw_note(QPainter& p, QPointF head, double stem, const QColor& ink) {
    p.save();
    p.translate(head);
    p.rotate(-20);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(0, 0), 3.3, 2.3);
    p.restore();
    p.setPen(QPen(ink, 1.1));
    p.drawLine(QLineF(head + QPointF(2.9, -0.6), head + QPointF(2.9, -stem)));
}

}  // namespace

EnclosurePicture::EnclosurePicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureWidth, kPictureHeight);
    setToolTip(qs(kAboutPictureTip));
}

QSize EnclosurePicture::sizeHint() const { return {kPictureWidth, kPictureHeight}; }

void EnclosurePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawing::fit(p, size(), {kPictureWidth, kPictureHeight});

    // Notes rising from the box.
    const QColor ink(70, 60, 150);
    draw_note(p, {10, 19}, 13, ink);
    draw_note(p, {20, 16}, 13, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF{QPointF(12.4, 6), QPointF(23.4, 3), QPointF(23.4, 5.6), QPointF(12.4, 8.6)});
    draw_note(p, {43, 15}, 12, ink);
    p.setPen(QPen(ink, 1.1));
    p.drawLine(QLineF(45.9, 3, 50, 8));

    // Shadow and cabinet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(9, 27, 46, 51), 2, 2);
    QLinearGradient wood(0, 24, 60, 78);
    wood.setColorAt(0, QColor(150, 96, 52));
    wood.setColorAt(1, QColor(96, 58, 30));
    p.setPen(QPen(QColor(60, 36, 18), 0.8));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(7, 25, 46, 51), 2, 2);

    // Driver.
    const QPointF centre(30, 44);
    p.setBrush(QColor(28, 28, 32));
    p.drawEllipse(centre, 14.5, 14.5);
    QRadialGradient cone(centre - QPointF(2, 2), 13);
    cone.setColorAt(0, QColor(165, 168, 178));
    cone.setColorAt(1, QColor(55, 57, 66));
    p.setPen(QPen(QColor(20, 20, 24), 0.6));
    p.setBrush(cone);
    p.drawEllipse(centre, 11.5, 11.5);
    p.setBrush(QColor(45, 46, 52));
    p.drawEllipse(centre, 4, 4);

    // Two ports.
    for (double x : {19.0, 41.0}) {
        p.setPen(QPen(QColor(150, 150, 156), 0.9));
        p.setBrush(QColor(14, 14, 16));
        p.drawEllipse(QPointF(x, 67), 4.6, 4.6);
    }
}

frmAbout::frmAbout(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(main, std::move(opener), parent), model_(view_) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(qs(kAboutCaption));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qc(colours::light_grey));
    setPalette(pal);
    setAutoFillBackground(true);

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

    auto* credits = new QVBoxLayout;
    credits->addWidget(label1);
    credits->addSpacing(6);
    credits->addWidget(label10);
    credits->addWidget(label6);
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
