#include "windows/port_details_window.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "windows/pictures.hpp"

namespace enclavio {

// ---- Picture -------------------------------------------------------------------------

namespace {

constexpr double kCell = 110, kEndsWidth = 4 * kCell, kEndsHeight = 128;

enum class End { Free, Flared, Flanged, FlangedFlared };

// One port end in section: the tube comes in from the left and opens to the
// right, at x = mouth.
void draw_end(QPainter& p, End end) {
    using namespace drawing;
    const double top = 44, bottom = 76, wall = 3.5, start = 8, mouth = 74, radius = 16;
    const QColor tube(150, 154, 166), tube_edge(80, 80, 92);
    const QColor air(214, 234, 250);

    const double tube_end = end == End::FlangedFlared ? mouth - 18 : end == End::Flared ? mouth - radius : mouth;
    p.setPen(Qt::NoPen);
    p.setBrush(air);
    p.drawRect(QRectF(start, top, (end == End::FlangedFlared ? mouth : tube_end) - start, bottom - top));

    // The panel the end is fitted to, where there is one.
    if (end == End::Flanged || end == End::FlangedFlared) {
        const double thick = end == End::Flanged ? 10 : 18;
        const double pl = mouth - thick;
        QPainterPath panel;
        panel.addRect(QRectF(pl, 10, thick, top - wall - 10 + 0.01));
        panel.addRect(QRectF(pl, bottom + wall, thick, 110 - bottom - wall));
        if (end == End::FlangedFlared) {
            // Rounded-over edges of the hole on the outer face.
            panel = QPainterPath();
            const double r = radius * 0.8;
            for (int side : {-1, 1}) {
                const double edge = side < 0 ? top - wall : bottom + wall;
                const double far = side < 0 ? 10 : 110;
                QPainterPath part;
                part.moveTo(pl, far);
                part.lineTo(mouth, far);
                part.lineTo(mouth, edge + side * r);
                part.quadTo(QPointF(mouth, edge), QPointF(mouth - r, edge));
                part.lineTo(pl, edge);
                part.closeSubpath();
                panel.addPath(part);
            }
        }
        p.setPen(QPen(wood_edge(), 1.0));
        p.setBrush(wood());
        p.drawPath(panel);
    }

    p.setPen(QPen(tube_edge, 0.8));
    p.setBrush(tube);
    p.drawRect(QRectF(start, top - wall, tube_end - start, wall));
    p.drawRect(QRectF(start, bottom, tube_end - start, wall));

    if (end == End::Flared) {
        // The tube's end turned outward on a radius.
        for (int side : {-1, 1}) {
            const double edge = side < 0 ? top : bottom;
            QPainterPath lip;
            lip.moveTo(tube_end, edge + side * wall);
            lip.quadTo(QPointF(mouth - 2, edge + side * wall), QPointF(mouth - 2, edge + side * (radius + wall)));
            lip.lineTo(mouth + 1.5, edge + side * (radius + wall));
            lip.quadTo(QPointF(mouth + 1.5, edge), QPointF(tube_end, edge));
            lip.closeSubpath();
            p.drawPath(lip);
        }
        centred_text(p, {mouth + 10, top - 14}, QStringLiteral("r"), 11, dimension_colour(), true);
    }
    if (end == End::FlangedFlared) {
        centred_text(p, {mouth + 10, top - 16}, QStringLiteral("r"), 11, dimension_colour(), true);
    }

    // Air leaving the port.
    const QColor flow(60, 130, 210);
    p.setPen(QPen(flow, 1.4));
    const double y = (top + bottom) / 2;
    p.drawLine(QLineF(28, y, mouth + 18, y));
    QPolygonF head;
    head << QPointF(mouth + 24, y) << QPointF(mouth + 17, y - 3.5) << QPointF(mouth + 17, y + 3.5);
    p.setBrush(flow);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

}  // namespace

PortEndsPicture::PortEndsPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(static_cast<int>(kEndsWidth * 0.75), static_cast<int>(kEndsHeight * 0.75));
}

QSize PortEndsPicture::sizeHint() const { return {static_cast<int>(kEndsWidth), static_cast<int>(kEndsHeight)}; }

void PortEndsPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(190, 190, 190));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    drawing::fit(p, size(), {kEndsWidth, kEndsHeight});
    const struct {
        End end;
        const char* name;
    } ends[] = {{End::Free, "Free"},
                {End::Flared, "Flared"},
                {End::Flanged, "Flanged"},
                {End::FlangedFlared, "Flanged and Flared"}};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(i * kCell, 0);
        draw_end(p, ends[i].end);
        drawing::centred_text(p, {kCell / 2, 117}, QString::fromLatin1(ends[i].name), 11, QColor(40, 40, 40));
        p.restore();
    }
}

// ---- The window ----------------------------------------------------------------------

Form8::Form8(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(main, std::move(opener), parent), model_(main.s) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(qs(kPortDetailsCaption));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qc(colours::light_grey));
    setPalette(pal);
    setAutoFillBackground(true);

    auto make_frame = [this](const char* name, std::string_view caption) {
        auto* frame = new QGroupBox(qs(caption), this);
        frame->setObjectName(QString::fromLatin1(name));
        set_text_colour(frame, kPortFrameColour);
        return frame;
    };
    auto add_option = [this](QGroupBox* frame, QButtonGroup* group, QVBoxLayout* layout, const PortEndOption& o) {
        auto* button = new QRadioButton(qs(o.caption), frame);
        button->setObjectName(QStringLiteral("Option%1").arg(o.number));
        set_text_colour(button, colours::black);
        group->addButton(button);
        layout->addWidget(button);
        const int number = o.number;
        connect(button, &QRadioButton::clicked, this, [this, number] {
            model_.Option_Click(number);
            sync();
        });
        options_[static_cast<std::size_t>(number)] = button;
    };
    auto add_radius = [](QGroupBox* frame, QVBoxLayout* layout, const char* label_name, std::string_view caption,
                         const char* text_name) {
        auto* label = new QLabel(qs(caption), frame);
        label->setObjectName(QString::fromLatin1(label_name));
        set_text_colour(label, colours::black);
        auto* text = new QLineEdit(frame);
        text->setObjectName(QString::fromLatin1(text_name));
        text->setMaximumWidth(70);
        set_text_colour(text, colours::black);
        auto* row = new QHBoxLayout;
        row->addWidget(label);
        row->addWidget(text);
        row->addStretch();
        layout->addStretch();
        layout->addLayout(row);
        return text;
    };

    auto* frame1 = make_frame("Frame1", kOutsideEndCaption);
    auto* l1 = new QVBoxLayout(frame1);
    auto* outside = new QButtonGroup(frame1);
    for (const PortEndOption& o : outside_end_options()) add_option(frame1, outside, l1, o);
    text1_ = add_radius(frame1, l1, "Label1", kOutsideRadiusCaption, "Text1");

    auto* frame2 = make_frame("Frame2", kInsideEndCaption);
    auto* l2 = new QVBoxLayout(frame2);
    auto* inside = new QButtonGroup(frame2);
    for (const PortEndOption& o : inside_end_options()) add_option(frame2, inside, l2, o);
    text2_ = add_radius(frame2, l2, "Label2", kInsideRadiusCaption, "Text2");

    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1_Change(t.toStdString()); });
    connect(text2_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text2_Change(t.toStdString()); });

    auto* picture1 = new PortEndsPicture(this);
    picture1->setObjectName(QStringLiteral("Picture1"));

    auto* command1 = new QPushButton(qs(kPortDetailsOkCaption), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(frame1, 0, 0);
    layout->addWidget(frame2, 0, 1);
    layout->addWidget(picture1, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    sync();
    adjustSize();
    place_window(this, 0.25, 0.25);
}

void Form8::sync() {
    for (std::size_t n = 0; n < options_.size(); ++n) {
        if (options_[n] != nullptr) options_[n]->setChecked(model_.selected(static_cast<int>(n)));
    }
    if (text1_->text() != qs(model_.text1())) text1_->setText(qs(model_.text1()));
    if (text2_->text() != qs(model_.text2())) text2_->setText(qs(model_.text2()));
}

}  // namespace enclavio
