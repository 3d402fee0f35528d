#include "windows/drawings/about_picture.hpp"

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

#include "forms/about_form.hpp"
#include "windows/drawings/drawing_tools.hpp"
#include "windows/qt_view.hpp"

namespace enclavio {

namespace {

constexpr int kPictureWidth = 60, kPictureHeight = 79;

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

}  // namespace enclavio
