#include "windows/drawings/port_ends_picture.hpp"

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

constexpr double kCell = 110, kEndsWidth = 4 * kCell, kEndsHeight = 128;

enum class End { Free, Flared, Flanged, FlangedFlared };

// One port end in section: the tube comes in from the left and opens to the
// right, at x = mouth.
void draw_end(QPainter& p, End end) {
    using namespace drawing;
    const double top = 44, bottom = 76, wall = 3.5, start = 8, mouth = 74, radius = 16;
    const QColor tube(150, 154, 166), tube_edge(80, 80, 92);
    const QColor air(214, 234, 250);

    const double tube_end = end == End::FlangedFlared ? mouth - 18 : end == End::Flared ? mouth - radius : mouth;
    p.setPen(Qt::NoPen);
    p.setBrush(air);
    p.drawRect(QRectF(start, top, (end == End::FlangedFlared ? mouth : tube_end) - start, bottom - top));

    // The panel the end is fitted to, where there is one.
    if (end == End::Flanged || end == End::FlangedFlared) {
        const double thick = end == End::Flanged ? 10 : 18;
        const double pl = mouth - thick;
        QPainterPath panel;
        panel.addRect(QRectF(pl, 10, thick, top - wall - 10 + 0.01));
        panel.addRect(QRectF(pl, bottom + wall, thick, 110 - bottom - wall));
        if (end == End::FlangedFlared) {
            // Rounded-over edges of the hole on the outer face.
            panel = QPainterPath();
            const double r = radius * 0.8;
            for (int side : {-1, 1}) {
                const double edge = side < 0 ? top - wall : bottom + wall;
                const double far = side < 0 ? 10 : 110;
                QPainterPath part;
                part.moveTo(pl, far);
                part.lineTo(mouth, far);
                part.lineTo(mouth, edge + side * r);
                part.quadTo(QPointF(mouth, edge), QPointF(mouth - r, edge));
                part.lineTo(pl, edge);
                part.closeSubpath();
                panel.addPath(part);
            }
        }
        p.setPen(QPen(wood_edge(), 1.0));
        p.setBrush(wood());
        p.drawPath(panel);
    }

    p.setPen(QPen(tube_edge, 0.8));
    p.setBrush(tube);
    p.drawRect(QRectF(start, top - wall, tube_end - start, wall));
    p.drawRect(QRectF(start, bottom, tube_end - start, wall));

    if (end == End::Flared) {
        // The tube's end turned outward on a radius.
        for (int side : {-1, 1}) {
            const double edge = side < 0 ? top : bottom;
            QPainterPath lip;
            lip.moveTo(tube_end, edge + side * wall);
            lip.quadTo(QPointF(mouth - 2, edge + side * wall), QPointF(mouth - 2, edge + side * (radius + wall)));
            lip.lineTo(mouth + 1.5, edge + side * (radius + wall));
            lip.quadTo(QPointF(mouth + 1.5, edge), QPointF(tube_end, edge));
            lip.closeSubpath();
            p.drawPath(lip);
        }
        centred_text(p, {mouth + 10, top - 14}, QStringLiteral("r"), 11, dimension_colour(), true);
    }
    if (end == End::FlangedFlared) {
        centred_text(p, {mouth + 10, top - 16}, QStringLiteral("r"), 11, dimension_colour(), true);
    }

    // Air leaving the port.
    const QColor flow(60, 130, 210);
    p.setPen(QPen(flow, 1.4));
    const double y = (top + bottom) / 2;
    p.drawLine(QLineF(28, y, mouth + 18, y));
    QPolygonF head;
    head << QPointF(mouth + 24, y) << QPointF(mouth + 17, y - 3.5) << QPointF(mouth + 17, y + 3.5);
    p.setBrush(flow);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

}  // namespace

PortEndsPicture::PortEndsPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(static_cast<int>(kEndsWidth * 0.75), static_cast<int>(kEndsHeight * 0.75));
}

QSize PortEndsPicture::sizeHint() const { return {static_cast<int>(kEndsWidth), static_cast<int>(kEndsHeight)}; }

void PortEndsPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(190, 190, 190));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    drawing::fit(p, size(), {kEndsWidth, kEndsHeight});
    const struct {
        End end;
        const char* name;
    } ends[] = {{End::Free, "Free"},
                {End::Flared, "Flared"},
                {End::Flanged, "Flanged"},
                {End::FlangedFlared, "Flanged and Flared"}};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(i * kCell, 0);
        draw_end(p, ends[i].end);
        drawing::centred_text(p, {kCell / 2, 117}, QString::fromLatin1(ends[i].name), 11, QColor(40, 40, 40));
        p.restore();
    }
}

}  // namespace enclavio
