// The report window's drawing.
#pragma once

#include <QWidget>

namespace enclavio {

// Picture1: a printed page with a heading, text lines and a small table,
// coming out of a printer tray.
class ReportPicture : public QWidget {
public:
    explicit ReportPicture(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace enclavio
