// Lines, paths and encodings of the files; writing them in place of the old
// ones and reading them back, and the faults of the file system each writer
// must survive. The tests run as root, for whom permissions stop nothing, so a
// folder is made unwritable in other ways (a path below a regular file, a
// target that is a folder, a path in /proc, a file-size limit that makes the
// disk look full mid-write), and the permission cases run in a child process
// as a user without root rights.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include "../support/fifos_and_devices.hpp"
#include "../support/file_size_limit.hpp"
#include "../support/files.hpp"
#include "../support/temp_folder.hpp"
#include "storage/files.hpp"
#include "storage/project.hpp"
#include "storage/report.hpp"
#include "storage/settings.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;
using namespace test_support;
using Lines = std::vector<std::string>;

TEST(SplitLines, EndsAtCrCrLfOrLfAndStopsAtTheLinesNeeded) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"  x \t\r\ny", {"  x \t", "y"}},
    };
    for (const auto& c : cases) EXPECT_EQ(split_lines(c.text), c.lines) << "text: " << c.text;
    EXPECT_EQ(split_lines("a\rb\r\nc\nd", 2), (Lines{"a", "b"}));
    EXPECT_EQ(split_lines(std::string(1000, '\r'), 24), Lines(24));
}

TEST(Paths, JoinPathAndFileLine) {
    EXPECT_EQ(join_path("/home/ann/boxes/", "box.ecv"), "/home/ann/boxes/box.ecv");
    EXPECT_EQ(join_path("/", "enclavio.ini"), "/enclavio.ini");
    EXPECT_EQ(join_path("", "report.txt"), "report.txt");
    EXPECT_EQ(file_line("a\r\nb\nc\rd"), "a b c d");  // each line break becomes one blank
}

// Windows-1252 on disk when the whole text fits, else UTF-8; both read back.
TEST(Encoding, RoundTrip) {
    const struct {
        std::string held, on_disk;
    } cases[] = {
        {"caf\xC3\xA9", "caf\xE9"},
        {"\xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xC5\xB8", "\x80 \x93q\x94 \x9F"},  // euro, curly quotes, Ÿ
        {"caf\xC3\xA9 \xE2\x88\x9A", "caf\xC3\xA9 \xE2\x88\x9A"},                    // √ is not in 1252
        {"\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9"},  // "Ã©" would read back as "é" from 1252: kept as UTF-8
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_file_encoding(c.held), c.on_disk) << c.held;
        EXPECT_EQ(from_file_encoding(c.on_disk), c.held) << c.held;
    }
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(to_file_encoding(from_file_encoding(all)), all);  // every byte survives read then write
    const struct {
        std::string bytes, held;
    } invalid[] = {
        {"\x81\x8D", "\xC2\x81\xC2\x8D"},  // undefined in 1252
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},  // an overlong form
        {"\xEF\xBB\xBF"
         "400\r\n",
         "400\r\n"},  // UTF-8 with a byte-order mark
        {"\xEF\xBB\xBF"
         "caf\xE9",
         "\xC3\xAF\xC2\xBB\xC2\xBF"
         "caf\xC3\xA9"},  // a mark, but not UTF-8
    };
    for (const auto& c : invalid) EXPECT_EQ(from_file_encoding(c.bytes), c.held);
}

// Failures to write are covered for every writer below.
TEST(Files, WriteReplacesFollowsLinksAndReadsBack) {
    TempFolder dir;
    const auto path = dir.file("a.txt");
    for (const std::string& bytes : {std::string("first\r\n"), std::string("x\0y", 3)}) {
        ASSERT_TRUE(write_file_atomically(path, bytes));
        EXPECT_EQ(read_whole_file(path), bytes);
    }
    EXPECT_EQ(dir.entry_count(), 1u);
    std::filesystem::create_symlink(path, dir.file("link.txt"));
    ASSERT_TRUE(write_file_atomically(dir.file("link.txt"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(get_bytes(path), "new");
    EXPECT_EQ(read_whole_file(dir.file("none")), std::nullopt);
    EXPECT_EQ(read_whole_file(dir.str()), std::nullopt);
    put_bytes(dir.file("big"), std::string(200000, 'x'));
    EXPECT_EQ(read_file_start(dir.file("big"), 100001)->size(), 100001u);
    EXPECT_EQ(read_file_start(path, 99), "new");
}

// ---- Faults of the file system ------------------------------------------------------------

const std::string kOld = "old contents\r\n";
const std::string kBig(4000, 'n');  // more than the size limit below lets through

ProjectData a_project() {
    ProjectData p;
    p.boxdepth = 400;
    p.notes[0] = kBig;
    return p;
}

std::string old_file(const std::string& path) { return put_bytes(path, kOld), path; }

// Every entry below the folder with its bytes, or its kind and mode: an
// unchanged map means the old files are intact, nothing was replaced by a
// file of another kind and no temporary file was left behind.
std::map<std::string, std::string> contents(const TempFolder& t) {
    std::map<std::string, std::string> m;
    for (const auto& e : fs::recursive_directory_iterator(t.str())) {
        const std::string path = e.path().string();
        const char kind = kind_of(path);
        m[path] = kind + (" mode " + std::to_string(mode_of(path)) + " ") +
                  (kind == 'f'   ? get_bytes(path)
                   : kind == 'l' ? fs::read_symlink(path).string()
                                 : "");
    }
    return m;
}

struct Writer {
    const char* name;
    std::function<WriteResult(const std::string&)> write;
    bool makes_folder = false;
};

// Every writer of the program, each writing more than the size limit below lets through.
const std::vector<Writer>& writers() {
    static const std::vector<Writer> all = {
        {"write_project", [](const std::string& p) { return write_project(p, a_project()); }},
        {"save_settings",
         [](const std::string& p) {
             SettingsToSave s;
             s.lastfolder = kBig;
             return save_settings(p, s);
         },
         true},
        {"write_report",
         [](const std::string& p) {
             ReportInput in;
             in.notes[0] = kBig;
             return write_report(p, in);
         }},
        {"write_file_atomically", [](const std::string& p) { return write_file_atomically(p, kBig); }},
    };
    return all;
}

// Each writer, each fault: the writer says it failed and the folder is unchanged.
TEST(WriteFaults, FailedWritesKeepTheOldFileAndSayTheyFailed) {
    const struct {
        const char* name;
        std::function<std::string(const TempFolder&)> prepare;  // returns the path to write
        bool disk_full = false;
        bool missing_folder = false;  // the settings writer makes its folder first
    } faults[] = {
        {"folder is a regular file", [](const TempFolder& t) { return old_file(t.file("plain")) + "/target"; }},
        {"folder does not exist", [](const TempFolder& t) { return t.file("missing") + "/target"; }, false, true},
        {"target is a folder",
         [](const TempFolder& t) {
             return fs::create_directory(t.file("target")), old_file(t.file("target/x")), t.file("target");
         }},
        {"disk full while writing", [](const TempFolder& t) { return old_file(t.file("target")); }, true},
        {"folder in /proc", [](const TempFolder&) { return std::string("/proc/self/enclavio-target"); }},
        {"target is a socket", [](const TempFolder& t) { return make_socket(t.file("target")), t.file("target"); }},
        {"target is a FIFO no program reads",
         [](const TempFolder& t) { return make_fifo(t.file("target")), t.file("target"); }},
    };
    const HangGuard guard(60);
    for (const auto& fault : faults) {
        for (const auto& writer : writers()) {
            if (fault.missing_folder && writer.makes_folder) continue;
            TempFolder folder;
            const std::string path = fault.prepare(folder);
            const auto before = contents(folder);
            std::optional<FileSizeLimit> limit;
            if (fault.disk_full) limit.emplace(1024);
            EXPECT_FALSE(writer.write(path)) << writer.name << ": " << fault.name;
            limit.reset();
            EXPECT_EQ(contents(folder), before) << writer.name << ": " << fault.name;
        }
    }
    // Without the limit the same write succeeds: the limit is what failed above.
    TempFolder folder;
    FileSizeLimit limit(1 << 20);
    EXPECT_TRUE(write_project(folder.file("box.ecv"), a_project()));
    EXPECT_EQ(read_project(folder.file("box.ecv")), a_project());
}

// What a save does to each kind of thing already at the path: only a regular
// file is ever replaced, links are written through, devices and FIFOs are
// written into, and a name of any allowed length leaves room for the temporary.
TEST(WriteTargets, EachKindOfTargetIsWrittenAsItStands) {
    const HangGuard guard(60);
    const std::string bytes = "new\r\n", n236 = std::string(232, 'n') + ".ecv", n255 = std::string(251, 'n') + ".ecv";
    const struct {
        const char* name;
        std::function<bool(const TempFolder&)> prepare;  // false when it cannot be set up here
        std::string path;                                // written, in the folder
        bool succeeds;
        std::string holds_bytes;  // the file that then holds the bytes, if any
        char kind_after;          // of `path`, as kind_of gives it
    } cases[] = {
        {"symbolic link to a file",
         [](const TempFolder& t) {
             fs::create_symlink("real.ecv", t.file("link.ecv"));
             return old_file(t.file("real.ecv")), true;
         },
         "link.ecv", true, "real.ecv", 'l'},
        {"dangling symbolic links, one relative to another",
         [](const TempFolder& t) {
             fs::create_directory(t.file("sub"));
             fs::create_symlink("sub/link2", t.file("link1.ecv"));
             fs::create_symlink("../final.ecv", t.file("sub/link2"));
             return true;
         },
         "link1.ecv", true, "final.ecv", 'l'},
        {"FIFO without a reader", [](const TempFolder& t) { return make_fifo(t.file("pipe")); }, "pipe", false, "",
         'p'},
        {"null device", [](const TempFolder& t) { return make_char_device(t.file("null"), 1, 3); }, "null", true, "",
         'c'},
        {"full device", [](const TempFolder& t) { return make_char_device(t.file("full"), 1, 7); }, "full", false, "",
         'c'},
        {"socket", [](const TempFolder& t) { return make_socket(t.file("sock")); }, "sock", false, "", 's'},
        {"name of 236 bytes", [&](const TempFolder& t) { return old_file(t.file(n236)), true; }, n236, true, n236, 'f'},
        {"name of 255 bytes", [](const TempFolder&) { return true; }, n255, true, n255, 'f'},
    };
    std::string skipped;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        if (!c.prepare(folder)) {
            skipped += std::string(" \"") + c.name + "\"";
            continue;
        }
        const WriteResult r = write_file_atomically(folder.file(c.path), bytes);
        EXPECT_EQ(r.ok, c.succeeds) << r.reason;
        EXPECT_EQ(r.reason.empty(), c.succeeds) << r.reason;
        EXPECT_EQ(kind_of(folder.file(c.path)), c.kind_after);
        if (!c.holds_bytes.empty()) {
            EXPECT_EQ(get_bytes(folder.file(c.holds_bytes)), bytes);
        }
        for (const auto& e : fs::recursive_directory_iterator(folder.str()))
            EXPECT_FALSE(e.path().filename().string().starts_with(kTemporaryPrefix)) << "temporary left behind";
    }
    // Another user's file keeps its owner, group and mode (root may set them).
    TempFolder folder;
    const std::string theirs = old_file(folder.file("box.ecv"));
    fs::permissions(theirs, fs::perms(0640));
    if (::lchown(theirs.c_str(), 65534, 65534) == 0) {
        EXPECT_TRUE(write_file_atomically(theirs, bytes));
        struct stat st {};
        ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
        EXPECT_EQ(std::tuple(st.st_uid, st.st_gid, st.st_mode & 07777), std::tuple(65534u, 65534u, 0640u));
    } else {
        skipped += " \"another user's file\"";
    }
    // A FIFO that a program reads gets the bytes.
    ASSERT_TRUE(make_fifo(folder.file("pipe")));
    const int reader = ::open(folder.file("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_TRUE(write_file_atomically(folder.file("pipe"), bytes));
    char got[16] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), static_cast<ssize_t>(bytes.size()));
    ::close(reader);
    EXPECT_EQ(std::string(got), bytes);
    if (!skipped.empty()) GTEST_SKIP() << "cannot be set up without root rights:" << skipped;
}

// A crash in the middle of a save (here: killed by the file-size limit) leaves
// the old file as it was and one temporary, recognisable by its prefix and
// never readable by more users than the file it was to replace.
TEST(WriteTargets, CrashMidSaveLeavesTheOldFileAndARecognisablePrivateTemporary) {
    TempFolder folder;
    const std::string target = old_file(folder.file("box.ecv"));
    fs::permissions(target, fs::perms(0600));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit no_core{0, 0}, small{1024, 1024};
        ::setrlimit(RLIMIT_CORE, &no_core);
        ::signal(SIGXFSZ, SIG_DFL);
        ::setrlimit(RLIMIT_FSIZE, &small);
        (void)write_file_atomically(target, kBig);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the save was not cut off";
    EXPECT_EQ(get_bytes(target), kOld);
    std::vector<std::string> others;
    for (const auto& e : fs::directory_iterator(folder.str()))
        if (e.path().string() != target) others.push_back(e.path().filename().string());
    ASSERT_EQ(others.size(), 1u);
    EXPECT_TRUE(others[0].starts_with(kTemporaryPrefix)) << others[0];
    EXPECT_LE(others[0].size(), kTemporaryPrefix.size() + 8);
    EXPECT_EQ(mode_of(folder.file(others[0])), 0600u);
}

// As a user without root rights: a file the user may not write to is refused,
// as the user's own tools would refuse it; a writable file in a folder the
// user may not change is written in place.
TEST(WriteFaults, PermissionsOfAnUnprivilegedUser) {
    enum class Expect { Refused, WrittenInPlace };
    struct Case {
        const char* name;
        std::function<std::string(const TempFolder&)> prepare;  // as root; returns the path to write
        Expect expect;
    };
    // The unprivileged user's folder with mode `folder_mode`, holding its own
    // box.ecv with mode `file_mode` (none when 0).
    const auto own = [](const TempFolder& t, int folder_mode, int file_mode) {
        const std::string folder = t.file("own"), file = t.file("own/box.ecv");
        fs::create_directory(folder);
        give_to_unprivileged(folder);
        if (file_mode != 0) old_file(file), give_to_unprivileged(file), fs::permissions(file, fs::perms(file_mode));
        fs::permissions(folder, fs::perms(folder_mode));
        return file;
    };
    const Case cases[] = {
        {"read-only file", [&](const TempFolder& t) { return own(t, 0755, 0444); }, Expect::Refused},
        {"read-only file through a link",
         [&](const TempFolder& t) {
             fs::create_symlink(own(t, 0755, 0444), t.file("link.ecv"));
             return t.file("link.ecv");
         },
         Expect::Refused},
        {"read-only file in a read-only folder", [&](const TempFolder& t) { return own(t, 0555, 0444); },
         Expect::Refused},
        {"new file in a read-only folder", [&](const TempFolder& t) { return own(t, 0555, 0); }, Expect::Refused},
        {"writable file in a read-only folder", [&](const TempFolder& t) { return own(t, 0555, 0644); },
         Expect::WrittenInPlace},
        {"another user's writable file in a sticky folder",
         [&](const TempFolder& t) {
             if (::geteuid() != 0) return std::string();  // needs a second user
             fs::create_directory(t.file("shared"));
             fs::permissions(t.file("shared"), fs::perms(01777));
             const std::string file = old_file(t.file("shared/box.ecv"));
             fs::permissions(file, fs::perms(0666));
             return file;
         },
         Expect::WrittenInPlace},
    };
    for (const Case& c : cases) {
        for (const Writer& writer : writers()) {
            SCOPED_TRACE(std::string(c.name) + ", " + writer.name);
            TempFolder folder;
            const std::string path = c.prepare(folder);
            if (path.empty()) continue;
            const auto before = contents(folder);
            struct stat old_st {};
            ::stat(path.c_str(), &old_st);
            const int status = run_unprivileged([&] { return writer.write(path) ? 0 : 1; });
            if (status == kCannotDropRoot) GTEST_SKIP() << "cannot run a child process without root rights";
            if (c.expect == Expect::Refused) {
                EXPECT_EQ(status, 1);
                EXPECT_EQ(contents(folder), before);
                continue;
            }
            EXPECT_EQ(status, 0);
            struct stat st {};
            ASSERT_EQ(::stat(path.c_str(), &st), 0);
            EXPECT_EQ(st.st_ino, old_st.st_ino) << "replaced, not written in place";
            EXPECT_EQ(st.st_uid, old_st.st_uid);
            EXPECT_NE(get_bytes(path), kOld);
            auto after = contents(folder);
            after.erase(path);
            auto expected = before;
            expected.erase(path);
            EXPECT_EQ(after, expected);
        }
    }
}

// Only regular files are opened: a FIFO named like a project or settings file,
// a socket, a folder or a device reads as no file at once, and a settings path
// that is not a regular file is not written either.
TEST(ReadTargets, OnlyRegularFilesAreRead) {
    const HangGuard guard(30);
    TempFolder folder;
    ASSERT_TRUE(make_fifo(folder.file("pipe.ecv")));
    ASSERT_TRUE(make_fifo(folder.file("held.ecv")));
    // A FIFO that a writer holds open but never writes into.
    const int writer = ::open(folder.file("held.ecv").c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    ASSERT_TRUE(make_socket(folder.file("sock.ecv")));
    fs::create_directory(folder.file("folder.ecv"));
    std::vector<std::string> paths = {folder.file("pipe.ecv"), folder.file("held.ecv"), folder.file("sock.ecv"),
                                      folder.file("folder.ecv"), "/dev/null"};
    if (make_char_device(folder.file("null.ecv"), 1, 3)) paths.push_back(folder.file("null.ecv"));
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        EXPECT_EQ(read_project(path), std::nullopt);
        EXPECT_EQ(read_whole_file(path), std::nullopt);
        const LoadedSettings s = load_settings(path);
        EXPECT_FALSE(s.lastfolder || s.flange || s.range || s.shownums || s.highlight || s.units);
        if (path.starts_with(folder.str())) {
            EXPECT_FALSE(save_settings(path, SettingsToSave{}));
        }
    }
    ::close(writer);
    EXPECT_EQ(std::string({kind_of(folder.file("pipe.ecv")), kind_of(folder.file("held.ecv")),
                           kind_of(folder.file("sock.ecv")), kind_of(folder.file("folder.ecv"))}),
              "ppsd");
}

}  // namespace
}  // namespace enclavio
