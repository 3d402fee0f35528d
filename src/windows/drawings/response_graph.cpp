#include "windows/drawings/response_graph.hpp"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "response/curves.hpp"

namespace enclavio {

namespace {

constexpr double kFrom = 10;  // hz
constexpr double kTo = 500;   // hz

const QColor kGrid(0xe3, 0xe3, 0xe3);
const QColor kMajorGrid(0xb8, 0xb8, 0xb8);
const QColor kCurve(0x00, 0x3c, 0x96);
const QColor kLimit(0xc8, 0x1e, 0x1e);
const QColor kText(0x30, 0x30, 0x30);

constexpr std::array<double, 6> kLabelled{10, 20, 50, 100, 200, 500};

// An axis step of 1, 2 or 5 times a power of ten, about a fifth of `span`.
double nice_step(double span) {
    if (!(span > 0)) return 1;
    const double raw = span / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double factor = norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10;
    return factor * magnitude;
}

QString axis_number(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return QString::number(value, 'f', decimals);
}

std::optional<double> reference_of(Quantity q, const ResponseGraph::Data& d) {
    if (q == Quantity::Excursion && d.xmax_mm > 0) return d.inches ? d.xmax_mm / kMmPerInch : d.xmax_mm;
    if (q == Quantity::PortVelocity && d.vented) return kPortNoiseSpeed;
    return std::nullopt;
}

}  // namespace

QString quantity_title(Quantity q, bool inches) {
    switch (q) {
        case Quantity::Spl: return QStringLiteral("SPL at 1 m (dB)");
        case Quantity::GroupDelay: return QStringLiteral("Group delay (ms)");
        case Quantity::Excursion:
            return inches ? QStringLiteral("Cone excursion, peak (inches)")
                          : QStringLiteral("Cone excursion, peak (mm)");
        case Quantity::PortVelocity: return QStringLiteral("Port air speed, peak (m/s)");
        case Quantity::Impedance: return QStringLiteral("Impedance (ohm)");
    }
    return {};
}

double shown_quantity(const ResponsePoint& point, Quantity q, bool inches) {
    const double value = point.of(q);
    return q == Quantity::Excursion && inches ? value / kMmPerInch : value;
}

ValueAxis value_axis(Quantity q, double lowest, double highest, std::optional<double> reference) {
    ValueAxis axis;
    if (!std::isfinite(lowest) || !std::isfinite(highest)) lowest = highest = 0;
    if (q == Quantity::Spl) {
        // Decibels: 10 dB steps, the top just above the highest level, no
        // more than 50 dB shown below it.
        axis.step = 10;
        axis.high = std::ceil((highest + 2) / 10) * 10;
        axis.low = std::max(std::floor(lowest / 10) * 10, axis.high - 50);
        if (axis.high - axis.low < 20) axis.low = axis.high - 20;
        return axis;
    }
    double top = highest;
    if (reference) top = std::max(top, *reference * 1.15);
    double bottom = std::min(0.0, lowest);
    axis.step = nice_step(top - bottom);
    axis.high = std::ceil(top / axis.step - 1e-9) * axis.step;
    axis.low = std::floor(bottom / axis.step + 1e-9) * axis.step;
    if (axis.high <= axis.low) axis.high = axis.low + axis.step;
    return axis;
}

ResponseGraph::ResponseGraph(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pictureResponse"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(false);
}

void ResponseGraph::set_data(Data data) {
    data_ = std::move(data);
    update();
}

void ResponseGraph::show_quantity(Quantity q) {
    quantity_ = q;
    stacked_ = false;
    update();
}

void ResponseGraph::show_stacked() {
    stacked_ = true;
    update();
}

QSize ResponseGraph::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.averageCharWidth() * 80, fm.height() * 30};
}

QSize ResponseGraph::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return {fm.averageCharWidth() * 50, fm.height() * 14};
}

double ResponseGraph::x_of(double hz, double left, double width) {
    return left + width * std::log(hz / kFrom) / std::log(kTo / kFrom);
}

void ResponseGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF all = QRectF(rect()).adjusted(2, 2, -2, -2);
    if (data_.curves.empty()) {
        // Nothing to predict yet: only what is missing.
        p.setPen(kLimit);
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        p.drawText(all.adjusted(20, 0, -20, 0), Qt::AlignCenter | Qt::TextWordWrap, data_.missing);
        return;
    }
    if (!stacked_) {
        paint_plot(p, all, quantity_, true);
    } else {
        const QFontMetrics fm(font());
        const double labels = fm.height() + 4;  // the frequency labels under the last plot
        const double each = (all.height() - labels) / kQuantityCount;
        for (int i = 0; i < kQuantityCount; ++i) {
            const bool last = i == kQuantityCount - 1;
            const QRectF area(all.left(), all.top() + i * each, all.width(), each + (last ? labels : 0));
            paint_plot(p, area, static_cast<Quantity>(i), last);
        }
    }
}

void ResponseGraph::paint_plot(QPainter& p, const QRectF& area, Quantity q, bool frequency_labels) const {
    const QFontMetrics fm(font());
    p.setFont(font());
    const double left = area.left() + fm.horizontalAdvance(QStringLiteral("000.00")) + 10;
    const double top = area.top() + fm.height() + 4;
    const double right = area.right() - 8;
    const double bottom = area.bottom() - (frequency_labels ? fm.height() + 4 : 4);
    if (right - left < 20 || bottom - top < 10) return;
    const QRectF plot(QPointF(left, top), QPointF(right, bottom));

    // Title.
    p.setPen(kText);
    p.drawText(QRectF(left, area.top(), plot.width(), fm.height() + 2), Qt::AlignLeft | Qt::AlignVCenter,
               quantity_title(q, data_.inches));

    // Values and their axis.
    double lowest = HUGE_VAL, highest = -HUGE_VAL;
    for (const ResponsePoint& point : data_.curves) {
        const double v = shown_quantity(point, q, data_.inches);
        if (!std::isfinite(v)) continue;
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    if (lowest > highest) lowest = highest = q == Quantity::Spl ? 90 : 0;
    const std::optional<double> reference = reference_of(q, data_);
    const ValueAxis axis = value_axis(q, lowest, highest, reference);
    const auto y_of = [&](double v) { return bottom - (v - axis.low) / (axis.high - axis.low) * plot.height(); };

    // Grid: every 10 hz to 100, every 100 hz to 500, the decades darker.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (double hz = kFrom; hz <= kTo + 1e-9; hz += hz < 100 ? 10 : 100) {
        const bool major = hz == 10 || hz == 100;
        p.setPen(QPen(major ? kMajorGrid : kGrid, 0));
        const double x = std::round(x_of(hz, left, plot.width()));
        p.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    const int steps = static_cast<int>(std::lround((axis.high - axis.low) / axis.step));
    for (int i = 0; i <= steps; ++i) {
        const double v = axis.low + i * axis.step;
        const double y = std::round(y_of(v));
        p.setPen(QPen(kGrid, 0));
        p.drawLine(QPointF(left, y), QPointF(right, y));
        p.setPen(kText);
        p.drawText(QRectF(area.left(), y - fm.height() / 2.0, left - area.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, axis_number(v, axis.step));
    }
    p.setPen(QPen(kMajorGrid, 0));
    p.drawRect(plot);
    if (frequency_labels) {
        p.setPen(kText);
        for (double hz : kLabelled) {
            const double x = x_of(hz, left, plot.width());
            const QString label = hz == kTo ? QStringLiteral("500 hz") : QString::number(hz);
            const double w = fm.horizontalAdvance(label);
            const double at = std::clamp(x - w / 2, area.left(), area.right() - w);
            p.drawText(QRectF(at, bottom + 2, w + 1, fm.height()), Qt::AlignLeft | Qt::AlignTop, label);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);

    // The limit line with its name.
    p.save();
    p.setClipRect(plot.adjusted(0, -1, 0, 1));
    if (reference) {
        const double y = y_of(*reference);
        p.setPen(QPen(kLimit, 1.2, Qt::DashLine));
        p.drawLine(QPointF(left, y), QPointF(right, y));
        const QString name = q == Quantity::Excursion ? QStringLiteral("Xmax") : QStringLiteral("17 m/s");
        // Above the line where there is room, else below it.
        const bool above = y - fm.height() - 1 >= top;
        const QRectF room(left, above ? y - fm.height() - 1 : y + 1, plot.width() - 4, fm.height());
        p.drawText(room, Qt::AlignRight | (above ? Qt::AlignBottom : Qt::AlignTop), name);
    }

    // The curve.
    if (q == Quantity::PortVelocity && !data_.vented && !data_.curves.empty()) {
        p.setPen(kText);
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("Sealed box: no port"));
    } else if (!data_.curves.empty()) {
        QPainterPath path;
        bool started = false;
        for (const ResponsePoint& point : data_.curves) {
            const double v = shown_quantity(point, q, data_.inches);
            if (!std::isfinite(v)) {
                started = false;
                continue;
            }
            const QPointF at(x_of(point.hz, left, plot.width()), y_of(v));
            if (started) {
                path.lineTo(at);
            } else {
                path.moveTo(at);
                started = true;
            }
        }
        p.setPen(QPen(kCurve, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.restore();
}

}  // namespace enclavio
