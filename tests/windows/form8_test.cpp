// The port details window offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <memory>

#include "qt_app.hpp"
#include "windows/form8.hpp"

namespace enclavio {
namespace {

TEST(Form8Window, ChoicesAndRadiiReachTheModelAndSurviveReopening) {
    test_app();
    QTemporaryDir dir;
    NullView view;
    MainForm main(view, dir.path().toStdString(), dir.path().toStdString());
    main.startup();
    const std::string tune = main.s.main.results.label27.caption;
    auto form = std::make_unique<Form8>(main, nullptr, nullptr);
    const auto option = [&](int n) { return form->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n)); };
    for (int n : {1, 2, 5, 6, 7, 8}) ASSERT_NE(option(n), nullptr) << n;
    for (const char* name : {"Frame1", "Frame2", "Label1", "Label2", "Text1", "Picture1"}) {
        EXPECT_NE(form->findChild<QWidget*>(name), nullptr) << name;
    }
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_TRUE(option(5)->isChecked());

    option(2)->click();
    option(7)->click();
    auto* text2 = form->findChild<QLineEdit*>("Text2");
    EXPECT_EQ(text2->text(), "20");
    text2->selectAll();
    for (QChar ch : QString("35")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(text2, &press);
    }
    EXPECT_EQ(main.s.port_details.inside_radius, "35");
    EXPECT_EQ(main.s.port_details.outside, 2);
    EXPECT_EQ(main.s.port_details.inside, 7);
    EXPECT_EQ(main.s.main.results.label27.caption, tune);  // only kept: nothing is recalculated

    form = std::make_unique<Form8>(main, nullptr, nullptr);  // a new window on the same session
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_TRUE(option(7)->isChecked());
    EXPECT_FALSE(option(5)->isChecked());
    EXPECT_EQ(form->findChild<QLineEdit*>("Text2")->text(), "35");
}

}  // namespace
}  // namespace enclavio
