// The response window's graphs: one quantity over 10 to 500 hz on a log axis,
// or all of them stacked, with the Xmax and port-noise lines.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "response/curves.hpp"

class QPainter;

namespace enclavio {

class ResponseGraph : public QWidget {
    Q_OBJECT
public:
    explicit ResponseGraph(QWidget* parent = nullptr);

    // What is drawn: the curves (empty for none, `missing` then says why),
    // excursion shown in inches rather than mm, the Xmax line (mm; 0 for
    // none), and whether the box has a port.
    struct Data {
        std::vector<ResponsePoint> curves;
        QString missing;
        bool inches = false;
        double xmax_mm = 0;
        bool vented = false;
    };
    void set_data(Data data);
    // One quantity, or every one stacked when `stacked`.
    void show_quantity(Quantity q);
    void show_stacked();
    bool stacked() const { return stacked_; }
    Quantity quantity() const { return quantity_; }
    const Data& data() const { return data_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The widget x of a frequency inside a plot of that left and width.
    static double x_of(double hz, double left, double width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paint_plot(QPainter& p, const QRectF& area, Quantity q, bool frequency_labels) const;

    Data data_;
    Quantity quantity_ = Quantity::Spl;
    bool stacked_ = false;
};

// The graph's title for a quantity: "SPL at 1 m (dB)", ...
QString quantity_title(Quantity q, bool inches);

// The value a curve point shows for a quantity, excursion in inches if asked.
double shown_quantity(const ResponsePoint& point, Quantity q, bool inches);

// A value axis: from `low` to `high` in steps of `step`, with room for every
// value given and the reference value.
struct ValueAxis {
    double low = 0, high = 1, step = 0.5;
};
ValueAxis value_axis(Quantity q, double lowest, double highest, std::optional<double> reference);

}  // namespace enclavio
