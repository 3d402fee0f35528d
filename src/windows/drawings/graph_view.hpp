// Picture1 of the main window: the resonance strip graph, painted from the
// drawing list that every analysis run leaves behind.
#pragma once

#include <QSize>
#include <QWidget>

#include "forms/session.hpp"

namespace enclavio {

class GraphView : public QWidget {
    Q_OBJECT
public:
    // Width and height in pixels of the strip at its design size.
    static constexpr int kWidth = 624;
    static constexpr int kHeight = 49;

    // `state` holds the drawing list and the range; it outlives the widget.
    explicit GraphView(const MainState& state, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Widget x (in pixels) of a frequency at the current range.
    double x_of(double hz) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const MainState& state_;
};

}  // namespace enclavio
