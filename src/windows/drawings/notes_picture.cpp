#include "windows/drawings/notes_picture.hpp"

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
