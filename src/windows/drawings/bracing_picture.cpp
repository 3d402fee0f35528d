#include "windows/drawings/bracing_picture.hpp"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <cmath>

#include "windows/drawings/drawing_tools.hpp"

namespace enclavio {

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

}  // namespace enclavio
