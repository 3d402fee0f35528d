// The main window's pictures: names, sizes, a real drawing and clicks.
#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>

#include "project_windows_test_support.hpp"
#include "windows/drawings/notes_picture.hpp"
#include "windows/drawings/where_picture.hpp"

namespace enclavio {
namespace {

// Share of pixels other than the top-left one's colour, after one click.
template <class Picture>
double inked_and_clicked(Picture& picture, int* clicks) {
    QObject::connect(&picture, &Picture::clicked, [clicks] { ++*clicks; });
    const QPointF at(picture.width() / 2.0, picture.height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, picture.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&picture, &press);
    const QImage image = picture.grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != image.pixel(0, 0);
    return static_cast<double>(n) / (image.width() * image.height());
}

TEST(MainPictures, WhereAndNotesPicturesAreNamedSizedDrawnAndClickable) {
    window_testing::app();
    WherePicture where(nullptr);
    NotesPicture notes(nullptr);
    EXPECT_EQ(where.objectName(), "Picture2");
    EXPECT_EQ(notes.objectName(), "Picture3");
    EXPECT_LE(where.sizeHint().width(), 241);
    EXPECT_LE(where.sizeHint().height(), 313);
    EXPECT_EQ(notes.size(), QSize(32, 32));
    where.resize(where.sizeHint());
    int clicks = 0;
    EXPECT_GT(inked_and_clicked(where, &clicks), 0.2);
    EXPECT_GT(inked_and_clicked(notes, &clicks), 0.3);
    EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace enclavio
