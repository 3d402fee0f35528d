// The main window as an editor, offscreen: the Project and Edit menus with
// their keys, the caption's mark, undo by key from a field, the question on
// closing, Copy Results; and the program started with a project or an option.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "../support/files.hpp"
#include "../support/program_run.hpp"
#include "../support/sigterm_run.hpp"
#include "forms/project_io.hpp"
#include "project_windows_test_support.hpp"
#include "windows/main_window.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

class EditorWindowTest : public ShownMainWindowTest {
protected:
    QAction* action(const char* name) { return child<QAction>(form.get(), QString::fromLatin1(name)); }
    // Presses `button` of the next message box to come up.
    void answer_next_box(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(button)->click();
        });
    }
};

TEST_F(EditorWindowTest, ProjectAndEditMenusHaveTheirItemsAndKeys) {
    const std::vector<std::pair<const char*, QKeySequence>> keys = {
        {"mnu_open", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"mnu_quicksave", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"mnu_save", QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
        {"mnu_exit", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {"mnu_print", QKeySequence(QStringLiteral("Ctrl+P"))},
        {"mnu_undo", QKeySequence(QStringLiteral("Ctrl+Z"))},
        {"mnu_redo", QKeySequence(QStringLiteral("Ctrl+Shift+Z"))},
        {"mnu_copyresults", QKeySequence(QStringLiteral("Ctrl+Shift+C"))},
    };
    for (const auto& [name, key] : keys) EXPECT_EQ(action(name)->shortcut(), key) << name;

    auto* project = child<QMenu>(form.get(), QStringLiteral("mnu_file"));
    QStringList captions;
    for (QAction* a : project->actions()) captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(captions, QStringList({"&Open...", "Recent projects", "&Save", "&Save As...", "-", "&Notes",
                                     "&Generate Report", "-", "E&xit"}));
    const QList<QAction*> bar = form->menuBar()->actions();
    ASSERT_GE(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&Project");
    EXPECT_EQ(bar[1]->text(), "&Edit");
    EXPECT_FALSE(action("mnu_undo")->isEnabled());
    EXPECT_FALSE(action("mnu_redo")->isEnabled());
    EXPECT_FALSE(form->windowIcon().isNull());
    for (const char* label : {"Label7", "Label6", "Label26", "Label27", "Label28"}) {
        EXPECT_TRUE(child<QLabel>(form.get(), QString::fromLatin1(label))->textInteractionFlags() &
                    Qt::TextSelectableByMouse)
            << label;
    }

    // Opened, every menu is wide enough for its captions and keys.
    const QString png = qEnvironmentVariable("ENCLAVIO_PNG_DIR");
    if (!png.isEmpty()) {
        form->grab().save(png + QStringLiteral("/main_window.png"));
        for (const int size : {16, 32, 256}) {
            form->windowIcon().pixmap(size).save(png + QStringLiteral("/icon%1.png").arg(size));
        }
    }
    for (const char* name : {"mnu_file", "mnu_edit"}) {
        auto* menu = child<QMenu>(form.get(), QString::fromLatin1(name));
        menu->popup(form->mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        EXPECT_GE(menu->width(), menu->sizeHint().width()) << name;
        if (!png.isEmpty()) menu->grab().save(png + QStringLiteral("/%1.png").arg(QString::fromLatin1(name)));
        menu->hide();
    }
}

TEST_F(EditorWindowTest, TypingMarksTheCaptionAndCtrlZFromTheFieldUndoesIt) {
    QApplication::setActiveWindow(form.get());  // window shortcuts need an active window
    auto* depth = child<QLineEdit>(form.get(), QStringLiteral("Text6"));
    depth->setFocus();
    type_keys(depth, QStringLiteral("450"));
    EXPECT_EQ(form->windowTitle(), "Enclavio - default*");
    EXPECT_EQ(form->model().session.design.boxdepth, 450);
    EXPECT_TRUE(action("mnu_undo")->isEnabled());

    QTest::keyClick(depth, Qt::Key_Z, Qt::ControlModifier);  // one step for the three keystrokes
    EXPECT_EQ(form->model().session.design.boxdepth, 400);
    EXPECT_EQ(depth->text(), "400");
    EXPECT_EQ(form->windowTitle(), "Enclavio - default");
    QTest::keyClick(depth, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->model().session.design.boxdepth, 450);
    EXPECT_EQ(form->windowTitle(), "Enclavio - default*");
}

TEST_F(EditorWindowTest, ClosingWithChangesAsksAndCancelKeepsTheWindow) {
    form->close();  // nothing changed: closes without a question
    EXPECT_FALSE(form->isVisible());
    SetUp();

    type_keys(child<QLineEdit>(form.get(), QStringLiteral("Text8")), QStringLiteral("650"));
    answer_next_box(QMessageBox::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->model().session.design.boxheight, 650);
    EXPECT_EQ(form->windowTitle(), "Enclavio - default*");

    answer_next_box(QMessageBox::Discard);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
}

// A signal while the question is up (the program's handler clears the
// question and closes every window) still closes the window.
TEST_F(EditorWindowTest, ASignalWhileTheQuestionIsShownStillCloses) {
    type_keys(child<QLineEdit>(form.get(), QStringLiteral("Text8")), QStringLiteral("650"));
    bool asked = false;
    QTimer::singleShot(0, [this, &asked] {
        asked = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
        form->close_without_asking();
        QApplication::closeAllWindows();
    });
    form->close();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(EditorWindowTest, CopyResultsPutsThePanelOnTheClipboard) {
    action("mnu_copyresults")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Enclavio - default\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(qs(form->model().session.main.results.tuning_line.caption))) << text.toStdString();
}

// ---- The program itself --------------------------------------------------------------

// Runs the desktop program with `args` and reads what it prints.
test_support::ProgramRun run_desktop(const std::string& args) {
    test_support::RunPlace place;
    place.env = {"QT_QPA_PLATFORM=offscreen"};
    return test_support::run_program(ENCLAVIO_DESKTOP, {args}, place);
}

TEST(DesktopProgram, HelpAndVersionPrintAndExit) {
    const test_support::ProgramRun help = run_desktop("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: enclavio [OPTION]... [FILE.ecv]\n", 0), 0u) << help.out;
    const test_support::ProgramRun version = run_desktop("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("enclavio (Enclavio) 3.3\n", 0), 0u) << version.out;
    const test_support::ProgramRun wrong = run_desktop("--bogus");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("enclavio: unrecognized option '--bogus'"), std::string::npos) << wrong.err;
}

// Starts the program on `project` in a home of its own, waits until it has
// started and shows the project (or its refusal), then ends it with SIGTERM.
// Empty when it ended well.
std::string start_with_project_and_end(const TempFolder& root, const std::string& project) {
    std::filesystem::create_directory(root.file("run"));
    std::filesystem::permissions(root.file("run"), std::filesystem::perms::owner_all);
    return test_support::run_until_sigterm(
        ENCLAVIO_DESKTOP, {project},
        {"HOME=" + root.str(), "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + root.file("run")},
        std::chrono::milliseconds(500));
}

// A project named on the command line is opened and becomes the first recent
// project; one that is missing is refused in a message box, and a signal still
// ends the program while that box is up.
TEST(DesktopProgram, AProjectNamedOnTheCommandLineOpens) {
    for (const bool present : {true, false}) {
        SCOPED_TRACE(present);
        TempFolder root;
        const std::string project = root.file("sub.ecv");
        if (present) {
            ProjectData p;
            p.boxdepth = 480;
            p.drivers_text = "1";
            ASSERT_TRUE(write_project(project, p));
        }
        ASSERT_EQ(start_with_project_and_end(root, project), "");
        const std::string settings = test_support::get_bytes(root.file(".local/share/Enclavio/enclavio.ini"));
        EXPECT_EQ(settings.find("recent.1=" + project + "\r\n") != std::string::npos, present) << settings;
    }
}

}  // namespace
}  // namespace enclavio
