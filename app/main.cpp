// Enclavio: the desktop program.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "windows/form1.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Enclavio"));
    QApplication::setApplicationName(QStringLiteral("Enclavio"));
    QApplication::setApplicationVersion(QString::fromLatin1(enclavio::kVersion));

    const QString appdata = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    enclavio::Form1 form(appdata.toStdString(), QDir::homePath().toStdString());
    form.startup();
    form.show();
    return app.exec();
}
