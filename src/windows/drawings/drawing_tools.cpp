#include "windows/drawings/drawing_tools.hpp"

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

}  // namespace enclavio
