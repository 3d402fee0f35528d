#include "windows/workshop_sheet_pdf.hpp"

#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <functional>
#include <vector>

#include "windows/drawings/panel_picture.hpp"
#include "windows/palette.hpp"
#include "windows/qt_view.hpp"

namespace enclavio {

namespace {

// The sheet is laid out in points (1/72 inch) and scaled to the device.
constexpr double kMargin = 42;
constexpr double kGap = 6;
const QColor kInk(20, 20, 20);
const QColor kGrey(100, 100, 100);
const QColor kBlue = qc(colours::dark_blue);
const QColor kShade(238, 242, 248);

QFont sheet_font(int size, bool bold = false, bool italic = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(size);  // in points, once the painter is scaled
    // No ligatures: "fi" copied or searched in the PDF stays two letters.
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

double text_height(const QFont& font, double width, const QString& text) {
    return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

// One piece of the sheet: its height at the sheet's width, and how it paints
// itself into the rectangle given to it.
struct Block {
    double height;
    std::function<void(QPainter&, const QRectF&)> paint;
    bool keep_with_next = false;  // a heading stays on the page of what follows
};

std::vector<Block> sheet_blocks(const WorkshopSheet& sheet, double width) {
    std::vector<Block> blocks;
    auto paragraph = [&](const std::string& text, const QFont& font, const QColor& colour, double after,
                         bool keep = false) {
        const QString t = qs(text);
        blocks.push_back({text_height(font, width, t) + after,
                          [t, font, colour](QPainter& p, const QRectF& r) {
                              p.setFont(font);
                              p.setPen(colour);
                              p.drawText(r, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, t);
                          },
                          keep});
    };

    // Title with the date at the right, and a rule under both.
    const QFont title = sheet_font(17, true), small = sheet_font(9);
    const QString title_text = qs(sheet.title), date_text = qs(sheet.date);
    const double date_width = QFontMetricsF(small).horizontalAdvance(date_text) + 4;
    const double title_height = text_height(title, width - date_width - 12, title_text);
    blocks.push_back({title_height + 10, [=](QPainter& p, const QRectF& r) {
                          p.setFont(title);
                          p.setPen(kInk);
                          p.drawText(QRectF(r.left(), r.top(), r.width() - date_width - 12, title_height),
                                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, title_text);
                          p.setFont(small);
                          p.setPen(kGrey);
                          p.drawText(QRectF(r.right() - date_width, r.top(), date_width, title_height),
                                     Qt::AlignRight | Qt::AlignBottom, date_text);
                          p.setPen(QPen(kInk, 1.2));
                          p.drawLine(QPointF(r.left(), r.top() + title_height + 4),
                                     QPointF(r.right(), r.top() + title_height + 4));
                      }});

    paragraph(sheet.finished, sheet_font(11, true), kBlue, 4);
    paragraph(sheet.heading, sheet_font(9, false, true), kGrey, kGap);

    // The panels: a box to tick when cut, the line, and its hint under it.
    const QFont line_font = sheet_font(11), hint_font = sheet_font(8, false, true);
    const double tick = 9, indent = tick + 8;
    for (std::size_t i = 0; i < sheet.panels.size(); ++i) {
        const QString line = qs(sheet.panels[i].line), hint = qs(sheet.panels[i].hint);
        const double line_height = text_height(line_font, width - indent - 4, line);
        const double hint_height = hint.isEmpty() ? 0 : text_height(hint_font, width - indent - 4, hint) + 1;
        const bool shaded = i % 2 == 0;
        blocks.push_back({line_height + hint_height + 6, [=](QPainter& p, const QRectF& r) {
                              if (shaded) p.fillRect(r, kShade);
                              p.setPen(QPen(kInk, 0.8));
                              p.setBrush(Qt::NoBrush);
                              p.drawRect(QRectF(r.left() + 3, r.top() + 3 + (line_height - tick) / 2, tick, tick));
                              QRectF text(r.left() + indent, r.top() + 3, r.width() - indent - 4, line_height);
                              p.setFont(line_font);
                              p.setPen(kBlue);
                              p.drawText(text, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line);
                              if (hint.isEmpty()) return;
                              p.setFont(hint_font);
                              p.setPen(kGrey);
                              p.drawText(QRectF(text.left(), text.bottom() + 1, text.width(), hint_height),
                                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, hint);
                          }});
    }
    blocks.back().height += kGap;
    paragraph(sheet.brace_note, sheet_font(9), kGrey, 2);
    paragraph(sheet.warning, sheet_font(9, true), kGrey, 2 * kGap);

    // The three drawings side by side, each captioned.
    const double gap = 18;
    const double cell = std::min(130.0, (width - 2 * gap) / 3);
    const double drawing_height = cell * kPanelPictureSize.height() / kPanelPictureSize.width();
    const QFont caption_font = sheet_font(9);
    double caption_height = 0;
    for (const auto& d : sheet.drawings)
        caption_height = std::max(caption_height, text_height(caption_font, cell + gap, qs(d.caption)));
    const auto drawings = sheet.drawings;
    blocks.push_back({drawing_height + 4 + caption_height + 2 * kGap, [=](QPainter& p, const QRectF& r) {
                          for (std::size_t i = 0; i < drawings.size(); ++i) {
                              const QRectF place(r.left() + i * (cell + gap), r.top(), cell, drawing_height);
                              p.save();
                              paint_panel_picture(p, place, drawings[i].picture);
                              p.restore();
                              p.setPen(QPen(QColor(170, 170, 170), 0.6));
                              p.setBrush(Qt::NoBrush);
                              p.drawRect(place);
                              p.setFont(caption_font);
                              p.setPen(kInk);
                              p.drawText(QRectF(place.left() - gap / 2, place.bottom() + 4, cell + gap, caption_height),
                                         Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, qs(drawings[i].caption));
                          }
                      }});

    paragraph(sheet.design_heading, sheet_font(12, true), kInk, 3, true);
    for (const std::string& line : sheet.design) paragraph(line, sheet_font(10), kInk, 3);
    paragraph(std::string("Enclavio ") + kVersion, sheet_font(7), kGrey, 0);
    return blocks;
}

// Each block's page and top, in points; a block taller than a page starts a
// page of its own and is cut off at the foot.
struct Placed {
    int page;
    double top;
};
std::vector<Placed> place_blocks(const std::vector<Block>& blocks, double page_height) {
    std::vector<Placed> placed;
    const double bottom = page_height - kMargin;
    int page = 0;
    double y = kMargin;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        double needed = blocks[i].height;
        if (blocks[i].keep_with_next && i + 1 < blocks.size()) needed += blocks[i + 1].height;
        if (y + needed > bottom && y > kMargin) {
            ++page;
            y = kMargin;
        }
        placed.push_back({page, y});
        y += blocks[i].height;
    }
    return placed;
}

QSizeF page_points(const QPageSize& size) { return size.size(QPageSize::Point); }

}  // namespace

QPageSize workshop_page_size() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

int workshop_sheet_pages(const WorkshopSheet& sheet, const QPageSize& size) {
    const QSizeF paper = page_points(size);
    const auto blocks = sheet_blocks(sheet, paper.width() - 2 * kMargin);
    const auto placed = place_blocks(blocks, paper.height());
    return placed.empty() ? 1 : placed.back().page + 1;
}

void paint_workshop_sheet(QPainter& painter, const QRectF& page, const QPageSize& size, const WorkshopSheet& sheet,
                          int index) {
    const QSizeF paper = page_points(size);
    const double width = paper.width() - 2 * kMargin;
    const auto blocks = sheet_blocks(sheet, width);
    const auto placed = place_blocks(blocks, paper.height());
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(page.width() / paper.width(), page.height() / paper.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (placed[i].page != index) continue;
        const QRectF where(kMargin, placed[i].top, width, blocks[i].height);
        painter.save();
        painter.setClipRect(QRectF(0, 0, paper.width(), paper.height() - kMargin / 2));
        blocks[i].paint(painter, where);
        painter.restore();
    }
    painter.restore();
}

bool write_workshop_sheet(const QString& path, const WorkshopSheet& sheet, const QPageSize& size, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error != nullptr) *error = reason;
        return false;
    };
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setPageSize(size);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(qs(sheet.title));
    writer.setCreator(QStringLiteral("Enclavio ") + QString::fromLatin1(kVersion));
    QPainter painter;
    if (!painter.begin(&writer)) return fail(QStringLiteral("the file could not be written"));
    const int pages = workshop_sheet_pages(sheet, size);
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !writer.newPage()) {
            painter.end();
            return fail(QStringLiteral("a new page could not be started"));
        }
        const QRectF paper(0, 0, writer.width(), writer.height());
        paint_workshop_sheet(painter, paper, size, sheet, i);
    }
    if (!painter.end() || !QFileInfo(path).isFile()) return fail(QStringLiteral("the file could not be finished"));
    return true;
}

QImage workshop_sheet_image(const WorkshopSheet& sheet, const QPageSize& size, int index, int width) {
    const QSizeF paper = page_points(size);
    QImage image(width, static_cast<int>(width * paper.height() / paper.width()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint_workshop_sheet(painter, QRectF(0, 0, image.width(), image.height()), size, sheet, index);
    return image;
}

}  // namespace enclavio
