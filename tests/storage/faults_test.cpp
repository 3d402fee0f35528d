// Faults of the file system and hostile file contents. The tests run as root,
// for whom permissions stop nothing, so a folder is made unwritable in other
// ways: a path below a regular file, a target that is a folder, a path in
// /proc, and a file-size limit that makes the disk look full mid-write.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <random>

#include "file_size_limit.hpp"
#include "storage/storage.hpp"
#include "temp_folder.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::get_bytes;
using testing::put_bytes;
using testing::TempFolder;

const std::string kOld = "old contents\r\n";
const std::string kBig(4000, 'n');  // more than the size limit below lets through

ProjectData a_project() {
    ProjectData p;
    p.boxdepth = 400;
    p.notes[0] = kBig;
    return p;
}

std::string old_file(const std::string& path) { return put_bytes(path, kOld), path; }

// Every entry below the folder with its bytes: an unchanged map means the old
// files are intact and no temporary file was left behind.
std::map<std::string, std::string> contents(const TempFolder& t) {
    std::map<std::string, std::string> m;
    for (const auto& e : fs::recursive_directory_iterator(t.str()))
        m[e.path().string()] = e.is_regular_file() ? get_bytes(e.path().string()) : "<folder>";
    return m;
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
    for (const auto& fault : faults) {
        for (const auto& writer : writers) {
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

// Hostile project and settings files: each loads tolerantly, quickly and
// without a crash.
TEST(ReadFaults, HostileFilesLoadQuickly) {
    std::mt19937 random(2463534242u);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    std::string big =
        "400\r\n300\r\n700\r\n59.4\r\n30\r\n200\r\n2\r\n1\r\n823\r\n86\r\n2\r\n19\r\n2\r\n"
        "10 inch\r\ndouble\r\noneflange\r\n";
    big.resize(50u << 20, 'n');  // 50 MB, most of it one endless notes line
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"50 MB", big},
        {"binary garbage", garbage},
        {"NUL bytes", std::string(1 << 20, '\0')},
        {"very long lines", std::string(3u << 20, '7') + "\r\n" + std::string(3u << 20, '.')},
        {"only CR", std::string(8u << 20, '\r')},
        {"empty", ""},
    };
    for (const auto& f : files) {
        TempFolder folder;
        put_bytes(folder.file("f.ecv"), f.bytes);
        const auto start = std::chrono::steady_clock::now();
        const auto project = read_project(folder.file("f.ecv"));
        load_settings(folder.file("f.ecv"));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << f.name;
        ASSERT_TRUE(project.has_value()) << f.name;
        for (const double v : {project->boxdepth, project->boxwidth, project->boxheight, project->boxvol})
            EXPECT_TRUE(std::isfinite(v) && v >= 0) << f.name;
    }
}

}  // namespace
}  // namespace enclavio
