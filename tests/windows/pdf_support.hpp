// Looking into PDF files the program wrote: their text (through poppler's
// pdftotext, where installed) and the images they embed.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <optional>

namespace enclavio::pdf_testing {

inline QByteArray file_bytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// The text of every page in reading order, or nothing when pdftotext is missing.
inline std::optional<QString> pdf_text(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The widest image XObject in the file, in image pixels (0 when there is none).
inline int widest_image(const QByteArray& pdf) {
    static const QRegularExpression image(QStringLiteral(R"(/Subtype\s*/Image\s*/Width\s+(\d+))"));
    int widest = 0;
    auto it = image.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) widest = std::max(widest, it.next().captured(1).toInt());
    return widest;
}

inline int page_count(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page[^s])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

}  // namespace enclavio::pdf_testing
