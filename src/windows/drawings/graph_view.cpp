#include "windows/drawings/graph_view.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include "windows/palette.hpp"
#include "windows/qt_view.hpp"

namespace enclavio {

namespace {
constexpr double kUserHeight = 100;
// Room left between a label set flush right and the strip's edge, in pixels.
constexpr double kEdgeMargin = 2;
}  // namespace

GraphView::GraphView(const MainState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize GraphView::sizeHint() const { return {kWidth, kHeight}; }
QSize GraphView::minimumSizeHint() const { return {kWidth, kHeight}; }

double GraphView::x_of(double hz) const {
    const int range = state_.graph.range > 0 ? state_.graph.range : 1000;
    return hz * width() / range;
}

void GraphView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qc(colours::graph_background));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setClipRect(rect());

    const double sy = height() / kUserHeight;
    const auto at = [&](double x, double y) { return QPointF(x_of(x), y * sy); };

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(9);
    p.setFont(font);
    const QFontMetricsF metrics(font, this);

    for (const GraphItem& item : state_.graph_model.items()) {
        const QColor colour = qc(item.colour);
        switch (item.kind) {
            case GraphItem::Kind::Line:
                p.setPen(QPen(colour, item.pen, Qt::SolidLine, Qt::SquareCap));
                p.drawLine(at(item.x1, item.y1), at(item.x2, item.y2));
                break;
            case GraphItem::Kind::Rect:
                p.setPen(QPen(colour, item.pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(at(item.x1, item.y1), at(item.x2, item.y2)).normalized());
                break;
            case GraphItem::Kind::Dot: {
                // A point drawn with a wide pen: a filled circle as wide as the pen.
                const double r = item.pen / 2.0;
                p.setPen(Qt::NoPen);
                p.setBrush(colour);
                p.drawEllipse(at(item.x1, item.y1), r, r);
                break;
            }
            case GraphItem::Kind::Text: {
                p.setPen(colour);
                const QString text = qs(item.text);
                QPointF top_left = at(item.x1, item.y1);
                if (item.keep_inside && top_left.x() < width()) {
                    const double right = width() - kEdgeMargin;
                    const double advance = metrics.horizontalAdvance(text);
                    if (top_left.x() + advance > right) top_left.setX(right - advance);
                }
                p.drawText(QRectF(top_left, QSizeF(200, 50)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
                break;
            }
        }
    }
}

}  // namespace enclavio
