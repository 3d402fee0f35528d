// The port details window's drawing.
#pragma once

#include <QSize>
#include <QWidget>

namespace enclavio {

// Picture1: the four ways a port end can be finished, each in section.
class PortEndsPicture : public QWidget {
public:
    explicit PortEndsPicture(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace enclavio
