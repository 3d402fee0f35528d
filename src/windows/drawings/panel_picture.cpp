// The box in oblique projection: the near face flat, depth running up and to
// the right. Panel thickness is exaggerated so that every joint reads at the
// drawing's small size. Points are snapped to pixel centres so that the
// outlines stay sharp at 1x and 2x.
#include "windows/drawings/panel_picture.hpp"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace enclavio {

namespace {

// Box proportions in drawing units (one unit is one logical pixel).
constexpr double kW = 62, kH = 100, kD = 55, kT = 5;
// Screen offset of one unit of depth; with the proportions above every
// corner falls on a whole pixel.
constexpr double kDepthX = 0.6, kDepthY = 0.4;

const QColor kGround(255, 255, 255);
const QColor kOutline(72, 46, 22);
const QColor kNearFace(228, 198, 152);  // front or rear panel face
const QColor kTopFace(240, 216, 176);
const QColor kSideFace(206, 170, 120);
const QColor kNearGrain(192, 146, 94);  // panel edges seen on the near face
const QColor kTopGrain(212, 170, 116);  // panel edges seen on the top
const QColor kSideGrain(172, 128, 80);  // panel edges seen on the side
const QColor kInside(46, 34, 26);       // through the driver cut-out
const QColor kLettering(96, 60, 28);

// Projection of box coordinates: x across the width, y up, z away from the viewer.
class Projection {
public:
    Projection() {
        const double width = kW + kD * kDepthX;
        const double height = kH + kD * kDepthY;
        ox_ = std::floor((kPanelPictureSize.width() - width) / 2);
        oy_ = std::floor((kPanelPictureSize.height() + height) / 2);
    }
    QPointF operator()(double x, double y, double z) const {
        return {snap(ox_ + x + z * kDepthX), snap(oy_ - y - z * kDepthY)};
    }
    // Unsnapped, for circles.
    QPointF exact(double x, double y, double z) const { return {ox_ + x + z * kDepthX, oy_ - y - z * kDepthY}; }

private:
    static double snap(double v) { return std::round(v) + 0.5; }
    double ox_, oy_;
};

void face(QPainter& p, std::initializer_list<QPointF> corners, const QColor& fill) {
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(QList<QPointF>(corners)));
}

// A rectangle in the plane z = const.
void near_rect(QPainter& p, const Projection& at, double x0, double y0, double x1, double y1, double z,
               const QColor& fill) {
    face(p, {at(x0, y0, z), at(x1, y0, z), at(x1, y1, z), at(x0, y1, z)}, fill);
}
// A rectangle in the plane y = const (the top).
void top_rect(QPainter& p, const Projection& at, double x0, double z0, double x1, double z1, double y,
              const QColor& fill) {
    face(p, {at(x0, y, z0), at(x1, y, z0), at(x1, y, z1), at(x0, y, z1)}, fill);
}
// A rectangle in the plane x = const (the visible side).
void side_rect(QPainter& p, const Projection& at, double z0, double y0, double z1, double y1, double x,
               const QColor& fill) {
    face(p, {at(x, y0, z0), at(x, y0, z1), at(x, y1, z1), at(x, y1, z0)}, fill);
}

QPainterPath circle(const QPointF& c, double r) {
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

void lettering(QPainter& p, const QRectF& area, const char* word) {
    QFont font = p.font();
    font.setFamily(QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(font);
    p.setPen(kLettering);
    p.drawText(area, Qt::AlignCenter, QString::fromLatin1(word));
}

// Front outer panel over the whole front; the top panel behind it resting on
// the sides; the rear panel set in between the sides (dashed).
void paint_front(QPainter& p, bool double_front, bool word) {
    const Projection at;
    const QPen outline(kOutline, 1.0);
    p.setPen(outline);

    // Top: the front panel's edge, then the top panel to the back.
    top_rect(p, at, 0, 0, kW, kT, kH, kTopGrain);
    top_rect(p, at, 0, kT, kW, kD, kH, kTopFace);
    // Side: the front panel's edge over the full height, the top panel's end
    // above the side panel, and the side panel itself.
    side_rect(p, at, 0, 0, kT, kH, kW, kSideGrain);
    side_rect(p, at, kT, kH - kT, kD, kH, kW, kSideGrain);
    side_rect(p, at, kT, 0, kD, kH - kT, kW, kSideFace);
    // Where the rear panel sits between the sides, top and bottom.
    QPen dashed(kOutline, 1.0, Qt::CustomDashLine);
    dashed.setDashPattern({3, 2});
    p.setPen(dashed);
    p.drawLine(at(kW, kT, kD - kT), at(kW, kH - kT, kD - kT));
    p.setPen(outline);

    // The front.
    near_rect(p, at, 0, 0, kW, kH, 0, kNearFace);

    // Driver cut-out: its wall shows one layer per front panel, then the inside.
    const double cx = kW / 2, cy = kH * 0.42, r = kW * 0.3;
    const QPainterPath aperture = circle(at.exact(cx, cy, 0), r);
    const int layers = double_front ? 2 : 1;
    const double layer_depth = kT + 2;  // a little deeper so the layers read
    const QPainterPath far_end = circle(at.exact(cx, cy, layers * layer_depth), r);
    p.setPen(Qt::NoPen);
    p.setBrush(kSideGrain);
    p.drawPath(aperture);
    p.setBrush(kInside);
    p.drawPath(aperture.intersected(far_end));
    if (double_front) {
        // The joint between the two layers, seen on the wall of the cut-out.
        p.save();
        p.setClipPath(aperture.subtracted(far_end));
        p.setPen(QPen(kOutline, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(circle(at.exact(cx, cy, layer_depth), r));
        p.restore();
    }
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(aperture);

    if (word) {
        const QPointF tl = at(0, kH, 0), br = at(kW, cy + r, 0);
        lettering(p, QRectF(tl, br).adjusted(0, 1, 0, -1), "FRONT");
    }
}

// Seen from behind: the rear panel set in between the sides, top and bottom;
// the front panel's edge at the far end of the top and side.
void paint_back(QPainter& p) {
    const Projection at;
    p.setPen(QPen(kOutline, 1.0));

    // Top (depth now runs towards the front of the box).
    top_rect(p, at, 0, 0, kW, kD - kT, kH, kTopFace);
    top_rect(p, at, 0, kD - kT, kW, kD, kH, kTopGrain);
    // Side.
    side_rect(p, at, 0, kH - kT, kD - kT, kH, kW, kSideGrain);
    side_rect(p, at, 0, 0, kD - kT, kH - kT, kW, kSideFace);
    side_rect(p, at, kD - kT, 0, kD, kH, kW, kSideGrain);

    // The back: edges of top, sides and bottom framing the rear panel.
    near_rect(p, at, 0, kH - kT, kW, kH, 0, kNearGrain);
    near_rect(p, at, 0, 0, kT, kH - kT, 0, kNearGrain);
    near_rect(p, at, kW - kT, 0, kW, kH - kT, 0, kNearGrain);
    near_rect(p, at, kT, 0, kW - kT, kT, 0, kNearGrain);
    near_rect(p, at, kT, kT, kW - kT, kH - kT, 0, kNearFace);

    lettering(p, QRectF(at(kT, kH - kT, 0), at(kW - kT, kT, 0)), "BACK");
}

}  // namespace

void paint_panel_picture(QPainter& painter, const QRectF& rect, PanelPicture picture) {
    painter.save();
    painter.fillRect(rect, kGround);
    const double sx = rect.width() / kPanelPictureSize.width();
    const double sy = rect.height() / kPanelPictureSize.height();
    const double scale = std::min(sx, sy);
    painter.translate(rect.center().x() - scale * kPanelPictureSize.width() / 2,
                      rect.center().y() - scale * kPanelPictureSize.height() / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    switch (picture) {
        case PanelPicture::FrontDoubleBlank: paint_front(painter, true, false); break;
        case PanelPicture::FrontDouble: paint_front(painter, true, true); break;
        case PanelPicture::FrontSingle: paint_front(painter, false, true); break;
        case PanelPicture::Back: paint_back(painter); break;
    }
    painter.restore();
}

}  // namespace enclavio
