// Shared by the widget tests: the one QApplication, a main window model or the
// main window itself started in a temporary folder, control lookup, typing and
// the clip check.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../forms/project_windows_support.hpp"
#include "windows/main_window.hpp"
#include "windows/qt_view.hpp"

namespace enclavio::window_testing {

using test_support::TempFolder;

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "test_windows";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    // Never destroyed: a QApplication torn down among the static destructors
    // at exit crashes in Qt's own clean-up.
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

template <typename T = QWidget>
T* child(const QObject* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// Each named control is there and shows its text.
inline void expect_texts(QWidget* window, std::initializer_list<std::pair<const char*, std::string>> texts) {
    for (const auto& [name, text] : texts) {
        QWidget* w = child(window, QString::fromLatin1(name));
        if (!w) continue;
        QString shown;
        if (auto* l = qobject_cast<QLabel*>(w)) shown = l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) shown = b->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) shown = e->text();
        EXPECT_EQ(shown.toStdString(), text) << name;
    }
}

inline void press_key(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// Replaces the field's text by typing it, key by key.
inline void type_keys(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

// Every label and button of a laid-out window is at least as large as its text needs.
inline void expect_nothing_clipped(QWidget* window) {
    window->adjustSize();
    window->show();
    QApplication::processEvents();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))) continue;
        const std::string name = w->objectName().toStdString();
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap()) {
            // A wrapping label needs the height of its text at its width.
            EXPECT_GE(w->height(), label->heightForWidth(w->width())) << name;
        } else {
            EXPECT_GE(w->width(), w->minimumSizeHint().expandedTo(w->sizeHint()).width()) << name;
        }
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
        EXPECT_LE(w->mapTo(window, QPoint(w->width(), 0)).x(), window->width()) << name;
        EXPECT_LE(w->mapTo(window, QPoint(0, w->height())).y(), window->height()) << name;
    }
    window->hide();
}

// Enter, the keypad's Enter and Space each press the focused push button of a
// shown window, and only that one (never the window's default button instead).
// The buttons' own handlers are disconnected first: only the key binding is tried.
inline void expect_keys_press_the_focused_button(QWidget* window) {
    window->show();
    QApplication::processEvents();
    std::map<QAbstractButton*, int> clicks;
    const auto buttons = window->findChildren<QPushButton*>();
    for (QPushButton* b : buttons) {
        QObject::disconnect(b, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(b, &QAbstractButton::clicked, [&clicks, b] { ++clicks[b]; });
    }
    for (QPushButton* b : buttons) {
        if (!b->isVisible() || !b->isEnabled()) continue;
        const std::string name = window->objectName().toStdString() + "." + b->objectName().toStdString();
        b->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(window->focusWidget(), b) << name;
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier}};
        for (const auto& [key, modifiers] : keys) {
            clicks.clear();
            QTest::keyClick(b, key, modifiers);
            EXPECT_EQ(clicks, (std::map<QAbstractButton*, int>{{b, 1}})) << name << " key " << key;
        }
    }
    window->hide();
}

// A main window model started with no settings file in a temporary folder;
// windows made here record what they ask the main window to open.
class WindowTest : public ::testing::Test {
protected:
    TempFolder root;
    NullView view;
    std::unique_ptr<MainForm> main;
    std::vector<Window> opened;

    void SetUp() override {
        app();
        main = std::make_unique<MainForm>(view, root.file("app"), root.str());
        main->startup();
    }
    template <class W>
    std::unique_ptr<W> make() {
        return std::make_unique<W>(
            *main, [this](Window w) { opened.push_back(w); }, nullptr);
    }
};

// The desktop main window started with no settings file in a temporary
// program folder, and shown.
class ShownMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        ASSERT_TRUE(appdata.isValid());
        form = std::make_unique<Form1>(appdata.path().toStdString() + "/app", QDir::homePath().toStdString());
        form->startup();
        form->show();
    }

    QTemporaryDir appdata;
    std::unique_ptr<Form1> form;
};

}  // namespace enclavio::window_testing
