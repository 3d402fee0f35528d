#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../support/files.hpp"
#include "../support/temp_folder.hpp"
#include "storage/data_folder.hpp"
#include "storage/report.hpp"
#include "storage/settings.hpp"

namespace enclavio {
namespace {

using test_support::get_bytes;
using test_support::put_bytes;
using test_support::TempFolder;
using Opt = std::optional<std::string>;

TEST(SettingsPath, InProgramFolder) {
    EXPECT_EQ(settings_path("/opt/enclavio"), "/opt/enclavio/enclavio.ini");
    EXPECT_EQ(settings_path("/"), "/enclavio.ini");
    EXPECT_EQ(report_path("/opt/enclavio"), "/opt/enclavio/report.txt");
}

// Both programs' folder, from the environment's bytes as they are.
TEST(DataFolder, FromTheEnvironment) {
    const struct {
        std::string xdg_data_home, home, folder;
    } cases[] = {
        {"", "/home/ann", "/home/ann/.local/share/Enclavio"},
        {"/data/ann", "/home/ann", "/data/ann/Enclavio"},
        {"/data/ann/", "/home/ann", "/data/ann/Enclavio"},
        {"relative/data", "/home/ann", "/home/ann/.local/share/Enclavio"},  // a relative XDG_DATA_HOME is ignored
        {"", "/", "/.local/share/Enclavio"},
        {"", "/home/zo\xEB", "/home/zo\xEB/.local/share/Enclavio"},  // not UTF-8: the same bytes
        {"/data/\xFF\xFE", "", "/data/\xFF\xFE/Enclavio"},
        {"", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(data_folder(c.xdg_data_home, c.home), c.folder) << c.xdg_data_home << " | " << c.home;
}

// Earlier builds kept enclavio.ini in folder/Enclavio: read from there only
// while the folder itself has none.
TEST(SettingsPath, EarlierNestedFolderIsReadWhileTheFolderHasNone) {
    const struct {
        const char* name;
        bool in_folder, in_earlier;
        bool reads_earlier;
    } cases[] = {
        {"neither", false, false, false},
        {"only the folder", true, false, false},
        {"only the earlier folder", false, true, true},
        {"both", true, true, false},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        std::filesystem::create_directories(dir.file("Enclavio"));
        if (c.in_folder) put_bytes(settings_path(dir.str()), "/a\r\n");
        if (c.in_earlier) put_bytes(settings_path(dir.file("Enclavio")), "/b\r\n");
        EXPECT_EQ(settings_path_to_read(dir.str()), settings_path(c.reads_earlier ? dir.file("Enclavio") : dir.str()))
            << c.name;
    }
}

// Each line present is given as read; missing lines stay empty.
TEST(SettingsFile, LoadGivesTheLinesPresent) {
    const struct {
        const char* name;
        Opt bytes;  // nullopt: no file
        std::array<Opt, 6> lines;
    } cases[] = {
        {"missing file", std::nullopt, {}},
        {"six lines",
         "/home/ann/boxes\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n",
         {"/home/ann/boxes", "twoflange", "2000", "show", "nohighlight", "inches"}},
        {"capital Show kept as read",
         "/a\r\noneflange\r\n1000\r\nShow\r\nhighlight\r\nmetric\r\n",
         {"/a", "oneflange", "1000", "Show", "highlight", "metric"}},
        {"five lines",
         "/a\r\nnoflange\r\n1000\r\nnoshow\r\nhighlight\r\n",
         {"/a", "noflange", "1000", "noshow", "highlight", {}}},
        {"two lines, LF only", "/a\nnoflange\n", {"/a", "noflange"}},
        {"more than six", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n", {"1", "2", "3", "4", "5", "6"}},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const auto path = settings_path(dir.str());
        if (c.bytes) put_bytes(path, *c.bytes);
        const auto s = load_settings(path);
        EXPECT_EQ((std::array<Opt, 6>{s.lastfolder, s.flange, s.range, s.shownums, s.highlight, s.units}), c.lines)
            << c.name;
    }
}

TEST(SettingsFile, TextAndRoundTrip) {
    EXPECT_EQ(settings_file_text({"", Flange::None, 2000, true, false, UnitMode::MetricCm, {}}),
              "\r\nnoflange\r\n2000\r\nshow\r\nnohighlight\r\nmetric-cm\r\n");
    TempFolder dir;
    const auto path = settings_path(dir.file("not yet made"));
    const SettingsToSave s{"/home/zo\xC3\xAB/boxes", Flange::Two, 2000, true, false, UnitMode::DecimalInches, {}};
    ASSERT_TRUE(save_settings(path, s));
    EXPECT_EQ(get_bytes(path), "/home/zo\xEB/boxes\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ndecimalinches\r\n");
    const auto back = load_settings(path);
    EXPECT_EQ((std::array<Opt, 6>{back.lastfolder, back.flange, back.range, back.shownums, back.highlight, back.units}),
              (std::array<Opt, 6>{s.lastfolder, "twoflange", "2000", "show", "nohighlight", "decimalinches"}));
}

TEST(SettingsFile, NamedValuesAfterTheSixLines) {
    SettingsToSave s{"/boxes", Flange::One, 1000, false, true, UnitMode::Metric, {}};
    const std::string six = settings_file_text(s);
    s.extra = {{"sheet.kerf", "3.2"}, {"recent.1", "/boxes/a.ecv"}};
    EXPECT_EQ(settings_file_text(s), six + "sheet.kerf=3.2\r\nrecent.1=/boxes/a.ecv\r\n");
    TempFolder dir;
    const auto path = settings_path(dir.str());
    ASSERT_TRUE(save_settings(path, s));
    const auto back = load_settings(path);
    EXPECT_EQ(back.units, "metric");
    EXPECT_EQ(back.extra, s.extra);
    // A file of fewer than six lines has no named values.
    std::ofstream(path, std::ios::binary) << "/boxes\r\nsheet.kerf=3.2\r\n";
    EXPECT_EQ(load_settings(path).extra, KeyValues{});
}

}  // namespace
}  // namespace enclavio
