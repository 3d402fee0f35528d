// Picture2 of the main window: where to measure each size the user enters.
#pragma once

#include <QPointF>
#include <QSize>
#include <QWidget>

namespace enclavio {

// Picture2: a side section of the box with a numbered arrow for every size
// the user enters, a legend, and "Click to hide" at its foot.
class WherePicture : public QWidget {
    Q_OBJECT
public:
    explicit WherePicture(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace enclavio
