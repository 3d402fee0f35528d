// The workshop sheet on paper: one page of selectable text with the list as
// shown, the drawings and the design; and its two buttons in the window.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "forms/cutting_list_form.hpp"
#include "forms/workshop_sheet.hpp"
#include "pdf_support.hpp"
#include "project_windows_test_support.hpp"
#include "windows/cutting_list_window.hpp"
#include "windows/dialogs.hpp"
#include "windows/workshop_sheet_pdf.hpp"

namespace enclavio {
namespace {

using namespace window_testing;
using namespace pdf_testing;

// With ENCLAVIO_PNG_DIR set, the pages are also kept there as images to look at.
void keep_pages(const WorkshopSheet& sheet, const QPageSize& size, const QString& stem) {
    const QString dir = qEnvironmentVariable("ENCLAVIO_PNG_DIR");
    if (dir.isEmpty()) return;
    for (int i = 0; i < workshop_sheet_pages(sheet, size); ++i)
        workshop_sheet_image(sheet, size, i, 1240)
            .save(QDir(dir).filePath(stem + QStringLiteral("-%1.png").arg(i + 1)));
}

TEST_F(WindowTest, WorkshopSheetIsOnePageOfTextInEveryModeOnA4AndLetter) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CuttingForm cutting(*main, view);
    main->session.projectname = "sub.ecv";
    struct Case {
        UnitMode mode;
        bool allowance;
        QPageSize::PageSizeId paper;
    };
    for (const Case& c : {Case{UnitMode::Metric, false, QPageSize::A4}, Case{UnitMode::Inches, true, QPageSize::Letter},
                          Case{UnitMode::DecimalInches, true, QPageSize::A4}}) {
        main->set_unit_mode(c.mode);
        main->populateall();
        prepare_cutting_list(main->session);
        if (c.allowance) cutting.Option2_Click();
        else cutting.Option1_Click();
        const WorkshopSheet sheet = workshop_sheet(main->session, "8 December 2026");
        const QPageSize size(c.paper);
        const QString stem = QStringLiteral("sheet-%1").arg(qs(unit_mode_literal(c.mode)));
        keep_pages(sheet, size, stem);
        const QString path = dir.filePath(stem + QStringLiteral(".pdf"));
        QString error;
        ASSERT_TRUE(write_workshop_sheet(path, sheet, size, &error)) << error.toStdString();
        const QByteArray pdf = file_bytes(path);
        EXPECT_EQ(page_count(pdf), 1) << stem.toStdString();
        EXPECT_EQ(widest_image(pdf), 0) << "drawings are lines, not images";
        const auto text = pdf_text(path);
        if (!text) GTEST_SKIP() << "pdftotext is not installed";
        const QString flat = text->simplified();
        std::vector<std::string> expected{sheet.title,   sheet.date,       sheet.finished,
                                          sheet.heading, sheet.brace_note, sheet.warning};
        for (const auto& p : sheet.panels) expected.insert(expected.end(), {p.line, p.hint});
        for (const auto& d : sheet.drawings) expected.push_back(d.caption);
        expected.insert(expected.end(), sheet.design.begin(), sheet.design.end());
        for (const std::string& t : expected) {
            EXPECT_TRUE(flat.contains(qs(t).simplified())) << stem.toStdString() << ": " << t;
        }
    }
    // Where the sheet cannot be written, the reason comes back.
    QString error;
    EXPECT_FALSE(write_workshop_sheet(dir.filePath(QStringLiteral("missing/sheet.pdf")),
                                      workshop_sheet(main->session, "today"), QPageSize(QPageSize::A4), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(WindowTest, CuttingListHasTheSaveButtonsUnclipped) {
    auto form = make<Form3>();
    prepare_cutting_list(main->session);
    form->sync();
    expect_texts(form.get(), {{"saveWorkshopSheet", "Save &Workshop Sheet..."}, {"saveCsv", "Save as &CSV..."}});
    expect_nothing_clipped(form.get());
    // The buttons stand in one column, clear of the texts to their left.
    const QWidget* sheet = child(form.get(), "saveWorkshopSheet");
    for (const char* name : {"Option1", "Option2", "Label9", "Label13"}) {
        const QWidget* w = child(form.get(), name);
        EXPECT_FALSE(w->geometry().intersects(sheet->geometry())) << name;
        EXPECT_FALSE(w->geometry().intersects(child(form.get(), "saveCsv")->geometry())) << name;
    }
    const QString dir = qEnvironmentVariable("ENCLAVIO_PNG_DIR");
    if (!dir.isEmpty()) {
        form->show();
        QApplication::processEvents();
        form->grab().save(QDir(dir).filePath(QStringLiteral("cutting-list-window.png")));
    }
}

// With ENCLAVIO_PNG_DIR set, the windows changed here are kept as images.
TEST_F(WindowTest, ReportAndAboutWindowsAsImages) {
    const QString dir = qEnvironmentVariable("ENCLAVIO_PNG_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "ENCLAVIO_PNG_DIR not set";
    for (Window w : {Window::frmReport, Window::frmAbout}) {
        std::unique_ptr<ModelDialog> dialog = make_dialog(w, *main, nullptr, nullptr);
        dialog->sync();
        dialog->show();
        QApplication::processEvents();
        dialog->grab().save(QDir(dir).filePath(dialog->objectName() + QStringLiteral(".png")));
    }
}

}  // namespace
}  // namespace enclavio
