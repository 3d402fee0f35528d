// The bracing window's drawings.
#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QWidget>

namespace enclavio {

// The front of the box drawing, in its drawing units: the outer front panel's
// face (W by H) with its edge on the top and the side, and, for a doubled front,
// the inner layer as the cutting list cuts it, W - 2T by H - 2T, set in between
// the sides, top and bottom and so drawn hidden: its outline seen through the
// outer front and its back edges under the top and behind the side.
struct FrontSketch {
    QRectF face;
    QPointF back;  // the whole depth, receding up and to the right
    QPolygonF top_edge, side_edge;
    double thickness = 7;  // T as drawn
    QRectF inner;          // empty for a single front
    QList<QLineF> inner_back;
};
FrontSketch front_sketch(bool double_front);
// The colour of the hidden (dashed) lines.
QColor hidden_line_colour();

// The bracing window's drawings: the box dimensions with a double or a single
// front, and how the braces sit in the box.
class BracingPicture : public QWidget {
public:
    enum class Kind { DoubleFront, SingleFront, Orientation };
    BracingPicture(Kind kind, QWidget* parent);
    void set_kind(Kind kind);
    Kind kind() const { return kind_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

}  // namespace enclavio
