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
    static QApplication app(argc, argv);
    return app;
}

}  // namespace enclavio
