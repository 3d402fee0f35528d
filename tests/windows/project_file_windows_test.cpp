// The save (Form2) and open (Form5) windows offscreen, driven with real mouse
// and key events: the lists, double clicks, arrow keys, Enter, and names that
// are not UTF-8 or hold a line break.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

#include "../support/files.hpp"
#include "forms/project_file_form.hpp"
#include "project_windows_test_support.hpp"
#include "windows/project_file_windows.hpp"

namespace enclavio {
namespace {

using namespace window_testing;
namespace fs = std::filesystem;

// A Latin-1 folder and file name (not UTF-8), and a folder name with a line break.
const std::string kLatin1Folder = "\xE9t\xE9";
const std::string kLatin1File = "caf\xE9.ecv";
const std::string kBrokenFolder = "two\nlines";

class FileWindowTest : public WindowTest {
protected:
    std::string folder_to_create;  // what the user types into Form6

    void SetUp() override {
        WindowTest::SetUp();
        for (const std::string& sub : {std::string("sub folder"), kLatin1Folder, kBrokenFolder}) {
            fs::create_directories(root.file(sub));
        }
        for (const std::string& name : {std::string("b.ecv"), std::string("a.ecv"), kLatin1File}) {
            test_support::put_bytes(root.file(name), "");
        }
        save_window_prepare(main->session);
        open_window_prepare(main->session);
    }
    // The window of `kind`, shown so that its lists are laid out.
    std::unique_ptr<ProjectFileWindow> window(FileForm::Kind kind) {
        const ModalOpener opener = [this](Window w) {
            opened.push_back(w);
            if (w == Window::Form6) main->session.files.new_folder_name = folder_to_create;
        };
        std::unique_ptr<ProjectFileWindow> w;
        if (kind == FileForm::Kind::Save) w = std::make_unique<Form2>(*main, opener, nullptr);
        else w = std::make_unique<Form5>(*main, opener, nullptr);
        w->show();
        QApplication::processEvents();
        return w;
    }
    static QListWidgetItem* file_item(QListWidget* files, const std::string& raw) {
        for (int i = 0; i < files->count(); ++i) {
            if (files->item(i)->data(Qt::UserRole).toByteArray().toStdString() == raw) return files->item(i);
        }
        ADD_FAILURE() << "no list entry " << raw;
        return nullptr;
    }
    static QTreeWidgetItem* folder_item(QTreeWidget* tree, const std::string& raw) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toByteArray().toStdString() == raw) return *it;
        }
        ADD_FAILURE() << "no folder entry " << raw;
        return nullptr;
    }
    // A real double click: press and release, then the double click itself.
    template <class View, class Item>
    static void double_click(View* view, Item* item) {
        const QPoint at = view->visualItemRect(item).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    std::string text1(QWidget* w) { return child<QLineEdit>(w, "Text1")->text().toStdString(); }
};

// A double click saves or opens at once, whatever bytes the name is made of;
// the click before it must not rebuild the list under the mouse.
TEST_F(FileWindowTest, DoubleClickSavesOrOpensAtOnce) {
    const struct {
        FileForm::Kind kind;
        std::string file;
    } cases[] = {
        {FileForm::Kind::Save, "b.ecv"},
        {FileForm::Kind::Open, "a.ecv"},
        {FileForm::Kind::Save, kLatin1File},
        {FileForm::Kind::Open, kLatin1File},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        if (c.kind == FileForm::Kind::Save) test_support::put_bytes(root.file(c.file), "");
        open_window_prepare(main->session);
        save_window_prepare(main->session);
        auto w = window(c.kind);
        QListWidget* files = child<QListWidget>(w.get(), "File1");
        double_click(files, file_item(files, c.file));
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->result(), QDialog::Accepted);
        EXPECT_EQ(main->session.projectname, c.file);
        EXPECT_EQ(main->session.projectpath, root.file(c.file));
        if (c.kind == FileForm::Kind::Save) {
            EXPECT_EQ(split_lines(test_support::get_bytes(root.file(c.file))).size(), 24u);
        } else {
            EXPECT_TRUE(main->session.files.opened);
        }
    }
}

// Moving the choice with the keys copies the name as a click does; Enter on the
// chosen file opens it.
TEST_F(FileWindowTest, ArrowKeysCopyTheNameAndEnterOpens) {
    auto w = window(FileForm::Kind::Open);
    QListWidget* files = child<QListWidget>(w.get(), "File1");
    ASSERT_EQ(files->count(), 3);
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_End, 2}, {Qt::Key_Up, 1}};
    for (const auto& [key, row] : keys) {
        QTest::keyClick(files, key);
        const std::string raw = files->item(row)->data(Qt::UserRole).toByteArray().toStdString();
        EXPECT_EQ(main->session.files.open.name, raw) << key;
        EXPECT_EQ(child<QLineEdit>(w.get(), "Text1")->text(), files->item(row)->text()) << key;
    }
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(main->session.projectname, "b.ecv");
}

// Folders are entered by their bytes, by a double click or by Enter; a name that
// is not UTF-8 or holds a line break is shown on one line with a replacement mark.
TEST_F(FileWindowTest, FoldersAreEnteredByTheirBytes) {
    const struct {
        std::string folder;
        bool by_enter;
    } cases[] = {{"sub folder", false}, {kLatin1Folder, false}, {kBrokenFolder, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        auto w = window(FileForm::Kind::Save);
        QTreeWidget* dir = child<QTreeWidget>(w.get(), "Dir1");
        QTreeWidgetItem* item = folder_item(dir, root.file(c.folder));
        ASSERT_NE(item, nullptr);
        EXPECT_FALSE(item->text(0).contains(QChar('\n')));
        if (c.folder != "sub folder") {
            EXPECT_TRUE(item->text(0).contains(QChar(QChar::ReplacementCharacter)));
        }
        if (c.by_enter) {
            dir->setCurrentItem(item);
            QTest::keyClick(dir, Qt::Key_Return);
        } else {
            double_click(dir, item);
        }
        QApplication::processEvents();
        EXPECT_EQ(main->session.files.save.folder, root.file(c.folder));
        EXPECT_EQ(dir->currentItem()->data(0, Qt::UserRole).toByteArray().toStdString(), root.file(c.folder));
        EXPECT_EQ(child<QListWidget>(w.get(), "File1")->count(), 0);
        // Enter in the name field saves there.
        type_keys(child<QLineEdit>(w.get(), "Text1"), QStringLiteral("box"));
        QTest::keyClick(child<QLineEdit>(w.get(), "Text1"), Qt::Key_Return);
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(fs::exists(root.file(c.folder + "/box.ecv")));
        EXPECT_EQ(main->session.lastfolder, root.file(c.folder));
        main->session.files.save.folder = root.str();
    }
}

// A clicked file that is not UTF-8 reaches the name, and Enter in the name
// field saves over that very file.
TEST_F(FileWindowTest, AClickedNameKeepsItsBytesForEnter) {
    auto w = window(FileForm::Kind::Save);
    QListWidget* files = child<QListWidget>(w.get(), "File1");
    QListWidgetItem* item = file_item(files, kLatin1File);
    const QString shown = item->text();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(item).center());
    EXPECT_EQ(main->session.files.save.name, kLatin1File);
    EXPECT_EQ(child<QLineEdit>(w.get(), "Text1")->text(), shown);
    QTest::keyClick(child<QLineEdit>(w.get(), "Text1"), Qt::Key_Return);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(split_lines(test_support::get_bytes(root.file(kLatin1File))).size(), 24u);
    EXPECT_FALSE(fs::exists(root.file("caf\xEF\xBF\xBD.ecv")));  // not under the name as shown
}

TEST_F(FileWindowTest, AnEmptyNameKeepsTheSaveWindowOpenAndATypedOneSaves) {
    auto w = window(FileForm::Kind::Save);
    auto* save = child<QPushButton>(w.get(), "Command1");
    type_keys(child<QLineEdit>(w.get(), "Text1"), QString());
    QTest::keyClick(child<QLineEdit>(w.get(), "Text1"), Qt::Key_Backspace);
    save->click();
    EXPECT_TRUE(w->isVisible());
    type_keys(child<QLineEdit>(w.get(), "Text1"), QStringLiteral("boxed"));
    save->click();
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_TRUE(fs::exists(root.file("boxed.ecv")));
    EXPECT_EQ(main->session.main.caption, "Enclavio - boxed.ecv");
}

TEST_F(FileWindowTest, CancelReturnsToTheFolderShownAtOpeningAndCreateFolderMovesIntoIt) {
    auto w = window(FileForm::Kind::Save);
    QTreeWidget* dir = child<QTreeWidget>(w.get(), "Dir1");
    double_click(dir, folder_item(dir, root.file("sub folder")));
    QApplication::processEvents();
    EXPECT_EQ(main->session.files.save.folder, root.file("sub folder"));
    child<QPushButton>(w.get(), "Command2")->click();
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_EQ(main->session.files.save.folder, root.str());

    w = window(FileForm::Kind::Save);
    folder_to_create = "new one";
    child<QPushButton>(w.get(), "Command3")->click();
    EXPECT_EQ(opened, std::vector<Window>{Window::Form6});
    EXPECT_TRUE(fs::is_directory(root.file("new one")));
    EXPECT_EQ(child<QTreeWidget>(w.get(), "Dir1")->currentItem()->text(0), QStringLiteral("new one"));
    EXPECT_EQ(main->session.files.open.folder, root.file("new one"));
    EXPECT_EQ(child<QComboBox>(w.get(), "Drive1")->currentData().toByteArray().toStdString(),
              drive_of(drive_list(), root.str()));
}

}  // namespace
}  // namespace enclavio
