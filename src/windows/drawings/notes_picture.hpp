// Picture3 of the main window: a pinned note, shown while the project has notes.
#pragma once

#include <QSize>
#include <QWidget>

namespace enclavio {

// Picture3: a small pinned note, shown while the project has notes.
class NotesPicture : public QWidget {
    Q_OBJECT
public:
    explicit NotesPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace enclavio
