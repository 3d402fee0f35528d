#include "windows/printing.hpp"

#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "windows/qt_view.hpp"

namespace enclavio {

bool print_pages(QWidget* parent, const QString& document, int pages, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const QString path =
            QFileDialog::getSaveFileName(parent, QStringLiteral("No printer found - save as PDF"),
                                         document + QStringLiteral(".pdf"), QStringLiteral("PDF files (*.pdf)"));
        if (path.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    const auto failure = [parent](const QString& text) {
        run_message_box(parent, QMessageBox::Warning, QStringLiteral("Enclavio"), text, QMessageBox::Ok);
        return false;
    };
    QPainter painter;
    if (!painter.begin(&printer)) return failure(QStringLiteral("Unable to print: the printer could not be started"));
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return failure(QStringLiteral("Unable to print: a new page could not be started"));
        }
        painter.save();
        paint(painter, painter.viewport(), i);
        painter.restore();
    }
    if (!painter.end()) return failure(QStringLiteral("Unable to print: the page could not be finished"));
    return true;
}

}  // namespace enclavio
