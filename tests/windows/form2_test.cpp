// Form2 (save) and Form5 (open) bound to their model, offscreen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "forms/files_form.hpp"
#include "project_windows_test_support.hpp"
#include "windows/form2.hpp"
#include "windows/form5.hpp"

namespace enclavio {
namespace {

using namespace window_testing;
namespace fs = std::filesystem;

class Form2Test : public ::testing::Test {
protected:
    TempFolder root;
    NullView view;
    std::unique_ptr<MainForm> main;
    std::vector<Window> opened;
    std::string folder_to_create;  // what the user types into Form6

    void SetUp() override {
        app();
        fs::create_directories(root.file("sub folder"));
        project_testing::put_bytes(root.file("b.ecv"), "");
        project_testing::put_bytes(root.file("a.ecv"), "");
        main = std::make_unique<MainForm>(view, root.file("app"), root.str());
        main->startup();
        save_window_prepare(main->s);
        open_window_prepare(main->s);
    }
    ModalOpener opener() {
        return [this](Window w) {
            opened.push_back(w);
            if (w == Window::Form6) main->s.files.new_folder_name = folder_to_create;
        };
    }
    static QTreeWidgetItem* find_folder(QTreeWidget* tree, const QString& name) {
        const auto items = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.first();
    }
};

TEST_F(Form2Test, ControlsShowTheFolder) {
    Form2 save(*main, opener(), nullptr);
    Form5 open(*main, opener(), nullptr);
    EXPECT_EQ(save.windowTitle(), "Save Project As ...");
    EXPECT_EQ(open.windowTitle(), "Open Project");
    expect_texts(&save, {{"Command1", "&Save"}, {"Command3", "Create folder"}, {"Text1", "default"},
                         {"Label2", "You don't need to specify a file extension - \".ecv\" is added "
                                    "automatically if required"}});
    expect_texts(&open, {{"Command1", "&Open"}, {"Label2", "*.ecv"}, {"Text1", ""}});
    EXPECT_EQ(open.findChild<QPushButton*>(QStringLiteral("Command3")), nullptr);
    for (QWidget* w : {static_cast<QWidget*>(&save), static_cast<QWidget*>(&open)}) {
        expect_texts(w, {{"Command2", "&Cancel"}, {"Label1", "File name:"}});
        EXPECT_NE(child<QComboBox>(w, "Drive1")->findText(QStringLiteral("/")), -1);
        QListWidget* files = child<QListWidget>(w, "File1");
        ASSERT_EQ(files->count(), 2);
        EXPECT_EQ(files->item(0)->text(), QStringLiteral("a.ecv"));
        QTreeWidget* dir = child<QTreeWidget>(w, "Dir1");
        ASSERT_NE(dir->currentItem(), nullptr);
        EXPECT_EQ(dir->currentItem()->data(0, Qt::UserRole).toString(), QString::fromStdString(root.str()));
        EXPECT_NE(find_folder(dir, QStringLiteral("sub folder")), nullptr);
        expect_nothing_clipped(w);
    }
}

TEST_F(Form2Test, TypeAndSave) {
    Form2 save(*main, opener(), nullptr);
    save.show();
    QLineEdit* name = child<QLineEdit>(&save, "Text1");
    name->clear();
    main->s.files.save.name.clear();
    child<QPushButton>(&save, "Command1")->click();
    EXPECT_TRUE(save.isVisible());  // no name: the window stays open
    name->insert(QStringLiteral("boxed"));
    child<QPushButton>(&save, "Command1")->click();
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_TRUE(fs::exists(root.file("boxed.ecv")));
    EXPECT_EQ(main->s.main.caption, "Enclavio - boxed.ecv");
}

TEST_F(Form2Test, ClickAndDoubleClickAFile) {
    Form5 open(*main, opener(), nullptr);
    QListWidget* files = child<QListWidget>(&open, "File1");
    emit files->itemClicked(files->item(1));
    EXPECT_EQ(child<QLineEdit>(&open, "Text1")->text(), QStringLiteral("b.ecv"));
    EXPECT_EQ(main->s.files.open.name, "b.ecv");
    emit files->itemDoubleClicked(files->item(0));
    EXPECT_EQ(open.result(), QDialog::Accepted);
    EXPECT_EQ(main->s.projectname, "a.ecv");
}

TEST_F(Form2Test, EnterAFolderThenCancel) {
    Form2 save(*main, opener(), nullptr);
    QTreeWidget* dir = child<QTreeWidget>(&save, "Dir1");
    emit dir->itemActivated(find_folder(dir, QStringLiteral("sub folder")), 0);
    QApplication::processEvents();
    EXPECT_EQ(main->s.files.save.folder, root.file("sub folder"));
    EXPECT_EQ(dir->currentItem()->text(0), QStringLiteral("sub folder"));
    EXPECT_EQ(child<QListWidget>(&save, "File1")->count(), 0);
    child<QPushButton>(&save, "Command2")->click();
    EXPECT_EQ(save.result(), QDialog::Rejected);
    EXPECT_EQ(main->s.files.save.folder, root.str());
}

TEST_F(Form2Test, CreateFolderMovesIntoIt) {
    Form2 save(*main, opener(), nullptr);
    folder_to_create = "new one";
    child<QPushButton>(&save, "Command3")->click();
    EXPECT_EQ(opened, std::vector<Window>{Window::Form6});
    EXPECT_TRUE(fs::is_directory(root.file("new one")));
    EXPECT_EQ(child<QTreeWidget>(&save, "Dir1")->currentItem()->text(0), QStringLiteral("new one"));
}

}  // namespace
}  // namespace enclavio
