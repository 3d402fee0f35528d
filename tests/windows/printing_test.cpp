// Printing a window: the controls are painted onto the printer, so a PDF of
// the main window or the cutting list holds their text, not a screen image.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "forms/cutting_list_form.hpp"
#include "pdf_support.hpp"
#include "project_windows_test_support.hpp"
#include "windows/cutting_list_window.hpp"
#include "windows/main_window.hpp"
#include "windows/printing.hpp"

namespace enclavio {
namespace {

using namespace window_testing;
using namespace pdf_testing;

// Prints the window as its Print command does, into a PDF file.
QByteArray print_to_pdf(QWidget* window, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QString error;
    EXPECT_TRUE(paint_on_printer(
        printer, 1, [window](QPainter& p, const QRect& page, int) { paint_widget(p, page, window); }, &error))
        << error.toStdString();
    return file_bytes(path);
}

void expect_printed(QWidget* window, const QString& path, std::initializer_list<std::string> texts) {
    window->show();
    QApplication::processEvents();
    const QByteArray pdf = print_to_pdf(window, path);
    ASSERT_TRUE(pdf.startsWith("%PDF")) << path.toStdString();
    EXPECT_EQ(page_count(pdf), 1);
    // No picture of the window: at most a control's small pixmap.
    EXPECT_LT(widest_image(pdf), window->width() / 2) << path.toStdString();
    const auto text = pdf_text(path);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    // Layout spacing aside, each text is there as text.
    const QString flat = text->simplified();
    for (const std::string& t : texts)
        EXPECT_TRUE(flat.contains(qs(t).simplified())) << t << "\nin: " << flat.toStdString();
}

TEST(PrintingTest, MainWindowAndCuttingListPrintTheirTextNotAScreenImage) {
    app();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Form1 form(dir.filePath(QStringLiteral("app")).toStdString(), QDir::homePath().toStdString());
    form.startup();
    const MainState& m = form.model().session.main;
    expect_printed(&form, dir.filePath(QStringLiteral("main.pdf")),
                   {"Resonances", m.results.tuning_line.caption, m.results.resonance[1].caption});

    Session& s = form.model().session;
    s.mode = UnitMode::Inches;
    prepare_cutting_list(s);
    Form3 cutting(form.model(), nullptr, &form);
    cutting.sync();
    expect_printed(&cutting, dir.filePath(QStringLiteral("cutting.pdf")),
                   {s.cutting.list.finished_line, s.cutting.list.panel_lines[0], s.cutting.list.brace_note});
}

}  // namespace
}  // namespace enclavio
