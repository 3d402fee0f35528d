// The save, open and create-folder windows, driven without a window.
#include <gtest/gtest.h>

#include "forms/files_form.hpp"
#include "project_windows_support.hpp"
#include "storage/storage.hpp"

namespace enclavio {
namespace {

using namespace project_testing;

class FilesTest : public ::testing::Test {
protected:
    TempFolder root;
    StartedMain m{root};
    FileForm save{m.form, m.view, FileForm::Kind::Save};
    FileForm open{m.form, m.view, FileForm::Kind::Open};
    Session& s = m.form.s;

    void SetUp() override {
        save_window_prepare(s);
        open_window_prepare(s);
    }
    // Create folder pressed in the save window; the user types `name` and presses OK.
    void create_folder(const std::string& name) {
        m.view.on_modal[Window::Form6] = [this, name] {
            CreateFolderForm form(s, m.view);
            form.Text1_Change(name);
            form.Command1_Click();
        };
        save.Command3_Click();
    }
};

TEST_F(FilesTest, SaveNames) {
    struct Case {
        const char* typed;
        const char* written;  // nullptr: nothing written, window stays open
    };
    const Case cases[] = {
        {"box.old", "box.ecv"}, {".x", ".ecv"}, {"two words", "two words.ecv"}, {"", nullptr}, {".", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        TempFolder folder;
        put_bytes(folder.file("box.ecv"), "old");  // replaced without asking
        save_window_prepare(s);
        save.Dir1_Change(folder.str());
        save.Text1_Change(c.typed);
        const std::string caption = s.main.caption;
        const bool closed = save.Command1_Click();
        EXPECT_TRUE(m.view.messages.empty());
        EXPECT_EQ(closed, c.written != nullptr);
        if (!c.written) {
            EXPECT_EQ(s.main.caption, caption);
            EXPECT_EQ(get_bytes(folder.file("box.ecv")), "old");
            continue;
        }
        EXPECT_EQ(split_lines(get_bytes(folder.file(c.written))).size(), 24u);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.str()), fs::directory_iterator()),
                  c.written == std::string("box.ecv") ? 1 : 2);
        EXPECT_EQ(s.main.caption, std::string("Enclavio - ") + c.written);
        EXPECT_EQ(s.lastfolder, folder.str());
        EXPECT_EQ(s.projectpath, folder.file(c.written));
        EXPECT_EQ(s.files.open.folder, folder.str());  // the open window follows
    }
}

TEST_F(FilesTest, OpenRefusesEmptyAndDot) {
    for (const char* typed : {"", "."}) {
        m.view.messages.clear();
        open.Text1_Change(typed);
        EXPECT_FALSE(open.Command1_Click());
        EXPECT_EQ(m.view.messages, std::vector<std::string>{"Bad file name"});
        EXPECT_FALSE(s.files.opened);
    }
}

TEST_F(FilesTest, FileListClickAndDoubleClick) {
    for (const char* name : {"b.ecv", "A.ecv", "notes.txt", "upper.ECV"}) put_bytes(root.file(name), "");
    fs::create_directory(root.file("folder.ecv"));
    EXPECT_EQ(open.files(), (std::vector<std::string>{"A.ecv", "b.ecv"}));
    open.File1_Click("b.ecv");
    EXPECT_EQ(s.files.open.name, "b.ecv");
    EXPECT_FALSE(s.files.opened);
    EXPECT_TRUE(open.File1_DblClick("A.ecv"));
    EXPECT_EQ(s.projectname, "A.ecv");
    save.File1_Click("b.ecv");
    EXPECT_FALSE(save.Text1_KeyPress('x'));
    EXPECT_TRUE(save.Text1_KeyPress(13));
    EXPECT_EQ(split_lines(get_bytes(root.file("b.ecv"))).size(), 24u);
}

TEST_F(FilesTest, CancelReturnsToTheFolderShownAtOpening) {
    TempFolder elsewhere;
    put_bytes(root.file("plain"), "");
    for (FileForm* w : {&save, &open}) {
        EXPECT_EQ(w->state().folder, root.str());
        for (const std::string& unreachable : {root.file("no such folder"), root.file("plain")}) {
            w->Dir1_Change(unreachable);
            EXPECT_EQ(w->state().folder, root.str());
        }
        w->Dir1_Change(elsewhere.str());
        EXPECT_EQ(w->state().folder, elsewhere.str());
        EXPECT_TRUE(w->Command2_Click());
        EXPECT_EQ(w->state().folder, root.str());
    }
    EXPECT_EQ(s.lastfolder, root.str());
    EXPECT_EQ(s.projectname, "default");
}

TEST_F(FilesTest, CreateFolder) {
    create_folder("new folder");
    EXPECT_EQ(m.view.modals, std::vector<Window>{Window::Form6});
    std::string upper = root.str();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(s.files.new_folder_prompt, "Create new folder below " + upper + " ?");
    const std::string made = root.file("new folder");
    EXPECT_TRUE(fs::is_directory(made));
    EXPECT_TRUE(m.view.messages.empty());
    EXPECT_EQ(s.files.save.folder, made);
    EXPECT_EQ(s.files.open.folder, made);
    EXPECT_EQ(s.lastfolder, root.str());  // not a save
    EXPECT_EQ(create_folder_prompt("/"), "Create new folder below / ?");
}

TEST_F(FilesTest, RefusedFolderNamesDoNothingAndSayNothing) {
    std::vector<std::string> names{"", ".."};
    for (char c : std::string("\\/*.?@&!+><:;'\"\b", 16)) names.push_back(std::string("x") + c + "y");
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        create_folder(name);
        EXPECT_EQ(s.files.save.folder, root.str());
        EXPECT_TRUE(m.view.messages.empty());
    }
    EXPECT_TRUE(fs::is_empty(root.str()));
    for (const char* ok : {" ", "a-b", "(1)", "a,b"}) EXPECT_TRUE(folder_name_allowed(ok)) << ok;
}

TEST_F(FilesTest, FailedCreateFolderChangesNothing) {
    fs::create_directory(root.file("old"));
    TempFolder elsewhere;
    open.Dir1_Change(elsewhere.str());
    create_folder("old");
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Unable to Create Directory " + root.file("old")});
    EXPECT_EQ(s.files.save.folder, root.str());
    EXPECT_EQ(s.files.save.saved_folder, root.str());
    EXPECT_EQ(s.files.open.folder, elsewhere.str());
    m.view.messages.clear();  // below the root, one slash; "proc" exists there
    save.Dir1_Change("/");
    create_folder("proc");
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Unable to Create Directory /proc"});
    EXPECT_EQ(project_path("/", "box")->path, "/box.ecv");
}

}  // namespace
}  // namespace enclavio
