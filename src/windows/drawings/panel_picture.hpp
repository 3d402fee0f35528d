// The drawings of the panel arrangement shown beside the cutting list.
#pragma once

#include <QRectF>
#include <QSize>

#include "forms/session.hpp"

class QPainter;

namespace enclavio {

// The drawings are made for this size, in logical pixels.
inline constexpr QSize kPanelPictureSize{122, 152};

// Paints `picture` into `rect` (scaled to fit, keeping its proportions), on a
// white ground: the box in perspective with its panels and their joints.
void paint_panel_picture(QPainter& painter, const QRectF& rect, PanelPicture picture);

}  // namespace enclavio
