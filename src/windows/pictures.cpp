#include "windows/pictures.hpp"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>

namespace enclavio {

namespace drawing {

QColor wood() { return {226, 190, 140}; }
QColor wood_edge() { return {140, 94, 48}; }
QColor dimension_colour() { return {30, 90, 200}; }

void fit(QPainter& p, const QSize& area, const QSizeF& design) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const double scale = std::min(area.width() / design.width(), area.height() / design.height());
    p.translate((area.width() - design.width() * scale) / 2.0, (area.height() - design.height() * scale) / 2.0);
    p.scale(scale, scale);
}

namespace {

void arrow_head(QPainter& p, QPointF tip, QPointF direction, const QColor& colour) {
    const double len = std::hypot(direction.x(), direction.y());
    if (len <= 0) return;
    const QPointF d = direction / len;  // points at the tip
    const QPointF n(-d.y(), d.x());
    const double length = 5.0, half = 2.3;
    QPolygonF head;
    head << tip << tip - d * length + n * half << tip - d * length - n * half;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.restore();
}

QPen line_pen(const QColor& colour, double width = 1.1) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

}  // namespace

void dimension(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.save();
    p.setPen(line_pen(colour));
    p.drawLine(QLineF(from, to));
    arrow_head(p, from, from - to, colour);
    arrow_head(p, to, to - from, colour);
    p.restore();
}

void small_dimension(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    const QPointF v = to - from;
    const double len = std::hypot(v.x(), v.y());
    if (len <= 0) return;
    const QPointF d = v / len;
    const double tail = 11.0;
    p.save();
    p.setPen(line_pen(colour));
    p.drawLine(QLineF(from - d * tail, from));
    p.drawLine(QLineF(to + d * tail, to));
    arrow_head(p, from, d, colour);
    arrow_head(p, to, -d, colour);
    p.restore();
}

void guide(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.save();
    QPen pen(colour, 0.8, Qt::DashLine);
    pen.setDashPattern({3.0, 2.5});
    p.setPen(pen);
    p.drawLine(QLineF(from, to));
    p.restore();
}

void badge(QPainter& p, QPointF centre, const QString& text, const QColor& colour, double radius) {
    p.save();
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    p.restore();
    centred_text(p, centre, text, radius * 1.45, Qt::white, true);
}

void centred_text(QPainter& p, QPointF centre, const QString& text, double pixel_size, const QColor& colour,
                  bool bold) {
    p.save();
    QFont font = p.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel_size))));
    font.setBold(bold);
    font.setItalic(false);
    p.setFont(font);
    p.setPen(colour);
    const QRectF box(centre.x() - 200, centre.y() - pixel_size, 400, pixel_size * 2);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

}  // namespace drawing

// ---- Where to measure ----------------------------------------------------------

namespace {

constexpr double kWhereWidth = 240, kWhereHeight = 310;

struct Measure {
    const char* number;
    const char* text;
};
// The sizes the user enters, in the order the drawing numbers them.
constexpr Measure kMeasures[] = {
    {"1", "Box front to mid-depth of cone"},
    {"2", "Box top to driver centre"},
    {"3", "Panel thickness"},
    {"4", "Port length"},
    {"5", "Port internal diameter"},
    {"6", "Port wall thickness"},
};

void draw_where(QPainter& p) {
    using namespace drawing;
    const QColor dim = dimension_colour();
    const QColor edge = wood_edge();
    const QColor inside(252, 251, 246);

    // Box section: front on the left, top at the top.
    const double left = 30, right = 204, top = 30, bottom = 184, t = 9;
    const double axis = 80, cone_half = 26;  // driver centre line and cone mouth
    const double port_axis = 145, bore = 10, wall = 3, port_end = 150;

    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawRect(QRectF(left, top, right - left, bottom - top));

    p.setPen(QPen(edge, 1.0));
    p.setBrush(wood());
    p.drawRect(QRectF(left + t, top, right - left - 2 * t, t));         // top
    p.drawRect(QRectF(left + t, bottom - t, right - left - 2 * t, t));  // bottom
    p.drawRect(QRectF(right - t, top, t, bottom - top));                // back
    // Front panel, cut out for the driver and the port.
    p.drawRect(QRectF(left, top, t, axis - cone_half - top));
    p.drawRect(QRectF(left, axis + cone_half, t, port_axis - bore - wall - axis - cone_half));
    p.drawRect(QRectF(left, port_axis + bore + wall, t, bottom - port_axis - bore - wall));

    // Driver: flange on the front face, cone, dust cap and magnet.
    const double cone_back = 70;
    QPolygonF cone;
    cone << QPointF(left, axis - cone_half) << QPointF(cone_back, axis - 9) << QPointF(cone_back, axis + 9)
         << QPointF(left, axis + cone_half);
    p.setPen(QPen(QColor(40, 40, 46), 1.0));
    p.setBrush(QColor(92, 96, 108));
    p.drawPolygon(cone);
    p.setBrush(QColor(60, 62, 70));
    p.drawRect(QRectF(left - 4, axis - cone_half - 4, 4, 2 * cone_half + 8));  // flange
    p.setBrush(QColor(45, 45, 50));
    p.drawRect(QRectF(cone_back, axis - 11, 16, 22));  // magnet
    p.setBrush(QColor(128, 132, 146));
    p.drawChord(QRectF(cone_back - 6, axis - 9, 12, 18), 90 * 16, 180 * 16);  // dust cap

    // Port tube through the front panel.
    p.setPen(QPen(QColor(70, 70, 80), 0.8));
    p.setBrush(QColor(235, 244, 252));
    p.drawRect(QRectF(left, port_axis - bore, port_end - left, 2 * bore));
    p.setBrush(QColor(150, 154, 166));
    p.drawRect(QRectF(left, port_axis - bore - wall, port_end - left, wall));
    p.drawRect(QRectF(left, port_axis + bore, port_end - left, wall));

    // 1: box front to mid-depth of the cone.
    const double mid_cone = (left + cone_back) / 2;
    guide(p, {left, top}, {left, 12}, dim);
    guide(p, {mid_cone, axis - 18}, {mid_cone, 12}, dim);
    dimension(p, {left, 17}, {mid_cone, 17}, dim);
    badge(p, {mid_cone + 11, 17}, kMeasures[0].number, dim);

    // 2: box top to the driver centre.
    guide(p, {left - 8, axis}, {128, axis}, dim);
    dimension(p, {118, top}, {118, axis}, dim);
    badge(p, {131, (top + axis) / 2 + 4}, kMeasures[1].number, dim);

    // 3: panel thickness, at the back panel.
    small_dimension(p, {right - t, 112}, {right, 112}, dim);
    badge(p, {right + 17, 112}, kMeasures[2].number, dim);

    // 4: port length.
    guide(p, {port_end, port_axis - bore - wall}, {port_end, 114}, dim);
    dimension(p, {left, 120}, {port_end, 120}, dim);
    badge(p, {(left + port_end) / 2 + 18, 120}, kMeasures[3].number, dim);

    // 5: port internal diameter.
    dimension(p, {72, port_axis - bore}, {72, port_axis + bore}, dim);
    badge(p, {86, port_axis}, kMeasures[4].number, dim);

    // 6: port wall thickness.
    small_dimension(p, {136, port_axis + bore}, {136, port_axis + bore + wall}, dim);
    badge(p, {150, 167}, kMeasures[5].number, dim);

    const QColor caption(110, 110, 110);
    centred_text(p, {left + 4, 193}, QStringLiteral("front"), 9, caption);
    centred_text(p, {right - 4, 193}, QStringLiteral("back"), 9, caption);

    // Legend.
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(false);
    double y = 212;
    for (const Measure& m : kMeasures) {
        badge(p, {22, y}, m.number, dim);
        p.setFont(font);
        p.setPen(QColor(30, 30, 30));
        p.drawText(QRectF(34, y - 8, kWhereWidth - 38, 16), Qt::AlignLeft | Qt::AlignVCenter, m.text);
        y += 15;
    }

    font.setItalic(true);
    p.setFont(font);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRectF(0, 293, kWhereWidth, 16), Qt::AlignCenter, QStringLiteral("Click to hide"));
}

}  // namespace

WherePicture::WherePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture2"));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize WherePicture::sizeHint() const { return {static_cast<int>(kWhereWidth), static_cast<int>(kWhereHeight)}; }
QSize WherePicture::minimumSizeHint() const { return sizeHint() * 3 / 4; }

void WherePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    drawing::fit(p, size(), {kWhereWidth, kWhereHeight});
    draw_where(p);
}

void WherePicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit clicked();
}

// ---- Notes indicator -------------------------------------------------------------

NotesPicture::NotesPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture3"));
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("This project has notes - click to read them"));
    setFixedSize(sizeHint());
}

QSize NotesPicture::sizeHint() const { return {32, 32}; }

void NotesPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawing::fit(p, size(), {32, 32});

    // Shadow, paper with a turned-up corner, writing, pin.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRect(QRectF(7, 8, 22, 22));
    QPainterPath paper;
    paper.moveTo(5, 6);
    paper.lineTo(27, 6);
    paper.lineTo(27, 23);
    paper.lineTo(21, 29);
    paper.lineTo(5, 29);
    paper.closeSubpath();
    p.setPen(QPen(QColor(196, 160, 40), 0.8));
    p.setBrush(QColor(255, 232, 120));
    p.drawPath(paper);
    QPolygonF corner;
    corner << QPointF(27, 23) << QPointF(21, 23) << QPointF(21, 29);
    p.setBrush(QColor(236, 200, 80));
    p.drawPolygon(corner);

    p.setPen(QPen(QColor(120, 110, 90), 1.0));
    for (double y : {13.5, 17.5, 21.5}) p.drawLine(QLineF(9, y, y > 20 ? 18 : 23, y));

    p.setPen(QPen(QColor(120, 120, 120), 1.2));
    p.drawLine(QLineF(16, 6, 16, 9));
    QRadialGradient head(QPointF(15, 3.5), 4.5);
    head.setColorAt(0, QColor(255, 140, 140));
    head.setColorAt(1, QColor(200, 20, 20));
    p.setPen(QPen(QColor(130, 0, 0), 0.6));
    p.setBrush(head);
    p.drawEllipse(QPointF(16, 4.5), 3.6, 3.6);
}

void NotesPicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit clicked();
}

}  // namespace enclavio
