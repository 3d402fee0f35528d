#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <random>

#include "../support/files.hpp"
#include "../support/temp_folder.hpp"
#include "storage/files.hpp"
#include "storage/project.hpp"
#include "storage/settings.hpp"

namespace enclavio {
namespace {

using test_support::get_bytes;
using test_support::put_bytes;
using test_support::TempFolder;

TEST(ProjectPath, NameAndPath) {
    const struct {
        std::string folder, typed;
        std::optional<std::string> filename, path;
    } cases[] = {
        {"/home/ann", "box", "box.ecv", "/home/ann/box.ecv"},
        {"/home/ann", "box.old", "box.ecv", "/home/ann/box.ecv"},
        {"/home/ann", ".x", ".ecv", "/home/ann/.ecv"},
        {"/", "box", "box.ecv", "/box.ecv"},
        {"/home/ann", "sub/box", "sub/box.ecv", "/home/ann/sub/box.ecv"},
        {"/home/ann", "", std::nullopt, std::nullopt},
        {"/home/ann", ".", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = project_path(c.folder, c.typed);
        EXPECT_EQ(got ? std::optional(got->filename) : std::nullopt, c.filename) << c.typed;
        EXPECT_EQ(got ? std::optional(got->path) : std::nullopt, c.path) << c.typed;
    }
}

TEST(GeneralNumberText, StoredForms) {
    const std::pair<double, std::string> cases[] = {{0, "0"},
                                                    {15.75 * 25.4, "400.05"},
                                                    {0.001, "0.001"},
                                                    {1e15, "1E+15"},
                                                    {999999999999999, "999999999999999"},
                                                    {1.0 / 3, "0.333333333333333"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(general_number_text(value), text) << value;
}

ProjectData every_field_changed() {
    ProjectData p;
    p.boxdepth = 450, p.boxwidth = 323.85, p.boxheight = 600.5, p.boxvol = 71.234567;
    p.driverdepth = 95, p.driverdown = 0.5, p.driversideways = 12, p.drivers_text = "2";
    p.portlength = 381, p.portdiameter = 101.6, p.portwallthickness = 3.175, p.boxthickness = 18;
    p.ports_text = "1", p.driversize_text = " 8 inch", p.doublefront = true, p.flange_word = "twoflange";
    p.notes = {"Car boot sub", "", "  ", "Port on the front, 45\xC2\xB0 corner", "", "", "", "last line"};
    return p;
}

const std::string kEveryFieldFile =
    "450\r\n323.85\r\n600.5\r\n71.234567\r\n95\r\n0.5\r\n12\r\n2\r\n"
    "381\r\n101.6\r\n3.175\r\n18\r\n1\r\n 8 inch\r\ndouble\r\ntwoflange\r\n"
    "Car boot sub\r\n\r\n  \r\nPort on the front, 45\xB0 corner\r\n\r\n\r\n\r\nlast line\r\n";

TEST(ProjectFile, RoundTripWithEveryFieldChanged) {
    TempFolder dir;
    const auto path = dir.file("box.ecv");
    ASSERT_TRUE(write_project(path, every_field_changed()));
    EXPECT_EQ(get_bytes(path), kEveryFieldFile);
    EXPECT_EQ(read_project(path), every_field_changed());
    // A note outside Windows-1252 keeps the whole file in UTF-8.
    ProjectData p = every_field_changed();
    p.notes[1] =
        "\xE2\x88\x9A"
        "2 ratio";
    ASSERT_TRUE(write_project(path, p));
    EXPECT_NE(get_bytes(path).find("45\xC2\xB0 corner"), std::string::npos);
    EXPECT_EQ(read_project(path), p);
    EXPECT_EQ(read_project(dir.file("none.ecv")), std::nullopt);
    EXPECT_EQ(read_project(dir.str()), std::nullopt);
}

TEST(ProjectFile, LineBreakInsideATextCannotShiftLines) {
    ProjectData p = every_field_changed();
    p.drivers_text = "2\r\n";
    p.notes[0] = "one\ntwo";
    const auto text = project_file_text(p);
    EXPECT_EQ(split_lines(text).size(), 24u);
    const auto back = parse_project_text(text);
    EXPECT_EQ(back.drivers_text, "2 ");
    EXPECT_EQ(back.notes[0], "one two");
    EXPECT_EQ(back.boxthickness, 18);
}

TEST(ProjectFile, TolerantReading) {
    ProjectData sixteen = every_field_changed();
    sixteen.notes = {};
    std::string lf_text, cr_text;
    for (const auto& line : split_lines(kEveryFieldFile)) lf_text += line + "\n", cr_text += line + "\r";
    const struct {
        const char* name;
        std::string bytes;
        ProjectData expected;
    } cases[] = {
        {"16 lines", kEveryFieldFile.substr(0, kEveryFieldFile.find("Car boot")), sixteen},
        {"LF only", lf_text, every_field_changed()},
        {"CR only", cr_text, every_field_changed()},
        {"no final line end", kEveryFieldFile.substr(0, kEveryFieldFile.size() - 2), every_field_changed()},
        {"empty file", "", ProjectData{}},
    };
    for (const auto& c : cases) EXPECT_EQ(parse_project_text(c.bytes), c.expected) << c.name;
    if (std::filesystem::exists("/dev/zero")) {  // an endless device: not a project file, refused at once
        EXPECT_EQ(read_project("/dev/zero"), std::nullopt);
    }
}

// One line replaced at a time in an otherwise complete file.
TEST(ProjectFile, LineValues) {
    const auto with_line = [](int number, const std::string& text) {
        auto lines = split_lines(kEveryFieldFile);
        lines[number - 1] = text;
        std::string out;
        for (const auto& l : lines) out += l + "\r\n";
        return parse_project_text(out);
    };
    const struct {
        int line;
        const char* text;
        double ProjectData::*member;
        double value;
    } numbers[] = {{1, "  12.5abc", &ProjectData::boxdepth, 12.5}, {2, "-18", &ProjectData::boxwidth, 18},
                   {3, "abc", &ProjectData::boxheight, 0},         {4, "", &ProjectData::boxvol, 0},
                   {9, "3,5", &ProjectData::portlength, 3},        {10, "1E400", &ProjectData::portdiameter, 0}};
    for (const auto& c : numbers) EXPECT_EQ(with_line(c.line, c.text).*c.member, c.value) << c.text;
    EXPECT_EQ(with_line(8, " 3 ").drivers_text, " 3 ");
    EXPECT_TRUE(with_line(15, "double").doublefront);
    for (const char* word : {"Double", "double ", ""}) EXPECT_FALSE(with_line(15, word).doublefront) << word;
    EXPECT_EQ(with_line(16, "sideflange").flange_word, "sideflange");
}

// Each line on its own: a new value read from line n is written back at line n
// and nowhere else, in the form the line keeps.
TEST(ProjectFile, EachLineReadAndWrittenAtItsPlace) {
    const struct {
        int line;
        const char* text;
        const char* written;
    } cases[] = {
        {1, "12.5abc", "12.5"},
        {2, "-18", "18"},
        {3, "0.125", "0.125"},
        {4, "1e3", "1000"},
        {5, "96", "96"},
        {6, "7", "7"},
        {7, "x", "0"},
        {8, " 3 ", " 3 "},
        {9, "3,5", "3"},
        {10, "99", "99"},
        {11, "4.5", "4.5"},
        {12, "21", "21"},
        {13, " 4", " 4"},
        {14, "15 inch", "15 inch"},
        {15, "Double", "single"},
        {16, "noflange", "noflange"},
        {17, "first", "first"},
        {18, "	2", "	2"},
        {19, "three", "three"},
        {20, "", ""},
        {21, "5", "5"},
        {22, "six", "six"},
        {23, "seven ", "seven "},
        {24, "eight", "eight"},
    };
    static_assert(kProjectLines.size() == 24);
    const auto every_line = split_lines(kEveryFieldFile);
    for (const auto& c : cases) {
        auto lines = every_line;
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        std::string bytes;
        for (const auto& l : lines) bytes += l + "\r\n";
        const ProjectData read = parse_project_text(bytes);
        lines[static_cast<std::size_t>(c.line - 1)] = c.written;
        std::string expected;
        for (const auto& l : lines) expected += l + "\r\n";
        EXPECT_EQ(to_file_encoding(project_file_text(read)), expected) << "line " << c.line;
    }
}

// Named values follow the 24 lines: older readers still read the design, a
// project without them is written exactly as before, and a damaged or unknown
// line after line 24 is ignored.
TEST(ProjectFile, NamedValuesAfterTheTwentyFourLines) {
    ProjectData p = every_field_changed();
    EXPECT_EQ(to_file_encoding(project_file_text(p)), kEveryFieldFile);
    set_value(p.extra, "driver.fs", "31.5");
    set_value(p.extra, "driver.qes", "0.41");
    set_value(p.extra, "Bad Key", "dropped");
    const std::string text = to_file_encoding(project_file_text(p));
    EXPECT_EQ(text, kEveryFieldFile + "driver.fs=31.5\r\ndriver.qes=0.41\r\n");
    EXPECT_EQ(parse_project_text(text), p);
    const struct {
        const char* name;
        std::string after;
        KeyValues expected;
    } cases[] = {
        {"none", "", {}},
        {"LF only", "driver.fs=20\ndriver.re=3.6\n", {{"driver.fs", "20"}, {"driver.re", "3.6"}}},
        {"damaged lines ignored", "garbage\r\n=5\r\nDriver.Fs=1\r\ndriver.fs=20\r\n\r\n", {{"driver.fs", "20"}}},
        {"later line wins", "a=1\r\nb=2\r\na=3\r\n", {{"a", "3"}, {"b", "2"}}},
        {"value with = and blanks", "note.x= a=b \r\n", {{"note.x", " a=b "}}},
    };
    for (const auto& c : cases) {
        const ProjectData back = parse_project_text(kEveryFieldFile + c.after);
        EXPECT_EQ(back.extra, c.expected) << c.name;
        ProjectData design_only = back;
        design_only.extra = {};
        EXPECT_EQ(design_only, every_field_changed()) << c.name;
    }
    // A line break inside a value cannot start a line of its own.
    ProjectData broken = every_field_changed();
    set_value(broken.extra, "note.x", "one\r\nb=2");
    EXPECT_EQ(parse_project_text(project_file_text(broken)).extra, (KeyValues{{"note.x", "one b=2"}}));
}

TEST(KeyValues, KeysAndReplacing) {
    for (const char* good : {"a", "driver.fs", "recent.8", "sheet_layout.kerf-mm"})
        EXPECT_TRUE(is_valid_key(good)) << good;
    for (const char* bad : {"", "1a", ".a", "A", "a b", "a=b", "\xC3\xA9t\xC3\xA9"})
        EXPECT_FALSE(is_valid_key(bad)) << bad;
    EXPECT_FALSE(is_valid_key(std::string(65, 'a')));
    KeyValues v;
    set_value(v, "b", "1");
    set_value(v, "a", "2");
    set_value(v, "b", "3");
    EXPECT_EQ(v, (KeyValues{{"b", "3"}, {"a", "2"}}));
    EXPECT_EQ(find_value(v, "a"), "2");
    EXPECT_EQ(find_value(v, "c"), std::nullopt);
    remove_value(v, "b");
    remove_value(v, "zz");
    EXPECT_EQ(key_value_text(v), "a=2\r\n");
}

// Hostile project and settings files: each loads tolerantly, quickly and
// without a crash.
TEST(ProjectFile, HostileFilesLoadQuicklyAsProjectsAndAsSettings) {
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
