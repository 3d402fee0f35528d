// The save, open and create-folder windows, driven without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "../support/fifos_and_devices.hpp"
#include "../support/file_size_limit.hpp"
#include "../support/files.hpp"
#include "forms/create_folder_form.hpp"
#include "forms/project_file_form.hpp"
#include "project_windows_support.hpp"
#include "storage/files.hpp"
#include "storage/project.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;
namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    TempFolder root;
    StartedMain m{root};
    FileForm save{m.form, m.view, FileForm::Kind::Save};
    FileForm open{m.form, m.view, FileForm::Kind::Open};
    Session& s = m.form.session;

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
    // Cancel now returns to the new folder.
    TempFolder elsewhere;
    save.Dir1_Change(elsewhere.str());
    save.Command2_Click();
    EXPECT_EQ(s.files.save.folder, made);
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

// The settings file holds one line per value in its own encoding: a last
// folder it cannot give back unchanged is written as the nearest folder above it.
TEST(FolderForSettings, TheNearestFolderTheSettingsFileGivesBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/ann/boxes", "/home/ann/boxes"},
        {"/home/ann/K\xC3\xA4sten f\xC3\xBCr B\xC3\xA4sse", "/home/ann/K\xC3\xA4sten f\xC3\xBCr B\xC3\xA4sse"},
        {"/home/ann/\xE2\x82\xAC and \xE2\x9C\x93", "/home/ann/\xE2\x82\xAC and \xE2\x9C\x93"},
        {"/home/ann/two\nlines/sub", "/home/ann"},
        {"/home/ann/cr\rhere", "/home/ann"},
        {"/home/caf\xE9/boxes", "/home"},  // Latin-1 bytes read back as other characters
        {"/new\nline", "/"},
        {"/", "/"},
        {"", ""},
    };
    for (const auto& [folder, written] : cases) EXPECT_EQ(folder_for_settings(folder), written) << folder;
}

// A folder with a line break in its name works while the program runs; at
// shut-down the settings get the folder above it, and the next start opens there.
TEST_F(FilesTest, ALineBreakInTheLastFolderIsKeptInTheRunAndItsParentInTheSettings) {
    const std::string folder = root.file("odd\nname");
    fs::create_directory(folder);
    save.Dir1_Change(folder);
    save.Text1_Change("box");
    ASSERT_TRUE(save.Command1_Click());
    EXPECT_EQ(s.lastfolder, folder);
    EXPECT_EQ(s.files.open.folder, folder);
    m.form.shutdown();
    EXPECT_EQ(split_lines(get_bytes(root.file("app/enclavio.ini"))).front(), root.str());
    StartedMain next(root);
    EXPECT_EQ(next.form.session.lastfolder, root.str());
    EXPECT_EQ(next.form.session.files.save.folder, root.str());
}

TEST(FolderList, ShowsThePathDownAndTheSubFolders) {
    TempFolder root;
    for (const char* sub : {"b", "C", "a", ".hidden"}) fs::create_directory(root.file(sub));
    put_bytes(root.file("file.ecv"), "");
    const std::string path = root.str();
    const auto entries = folder_list(path);
    // The root, each folder down to this one, then the visible sub-folders.
    const auto depth = static_cast<std::size_t>(std::count(path.begin(), path.end(), '/'));
    ASSERT_EQ(entries.size(), depth + 1 + 3);
    EXPECT_EQ(entries.front(), (FolderEntry{"/", "/", 0, true, false}));
    const int level = static_cast<int>(depth);
    EXPECT_EQ(entries[depth], (FolderEntry{path, fs::path(path).filename().string(), level, true, true}));
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string sub(1, "abC"[i]);
        EXPECT_EQ(entries[depth + 1 + i], (FolderEntry{root.file(sub), sub, level + 1, false, false}));
    }
    EXPECT_EQ(folder_list("/").front(), (FolderEntry{"/", "/", 0, true, true}));
    EXPECT_EQ(folder_list(path + "/a/../b/.").back().path, root.file("b"));  // normalised
}

TEST(DriveList, MountedVolumesAndTheDriveOfAFolder) {
    const std::pair<std::string, std::vector<std::string>> mounts[] = {
        {"", {"/"}},
        {"overlay / overlay rw 0 0\nproc /proc proc rw 0 0\nsysfs /sys sysfs ro 0 0\ntmpfs /dev tmpfs rw 0 0\n"
         "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\ntmpfs /run/user/1000 tmpfs rw 0 0\n"
         "/dev/loop0 /snap/core/1 squashfs ro 0 0\n",
         {"/"}},
        {"/dev/sda1 /home ext4 rw 0 0\n/dev/sda1 /home ext4 rw 0 0\n/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
         "/dev/sdc1 /run/media/ann/CARD vfat rw 0 0\n/dev/sdd1 /mnt/Zip/ ext4 rw 0 0\n/dev/sde1 /mnt/a\\011tab ext4 "
         "rw\n",
         {"/", "/home", "/media/ann/USB STICK", "/mnt/a\ttab", "/mnt/Zip", "/run/media/ann/CARD"}},
        {"garbage\n\nnot-a-path relative ext4 rw 0 0\n", {"/"}},
    };
    for (const auto& [text, volumes] : mounts) EXPECT_EQ(mounted_volumes(text), volumes) << text;

    const std::vector<std::string> drives{"/", "/home", "/home/ann/mnt"};
    const std::pair<const char*, const char*> folders[] = {
        {"/home/ann/boxes", "/home"},
        {"/home/ann/mnt/x", "/home/ann/mnt"},
        {"/homer", "/"},
        {"/home", "/home"},
        {"/", "/"},
    };
    for (const auto& [folder, drive] : folders) EXPECT_EQ(drive_of(drives, folder), drive) << folder;
    EXPECT_EQ(drive_list().front(), "/");
}

TEST(FilesWindowsLoad, StartInTheLastFolderOrElseTheCurrentOne) {
    TempFolder root;
    const std::pair<std::string, std::string> cases[] = {
        {root.str(), root.str()},
        {root.str() + "/", root.str()},
        {"/no/such/folder/anywhere", fs::current_path().generic_string()},
        {"", fs::current_path().generic_string()},
    };
    for (const auto& [lastfolder, shown] : cases) {
        Session s;
        s.lastfolder = lastfolder;
        files_windows_load(s);
        EXPECT_EQ(s.files.save.folder, shown) << lastfolder;
        EXPECT_EQ(s.files.open.folder, shown) << lastfolder;
        EXPECT_EQ(s.files.save.saved_folder, shown) << lastfolder;
        EXPECT_EQ(s.files.save.name, "default");
    }
}

// ---- Saving and opening on a failing file system ------------------------------------------
// Tests run as root, so a full disk is a file-size limit rather than permissions.

const std::string kOldProject = "old contents\r\n";

// A failed save says "Unable to save " and keeps the old file, the caption
// and the project name; no temporary file is left behind.
TEST(SaveAndOpenWindows, FailedSaveKeepsTheOldProjectAndSaysSo) {
    TempFolder root;
    put_bytes(root.file("box.ecv"), kOldProject);
    StartedMain m(root);
    m.form.session.notes.lines[0] = std::string(4000, 'n');  // more than the disk takes
    bool saved = true;
    m.view.on_modal[Window::Form2] = [&] {
        FileForm save(m.form, m.view, FileForm::Kind::Save);
        save.state().folder = root.str();
        save.Text1_Change("box");
        const FileSizeLimit limit(1024);
        saved = save.Command1_Click();
    };
    m.form.mnu_save_Click();
    EXPECT_FALSE(saved);
    EXPECT_EQ(m.view.messages, std::vector<std::string>{"Unable to save " + root.file("box.ecv")});
    EXPECT_EQ(m.form.session.main.caption, "Enclavio - default");
    EXPECT_EQ(m.form.session.projectname, "default");
    EXPECT_EQ(get_bytes(root.file("box.ecv")), kOldProject);
    for (const auto& e : fs::directory_iterator(root.str()))
        EXPECT_FALSE(e.path().filename().string().starts_with(kTemporaryPrefix)) << "temporary left behind";
}

// What is not a regular file is neither opened nor replaced: a FIFO named like
// a project reads as "Unable to open " at once (it used to wait for a writer
// for ever), and a socket named like one is not saved over.
TEST(SaveAndOpenWindows, SpecialFilesAreNeitherOpenedNorReplaced) {
    const HangGuard guard(30);
    TempFolder root;
    ASSERT_TRUE(make_fifo(root.file("pipe.ecv")));
    ASSERT_TRUE(make_socket(root.file("sock.ecv")));
    fs::create_directory(root.file("folder.ecv"));
    const struct {
        FileForm::Kind kind;
        const char* name;
        std::string message;
    } cases[] = {
        {FileForm::Kind::Open, "pipe", "Unable to open " + root.file("pipe.ecv")},
        {FileForm::Kind::Open, "sock", "Unable to open " + root.file("sock.ecv")},
        {FileForm::Kind::Open, "folder", "Unable to open " + root.file("folder.ecv")},
        {FileForm::Kind::Save, "sock", "Unable to save " + root.file("sock.ecv")},
        {FileForm::Kind::Save, "folder", "Unable to save " + root.file("folder.ecv")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        StartedMain m(root);
        EXPECT_FALSE(through_menu(m, c.kind, root.str(), c.name));
        EXPECT_EQ(m.view.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(m.form.session.projectname, "default");
    }
    EXPECT_EQ(
        std::string({kind_of(root.file("pipe.ecv")), kind_of(root.file("sock.ecv")), kind_of(root.file("folder.ecv"))}),
        "psd");
}

}  // namespace
}  // namespace enclavio
