#include "windows/bracing_window.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QVBoxLayout>

#include "windows/pictures.hpp"

namespace enclavio {

// ---- Drawings ----------------------------------------------------------------------

namespace {

constexpr double kPictureWidth = 270, kPictureHeight = 205;

QColor front_colour() { return {190, 128, 62}; }

}  // namespace

QColor hidden_line_colour() { return front_colour().darker(150); }

FrontSketch front_sketch(bool double_front) {
    FrontSketch s;
    s.face = QRectF(56, 66, 100, 110);
    s.back = QPointF(62, -40);  // the depth, receding up and to the right
    const QPointF a = s.face.topLeft(), b = s.face.topRight(), c = s.face.bottomRight();
    const QPointF layer = s.back * 0.09;  // one panel thickness of depth
    s.top_edge = QPolygonF{a, b, b + layer, a + layer};
    s.side_edge = QPolygonF{b, b + layer, c + layer, c};
    if (double_front) {
        // The inner layer sits in between the sides, top and bottom, behind the
        // outer one: one panel thickness in from each edge, W - 2T by H - 2T.
        const double t = s.thickness;
        s.inner = s.face.adjusted(t, t, -t, -t);
        const QPointF in = layer * 2;  // its back face, one layer further in
        s.inner_back = {QLineF(a + QPointF(t, 0) + in, b - QPointF(t, 0) + in),
                        QLineF(b + QPointF(0, t) + in, c - QPointF(0, t) + in)};
    }
    return s;
}

namespace {

void label_text(QPainter& p, QPointF centre, const QString& text, const QColor& colour, bool bold = false) {
    drawing::centred_text(p, centre, text, 11, colour, bold);
}

// The box in oblique view with its external sizes, its front drawn as
// front_sketch lays it out.
void draw_box_sizes(QPainter& p, bool double_front) {
    using namespace drawing;
    const QColor edge = wood_edge(), dim = dimension_colour();
    const FrontSketch sketch = front_sketch(double_front);
    const QRectF& face = sketch.face;
    const double x0 = face.left(), y0 = face.top(), w = face.width(), h = face.height();
    const QPointF back = sketch.back;
    const QPointF a = face.topLeft(), b = face.topRight(), c = face.bottomRight(), d = face.bottomLeft();

    p.setPen(QPen(edge, 1.0));
    p.setBrush(QColor(240, 214, 170));
    p.drawPolygon(QPolygonF{a, b, b + back, a + back});  // top
    p.setBrush(QColor(206, 166, 112));
    p.drawPolygon(QPolygonF{b, b + back, c + back, c});  // side
    p.setBrush(wood());
    p.drawPolygon(QPolygonF{a, b, c, d});  // front

    // The (outer) front panel's edge on the top and the side.
    p.setBrush(front_colour());
    p.drawPolygon(sketch.top_edge);
    p.drawPolygon(sketch.side_edge);

    if (double_front) {
        QPen hidden(hidden_line_colour(), 1.0, Qt::CustomDashLine);
        hidden.setDashPattern({4, 3});
        p.setPen(hidden);
        p.setBrush(Qt::NoBrush);
        // Stroked half a pixel inside its edges, the dashes fall on whole pixels.
        p.drawRect(sketch.inner.adjusted(0.5, 0.5, -0.5, -0.5));
        for (const QLineF& line : sketch.inner_back) p.drawLine(line);
        p.setPen(QPen(edge, 1.0));
    }

    // Driver and two ports on the front.
    const QPointF centre(x0 + w / 2, y0 + 40);
    p.setBrush(QColor(50, 50, 56));
    p.drawEllipse(centre, 29, 29);
    QRadialGradient cone(centre, 25);
    cone.setColorAt(0, QColor(150, 154, 166));
    cone.setColorAt(1, QColor(70, 72, 82));
    p.setBrush(cone);
    p.drawEllipse(centre, 24, 24);
    p.setBrush(QColor(110, 114, 126));
    p.drawEllipse(centre, 8, 8);
    p.setBrush(QColor(40, 40, 44));
    p.drawEllipse(QPointF(x0 + 30, y0 + 90), 8, 8);
    p.drawEllipse(QPointF(x0 + 70, y0 + 90), 8, 8);

    // External sizes.
    guide(p, d, d + QPointF(0, 15), dim);
    guide(p, c, c + QPointF(0, 15), dim);
    dimension(p, d + QPointF(0, 11), c + QPointF(0, 11), dim);
    label_text(p, {x0 + w / 2, y0 + h + 22}, QStringLiteral("Width"), dim);

    guide(p, a, a - QPointF(16, 0), dim);
    guide(p, d, d - QPointF(16, 0), dim);
    dimension(p, a - QPointF(12, 0), d - QPointF(12, 0), dim);
    label_text(p, {24, y0 + h / 2}, QStringLiteral("Height"), dim);

    const QPointF out(0.54 * 12, 0.84 * 12);  // square to the receding edge
    guide(p, c, c + out * 1.3, dim);
    guide(p, c + back, c + back + out * 1.3, dim);
    dimension(p, c + out, c + back + out, dim);
    label_text(p, c + back * 0.5 + out * 2.3, QStringLiteral("Depth"), dim);

    label_text(p, {kPictureWidth / 2, 11},
               double_front ? QStringLiteral("Double thickness front") : QStringLiteral("Single thickness front"),
               front_colour().darker(130), true);
}

// A shelf brace seen from above, cut out to leave a cross, with the edge strips
// in the inside corners.
void draw_brace_orientation(QPainter& p) {
    using namespace drawing;
    const QColor edge = wood_edge();
    const double left = 36, top = 30, right = 186, bottom = 170, t = 9;
    const double il = left + t, it = top + t, ir = right - t, ib = bottom - t;

    p.setPen(QPen(edge, 1.0));
    p.setBrush(wood());
    p.drawRect(QRectF(left, top, right - left, bottom - top));  // the walls
    p.setBrush(QColor(244, 224, 188));
    p.drawRect(QRectF(il, it, ir - il, ib - it));  // the shelf brace

    // Cut-outs: a rim of 10 and a cross of 16 remain.
    const double rim = 10, bar = 16;
    const double cx = (il + ir) / 2, cy = (it + ib) / 2;
    p.setBrush(QColor(252, 251, 246));
    const double hw = cx - bar / 2 - (il + rim), hh = cy - bar / 2 - (it + rim);
    for (const QPointF& corner : {QPointF(il + rim, it + rim), QPointF(cx + bar / 2, it + rim),
                                  QPointF(il + rim, cy + bar / 2), QPointF(cx + bar / 2, cy + bar / 2)}) {
        p.drawRoundedRect(QRectF(corner, QSizeF(hw, hh)), 4, 4);
    }

    // Edge strips, square in section, in the four inside corners.
    p.setBrush(front_colour());
    for (const QPointF& corner : {QPointF(il, it), QPointF(ir - t, it), QPointF(il, ib - t), QPointF(ir - t, ib - t)}) {
        p.drawRect(QRectF(corner, QSizeF(t, t)));
    }

    // Leaders and names.
    const QColor ink(60, 60, 60);
    p.setPen(QPen(ink, 0.8));
    p.drawLine(QLineF(QPointF(ir - t / 2, it + t / 2), QPointF(206, 52)));
    p.drawLine(QLineF(QPointF(cx + 4, cy + 4), QPointF(cx + 30, cy + 4)));
    p.drawLine(QLineF(QPointF(cx + 30, cy + 4), QPointF(206, 120)));
    p.setBrush(ink);
    p.drawEllipse(QPointF(ir - t / 2, it + t / 2), 1.6, 1.6);
    p.drawEllipse(QPointF(cx + 4, cy + 4), 1.6, 1.6);
    label_text(p, {236, 46}, QStringLiteral("Edge strip"), ink, true);
    label_text(p, {236, 60}, QStringLiteral("in each"), ink);
    label_text(p, {236, 73}, QStringLiteral("inside edge"), ink);
    label_text(p, {236, 114}, QStringLiteral("Shelf brace"), ink, true);
    label_text(p, {236, 128}, QStringLiteral("cut out to"), ink);
    label_text(p, {236, 141}, QStringLiteral("leave a cross"), ink);

    label_text(p, {(left + right) / 2, bottom + 12}, QStringLiteral("front"), QColor(110, 110, 110));
    label_text(p, {kPictureWidth / 2, 11}, QStringLiteral("Braces seen from above"), edge.darker(110), true);
}

}  // namespace

BracingPicture::BracingPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumSize(static_cast<int>(kPictureWidth * 0.8), static_cast<int>(kPictureHeight * 0.8));
}

void BracingPicture::set_kind(Kind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    update();
}

QSize BracingPicture::sizeHint() const { return {static_cast<int>(kPictureWidth), static_cast<int>(kPictureHeight)}; }

void BracingPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(190, 190, 190));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    drawing::fit(p, size(), {kPictureWidth, kPictureHeight});
    if (kind_ == Kind::Orientation) {
        draw_brace_orientation(p);
    } else {
        draw_box_sizes(p, kind_ == Kind::DoubleFront);
    }
}

// ---- The window --------------------------------------------------------------------

namespace {

QRadioButton* option(const char* name, std::string_view caption, QWidget* parent) {
    auto* o = new QRadioButton(qs(caption), parent);
    o->setObjectName(QString::fromLatin1(name));
    set_text_colour(o, colours::black);
    return o;
}

QLineEdit* field(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(80);
    return e;
}

void show_field(QLineEdit* edit, const TextField& f) {
    if (edit->text() != qs(f.text)) edit->setText(qs(f.text));
    edit->setEnabled(f.enabled);
    set_text_colour(edit, f.fore);
    set_back_colour(edit, f.back);
}

// One bracing part: its frame, the automatic volume, Auto and Manual, and
// the typed volume.
struct BracingGroup {
    QGroupBox* frame;
    QLabel* label;
    QRadioButton* automatic;
    QRadioButton* manual;
    QLineEdit* text;
    QGridLayout* grid;
};

BracingGroup bracing_group(QWidget* parent, const char* frame_name, std::string_view caption, Colour colour,
                           const char* label_name, const char* auto_name, const char* manual_name,
                           const char* text_name) {
    BracingGroup g{};
    g.frame = new QGroupBox(qs(caption), parent);
    g.frame->setObjectName(QString::fromLatin1(frame_name));
    set_text_colour(g.frame, colour);
    g.label = new QLabel(g.frame);
    g.label->setObjectName(QString::fromLatin1(label_name));
    g.automatic = option(auto_name, kBraceAutoCaption, g.frame);
    g.manual = option(manual_name, kBraceManualCaption, g.frame);
    g.text = field(text_name, g.frame);
    auto* group = new QButtonGroup(g.frame);
    group->addButton(g.automatic);
    group->addButton(g.manual);
    g.grid = new QGridLayout(g.frame);
    g.grid->addWidget(g.automatic, 0, 0);
    g.grid->addWidget(g.label, 0, 1);
    g.grid->addWidget(g.manual, 1, 0);
    g.grid->addWidget(g.text, 1, 1);
    g.grid->setColumnStretch(2, 1);
    return g;
}

void show_label(QLabel* label, const ResultLabel& l) {
    label->setText(qs(l.caption));
    set_text_colour(label, l.colour);
}

}  // namespace

Form7::Form7(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(main, std::move(opener), parent), model_(main.s) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(qs(kBracingCaption));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qc(colours::light_grey));
    setPalette(pal);
    setAutoFillBackground(true);

    // Pictures: Picture1 shows the drawing of Picture2 (double front) or of
    // Picture3 (single front); Picture4 the brace orientation.
    picture1_ = new BracingPicture(BracingPicture::Kind::DoubleFront, this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    auto* picture2 = new BracingPicture(BracingPicture::Kind::DoubleFront, this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->hide();
    auto* picture3 = new BracingPicture(BracingPicture::Kind::SingleFront, this);
    picture3->setObjectName(QStringLiteral("Picture3"));
    picture3->hide();
    auto* picture4 = new BracingPicture(BracingPicture::Kind::Orientation, this);
    picture4->setObjectName(QStringLiteral("Picture4"));

    // Edge bracing, then shelf bracing: the same group of controls each.
    const BracingGroup edge =
        bracing_group(this, "Frame1", kEdgeFrameCaption, kEdgeFrameColour, "Label2", "Option1", "Option2", "Text2");
    frame1_ = edge.frame;
    label2_ = edge.label;
    option1_ = edge.automatic;
    option2_ = edge.manual;
    text2_ = edge.text;
    edge.grid->setRowStretch(2, 1);

    const BracingGroup shelf =
        bracing_group(this, "Frame2", kShelfFrameCaption, kShelfFrameColour, "Label3", "option3", "option4", "Text3");
    frame2_ = shelf.frame;
    label3_ = shelf.label;
    option3_ = shelf.automatic;
    option4_ = shelf.manual;
    text3_ = shelf.text;
    auto* label5 = new QLabel(qs(kShelfCountCaption), frame2_);
    label5->setObjectName(QStringLiteral("Label5"));
    set_text_colour(label5, colours::black);
    text1_ = field("Text1", frame2_);
    shelf.grid->addWidget(label5, 2, 0);
    shelf.grid->addWidget(text1_, 2, 1);

    // The note shown while either part is manual.
    label1_ = new QLabel(qs(kBracingNote1), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label6_ = new QLabel(qs(kBracingNote2), this);
    label6_->setObjectName(QStringLiteral("Label6"));
    for (QLabel* note : {label1_, label6_}) {
        set_text_colour(note, kBracingNoteColour);
        QSizePolicy policy = note->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        note->setSizePolicy(policy);
    }

    command1_ = new QPushButton(qs(kBracingOkCaption), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture1_, 0, 0);
    layout->addWidget(picture4, 0, 1);
    layout->addWidget(frame1_, 1, 0);
    layout->addWidget(frame2_, 1, 1);
    layout->addWidget(label1_, 2, 0, 1, 2);
    layout->addWidget(label6_, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    auto clicked = [this](QRadioButton* button, void (BracingForm::*handler)()) {
        connect(button, &QRadioButton::clicked, this, [this, handler] {
            (model_.*handler)();
            sync();
        });
    };
    clicked(option1_, &BracingForm::Option1_Click);
    clicked(option2_, &BracingForm::Option2_Click);
    clicked(option3_, &BracingForm::option3_Click);
    clicked(option4_, &BracingForm::option4_Click);
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1_Change(t.toStdString()); });
    connect(text2_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text2_Change(t.toStdString()); });
    connect(text3_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text3_Change(t.toStdString()); });
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);

    sync();
    adjustSize();
    place_window(this, 1.0 / 6.0, 0.5);
}

void Form7::sync() {
    const BracingChoices& b = main_.s.bracing;
    option1_->setChecked(!b.edge_manual);
    option2_->setChecked(b.edge_manual);
    option3_->setChecked(!b.shelf_manual);
    option4_->setChecked(b.shelf_manual);
    show_field(text1_, model_.text1());
    show_field(text2_, model_.text2());
    show_field(text3_, model_.text3());
    show_label(label2_, model_.label2());
    show_label(label3_, model_.label3());
    label1_->setVisible(model_.note_visible());
    label6_->setVisible(model_.note_visible());
    picture1_->set_kind(model_.picture_double() ? BracingPicture::Kind::DoubleFront
                                                : BracingPicture::Kind::SingleFront);
}

}  // namespace enclavio
