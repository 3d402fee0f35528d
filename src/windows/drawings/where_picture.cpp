#include "windows/drawings/where_picture.hpp"

#include "windows/drawings/drawing_tools.hpp"

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

}  // namespace enclavio
