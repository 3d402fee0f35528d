#include "windows/drawings/sheet_picture.hpp"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>
#include <variant>

#include "windows/qt_view.hpp"

namespace enclavio {

namespace {

QColor colour(sheets::Rgb c) { return QColor(c.r, c.g, c.b); }

// Labels smaller than this are left out: they could not be read.
constexpr double kLeastTextPx = 6;

}  // namespace

void paint_sheet(QPainter& p, const sheets::SheetDrawing& d, QPointF origin, double scale) {
    const auto x_of = [&](double mm) { return origin.x() + (mm - d.left) * scale; };
    const auto y_of = [&](double mm) { return origin.y() + (mm - d.top) * scale; };
    // A rectangle on whole pixels; never thinner than one, so a kerf always shows.
    const auto box = [&](const sheets::Rect& r) {
        const double x0 = std::round(x_of(r.x)), y0 = std::round(y_of(r.y));
        const double x1 = std::max(x0 + 1, std::round(x_of(r.x + r.across)));
        const double y1 = std::max(y0 + 1, std::round(y_of(r.y + r.along)));
        return QRectF(x0, y0, x1 - x0, y1 - y0);
    };

    p.save();
    for (const sheets::Shape& shape : d.shapes) {
        if (const auto* r = std::get_if<sheets::DrawRect>(&shape)) {
            p.setRenderHint(QPainter::Antialiasing, false);
            const QRectF area = box(r->r);
            if (r->filled) p.fillRect(area, colour(r->fill));
            if (r->stroke_px > 0) {
                QPen pen(colour(r->stroke));
                pen.setCosmetic(true);
                pen.setWidthF(std::max(1.0, std::round(r->stroke_px)));
                pen.setJoinStyle(Qt::MiterJoin);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                // The outline inside the area's last pixel row and column.
                p.drawRect(area.adjusted(0, 0, -1, -1));
            }
        } else if (const auto* l = std::get_if<sheets::DrawLine>(&shape)) {
            p.setRenderHint(QPainter::Antialiasing, true);
            QPen pen(colour(l->colour));
            pen.setCosmetic(true);
            pen.setWidthF(l->width_px);
            p.setPen(pen);
            p.drawLine(QPointF(x_of(l->x1), y_of(l->y1)), QPointF(x_of(l->x2), y_of(l->y2)));
        } else if (const auto* t = std::get_if<sheets::DrawText>(&shape)) {
            const double px = t->size * scale;
            if (px < kLeastTextPx) continue;
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setRenderHint(QPainter::TextAntialiasing, true);
            QFont font = p.font();
            font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
            font.setBold(t->bold);
            p.setFont(font);
            p.setPen(colour(t->colour));
            p.save();
            p.translate(x_of(t->x), y_of(t->y));
            if (t->vertical) p.rotate(-90);
            // Centred on the point; wide enough never to clip a label.
            const QRectF around(-4000, -px, 8000, 2 * px);
            p.drawText(around, Qt::AlignCenter | Qt::TextSingleLine, qs(t->text));
            p.restore();
        }
    }
    p.restore();
}

SheetPicture::SheetPicture(QWidget* parent) : QWidget(parent) { setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed); }

void SheetPicture::set_drawing(sheets::SheetDrawing drawing) {
    drawing_ = std::move(drawing);
    setFixedSize(sizeHint());
    update();
}

void SheetPicture::set_scale(double scale) {
    if (scale == scale_) return;
    scale_ = scale;
    setFixedSize(sizeHint());
    update();
}

QSize SheetPicture::sizeHint() const {
    return QSize(static_cast<int>(std::ceil(drawing_.width * scale_)) + 1,
                 static_cast<int>(std::ceil(drawing_.height * scale_)) + 1);
}

void SheetPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour(sheets::palette::background));
    paint_sheet(p, drawing_, QPointF(0, 0), scale_);
}

}  // namespace enclavio
