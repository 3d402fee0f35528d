// The port details window offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QKeyEvent>
#include <filesystem>
#include <memory>
#include <random>

#include "windows/form8.hpp"
#include "qt_app.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;

// Types text into a field as the user would.
void type_text(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
    }
}

TEST(Form8Window, ControlsChoicesAndRadiiSurviveReopening) {
    test_app();
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("enclavio-form8-" + std::to_string(rd()));
    fs::create_directories(dir);
    NullView view;
    {
        MainForm main(view, dir.string(), dir.string());
        main.startup();
        const std::string tune = main.s.main.results.label27.caption;
        auto form = std::make_unique<Form8>(main, nullptr, nullptr);
        EXPECT_EQ(form->windowTitle(), "Port Details");

        struct Caption {
            const char* name;
            const char* text;
        };
        for (const Caption& c : {Caption{"Option1", "Flanged and Flared"}, Caption{"Option2", "Flanged"},
                                 Caption{"Option5", "Flared"}, Caption{"Option6", "Free"},
                                 Caption{"Option7", "Flanged"}, Caption{"Option8", "Flanged and Flared"}}) {
            auto* o = form->findChild<QRadioButton*>(c.name);
            ASSERT_NE(o, nullptr) << c.name;
            EXPECT_EQ(o->text(), c.text);
        }
        EXPECT_TRUE(form->findChild<QRadioButton*>("Option1")->isChecked());
        EXPECT_TRUE(form->findChild<QRadioButton*>("Option5")->isChecked());
        EXPECT_EQ(form->findChild<QLabel*>("Label1")->text(), "Flare radius in mm");
        EXPECT_EQ(form->findChild<QLabel*>("Label2")->text(), "Flare raduis in mm");
        for (const char* frame : {"Frame1", "Frame2"}) {
            EXPECT_EQ(form->findChild<QGroupBox*>(frame)->palette().color(QPalette::WindowText), QColor(37, 139, 222));
        }
        ASSERT_NE(form->findChild<QWidget*>("Picture1"), nullptr);

        form->findChild<QRadioButton*>("Option2")->click();
        form->findChild<QRadioButton*>("Option7")->click();
        auto* text2 = form->findChild<QLineEdit*>("Text2");
        EXPECT_EQ(text2->text(), "20");
        text2->selectAll();
        type_text(text2, "35");
        EXPECT_EQ(main.s.port_details.inside_radius, "35");
        EXPECT_EQ(main.s.port_details.outside, 2);
        EXPECT_EQ(main.s.port_details.inside, 7);
        // Only shown and kept: nothing is recalculated.
        EXPECT_EQ(main.s.main.results.label27.caption, tune);

        // A new window on the same session shows what was chosen.
        form = std::make_unique<Form8>(main, nullptr, nullptr);
        EXPECT_TRUE(form->findChild<QRadioButton*>("Option2")->isChecked());
        EXPECT_TRUE(form->findChild<QRadioButton*>("Option7")->isChecked());
        EXPECT_FALSE(form->findChild<QRadioButton*>("Option5")->isChecked());
        EXPECT_EQ(form->findChild<QLineEdit*>("Text2")->text(), "35");
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
}  // namespace enclavio
