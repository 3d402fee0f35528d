// Printing on the default printer, or into a PDF the user names when there is
// no printer. Pages are painted at the printer's resolution, so text stays
// text and drawings stay lines.
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace enclavio {

// Paints page `index` (from 0) into `page`, the printable area in device pixels.
using PagePainter = std::function<void(QPainter& painter, const QRect& page, int index)>;

// Prints `pages` pages; `document` names the print job and the suggested PDF.
// Returns false when nothing was printed (cancelled or failed); failures are
// reported in a message box parented on `parent`.
bool print_pages(QWidget* parent, const QString& document, int pages, const PagePainter& paint);

// Paints `pages` pages on a printer already set up (a printer, or a PDF file
// through QPrinter::PdfFormat). False, with the reason in `error`, when the
// printer could not be started or a page not begun or finished.
bool paint_on_printer(QPrinter& printer, int pages, const PagePainter& paint, QString* error);

// Paints `widget` as it is laid out now into `page`, scaled to fit with its
// proportions kept and centred across the page's top. Each control paints
// itself through the painter, so its text stays text and its drawings lines.
void paint_widget(QPainter& painter, const QRect& page, QWidget* widget);

}  // namespace enclavio
