// The about window offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "qt_app.hpp"
#include "windows/frm_about.hpp"

namespace enclavio {
namespace {

TEST(FrmAboutWindow, TextsLinksAndClosingKeys) {
    test_app();
    QTemporaryDir dir;
    NullView view;
    MainForm main(view, dir.path().toStdString(), dir.path().toStdString());
    frmAbout form(main, nullptr, nullptr);
    auto* label1 = form.findChild<QLabel*>("Label1");
    ASSERT_NE(label1, nullptr);
    EXPECT_EQ(label1->text(), qs(about_title()));

    for (const AboutLink& link : about_links()) {
        auto* label = form.findChild<QLabel*>(qs(link.control));
        ASSERT_NE(label, nullptr) << link.control;
        EXPECT_EQ(label->text(), qs(link.caption));
        EXPECT_EQ(label->toolTip(), qs(link.tooltip));
        EXPECT_TRUE(label->font().underline());
    }
    for (const AboutText& t : about_texts()) {
        auto* label = form.findChild<QLabel*>(qs(t.control));
        ASSERT_NE(label, nullptr) << t.control;
        EXPECT_EQ(label->text(), qs(t.caption));
    }
    ASSERT_NE(form.findChild<QWidget*>("Picture1"), nullptr);
    ASSERT_NE(form.findChild<QPushButton*>("cmdOK"), nullptr);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        form.show();
        QApplication::processEvents();
        ASSERT_TRUE(form.isVisible());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&form, &press);
        EXPECT_FALSE(form.isVisible()) << key;
    }
}

}  // namespace
}  // namespace enclavio
