// The workshop sheet on paper: its pages painted with text as text and the
// panel drawings as lines, into a PDF or an image.
#pragma once

#include <QImage>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include "forms/workshop_sheet.hpp"

class QPainter;

namespace enclavio {

// A4, or Letter where the locale measures in US units.
QPageSize workshop_page_size();

// How many pages the sheet takes on paper of `size`.
int workshop_sheet_pages(const WorkshopSheet& sheet, const QPageSize& size);
// Paints page `index` (from 0); `page` is the whole paper in device units.
void paint_workshop_sheet(QPainter& painter, const QRectF& page, const QPageSize& size, const WorkshopSheet& sheet,
                          int index);

// Writes the sheet as a PDF at `path`; false, with the reason, when it cannot.
bool write_workshop_sheet(const QString& path, const WorkshopSheet& sheet, const QPageSize& size, QString* error);
// Page `index` as an image `width` pixels wide, on white.
QImage workshop_sheet_image(const WorkshopSheet& sheet, const QPageSize& size, int index, int width);

}  // namespace enclavio
