// The notes window's drawing.
#pragma once

#include <QWidget>

namespace enclavio {

// Picture1: a spiral-bound notepad with a pencil across it.
class NotepadPicture : public QWidget {
public:
    explicit NotepadPicture(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace enclavio
