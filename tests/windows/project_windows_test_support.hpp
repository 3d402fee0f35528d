// Shared by the widget tests of the project, notes and report windows.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <filesystem>
#include <random>
#include <string>

#include "qt_app.hpp"

namespace enclavio::window_testing {

inline QApplication& app() {
    if (auto* existing = qobject_cast<QApplication*>(QApplication::instance())) return *existing;
    return test_app();
}

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("enclavio-windows-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string str() const { return path_.generic_string(); }
    std::string file(const std::string& name) const { return (path_ / name).generic_string(); }

private:
    std::filesystem::path path_;
};

// Every label and button of a laid-out window is at least as large as its text needs.
inline void expect_nothing_clipped(QWidget* window) {
    window->adjustSize();
    window->show();
    QApplication::processEvents();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))) continue;
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap()) {
            // A wrapping label needs the height of its text at its width.
            EXPECT_GE(w->height(), label->heightForWidth(w->width())) << w->objectName().toStdString();
        } else {
            const QSize need = w->minimumSizeHint().expandedTo(w->sizeHint());
            EXPECT_GE(w->width(), need.width()) << w->objectName().toStdString();
        }
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << w->objectName().toStdString();
        EXPECT_LE(w->mapTo(window, QPoint(w->width(), 0)).x(), window->width()) << w->objectName().toStdString();
    }
    window->hide();
}

}  // namespace enclavio::window_testing
