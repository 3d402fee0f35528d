// The small drawing helpers every picture shares, in the painter's current
// coordinates.
#pragma once

#include <QPointF>
#include <QSize>
#include <QSizeF>

class QPainter;
class QColor;
class QString;

namespace enclavio {

// Drawing helpers, in the painter's current coordinates.
namespace drawing {

// Scales the painter so a design of `design` units fills `area` (aspect kept,
// centred) and turns antialiasing on.
void fit(QPainter& p, const QSize& area, const QSizeF& design);
// A dimension line with arrow heads at both ends.
void dimension(QPainter& p, QPointF from, QPointF to, const QColor& colour);
// For a size too small to hold a dimension line: two arrows outside it
// pointing at its faces.
void small_dimension(QPainter& p, QPointF from, QPointF to, const QColor& colour);
// A thin dashed extension or centre line.
void guide(QPainter& p, QPointF from, QPointF to, const QColor& colour);
// A round badge with a number or letter in it, centred on `centre`.
void badge(QPainter& p, QPointF centre, const QString& text, const QColor& colour, double radius = 6.5);
// Text centred on a point, in a pixel-sized font.
void centred_text(QPainter& p, QPointF centre, const QString& text, double pixel_size, const QColor& colour,
                  bool bold = false);

// Panel material and hardware colours used by every drawing.
QColor wood();
QColor wood_edge();
QColor dimension_colour();

}  // namespace drawing

}  // namespace enclavio
