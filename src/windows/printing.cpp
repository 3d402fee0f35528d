#include "windows/printing.hpp"

#include <QFileDialog>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

#include "windows/qt_view.hpp"

namespace enclavio {

bool paint_on_printer(QPrinter& printer, int pages, const PagePainter& paint, QString* error) {
    const auto failure = [error](const char* text) {
        if (error != nullptr) *error = QString::fromUtf8(text);
        return false;
    };
    QPainter painter;
    if (!painter.begin(&printer)) return failure("the printer could not be started");
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return failure("a new page could not be started");
        }
        painter.save();
        paint(painter, painter.viewport(), i);
        painter.restore();
    }
    if (!painter.end()) return failure("the page could not be finished");
    return true;
}

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
    QString error;
    if (paint_on_printer(printer, pages, paint, &error)) return true;
    run_message_box(parent, QMessageBox::Warning, QStringLiteral("Enclavio"),
                    QStringLiteral("Unable to print: ") + error, QMessageBox::Ok);
    return false;
}

void paint_widget(QPainter& painter, const QRect& page, QWidget* widget) {
    const QSize size = widget->size();
    if (size.isEmpty() || page.isEmpty()) return;
    const double scale =
        std::min(static_cast<double>(page.width()) / size.width(), static_cast<double>(page.height()) / size.height());
    // Rendered straight onto a printer, Qt would paint the widget into a
    // pixmap first; recorded as a picture, every control keeps its own text,
    // lines and fills, which are then played onto the printer.
    QPicture recording;
    widget->render(&recording, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.translate(page.left() + (page.width() - size.width() * scale) / 2, page.top());
    // Playing a picture scales it from its own resolution to the device's;
    // the scale to fit already includes that step.
    const QPaintDevice* device = painter.device();
    painter.scale(scale * recording.logicalDpiX() / device->logicalDpiX(),
                  scale * recording.logicalDpiY() / device->logicalDpiY());
    painter.drawPicture(QPointF(0, 0), recording);
}

}  // namespace enclavio
