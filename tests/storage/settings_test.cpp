#include <gtest/gtest.h>

#include <filesystem>

#include "storage/storage.hpp"
#include "temp_folder.hpp"

namespace enclavio {
namespace {

using testing::get_bytes;
using testing::put_bytes;
using testing::TempFolder;
using Opt = std::optional<std::string>;

TEST(SettingsPath, InProgramFolder) {
    EXPECT_EQ(settings_path("/opt/enclavio"), "/opt/enclavio/enclavio.ini");
    EXPECT_EQ(settings_path("/"), "/enclavio.ini");
    EXPECT_EQ(report_path("/opt/enclavio"), "/opt/enclavio/report.txt");
    EXPECT_EQ(report_path("/"), "/report.txt");
}

TEST(SettingsFile, LoadGivesTheLinesPresent) {
    const struct {
        const char* name;
        std::optional<std::string> bytes;  // nullopt: no file
        Opt lastfolder, flange, range, shownums, highlight, units;
    } cases[] = {
        {"missing file", std::nullopt, {}, {}, {}, {}, {}, {}},
        {"empty file", "", {}, {}, {}, {}, {}, {}},
        {"six lines", "/home/ann/boxes\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n",
         "/home/ann/boxes", "twoflange", "2000", "show", "nohighlight", "inches"},
        {"capital Show kept as read", "/a\r\noneflange\r\n1000\r\nShow\r\nhighlight\r\nmetric\r\n",
         "/a", "oneflange", "1000", "Show", "highlight", "metric"},
        {"five lines", "/a\r\nnoflange\r\n1000\r\nnoshow\r\nhighlight\r\n",
         "/a", "noflange", "1000", "noshow", "highlight", {}},
        {"two lines, LF only", "/a\nnoflange\n", "/a", "noflange", {}, {}, {}, {}},
        {"empty lines are present", "\r\n\r\n", "", "", {}, {}, {}, {}},
        {"more than six", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n", "1", "2", "3", "4", "5", "6"},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const auto path = settings_path(dir.str());
        if (c.bytes) put_bytes(path, *c.bytes);
        const auto s = load_settings(path);
        EXPECT_EQ(s.lastfolder, c.lastfolder) << c.name;
        EXPECT_EQ(s.flange, c.flange) << c.name;
        EXPECT_EQ(s.range, c.range) << c.name;
        EXPECT_EQ(s.shownums, c.shownums) << c.name;
        EXPECT_EQ(s.highlight, c.highlight) << c.name;
        EXPECT_EQ(s.units, c.units) << c.name;
    }
}

TEST(SettingsFile, Text) {
    const struct {
        SettingsToSave s;
        std::string text;
    } cases[] = {
        {SettingsToSave{"/opt/enclavio", Flange::One, 1000, false, true, UnitMode::Metric},
         "/opt/enclavio\r\noneflange\r\n1000\r\nnoshow\r\nhighlight\r\nmetric\r\n"},
        {SettingsToSave{"/", Flange::None, 2000, true, false, UnitMode::MetricCm},
         "/\r\nnoflange\r\n2000\r\nshow\r\nnohighlight\r\nmetric-cm\r\n"},
        {SettingsToSave{"/home/ann/my boxes", Flange::Two, 1000, true, true, UnitMode::Inches},
         "/home/ann/my boxes\r\ntwoflange\r\n1000\r\nshow\r\nhighlight\r\ninches\r\n"},
        {SettingsToSave{"", Flange::One, 2000, false, false, UnitMode::DecimalInches},
         "\r\noneflange\r\n2000\r\nnoshow\r\nnohighlight\r\ndecimalinches\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(settings_file_text(c.s), c.text);
}

TEST(SettingsFile, SaveThenLoad) {
    TempFolder dir;
    const auto folder = dir.file("not yet made");
    const auto path = settings_path(folder);
    const SettingsToSave s{"/home/zo\xC3\xAB/boxes", Flange::Two, 2000, true, false,
                           UnitMode::DecimalInches};
    ASSERT_TRUE(save_settings(path, s));
    EXPECT_EQ(get_bytes(path), "/home/zo\xEB/boxes\r\ntwoflange\r\n2000\r\nshow\r\n"
                               "nohighlight\r\ndecimalinches\r\n");
    const auto back = load_settings(path);
    EXPECT_EQ(back.lastfolder, s.lastfolder);
    EXPECT_EQ(back.flange, "twoflange");
    EXPECT_EQ(back.range, "2000");
    EXPECT_EQ(back.shownums, "show");
    EXPECT_EQ(back.highlight, "nohighlight");
    EXPECT_EQ(back.units, "decimalinches");
}

TEST(SettingsFile, SaveFailureIsReportedNotThrown) {
    TempFolder dir;
    put_bytes(dir.file("plain"), "x");
    EXPECT_FALSE(save_settings(settings_path(dir.file("plain")), SettingsToSave{}));
    EXPECT_EQ(get_bytes(dir.file("plain")), "x");
}

}  // namespace
}  // namespace enclavio
