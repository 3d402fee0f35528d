// One sheet of the layout painted from the core's drawing primitives: on a
// widget at a chosen scale, or anywhere a painter paints (a printed page).
#pragma once

#include <QRectF>
#include <QWidget>

#include "sheets/drawing.hpp"

class QPainter;

namespace enclavio {

// Paints the drawing `scale` pixels to the millimetre with the drawing's
// top left corner at `origin`. Fills and outlines are placed on whole
// pixels, so edges stay crisp at any device pixel ratio.
void paint_sheet(QPainter& painter, const sheets::SheetDrawing& drawing, QPointF origin, double scale);

// A widget showing one drawing at a fixed scale; its size follows.
class SheetPicture : public QWidget {
public:
    explicit SheetPicture(QWidget* parent = nullptr);
    void set_drawing(sheets::SheetDrawing drawing);
    // Pixels to the millimetre.
    void set_scale(double scale);
    double scale() const { return scale_; }
    const sheets::SheetDrawing& drawing() const { return drawing_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    sheets::SheetDrawing drawing_;
    double scale_ = 0.3;
};

}  // namespace enclavio
