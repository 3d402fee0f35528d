// The windows under file-system faults and hostile files: a failed save keeps
// the old project and says so, a report that cannot be written says "There was
// a problem creating the report", an unwritable settings folder is ignored at
// shut-down, and hostile project or settings files load quickly and safely.
// Tests run as root, so folders are made unwritable without permissions.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "../storage/file_size_limit.hpp"
#include "forms/files_form.hpp"
#include "forms/report_form.hpp"
#include "project_windows_support.hpp"
#include "storage/storage.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;
using project_testing::get_bytes;
using project_testing::put_bytes;
using project_testing::RecordingView;
using project_testing::StartedMain;
using project_testing::TempFolder;
using testing::FileSizeLimit;

const std::string kOld = "old contents\r\n";

bool all_finite(const BoxDesign& d) {
    for (const double v : {d.boxdepth, d.boxwidth, d.boxheight, d.boxthickness, d.boxvol, d.portlength,
                           d.portdiameter, d.portwallthickness, d.driverdepth, d.driverdown,
                           d.driversideways, d.innerdepth, d.innerwidth, d.innerheight, d.portvolume,
                           d.bracingvolume, d.componentvolume, d.workingvolume, d.tunefrequency})
        if (!std::isfinite(v)) return false;
    return true;
}

TEST(FormFaults, FailedSaveKeepsTheOldProjectAndSaysSo) {
    const struct {
        const char* name;
        std::function<void(const TempFolder&)> prepare;
        bool disk_full;
    } faults[] = {
        {"box.ecv is a folder", [](const TempFolder& t) { fs::create_directory(t.file("box.ecv")); }, false},
        {"disk full", [](const TempFolder& t) { put_bytes(t.file("box.ecv"), kOld); }, true},
    };
    for (const auto& f : faults) {
        TempFolder root;
        f.prepare(root);
        StartedMain m(root);
        m.form.s.notes.lines[0] = std::string(4000, 'n');  // more than the disk takes
        bool saved = true;
        m.view.on_modal[Window::Form2] = [&] {
            FileForm save(m.form, m.view, FileForm::Kind::Save);
            save.state().folder = root.str();
            save.Text1_Change("box");
            std::optional<FileSizeLimit> limit;
            if (f.disk_full) limit.emplace(1024);
            saved = save.Command1_Click();
        };
        m.form.mnu_save_Click();
        EXPECT_FALSE(saved) << f.name;
        ASSERT_EQ(m.view.messages.size(), 1u) << f.name;
        EXPECT_EQ(m.view.messages[0], "Unable to save " + root.file("box.ecv")) << f.name;
        EXPECT_EQ(m.form.s.main.caption, "Enclavio - default") << f.name;
        EXPECT_EQ(m.form.s.projectname, "default") << f.name;
        if (f.disk_full) {
            EXPECT_EQ(get_bytes(root.file("box.ecv")), kOld) << f.name;
        } else {
            EXPECT_TRUE(fs::is_directory(root.file("box.ecv"))) << f.name;
        }
        for (const auto& e : fs::directory_iterator(root.str()))
            EXPECT_NE(e.path().extension(), ".tmp") << f.name << ": temporary left behind";
    }
}

TEST(FormFaults, ReportThatCannotBeWrittenSaysSo) {
    const struct {
        const char* name;
        // Returns the program folder to use.
        std::function<std::string(const TempFolder&)> prepare;
        bool disk_full;
    } faults[] = {
        {"program folder below a regular file",
         [](const TempFolder& t) {
             put_bytes(t.file("plain"), kOld);
             return t.file("plain") + "/app";
         },
         false},
        {"report.txt is a folder",
         [](const TempFolder& t) {
             fs::create_directories(t.file("app") + "/report.txt");
             return t.file("app");
         },
         false},
        {"program folder in /proc", [](const TempFolder&) { return std::string("/proc/self/enclavio"); },
         false},
        {"disk full",
         [](const TempFolder& t) {
             fs::create_directories(t.file("app"));
             put_bytes(t.file("app") + "/report.txt", kOld);
             return t.file("app");
         },
         true},
    };
    for (const auto& f : faults) {
        TempFolder root;
        const std::string app = f.prepare(root);
        RecordingView view;
        MainForm form(view, app, root.str());
        form.startup();
        ReportForm report(form, view);
        report.Form_Load();
        {
            std::optional<FileSizeLimit> limit;
            if (f.disk_full) limit.emplace(1024);
            report.Command3_Click(0);
        }
        ASSERT_FALSE(view.messages.empty()) << f.name;
        EXPECT_EQ(view.messages.back(), "There was a problem creating the report") << f.name;
        if (f.disk_full) {
            EXPECT_EQ(get_bytes(app + "/report.txt"), kOld) << f.name;
        }
        if (fs::is_regular_file(root.file("plain"))) {
            EXPECT_EQ(get_bytes(root.file("plain")), kOld) << f.name;
        }
    }
}

TEST(FormFaults, UnwritableSettingsFolderIsIgnoredAtShutDown) {
    const struct {
        const char* name;
        std::function<std::string(const TempFolder&)> prepare;
        bool disk_full;
    } faults[] = {
        {"program folder below a regular file",
         [](const TempFolder& t) {
             put_bytes(t.file("plain"), kOld);
             return t.file("plain") + "/app";
         },
         false},
        {"enclavio.ini is a folder",
         [](const TempFolder& t) {
             fs::create_directories(t.file("app") + "/enclavio.ini");
             return t.file("app");
         },
         false},
        {"program folder in /proc", [](const TempFolder&) { return std::string("/proc/self/enclavio"); },
         false},
        {"disk full",
         [](const TempFolder& t) {
             fs::create_directories(t.file("app"));
             put_bytes(t.file("app") + "/enclavio.ini",
                       "/home/ann\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n");
             return t.file("app");
         },
         true},
    };
    for (const auto& f : faults) {
        TempFolder root;
        const std::string app = f.prepare(root);
        const std::string before = fs::is_regular_file(app + "/enclavio.ini") ? get_bytes(app + "/enclavio.ini") : "";
        RecordingView view;
        MainForm form(view, app, root.str());
        form.startup();
        form.s.lastfolder = std::string(4000, 'f');  // more than the disk takes
        {
            std::optional<FileSizeLimit> limit;
            if (f.disk_full) limit.emplace(1024);
            EXPECT_NO_THROW(form.shutdown()) << f.name;
        }
        EXPECT_TRUE(view.messages.empty()) << f.name;
        if (!before.empty()) {
            EXPECT_EQ(get_bytes(app + "/enclavio.ini"), before) << f.name;
        }
        if (fs::is_regular_file(root.file("plain"))) {
            EXPECT_EQ(get_bytes(root.file("plain")), kOld) << f.name;
        }
    }
}

// Hostile contents, through the Open window and through the settings file at
// start-up: each in under a second, with a finite design.
TEST(FormFaults, HostileFilesOpenQuickly) {
    std::string garbage(1 << 20, '\0');
    std::uint32_t x = 88172645u;
    for (char& c : garbage) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x);
    }
    std::string big = "400\r\n300\r\n700\r\n59.4\r\n30\r\n200\r\n2\r\n1\r\n823\r\n86\r\n2\r\n19\r\n2\r\n";
    big.resize(50u << 20, '9');  // 50 MB: one endless number of 50 million digits
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"50 MB", big},
        {"binary garbage", garbage},
        {"NUL bytes", std::string(1 << 20, '\0')},
        {"very long lines", std::string(2u << 20, '1') + "\r\n" + std::string(2u << 20, 'x')},
        {"only CR", std::string(8u << 20, '\r')},
        {"huge numbers", "1E+308\r\n1E+308\r\n1E+308\r\n1E+308\r\n1E+308\r\n1E+308\r\n1E+308\r\n1E+308\r\n"
                         "1E+308\r\n1E+308\r\n1E+308\r\n1E+308\r\n1E+308\r\n"},
    };
    for (const auto& f : files) {
        TempFolder root;
        put_bytes(root.file("f.ecv"), f.bytes);
        StartedMain m(root);
        m.view.on_modal[Window::Form5] = [&] {
            FileForm open(m.form, m.view, FileForm::Kind::Open);
            open.state().folder = root.str();
            open.Text1_Change("f");
            EXPECT_TRUE(open.Command1_Click()) << f.name;
        };
        auto start = std::chrono::steady_clock::now();
        m.form.mnu_open_Click();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << f.name;
        EXPECT_EQ(m.form.s.main.caption, "Enclavio - f.ecv") << f.name;
        EXPECT_TRUE(all_finite(m.form.s.design)) << f.name;

        // The same bytes as the settings file.
        fs::create_directories(root.file("app"));
        put_bytes(root.file("app") + "/enclavio.ini", f.bytes);
        RecordingView view;
        MainForm again(view, root.file("app"), root.str());
        start = std::chrono::steady_clock::now();
        again.startup();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << f.name;
        EXPECT_TRUE(all_finite(again.s.design)) << f.name;
        EXPECT_TRUE(view.messages.empty()) << f.name;
    }
}

}  // namespace
}  // namespace enclavio
