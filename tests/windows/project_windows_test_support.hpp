// Shared by the widget tests of the project, notes, report and tuning windows.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <initializer_list>
#include <string>
#include <utility>

#include "../forms/project_windows_support.hpp"
#include "qt_app.hpp"

namespace enclavio::window_testing {

using project_testing::TempFolder;

inline QApplication& app() {
    if (auto* existing = qobject_cast<QApplication*>(QApplication::instance())) return *existing;
    return test_app();
}

template <typename T>
T* child(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// Each named control is there and shows its text.
inline void expect_texts(QWidget* window, std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [name, text] : texts) {
        QWidget* w = child<QWidget>(window, QString::fromLatin1(name));
        if (!w) continue;
        QString shown;
        if (auto* l = qobject_cast<QLabel*>(w)) shown = l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) shown = b->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) shown = e->text();
        EXPECT_EQ(shown.toStdString(), text) << name;
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

}  // namespace enclavio::window_testing
