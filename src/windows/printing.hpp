// Printing on the default printer, or into a PDF the user names when there is
// no printer. Pages are painted at the printer's resolution, so text stays
// text and drawings stay lines.
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace enclavio {

// Paints page `index` (from 0) into `page`, the printable area in device pixels.
using PagePainter = std::function<void(QPainter& painter, const QRect& page, int index)>;

// Prints `pages` pages; `document` names the print job and the suggested PDF.
// Returns false when nothing was printed (cancelled or failed); failures are
// reported in a message box parented on `parent`.
bool print_pages(QWidget* parent, const QString& document, int pages, const PagePainter& paint);

}  // namespace enclavio
