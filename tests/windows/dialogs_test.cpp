// The secondary windows offscreen: each shows its controls, one user action
// reaches the model and shows its new state, and no window clips a text.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>

#include "../support/files.hpp"
#include "forms/cutting_list_form.hpp"
#include "forms/project_file_form.hpp"
#include "forms/project_io.hpp"
#include "project_windows_test_support.hpp"
#include "windows/about_window.hpp"
#include "windows/bracing_window.hpp"
#include "windows/create_folder_window.hpp"
#include "windows/cutting_list_window.hpp"
#include "windows/dialogs.hpp"
#include "windows/notes_window.hpp"
#include "windows/palette.hpp"
#include "windows/port_details_window.hpp"
#include "windows/project_file_windows.hpp"
#include "windows/report_window.hpp"
#include "windows/tune_window.hpp"
#include "windows/units_window.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

template <class T = QWidget>
T* numbered(QWidget* w, const char* stem, int n) {
    return child<T>(w, QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(n));
}
QColor text_colour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

TEST_F(WindowTest, SaveAndOpenListTheFolderAndAClickedFileIsTaken) {
    std::filesystem::create_directories(root.file("sub folder"));
    test_support::put_bytes(root.file("b.ecv"), "");
    test_support::put_bytes(root.file("a.ecv"), "");
    save_window_prepare(main->session);
    open_window_prepare(main->session);
    auto save = make<Form2>();
    auto open = make<Form5>();
    EXPECT_EQ(save->windowTitle(), "Save Project As ...");
    EXPECT_EQ(open->windowTitle(), "Open Project");
    expect_texts(save.get(), {{"Command1", "&Save"},
                              {"Command3", "Create folder"},
                              {"Text1", "default"},
                              {"Label2",
                               "You don't need to specify a file extension - \".ecv\" is added "
                               "automatically if required"}});
    expect_texts(open.get(), {{"Command1", "&Open"}, {"Label2", "*.ecv"}, {"Text1", ""}});
    for (QWidget* w : {static_cast<QWidget*>(save.get()), static_cast<QWidget*>(open.get())}) {
        expect_texts(w, {{"Command2", "&Cancel"}, {"Label1", "File name:"}});
        EXPECT_NE(child<QComboBox>(w, "Drive1")->findText(QStringLiteral("/")), -1);
        QTreeWidget* dir = child<QTreeWidget>(w, "Dir1");
        EXPECT_EQ(dir->currentItem()->data(0, Qt::UserRole).toString(), qs(root.str()));
        EXPECT_EQ(dir->findItems(QStringLiteral("sub folder"), Qt::MatchRecursive).size(), 1);
    }
    QListWidget* files = child<QListWidget>(open.get(), "File1");
    ASSERT_EQ(files->count(), 2);
    EXPECT_EQ(files->item(0)->text(), QStringLiteral("a.ecv"));
    emit files->itemClicked(files->item(1));
    EXPECT_EQ(main->session.files.open.name, "b.ecv");
    EXPECT_EQ(child<QLineEdit>(open.get(), "Text1")->text(), QStringLiteral("b.ecv"));
}

TEST_F(WindowTest, CreateFolderReturnsTheTypedName) {
    main->session.files.new_folder_prompt = create_folder_prompt("/home/ann/boxes");
    auto form = make<Form6>();
    form->sync();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Create Folder"));
    QString prompt = child<QLabel>(form.get(), "Label1")->text();
    EXPECT_EQ(prompt.remove(QChar(0x200B)), QStringLiteral("Create new folder below /HOME/ANN/BOXES ?"));
    expect_texts(form.get(), {{"Label2", "Name of new folder:"}, {"Command1", "&OK"}, {"Command2", "&Cancel"}});
    type_keys(child<QLineEdit>(form.get(), "Text1"), QStringLiteral("my folder"));
    child<QPushButton>(form.get(), "Command1")->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(main->session.files.new_folder_name, "my folder");
    // A long folder path wraps instead of being cut off.
    std::string deep;
    for (int i = 0; i < 12; ++i) deep += "/speaker_projects_" + std::to_string(i);
    main->session.files.new_folder_prompt = create_folder_prompt(deep);
    form->sync();
    expect_nothing_clipped(form.get());
}

TEST_F(WindowTest, CuttingListShowsTheLinesAndTheAllowanceOption) {
    auto form = make<Form3>();
    for (const char* name : {"Picture1", "Label13", "Label16", "Command1", "Command2"}) child(form.get(), name);
    for (bool double_front : {false, true}) {
        main->session.design.doublefront = double_front ? 1 : 0;
        prepare_cutting_list(main->session);
        form->sync();
        const CuttingState& c = main->session.cutting;
        for (int i = 0; i < kPanelCount; ++i) {
            EXPECT_EQ(numbered<QLabel>(form.get(), "Label", i + 1)->text().toStdString(), c.list.panel_lines[i]);
        }
        expect_texts(
            form.get(),
            {{"Label12", c.list.finished_line}, {"Label9", c.list.brace_note}, {"Option2", c.list.allowance_caption}});
        EXPECT_TRUE(child<QRadioButton>(form.get(), "Option1")->isChecked());
        EXPECT_EQ(child(form.get(), "Label3")->isHidden(), !double_front);  // one front: no inner front line
    }
    child<QRadioButton>(form.get(), "Option2")->click();
    EXPECT_FALSE(main->session.cutting.show_exact);
    EXPECT_EQ(child(form.get(), "Label1")->toolTip().toStdString(), trimming_hints()[0]);
    EXPECT_FALSE(child(form.get(), "Label14")->isHidden());
    EXPECT_TRUE(child<QTimer>(form.get(), "Timer1")->isActive());
}

TEST_F(WindowTest, NotesLinesAreTypedAndCleared) {
    auto form = make<frmComments>();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Notes for this project"));
    expect_texts(form.get(), {{"Command1", "&OK"}, {"Command2", "&Clear"}});
    form->adjustSize();
    for (int n = 2; n <= 8; ++n) {
        EXPECT_GT(numbered(form.get(), "Text", n)->y(), numbered(form.get(), "Text", n - 1)->y()) << n;
    }
    main->session.notes.lines[7] = "from a file";
    form->sync();
    EXPECT_EQ(numbered<QLineEdit>(form.get(), "Text", 8)->text(), QStringLiteral("from a file"));
    type_keys(numbered<QLineEdit>(form.get(), "Text", 3), QStringLiteral("third line"));
    EXPECT_EQ(main->session.notes.lines[2], "third line");
    child<QPushButton>(form.get(), "Command2")->click();
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(numbered<QLineEdit>(form.get(), "Text", n)->text().isEmpty()) << n;
}

TEST_F(WindowTest, ReportChoicesReachTheModelAndTheReviewLinkOpensTheCuttingList) {
    auto form = make<frmReport>();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Generate Report"));
    expect_texts(form.get(), {{"Check6", "Include Notes"},
                              {"Check3", "Include Cutting List"},
                              {"Check1", "Include trimming instructions"},
                              {"Check2", "Include Resonances"},
                              {"Check4", "Include Port Details"},
                              {"Check5", "Include Driver Details"},
                              {"Label1", "Export selected Enclavio information to the following text file:"},
                              {"Label2", root.file("app") + "/report.txt"},
                              {"Label3", "Include dimensions, volumes and tuning frequency"},
                              {"Label4", "Review Cutting List"},
                              {"Command3", "&Generate Report"},
                              {"Command1", "&Done"}});
    main->session.report.check1_enabled = false;
    form->sync();
    EXPECT_FALSE(numbered(form.get(), "Check", 1)->isEnabled());
    numbered<QCheckBox>(form.get(), "Check", 2)->click();
    EXPECT_FALSE(main->session.report.check2);
    QLabel* review = child<QLabel>(form.get(), "Label4");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), review->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(review, &release);
    EXPECT_EQ(opened, std::vector<Window>{Window::Form3});
}

TEST_F(WindowTest, TuneSolvesAsTheUserTypesAndApplyTypesTheLength) {
    auto form = make<frmTune>();
    form->show();
    EXPECT_EQ(form->windowTitle(), "Port length for a tuning");
    expect_texts(form.get(), {{"Label1", "Target tuning (hz)"},
                              {"Label2", "Port length"},
                              {"Command1", "&Apply"},
                              {"Command2", "&Cancel"},
                              {"Text1", "29.4"},
                              {"Label3", "826 mm"},
                              {"Label4", ""}});
    for (const char* typed : {"10", "100", "31"}) {
        type_keys(child<QLineEdit>(form.get(), "Text1"), QString::fromLatin1(typed));
        const TuneState& st = form->model().state();
        EXPECT_EQ(child(form.get(), "Command1")->isEnabled(), st.apply_enabled) << typed;
        expect_texts(form.get(), {{"Label3", st.length}, {"Label4", st.message}});
    }
    child<QPushButton>(form.get(), "Command1")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(main->session.main.text[MainField::PortLength].text, form->model().state().answer.text);
    EXPECT_EQ(main->session.main.results.tuning_line.caption, "Tune  31hz");
}

TEST_F(WindowTest, UnitsOptionsSetTheModeAndColourTheRules) {
    auto form = make<frmUnits>();
    child(form.get(), "Command1");
    for (UnitMode mode : {UnitMode::Inches, UnitMode::MetricCm, UnitMode::DecimalInches, UnitMode::Metric}) {
        const UnitOption& o = unit_option(mode);
        SCOPED_TRACE(std::string(o.control));
        expect_texts(form.get(), {{o.control.data(), std::string(o.caption)}});
        child<QRadioButton>(form.get(), qs(o.control))->click();
        EXPECT_EQ(main->session.mode, mode);
        EXPECT_EQ(text_colour(child(form.get(), "Frame2")), qc(unit_rule_colours(mode).frame));
        for (const UnitRule& rule : unit_rules()) {
            expect_texts(form.get(), {{rule.control.data(), std::string(rule.caption)}});
            EXPECT_EQ(text_colour(child(form.get(), qs(rule.control))), qc(unit_rule_colours(mode).labels));
        }
    }
}

TEST_F(WindowTest, BracingManualEdgeVolumeIsTypedAndKept) {
    auto form = make<Form7>();
    form->show();
    for (const char* name : {"Frame1", "Frame2", "Label5", "Picture2", "Picture3", "Picture4", "option4", "Text3"}) {
        child(form.get(), name);
    }
    EXPECT_TRUE(child<QRadioButton>(form.get(), "option3")->isChecked());
    expect_texts(form.get(), {{"Text1", "1"}, {"Label2", " 1.91"}});
    EXPECT_EQ(text_colour(child(form.get(), "Label2")), QColor(0, 0, 255));
    child<QRadioButton>(form.get(), "Option2")->click();
    auto* text2 = child<QLineEdit>(form.get(), "Text2");
    EXPECT_TRUE(text2->isEnabled());
    EXPECT_EQ(text_colour(child(form.get(), "Label2")), QColor(128, 128, 128));
    EXPECT_TRUE(child(form.get(), "Label1")->isVisible());
    type_keys(text2, QStringLiteral("4.5"));
    EXPECT_EQ(main->session.bracing.edge_text, "4.5");
    child<QRadioButton>(form.get(), "Option1")->click();
    EXPECT_FALSE(text2->isEnabled());
    EXPECT_EQ(text2->text(), "4.5");
    EXPECT_EQ(text2->palette().color(QPalette::Base), QColor(224, 224, 224));
    main->session.bracing_window.picture_double = true;
    form->sync();
    EXPECT_EQ(child<BracingPicture>(form.get(), "Picture1")->kind(), BracingPicture::Kind::DoubleFront);
}

// The double front's inner layer is drawn as the cutting list cuts it: W - 2T
// by H - 2T, set in between the sides, top and bottom, so hidden (dashed)
// behind the outer layer; the top shows the outer layer's edge only.
TEST_F(WindowTest, BracingDoubleFrontShowsTheInnerLayerAsItIsCut) {
    for (bool double_front : {true, false}) {
        SCOPED_TRACE(double_front);
        const FrontSketch sketch = front_sketch(double_front);
        if (double_front) {
            const double t = sketch.thickness;
            EXPECT_EQ(sketch.inner.size(), sketch.face.size() - QSizeF(2 * t, 2 * t));
            EXPECT_EQ(sketch.inner.center(), sketch.face.center());
        } else {
            EXPECT_TRUE(sketch.inner.isEmpty());
        }
        BracingPicture picture(double_front ? BracingPicture::Kind::DoubleFront : BracingPicture::Kind::SingleFront,
                               nullptr);
        picture.resize(picture.sizeHint());
        const QImage image = picture.grab().toImage();
        const auto near = [](QColor a, QColor b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 40;
        };
        // The dashed outline one panel thickness in from the front's top edge.
        const QRectF inner = sketch.face.adjusted(7, 7, -7, -7);  // as a double front's would be
        int dashes = 0;
        for (int x = static_cast<int>(inner.left()) + 2; x < static_cast<int>(inner.right()) - 2; ++x) {
            dashes += near(image.pixelColor(x, static_cast<int>(inner.top())), hidden_line_colour());
        }
        if (double_front) {
            EXPECT_GT(dashes, 20);
        } else {
            EXPECT_EQ(dashes, 0);
        }
        // Just behind the outer layer at the top's outer corner: the top panel, not a second layer.
        const QPointF behind = sketch.face.topLeft() + sketch.back * 0.09 * 1.5 + QPointF(3, 0);
        EXPECT_TRUE(near(image.pixelColor(behind.toPoint()), QColor(240, 214, 170)))
            << image.pixelColor(behind.toPoint()).name().toStdString();
    }
}

TEST_F(WindowTest, PortDetailsChoicesAndRadiusSurviveReopening) {
    const std::string tune = main->session.main.results.tuning_line.caption;
    auto form = make<Form8>();
    for (const char* name : {"Frame1", "Frame2", "Label1", "Label2", "Text1", "Picture1"}) child(form.get(), name);
    EXPECT_TRUE(numbered<QRadioButton>(form.get(), "Option", 1)->isChecked());
    EXPECT_TRUE(numbered<QRadioButton>(form.get(), "Option", 5)->isChecked());
    numbered<QRadioButton>(form.get(), "Option", 2)->click();
    numbered<QRadioButton>(form.get(), "Option", 7)->click();
    EXPECT_EQ(child<QLineEdit>(form.get(), "Text2")->text(), "20");
    type_keys(child<QLineEdit>(form.get(), "Text2"), QStringLiteral("35"));
    EXPECT_EQ(main->session.port_details.inside_radius, "35");
    EXPECT_EQ(main->session.main.results.tuning_line.caption, tune);  // only kept: nothing is recalculated
    form = make<Form8>();                                             // a new window on the same session
    EXPECT_TRUE(numbered<QRadioButton>(form.get(), "Option", 2)->isChecked());
    EXPECT_TRUE(numbered<QRadioButton>(form.get(), "Option", 7)->isChecked());
    EXPECT_FALSE(numbered<QRadioButton>(form.get(), "Option", 5)->isChecked());
    EXPECT_EQ(child<QLineEdit>(form.get(), "Text2")->text(), "35");
}

TEST_F(WindowTest, AboutShowsItsTextsAndLinksAndClosesOnEnterAndEscape) {
    auto form = make<frmAbout>();
    child(form.get(), "Picture1");
    child(form.get(), "cmdOK");
    expect_texts(form.get(), {{"Label1", about_title()}, {"licence", "Licence: GPL-3.0-or-later"}});
    for (const AboutText& t : about_texts()) expect_texts(form.get(), {{t.control.data(), std::string(t.caption)}});
    for (const AboutLink& link : about_links()) {
        expect_texts(form.get(), {{link.control.data(), link.caption}});
        EXPECT_EQ(child(form.get(), qs(link.control))->toolTip(), qs(link.tooltip));
        EXPECT_TRUE(child(form.get(), qs(link.control))->font().underline());
    }
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        form->show();
        ASSERT_TRUE(form->isVisible());
        press_key(form.get(), key);
        EXPECT_FALSE(form->isVisible()) << key;
    }
}

// Enter and Space press the focused button of every window: Enter on a focused
// Cancel or Print no longer presses the window's default button instead.
TEST_F(WindowTest, EnterAndSpacePressTheFocusedButtonInEveryWindow) {
    main->session.files.new_folder_prompt = create_folder_prompt(root.str());
    prepare_cutting_list(main->session);
    for (Window w : {Window::Form2, Window::Form3, Window::Form5, Window::Form6, Window::Form7, Window::Form8,
                     Window::frmUnits, Window::frmReport, Window::frmComments, Window::frmAbout, Window::frmTune}) {
        std::unique_ptr<ModelDialog> dialog = make_dialog(w, *main, nullptr, nullptr);
        ASSERT_NE(dialog, nullptr);
        dialog->sync();
        expect_keys_press_the_focused_button(dialog.get());
    }
}

// Names the user chose (folders, files, the project, notes) are shown as plain
// text: markup in a name is shown as typed, never as a link or in bold.
TEST_F(WindowTest, NamesAreShownAsPlainTextInEveryWindowAndMessage) {
    const std::string marked = "<b>bold <a href=x>link";
    std::filesystem::create_directories(root.file(marked));
    NullView quiet;
    MainForm session(quiet, root.file(marked + " app"), root.file(marked));
    session.startup();
    session.session.projectname = marked + ".ecv";
    session.session.main.caption = main_caption(session.session.projectname);
    session.session.notes.lines.fill(marked);
    session.check_notes();
    session.session.files.new_folder_prompt = create_folder_prompt(root.file(marked));
    session.session.report.reportpath = root.file(marked + " app") + "/report.txt";
    session.session.files.save.name = marked;
    prepare_cutting_list(session.session);
    for (Window w : {Window::Form2, Window::Form3, Window::Form5, Window::Form6, Window::Form7, Window::Form8,
                     Window::frmUnits, Window::frmReport, Window::frmComments, Window::frmAbout, Window::frmTune}) {
        std::unique_ptr<ModelDialog> dialog = make_dialog(w, session, nullptr, nullptr);
        ASSERT_NE(dialog, nullptr);
        dialog->sync();
        dialog->show();
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (!Qt::mightBeRichText(label->text())) continue;
            EXPECT_EQ(label->textFormat(), Qt::PlainText)
                << dialog->objectName().toStdString() << "." << label->objectName().toStdString();
        }
        dialog->hide();
    }
    // The message boxes: a failed save and a question.
    QtFormView view(nullptr, nullptr, nullptr);
    std::vector<std::pair<Qt::TextFormat, QString>> shown;
    const auto read_box = [&] {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown.emplace_back(box->textFormat(), box->text());
            box->done(QMessageBox::No);
        });
    };
    read_box();
    view.show_message("Unable to save " + root.file(marked) + "/box.ecv");
    read_box();
    view.ask_yes_no("Would you like me to ...", marked);
    ASSERT_EQ(shown.size(), 2u);
    for (const auto& [format, text] : shown) {
        EXPECT_EQ(format, Qt::PlainText) << text.toStdString();
        EXPECT_TRUE(text.contains(qs(marked)));
    }
}

// Every window, opened as the main window opens it, at the normal font and
// a large one, in metric and imperial units.
TEST_F(WindowTest, NoWindowClipsAText) {
    const std::pair<Window, void (MainForm::*)()> windows[] = {
        {Window::Form2, &MainForm::mnu_save_Click},       {Window::Form5, &MainForm::mnu_open_Click},
        {Window::Form3, &MainForm::mnu_panels_Click},     {Window::frmComments, &MainForm::mnu_notes_Click},
        {Window::frmReport, &MainForm::mnu_report_Click}, {Window::frmTune, &MainForm::mnu_tune_Click},
        {Window::frmUnits, &MainForm::mnu_units_Click},   {Window::Form7, &MainForm::mnu_bracing_Click},
        {Window::Form8, &MainForm::mnu_porting_Click},    {Window::frmAbout, &MainForm::mnu_about_Click},
    };
    const QFont normal = QApplication::font();
    for (int point_size : {0, 15}) {
        QFont font = normal;
        if (point_size > 0) font.setPointSize(point_size);
        QApplication::setFont(font);
        for (UnitMode mode : {UnitMode::Metric, UnitMode::Inches}) {
            project_testing::RecordingView recording;
            MainForm session(recording, root.file("app"), root.str());
            session.startup();
            session.set_unit_mode(mode);
            session.populateall();
            for (const auto& [w, open] : windows) {
                recording.on_modal[w] = [&, w = w] {
                    std::unique_ptr<ModelDialog> dialog = make_dialog(w, session, nullptr, nullptr);
                    ASSERT_NE(dialog, nullptr);
                    SCOPED_TRACE(dialog->objectName().toStdString() + " at " + std::to_string(point_size));
                    dialog->sync();
                    expect_nothing_clipped(dialog.get());
                };
                (session.*open)();
            }
            EXPECT_EQ(recording.modals.size(), std::size(windows));
        }
    }
    QApplication::setFont(normal);
}

}  // namespace
}  // namespace enclavio
