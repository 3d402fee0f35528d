// The bracing window offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "qt_app.hpp"
#include "windows/form7.hpp"

namespace enclavio {
namespace {

class Form7Test : public ::testing::Test {
protected:
    void SetUp() override {
        test_app();
        main_ = std::make_unique<MainForm>(view_, dir_.path().toStdString(), dir_.path().toStdString());
        main_->startup();
        form_ = std::make_unique<Form7>(*main_, nullptr, nullptr);
        form_->show();
        QApplication::processEvents();
    }
    template <class T = QWidget>
    T* get(const char* name) {
        T* w = form_->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QColor fore(const char* label) { return get(label)->palette().color(QPalette::WindowText); }

    NullView view_;
    QTemporaryDir dir_;
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<Form7> form_;
};

TEST_F(Form7Test, ManualEdgeVolumeIsTypedAndKept) {
    for (const char* name : {"Frame1", "Frame2", "Label5", "Picture2", "Picture3", "Picture4", "option4", "Text3"}) {
        get(name);
    }
    EXPECT_TRUE(get<QRadioButton>("option3")->isChecked());
    EXPECT_EQ(get<QLineEdit>("Text1")->text(), "1");
    EXPECT_EQ(get<QLabel>("Label2")->text(), " 1.91");
    EXPECT_EQ(fore("Label2"), QColor(0, 0, 255));

    get<QRadioButton>("Option2")->click();
    auto* text2 = get<QLineEdit>("Text2");
    EXPECT_TRUE(text2->isEnabled());
    EXPECT_EQ(text2->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(fore("Label2"), QColor(128, 128, 128));
    EXPECT_TRUE(get("Label1")->isVisible());
    EXPECT_TRUE(get("Label6")->isVisible());
    text2->selectAll();
    for (QChar ch : QString("4.5")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(text2, &press);
    }
    EXPECT_EQ(main_->s.bracing.edge_text, "4.5");

    get<QRadioButton>("Option1")->click();
    EXPECT_FALSE(text2->isEnabled());
    EXPECT_EQ(text2->text(), "4.5");
    EXPECT_EQ(text2->palette().color(QPalette::Base), QColor(224, 224, 224));
    EXPECT_EQ(fore("Label2"), QColor(0, 0, 192));
    EXPECT_FALSE(get("Label1")->isVisible());
}

TEST_F(Form7Test, Picture1FollowsTheFront) {
    auto* picture1 = get<BracingPicture>("Picture1");
    ASSERT_NE(picture1, nullptr);
    for (bool double_front : {false, true}) {
        main_->s.bracing_window.picture_double = double_front;
        form_->sync();
        EXPECT_EQ(picture1->kind(),
                  double_front ? BracingPicture::Kind::DoubleFront : BracingPicture::Kind::SingleFront);
    }
}

}  // namespace
}  // namespace enclavio
