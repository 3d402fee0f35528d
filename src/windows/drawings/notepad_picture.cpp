#include "windows/drawings/notepad_picture.hpp"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include "windows/drawings/drawing_tools.hpp"

namespace enclavio {

NotepadPicture::NotepadPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(72, 84);
}

void NotepadPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawing::fit(p, size(), {72, 84});

    // Shadow and pad.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(12, 12, 52, 66), 3, 3);
    p.setPen(QPen(QColor(150, 130, 90), 1.0));
    p.setBrush(QColor(255, 250, 225));
    p.drawRoundedRect(QRectF(8, 8, 52, 66), 3, 3);
    // Header band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 170));
    p.drawRect(QRectF(8.5, 8.5, 51, 9));
    // Ruled lines and a red margin.
    p.setPen(QPen(QColor(150, 185, 225), 1.0));
    for (double y = 26; y <= 68; y += 7) p.drawLine(QLineF(12, y, 56, y));
    p.setPen(QPen(QColor(220, 110, 110), 1.0));
    p.drawLine(QLineF(18, 20, 18, 72));
    // Handwriting.
    p.setPen(QPen(QColor(60, 60, 90), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 4; ++row) {
        const double y = 24.5 + row * 7;
        const double end = row == 3 ? 38 : 52 - row * 3;
        QPainterPath scribble(QPointF(21, y));
        for (double x = 21; x < end; x += 4) scribble.quadTo(QPointF(x + 1, y - 2.2), QPointF(x + 2, y));
        p.setBrush(Qt::NoBrush);
        p.drawPath(scribble);
    }
    // Spiral rings.
    p.setPen(QPen(QColor(110, 110, 120), 1.6));
    p.setBrush(Qt::NoBrush);
    for (double x = 14; x <= 54; x += 8) p.drawArc(QRectF(x - 2.5, 4, 5, 8), 0, 180 * 16);

    // Pencil across the lower right corner.
    p.translate(50, 62);
    p.rotate(-40);
    p.setPen(QPen(QColor(120, 90, 20), 0.8));
    p.setBrush(QColor(250, 200, 50));
    p.drawRect(QRectF(-18, -3, 26, 6));
    p.setBrush(QColor(235, 150, 160));
    p.drawRect(QRectF(-23, -3, 5, 6));
    p.setBrush(QColor(200, 200, 205));
    p.drawRect(QRectF(-18.5, -3, 2, 6));
    QPolygonF tip;
    tip << QPointF(8, -3) << QPointF(15, 0) << QPointF(8, 3);
    p.setBrush(QColor(240, 215, 170));
    p.drawPolygon(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 50));
    QPolygonF lead;
    lead << QPointF(12.6, -1) << QPointF(15, 0) << QPointF(12.6, 1);
    p.drawPolygon(lead);
}

}  // namespace enclavio
