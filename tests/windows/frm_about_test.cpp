// The about window offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <filesystem>
#include <random>

#include "windows/frm_about.hpp"
#include "qt_app.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;

TEST(FrmAboutWindow, TextsLinksAndClosingKeys) {
    test_app();
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("enclavio-about-" + std::to_string(rd()));
    fs::create_directories(dir);
    NullView view;
    {
        MainForm main(view, dir.string(), dir.string());
        frmAbout form(main, nullptr, nullptr);
        EXPECT_EQ(form.windowTitle(), "About Enclavio");
        auto* label1 = form.findChild<QLabel*>("Label1");
        ASSERT_NE(label1, nullptr);
        EXPECT_EQ(label1->text(), "Enclavio version 3.3");
        EXPECT_TRUE(label1->font().bold());
        EXPECT_EQ(label1->palette().color(QPalette::WindowText), QColor(55, 106, 240));

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
        auto* picture = form.findChild<QWidget*>("Picture1");
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->size(), QSize(60, 79));
        EXPECT_FALSE(picture->toolTip().isEmpty());
        EXPECT_GE(form.minimumSize().width(), 326);
        EXPECT_GE(form.minimumSize().height(), 342);

        auto* ok = form.findChild<QPushButton*>("cmdOK");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            form.show();
            QApplication::processEvents();
            ASSERT_TRUE(form.isVisible());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&form, &press);
            EXPECT_FALSE(form.isVisible()) << key;
        }
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
}  // namespace enclavio
