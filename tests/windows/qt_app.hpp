// The one QApplication of the widget tests, created on first use.
#pragma once

#include <QApplication>
#include <QByteArray>

namespace enclavio {

inline QApplication& test_app() {
    static int argc = 1;
    static char name[] = "test_windows";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    // Never destroyed: a QApplication torn down among the static destructors
    // at exit crashes in Qt's own clean-up.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace enclavio
