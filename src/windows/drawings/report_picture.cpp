#include "windows/drawings/report_picture.hpp"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include "windows/drawings/drawing_tools.hpp"

namespace enclavio {

ReportPicture::ReportPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(76, 96);
}

void ReportPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawing::fit(p, size(), {76, 96});

    // The page with a folded corner.
    QPolygonF page;
    page << QPointF(12, 6) << QPointF(54, 6) << QPointF(64, 16) << QPointF(64, 80) << QPointF(12, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPolygon(page.translated(3, 3));
    p.setPen(QPen(QColor(120, 120, 130), 1.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(page);
    QPolygonF fold;
    fold << QPointF(54, 6) << QPointF(54, 16) << QPointF(64, 16);
    p.setBrush(QColor(220, 222, 230));
    p.drawPolygon(fold);

    // Heading and rule.
    p.setPen(QPen(QColor(40, 60, 120), 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QLineF(17, 13, 44, 13));
    p.setPen(QPen(QColor(120, 120, 120), 0.8));
    p.drawLine(QLineF(17, 18, 59, 18));
    // Text lines.
    p.setPen(QPen(QColor(150, 150, 160), 1.2, Qt::SolidLine, Qt::FlatCap));
    const double ends[] = {57, 52, 58, 45};
    for (int i = 0; i < 4; ++i) p.drawLine(QLineF(17, 24 + i * 5, ends[i], 24 + i * 5));
    // A small table of sizes.
    p.setPen(QPen(QColor(140, 100, 60), 0.8));
    p.setBrush(QColor(240, 220, 190));
    p.drawRect(QRectF(17, 46, 42, 22));
    for (double y : {51.5, 57.0, 62.5}) p.drawLine(QLineF(17, y, 59, y));
    p.drawLine(QLineF(38, 46, 38, 68));

    // The printer tray in front of the page's foot.
    p.setPen(QPen(QColor(70, 70, 80), 1.0));
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(4, 74, 68, 16), 3, 3);
    p.setBrush(QColor(90, 95, 105));
    p.drawRect(QRectF(10, 78, 56, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(QPointF(64, 85.5), 1.8, 1.8);
}

}  // namespace enclavio
