// The About window's drawing.
#pragma once

#include <QSize>
#include <QWidget>

namespace enclavio {

// Picture1: a finished enclosure with its driver, two ports and a few notes.
class EnclosurePicture : public QWidget {
public:
    explicit EnclosurePicture(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace enclavio
