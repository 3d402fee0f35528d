// Faults of the file system and hostile file contents. The tests run as root,
// for whom permissions stop nothing, so a folder is made unwritable in other
// ways: a path below a regular file, a target that is a folder, a path in
// /proc, and a file-size limit that makes the disk look full mid-write.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "file_size_limit.hpp"
#include "storage/storage.hpp"
#include "temp_folder.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;
using testing::get_bytes;
using testing::put_bytes;
using testing::FileSizeLimit;
using testing::TempFolder;

ProjectData a_project() {
    ProjectData p;
    p.boxdepth = 400;
    p.boxwidth = 300;
    p.boxheight = 700;
    p.boxvol = 59.4;
    p.drivers_text = "1";
    p.ports_text = "2";
    p.driversize_text = "10 inch";
    p.doublefront = true;
    p.flange_word = "oneflange";
    p.notes[0] = std::string(4000, 'n');  // big enough to cross the size limit below
    return p;
}

ReportInput a_report() {
    ReportInput in;
    in.projectname = "box.ecv";
    in.notes[0] = std::string(4000, 'r');
    return in;
}

// Each writer, each fault: the writer says it failed, whatever stood at the
// path before is unchanged, and no temporary file is left behind.
TEST(WriteFaults, FailedWritesKeepTheOldFileAndSayTheyFailed) {
    const std::string old_bytes = "old contents\r\n";
    struct Fault {
        const char* name;
        // Prepares the folder; returns the path to write.
        std::function<std::string(const TempFolder&)> prepare;
        bool size_limit = false;
        bool missing_folder = false;  // the settings writer makes its folder first
    };
    const Fault faults[] = {
        {"folder is a regular file",
         [&](const TempFolder& t) {
             put_bytes(t.file("plain"), old_bytes);
             return t.file("plain") + "/target";
         }},
        {"folder does not exist", [](const TempFolder& t) { return t.file("missing") + "/target"; }, false,
         true},
        {"target is a folder",
         [&](const TempFolder& t) {
             fs::create_directory(t.file("target"));
             put_bytes(t.file("target") + "/inside", old_bytes);
             return t.file("target");
         }},
        {"disk full while writing",
         [&](const TempFolder& t) {
             put_bytes(t.file("target"), old_bytes);
             return t.file("target");
         },
         true},
        {"folder in /proc", [](const TempFolder&) { return std::string("/proc/self/enclavio-target"); }},
    };
    const struct {
        const char* name;
        std::function<bool(const std::string&)> write;
        bool makes_folder = false;
    } writers[] = {
        {"write_project", [](const std::string& p) { return write_project(p, a_project()); }},
        {"save_settings",
         [](const std::string& p) {
             SettingsToSave s;
             s.lastfolder = std::string(4000, 'f');
             return save_settings(p, s);
         },
         true},
        {"write_report", [](const std::string& p) { return write_report(p, a_report()); }},
        {"write_file_atomically",
         [](const std::string& p) { return write_file_atomically(p, std::string(8000, 'x')); }},
    };
    for (const auto& fault : faults) {
        for (const auto& writer : writers) {
            if (fault.missing_folder && writer.makes_folder) continue;
            TempFolder folder;
            const std::string path = fault.prepare(folder);
            const std::size_t entries_before = folder.entry_count();
            bool ok;
            {
                std::optional<FileSizeLimit> limit;
                if (fault.size_limit) limit.emplace(1024);
                ok = writer.write(path);
            }
            EXPECT_FALSE(ok) << writer.name << ": " << fault.name;
            EXPECT_EQ(folder.entry_count(), entries_before) << writer.name << ": " << fault.name;
            if (fs::is_regular_file(folder.file("target"))) {
                EXPECT_EQ(get_bytes(folder.file("target")), old_bytes) << writer.name << ": " << fault.name;
            }
            if (fs::is_regular_file(folder.file("plain"))) {
                EXPECT_EQ(get_bytes(folder.file("plain")), old_bytes) << writer.name << ": " << fault.name;
            }
            if (fs::is_directory(folder.file("target"))) {
                EXPECT_EQ(get_bytes(folder.file("target") + "/inside"), old_bytes) << writer.name;
            }
        }
    }
}

// The same writers succeed once the fault is gone: the limit above is what failed.
TEST(WriteFaults, WritesWithinTheLimitSucceed) {
    TempFolder folder;
    FileSizeLimit limit(1 << 20);
    EXPECT_TRUE(write_project(folder.file("box.ecv"), a_project()));
    EXPECT_EQ(read_project(folder.file("box.ecv")), a_project());
}

// The readers take only the lines they need, whatever the file holds.
TEST(ReadFaults, SplitLinesStopsAtTheLinesNeeded) {
    using Lines = std::vector<std::string>;
    const struct {
        std::string text;
        std::size_t max;
        Lines lines;
    } cases[] = {
        {"a\rb\r\nc\nd", 2, {"a", "b"}},
        {"a\rb\r\nc\nd", 4, {"a", "b", "c", "d"}},
        {"a\rb\r\nc\nd", 99, {"a", "b", "c", "d"}},
        {"a\rb\r\nc\nd", 0, {}},
        {std::string(1000, '\r'), 24, Lines(24)},
        {"\r\n\r\nx", 3, {"", "", "x"}},
    };
    for (const auto& c : cases) EXPECT_EQ(split_lines(c.text, c.max), c.lines) << c.max;
}

// Hostile project and settings files: each loads tolerantly, quickly and
// without a crash.
TEST(ReadFaults, HostileFilesLoadQuickly) {
    std::string garbage(1 << 20, '\0');
    std::uint32_t x = 2463534242u;
    for (char& c : garbage) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x);
    }
    std::string big;
    {
        const std::string startup = "400\r\n300\r\n700\r\n59.4\r\n30\r\n200\r\n2\r\n1\r\n823\r\n86\r\n2\r\n19\r\n2\r\n"
                                    "10 inch\r\ndouble\r\noneflange\r\n";
        big = startup;
        big.resize(50u << 20, 'n');  // 50 MB, most of it one endless notes line
    }
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"50 MB", big},
        {"binary garbage", garbage},
        {"NUL bytes", std::string(1 << 20, '\0')},
        {"NUL inside numbers", std::string("4\0" "00\r\n3\0\r\n", 10)},
        {"very long lines", std::string(3u << 20, '7') + "\r\n" + std::string(3u << 20, '.')},
        {"only CR", std::string(8u << 20, '\r')},
        {"only LF", std::string(8u << 20, '\n')},
        {"CR LF pairs", [] {
             std::string s;
             for (int i = 0; i < (2 << 20); ++i) s += "\r\n";
             return s;
         }()},
        {"invalid UTF-8 with a byte-order mark", "\xEF\xBB\xBF\xC3\x28\xF5\x80\r\n\xFF\xFE"},
        {"empty", ""},
    };
    for (const auto& f : files) {
        TempFolder folder;
        put_bytes(folder.file("f.ecv"), f.bytes);
        const auto start = std::chrono::steady_clock::now();
        const auto project = read_project(folder.file("f.ecv"));
        const LoadedSettings settings = load_settings(folder.file("f.ecv"));
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::seconds(1)) << f.name;
        ASSERT_TRUE(project.has_value()) << f.name;
        for (const double v : {project->boxdepth, project->boxwidth, project->boxheight, project->boxvol})
            EXPECT_TRUE(std::isfinite(v) && v >= 0) << f.name;
        (void)settings;
    }
}

}  // namespace
}  // namespace enclavio
