#include "windows/drawings/app_icon.hpp"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QRadialGradient>

namespace enclavio {

namespace {

QPolygonF polygon(std::initializer_list<QPointF> points) { return QPolygonF(QList<QPointF>(points)); }

QPen outline(const char* colour, double width) {
    QPen pen{QColor(QString::fromLatin1(colour))};
    pen.setWidthF(width);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

}  // namespace

void paint_app_icon(QPainter& painter, int size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    // The box's shadow side, its front, top and right side.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x6b, 0x3f, 0x1d));
    painter.drawPolygon(polygon({{12, 10}, {22, 4}, {58, 4}, {58, 50}, {48, 58}, {12, 58}}));

    QLinearGradient wood(6, 10, 48, 58);
    wood.setColorAt(0, QColor(0xc9, 0x8b, 0x4e));
    wood.setColorAt(1, QColor(0x8a, 0x54, 0x28));
    painter.setPen(outline("#4a2a10", 1.5));
    painter.setBrush(wood);
    painter.drawRoundedRect(QRectF(6, 10, 42, 48), 2, 2);
    painter.setBrush(QColor(0xd9, 0xa4, 0x6a));
    painter.drawPolygon(polygon({{6, 10}, {16, 4}, {58, 4}, {48, 10}}));
    painter.setBrush(QColor(0x9c, 0x62, 0x30));
    painter.drawPolygon(polygon({{48, 10}, {58, 4}, {58, 52}, {48, 58}}));

    // The driver: surround, cone and dust cap.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1c, 0x1c, 0x1c));
    painter.drawEllipse(QPointF(27, 27), 14, 14);
    QRadialGradient cone(QPointF(27, 27), 12);
    cone.setColorAt(0, QColor(0x5a, 0x5a, 0x5a));
    cone.setColorAt(0.7, QColor(0x26, 0x26, 0x26));
    cone.setColorAt(1, QColor(0x11, 0x11, 0x11));
    painter.setBrush(cone);
    painter.drawEllipse(QPointF(27, 27), 12, 12);
    painter.setPen(outline("#111111", 1));
    painter.setBrush(QColor(0x44, 0x44, 0x44));
    painter.drawEllipse(QPointF(27, 27), 4, 4);

    // The two ports.
    painter.setPen(outline("#3a2210", 1.5));
    painter.setBrush(QColor(0x11, 0x11, 0x11));
    painter.drawEllipse(QPointF(17, 50), 4.5, 4.5);
    painter.drawEllipse(QPointF(37, 50), 4.5, 4.5);
    painter.restore();
}

QIcon app_icon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint_app_icon(painter, size);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace enclavio
