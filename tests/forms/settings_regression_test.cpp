// Settings files the settings fuzzer tripped on: each is read at start-up,
// written at shut-down, and must read back as the same preferences.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../support/files.hpp"
#include "forms/main_form.hpp"
#include "project_windows_support.hpp"
#include "storage/settings.hpp"

namespace enclavio {
namespace {

using project_testing::RecordingView;
using test_support::get_bytes;
using test_support::put_bytes;
using test_support::TempFolder;

// The first mark says the file is UTF-8; a second is the folder's first
// character, which the next start-up lost when the written file began with it.
TEST(SettingsRegression, FolderStartingWithAByteOrderMarkSurvivesRestarts) {
    const struct {
        std::string file, lastfolder;
    } cases[] = {
        {"\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},  // found by the fuzzer: two marks, nothing else
        {"\xEF\xBB\xBF\xEF\xBB\xBF/home/ann\r\nnoflange\r\n", "\xEF\xBB\xBF/home/ann"},
    };
    for (const auto& c : cases) {
        TempFolder root;
        const std::string app = root.file("app");
        std::filesystem::create_directories(app);
        put_bytes(settings_path(app), c.file);
        for (int run = 1; run <= 2; ++run) {
            RecordingView view;
            MainForm form(view, app, root.str());
            form.startup();
            EXPECT_EQ(form.session.lastfolder, c.lastfolder) << c.lastfolder << ", start-up " << run;
            form.shutdown();
        }
    }
}

// Earlier builds kept enclavio.ini one folder deeper. While the program's
// folder has none, start-up reads that one; shut-down writes the program's
// folder, leaves the earlier file as it was, and the next start-up reads the new.
TEST(SettingsRegression, EarlierNestedSettingsAreReadOnceAndLeftInPlace) {
    TempFolder root;
    const std::string app = root.file("app"), earlier = root.file("app/Enclavio");
    std::filesystem::create_directories(earlier);
    const std::string earlier_file = "/boxes\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n";
    put_bytes(settings_path(earlier), earlier_file);
    for (int run = 1; run <= 2; ++run) {
        RecordingView view;
        MainForm form(view, app, root.str());
        form.startup();
        EXPECT_EQ(form.session.lastfolder, run == 1 ? "/boxes" : "/moved") << "start-up " << run;
        EXPECT_EQ(form.session.mode, UnitMode::Inches) << "start-up " << run;
        EXPECT_EQ(form.session.main.flange, Flange::Two) << "start-up " << run;
        form.session.lastfolder = "/moved";
        form.shutdown();
    }
    EXPECT_EQ(get_bytes(settings_path(app)), "/moved\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n");
    EXPECT_EQ(get_bytes(settings_path(earlier)), earlier_file);
}

}  // namespace
}  // namespace enclavio
