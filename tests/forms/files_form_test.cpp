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
    bool exists(const std::string& name) const { return fs::exists(root.file(name)); }
    // What the user types into the create-folder window.
    void answer_create_folder(const std::string& name) {
        m.view.on_modal[Window::Form6] = [this, name] {
            CreateFolderForm form(s, m.view);
            form.Text1_Change(name);
            form.Command1_Click();
        };
    }
};

TEST_F(FilesTest, WindowsStartInTheLastFolder) {
    EXPECT_EQ(s.files.save.folder, root.str());
    EXPECT_EQ(s.files.open.folder, root.str());
    EXPECT_EQ(s.files.save.name, "default");
    EXPECT_EQ(s.files.open.name, "");
}

TEST_F(FilesTest, SaveNames) {
    struct Case {
        const char* typed;
        const char* written;  // nullptr: nothing written, window stays open
    };
    const Case cases[] = {
        {"box", "box.ecv"}, {"box.old", "box.ecv"}, {"box.ecv", "box.ecv"},
        {".x", ".ecv"},     {"two words", "two words.ecv"},
        {"", nullptr},      {".", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        TempFolder folder;
        save_window_prepare(s);
        save.Dir1_Change(folder.str());
        save.Text1_Change(c.typed);
        const std::string caption = s.main.caption;
        const bool closed = save.Command1_Click();
        EXPECT_TRUE(m.view.messages.empty());
        if (!c.written) {
            EXPECT_FALSE(closed);
            EXPECT_EQ(s.main.caption, caption);
            EXPECT_TRUE(fs::is_empty(folder.str()));
            continue;
        }
        EXPECT_TRUE(closed);
        EXPECT_TRUE(fs::exists(folder.file(c.written)));
        EXPECT_EQ(s.projectname, c.written);
        EXPECT_EQ(s.main.caption, std::string("Enclavio - ") + c.written);
        EXPECT_EQ(s.lastfolder, folder.str());
        EXPECT_EQ(s.projectpath, folder.file(c.written));
        // The open window follows the save window.
        EXPECT_EQ(s.files.open.folder, folder.str());
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

TEST_F(FilesTest, SaveWindowShowsTheProjectName) {
    save.Text1_Change("box");
    ASSERT_TRUE(save.Command1_Click());
    save_window_prepare(s);
    EXPECT_EQ(s.files.save.name, "box.ecv");
    ASSERT_TRUE(save.Command1_Click());
    EXPECT_TRUE(exists("box.ecv"));
    EXPECT_FALSE(exists("box.ecv.ecv"));
    open_window_prepare(s);
    EXPECT_EQ(s.files.open.name, "");
}

TEST_F(FilesTest, FailedSaveSaysSoAndChangesNothing) {
    fs::create_directory(root.file("box.ecv"));  // in the way of the file
    TempFolder elsewhere;
    s.lastfolder = elsewhere.str();
    save.Text1_Change("box");
    EXPECT_FALSE(save.Command1_Click());
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Unable to save " + root.file("box.ecv")});
    EXPECT_EQ(s.projectname, "default");
    EXPECT_EQ(s.main.caption, "Enclavio - default");
    EXPECT_EQ(s.lastfolder, elsewhere.str());
    EXPECT_TRUE(s.projectpath.empty());
}

TEST_F(FilesTest, SavingReplacesAnExistingFileWithoutAsking) {
    put_bytes(root.file("box.ecv"), "old");
    save.Text1_Change("box");
    ASSERT_TRUE(save.Command1_Click());
    EXPECT_TRUE(m.view.messages.empty());
    EXPECT_EQ(split_lines(get_bytes(root.file("box.ecv"))).size(), 24u);
    // Nothing is left behind beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(root.str()), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, FileListClickAndDoubleClick) {
    put_bytes(root.file("b.ecv"), "");
    put_bytes(root.file("A.ecv"), "");
    put_bytes(root.file("notes.txt"), "");
    put_bytes(root.file("upper.ECV"), "");
    fs::create_directory(root.file("folder.ecv"));
    EXPECT_EQ(open.files(), (std::vector<std::string>{"A.ecv", "b.ecv"}));

    open.File1_Click("b.ecv");
    EXPECT_EQ(s.files.open.name, "b.ecv");
    EXPECT_FALSE(s.files.opened);
    EXPECT_TRUE(open.File1_DblClick("A.ecv"));
    EXPECT_TRUE(s.files.opened);
    EXPECT_EQ(s.projectname, "A.ecv");

    save.File1_Click("b.ecv");
    EXPECT_EQ(s.files.save.name, "b.ecv");
    EXPECT_TRUE(save.Text1_KeyPress(13));
    EXPECT_EQ(split_lines(get_bytes(root.file("b.ecv"))).size(), 24u);
    EXPECT_FALSE(save.Text1_KeyPress('x'));
}

TEST_F(FilesTest, CancelReturnsToTheFolderShownAtOpening) {
    TempFolder elsewhere;
    for (FileForm* w : {&save, &open}) {
        w->Dir1_Change(elsewhere.str());
        EXPECT_EQ(w->state().folder, elsewhere.str());
        EXPECT_TRUE(w->Command2_Click());
        EXPECT_EQ(w->state().folder, root.str());
    }
    EXPECT_EQ(s.lastfolder, root.str());
    EXPECT_EQ(s.projectname, "default");
}

TEST_F(FilesTest, UnreachableFolderIsIgnored) {
    save.Dir1_Change(root.file("no such folder"));
    EXPECT_EQ(s.files.save.folder, root.str());
    put_bytes(root.file("plain"), "");
    save.Dir1_Change(root.file("plain"));
    EXPECT_EQ(s.files.save.folder, root.str());
    save.Drive1_Change(root.file("no such drive"));
    EXPECT_EQ(s.files.save.folder, root.str());
}

TEST_F(FilesTest, CreateFolder) {
    answer_create_folder("new folder");
    save.Command3_Click();
    EXPECT_EQ(m.view.modals, std::vector<Window>{Window::Form6});
    const std::string made = root.file("new folder");
    EXPECT_TRUE(fs::is_directory(made));
    EXPECT_TRUE(m.view.messages.empty());
    EXPECT_EQ(s.files.save.folder, made);
    EXPECT_EQ(s.files.open.folder, made);
    // Creating a folder is not a save.
    EXPECT_EQ(s.lastfolder, root.str());
    // Cancel now stays in the new folder.
    TempFolder elsewhere;
    save.Dir1_Change(elsewhere.str());
    save.Command2_Click();
    EXPECT_EQ(s.files.save.folder, made);
}

TEST_F(FilesTest, CreateFolderPrompt) {
    EXPECT_EQ(create_folder_prompt("/home/ann/Boxes"), "Create new folder below /HOME/ANN/BOXES ?");
    EXPECT_EQ(create_folder_prompt("/"), "Create new folder below / ?");
    EXPECT_EQ(create_folder_prompt("/m\xC3\xB6\xC3\xA9" "bel"), "Create new folder below /M\xC3\x96\xC3\x89" "BEL ?");
    answer_create_folder("");
    save.Command3_Click();
    std::string upper = root.str();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(s.files.new_folder_prompt, "Create new folder below " + upper + " ?");
}

TEST_F(FilesTest, RefusedFolderNamesDoNothingAndSayNothing) {
    std::vector<std::string> names{"", "a.b", "a/b", "what?", ".."};
    for (char c : std::string("\\/*.?@&!+><:;'\"\b", 16)) names.push_back(std::string("x") + c + "y");
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        answer_create_folder(name);
        save.Command3_Click();
        EXPECT_EQ(s.files.save.folder, root.str());
        EXPECT_TRUE(m.view.messages.empty());
    }
    EXPECT_TRUE(fs::is_empty(root.str()));
    for (const char* ok : {" ", "a-b", "a_b", "(1)", "#", "~x", "a,b", "a=b"}) EXPECT_TRUE(folder_name_allowed(ok)) << ok;
}

TEST_F(FilesTest, FailedCreateFolderChangesNothing) {
    fs::create_directory(root.file("old"));
    TempFolder elsewhere;
    open.Dir1_Change(elsewhere.str());
    answer_create_folder("old");
    save.Command3_Click();
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Unable to Create Directory " + root.file("old")});
    EXPECT_EQ(s.files.save.folder, root.str());
    EXPECT_EQ(s.files.save.saved_folder, root.str());
    EXPECT_EQ(s.files.open.folder, elsewhere.str());
}

TEST_F(FilesTest, CreateFolderBelowTheRootHasOneSlash) {
    // "proc" exists in every root, so this fails without touching it.
    save.Dir1_Change("/");
    answer_create_folder("proc");
    save.Command3_Click();
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Unable to Create Directory /proc"});
    EXPECT_EQ(project_path("/", "box")->path, "/box.ecv");
}

TEST_F(FilesTest, CancelledCreateFolderWindowReturnsNoName) {
    m.view.on_modal[Window::Form6] = [this] {
        CreateFolderForm form(s, m.view);
        form.Text1_Change("typed then cancelled");
        EXPECT_TRUE(form.Command2_Click());
    };
    save.Command3_Click();
    EXPECT_FALSE(fs::exists(root.file("typed then cancelled")));
    EXPECT_EQ(s.files.new_folder_name, "");
}

TEST(FolderList, ShowsThePathDownAndTheSubFolders) {
    TempFolder root;
    for (const char* sub : {"b", "C", "a", ".hidden"}) fs::create_directory(root.file(sub));
    put_bytes(root.file("file.ecv"), "");
    const std::string path = root.str();
    const auto entries = folder_list(path);
    // The root, each folder down to this one, then the visible sub-folders.
    const int depth = static_cast<int>(std::count(path.begin(), path.end(), '/'));
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(depth + 1 + 3));
    EXPECT_EQ(entries.front(), (FolderEntry{"/", "/", 0, true, false}));
    const FolderEntry& current = entries[static_cast<std::size_t>(depth)];
    EXPECT_EQ(current.path, root.str());
    EXPECT_TRUE(current.current);
    EXPECT_EQ(current.level, depth);
    std::vector<std::string> subs;
    for (std::size_t i = static_cast<std::size_t>(depth) + 1; i < entries.size(); ++i) {
        subs.push_back(entries[i].name);
        EXPECT_EQ(entries[i].level, depth + 1);
        EXPECT_FALSE(entries[i].open);
        EXPECT_EQ(entries[i].path, root.file(entries[i].name));
    }
    EXPECT_EQ(subs, (std::vector<std::string>{"a", "b", "C"}));
    EXPECT_EQ(folder_list("/").front(), (FolderEntry{"/", "/", 0, true, true}));
}

TEST(DriveList, MountedVolumes) {
    const std::string mounts =
        "overlay / overlay rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "sysfs /sys sysfs ro 0 0\n"
        "tmpfs /dev tmpfs rw 0 0\n"
        "/dev/sda1 /home ext4 rw 0 0\n"
        "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
        "/dev/sdc1 /run/media/ann/CARD vfat rw 0 0\n"
        "tmpfs /run/user/1000 tmpfs rw 0 0\n"
        "/dev/loop0 /snap/core/1 squashfs ro 0 0\n"
        "/dev/sda1 /home ext4 rw 0 0\n"
        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n";
    EXPECT_EQ(mounted_volumes(mounts),
              (std::vector<std::string>{"/", "/home", "/media/ann/USB STICK", "/run/media/ann/CARD"}));
    EXPECT_EQ(mounted_volumes(""), std::vector<std::string>{"/"});
    const std::vector<std::string> drives{"/", "/home", "/home/ann/mnt"};
    EXPECT_EQ(drive_of(drives, "/home/ann/boxes"), "/home");
    EXPECT_EQ(drive_of(drives, "/home/ann/mnt/x"), "/home/ann/mnt");
    EXPECT_EQ(drive_of(drives, "/homer"), "/");
    EXPECT_EQ(drive_list().front(), "/");
}

TEST(FilesWindowsLoad, MissingLastFolderKeepsTheCurrentFolder) {
    Session s;
    s.lastfolder = "/no/such/folder/anywhere";
    files_windows_load(s);
    EXPECT_EQ(s.files.save.folder, fs::current_path().generic_string());
    EXPECT_EQ(s.files.open.folder, s.files.save.folder);
}

}  // namespace
}  // namespace enclavio
