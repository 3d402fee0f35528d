// The bracing window offscreen.
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

#include "windows/form7.hpp"
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

class Form7Test : public ::testing::Test {
protected:
    void SetUp() override {
        test_app();
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("enclavio-form7-" + std::to_string(rd()));
        fs::create_directories(dir_);
        main_ = std::make_unique<MainForm>(view_, dir_.string(), dir_.string());
        main_->startup();
        form_ = std::make_unique<Form7>(*main_, nullptr, nullptr);
        form_->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        form_.reset();
        main_.reset();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    template <class T>
    T* get(const char* name) {
        T* w = form_->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    NullView view_;
    fs::path dir_;
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<Form7> form_;
};

QColor fore(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

TEST_F(Form7Test, ControlsAtStart) {
    EXPECT_EQ(form_->windowTitle(), "Auto-Calculate Bracing   OR   Manually Specify Volumes");
    EXPECT_EQ(get<QGroupBox>("Frame1")->title(), "Edge Bracing in litres");
    EXPECT_EQ(fore(get<QGroupBox>("Frame1")), QColor(128, 64, 64));
    EXPECT_EQ(get<QGroupBox>("Frame2")->title(), "Total Shelf Bracing Volume in litres");
    EXPECT_EQ(fore(get<QGroupBox>("Frame2")), QColor(0, 128, 0));
    EXPECT_TRUE(get<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("option3")->isChecked());
    EXPECT_EQ(get<QRadioButton>("Option2")->text(), "Manual");
    EXPECT_EQ(get<QLabel>("Label5")->text(), "Number of Shelf Braces");
    EXPECT_EQ(get<QLineEdit>("Text1")->text(), "1");
    EXPECT_FALSE(get<QLineEdit>("Text2")->isEnabled());
    EXPECT_FALSE(get<QLineEdit>("Text3")->isEnabled());
    EXPECT_EQ(get<QLabel>("Label2")->text(), " 1.91");
    EXPECT_EQ(fore(get<QLabel>("Label2")), QColor(0, 0, 255));
    EXPECT_FALSE(get<QLabel>("Label1")->isVisible());
    EXPECT_FALSE(get<QLabel>("Label6")->isVisible());
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"}) get<QWidget>(name);
}

TEST_F(Form7Test, ManualEdgeVolumeIsTypedAndKept) {
    get<QRadioButton>("Option2")->click();
    auto* text2 = get<QLineEdit>("Text2");
    EXPECT_TRUE(text2->isEnabled());
    EXPECT_EQ(text2->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(fore(get<QLabel>("Label2")), QColor(128, 128, 128));
    EXPECT_TRUE(get<QLabel>("Label1")->isVisible());
    EXPECT_TRUE(get<QLabel>("Label6")->isVisible());

    text2->selectAll();
    type_text(text2, "4.5");
    EXPECT_EQ(main_->s.bracing.edge_text, "4.5");

    get<QRadioButton>("Option1")->click();
    EXPECT_FALSE(text2->isEnabled());
    EXPECT_EQ(text2->text(), "4.5");
    EXPECT_EQ(text2->palette().color(QPalette::Base), QColor(224, 224, 224));
    EXPECT_EQ(fore(get<QLabel>("Label2")), QColor(0, 0, 192));
    EXPECT_FALSE(get<QLabel>("Label1")->isVisible());
}

TEST_F(Form7Test, Picture1FollowsTheFront) {
    auto* picture1 = form_->findChild<BracingPicture*>("Picture1");
    ASSERT_NE(picture1, nullptr);
    for (bool double_front : {false, true}) {
        main_->s.bracing_window.picture_double = double_front;
        form_->sync();
        EXPECT_EQ(picture1->kind(), double_front ? BracingPicture::Kind::DoubleFront
                                                 : BracingPicture::Kind::SingleFront);
    }
}

}  // namespace
}  // namespace enclavio
