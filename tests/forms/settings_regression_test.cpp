// Settings files the settings fuzzer tripped on: each is read at start-up,
// written at shut-down, and must read back as the same preferences.
#include <gtest/gtest.h>

#include <string>

#include "forms/main_form.hpp"
#include "project_windows_support.hpp"
#include "storage/storage.hpp"

namespace enclavio {
namespace {

using project_testing::get_bytes;
using project_testing::put_bytes;
using project_testing::RecordingView;
using project_testing::TempFolder;

TEST(SettingsRegression, ByteOrderMarksSurviveAShutDown) {
    const struct {
        const char* name;
        std::string file;
        std::string lastfolder;
    } cases[] = {
        // Found by the fuzzer: two byte-order marks and nothing else. The first
        // marks the file as UTF-8; the second is the folder's first character,
        // which the next start-up lost when the written file began with it.
        {"two marks", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},
        {"folder starting with U+FEFF", "\xEF\xBB\xBF\xEF\xBB\xBF/home/ann\r\nnoflange\r\n",
         "\xEF\xBB\xBF/home/ann"},
        {"one mark", "\xEF\xBB\xBF/home/ann\r\n", "/home/ann"},
        {"1252 folder", "/home/J\xF6rg\r\n", "/home/J\xC3\xB6rg"},
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
            EXPECT_EQ(form.s.lastfolder, c.lastfolder) << c.name << ", start-up " << run;
            form.shutdown();
            EXPECT_EQ(load_settings(settings_path(app)).lastfolder, c.lastfolder) << c.name << ", run " << run;
        }
    }
}

}  // namespace
}  // namespace enclavio
