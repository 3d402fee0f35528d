// The main window's pictures: names, sizes and clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "windows/pictures.hpp"
#include "qt_app.hpp"

namespace enclavio {
namespace {

template <class Picture>
void expect_click_emits(Picture& picture) {
    int clicks = 0;
    QObject::connect(&picture, &Picture::clicked, [&clicks] { ++clicks; });
    const QPointF at(picture.width() / 2.0, picture.height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, picture.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&picture, &press);
    EXPECT_EQ(clicks, 1);
}

// Share of pixels that are not the background: the drawing is really there.
double inked(QWidget& w, QRgb background) {
    const QImage image = w.grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != background;
    return static_cast<double>(n) / (image.width() * image.height());
}

TEST(MainPictures, WherePictureIsNamedSizedDrawnAndClickable) {
    test_app();
    WherePicture where(nullptr);
    EXPECT_EQ(where.objectName(), "Picture2");
    EXPECT_LE(where.sizeHint().width(), 241);
    EXPECT_LE(where.sizeHint().height(), 313);
    where.resize(where.sizeHint());
    EXPECT_GT(inked(where, qRgb(255, 255, 255)), 0.2);
    expect_click_emits(where);
}

TEST(MainPictures, NotesPictureIsASmallClickableNote) {
    test_app();
    NotesPicture notes(nullptr);
    EXPECT_EQ(notes.objectName(), "Picture3");
    EXPECT_EQ(notes.size(), QSize(32, 32));
    EXPECT_GT(inked(notes, notes.grab().toImage().pixel(0, 0)), 0.3);
    expect_click_emits(notes);
}

}  // namespace
}  // namespace enclavio
