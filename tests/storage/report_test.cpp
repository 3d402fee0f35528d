#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "../support/files.hpp"
#include "../support/temp_folder.hpp"
#include "storage/files.hpp"
#include "storage/report.hpp"

namespace enclavio {
namespace {

using Lines = std::vector<std::string>;

const std::string kRule(92, '-'), kShort(35, '-');
const std::string kTitle = "Enclavio report for project: box.ecv";
const std::string kFinished =
    "Finished size  400 mm wide    600 mm high  450 mm deep - Panel thickness  18 mm - Single Front Panel";
const std::string kFooter1 = "Report generated at:  14:05:09 on 03-07-2024 from Enclavio Version:3.3";
const std::string kFooter2 = "The latest version of Enclavio is available at https://enclavio.example.org/freesoft.htm";
const std::string kComponents =
    "Component volumes: Ports = 3.1 litres    Bracing = .5 litres   Driver =  1.3 litres       Total =  4.9 litres";

// A metric project as the windows show it, with hints that exact mode must leave out.
ReportInput metric() {
    ReportInput in;
    in.projectname = "box.ecv";
    in.notes = {"Car boot sub", "", "Port on the front", "", "", "", "", ""};
    in.cutting.finished_line = kFinished;
    in.cutting.panel_lines = {
        "Top panel  400 mm wide    432 mm deep",         "Front outer panel  400 mm wide    600 mm high",
        "Front inner panel  364 mm wide    564 mm high", "Left side panel  432 mm deep    582 mm high",
        "Right side panel  432 mm deep    582 mm high",  "Rear panel  364 mm wide    564 mm high",
        "Bottom panel  364 mm wide    432 mm deep",      "Shelf brace  374 mm wide    424 mm deep"};
    for (int i = 0; i < kPanelCount; ++i) in.hints[i] = "hint " + std::to_string(i + 1);
    in.cutting.allowance_text = "5";
    in.volume_text = " 71.2";
    in.unitsuffix = " mm";
    in.volumesuffix = " litres";
    in.ports_and_bracing_line = "Ports = 3.1 litres    Bracing = .5 litres";
    in.driver_and_total_line = "Driver =  1.3 litres       Total =  4.9 litres";
    in.working_volume_line = "Working Vol  66.3 litres";
    in.tuning_line = "Tuning Frequency  32.5 Hz";
    in.resonances = {"(1) Port Resonance  450 Hz",
                     "(2) Driver to bottom wall resonance  572 Hz",
                     "(3) Box top to bottom resonance  304 Hz",
                     "(4) Driver to top wall resonance  572 Hz",
                     "(5) Driver to rear wall resonance  481 Hz",
                     "(6) Box front to back resonance  417 Hz",
                     "(7) Driver to side wall-1 resonance  945 Hz",
                     "(8) Box side to side resonance  471 Hz",
                     "Unable to calculate Driver to side wall-2 resonance"};
    in.ports_text = "1";
    in.driversize_text = " 8 inch";
    in.drivers_text = "2";
    std::tie(in.diameter_text, in.length_text, in.wall_text) = std::tuple(" 102", " 381", " 3");
    std::tie(in.driverdepth_text, in.driverdown_text, in.driversideways_text) = std::tuple(" 95", " 300", " 0");
    in.time_text = "14:05:09";
    in.date_text = "03-07-2024";
    return in;
}

Lines report_lines(const ReportInput& in) { return split_lines(compose_report(in, "\n")); }

// The `count` lines from the first one equal to `heading`.
Lines section(const Lines& lines, const std::string& heading, std::size_t count) {
    const auto at = std::find(lines.begin(), lines.end(), heading);
    return Lines(at, at + std::min<std::size_t>(count, lines.end() - at));
}

TEST(Report, MetricEverythingIncluded) {
    const ReportInput in = metric();
    Lines expected = {kTitle,
                      kRule,
                      "",
                      "Car boot sub",
                      "Port on the front",
                      "",
                      "",
                      kFinished,
                      "",
                      "Internal Volume:  71.2 litres   Working Vol  66.3 litres   Tuning Frequency  32.5 Hz",
                      "",
                      kComponents,
                      "",
                      "",
                      "Cutting List",
                      kRule,
                      "Panel dimensions show finished size",
                      ""};
    for (const auto& line : in.cutting.panel_lines) expected.insert(expected.end(), {line, ""});
    expected.insert(expected.end(), {"Shelf brace includes 5mm all round for rebating into 4 adjacent panels", "", "",
                                     "Resonances", kRule, ""});
    for (const auto& line : in.resonances) expected.insert(expected.end(), {line, ""});
    expected.insert(expected.end(), {"",
                                     "Port details",
                                     kRule,
                                     "Number of ports: 1",
                                     "Internal Diameter:  102 mm",
                                     "Length:  381 mm",
                                     "Wall Thickness:  3 mm",
                                     "",
                                     "",
                                     "Driver details",
                                     kRule,
                                     "Driver size:  8 inch",
                                     "Number of Drivers: 2",
                                     "",
                                     "Location of acoustic centre",
                                     kShort,
                                     "Box front to mid-depth of cone:  95 mm",
                                     "Box top to driver centre:  300 mm",
                                     "Offset from vertical centreline:  0 mm",
                                     "",
                                     "",
                                     kRule,
                                     kFooter1,
                                     kFooter2});
    EXPECT_EQ(report_lines(in), expected);
}

// The lines that differ per unit mode, and the edge cases in every mode.
TEST(Report, EdgeCasesPerMode) {
    const struct {
        const char *name, *unit, *volumesuffix, *volume, *allowance;
        std::array<const char*, 6> texts;  // diameter, length, wall, depth, down, sideways
        Lines ports, centre;
    } modes[] = {
        {"metric",
         " mm",
         " litres",
         " 71.2",
         "5",
         {" 102", " 381", " 3", " 95", " 300", " 0"},
         {"Internal Diameter:  102 mm", "Length:  381 mm", "Wall Thickness:  3 mm"},
         {"Box front to mid-depth of cone:  95 mm", "Box top to driver centre:  300 mm",
          "Offset from vertical centreline:  0 mm"}},
        {"cm",
         " cm",
         " litres",
         " 71.2",
         "0.5",
         {"10.2", "38.1", "0.3", "9.5", "30", "0"},
         {"Internal Diameter: 10.2 cm", "Length: 38.1 cm", "Wall Thickness: 0.3 cm"},
         {"Box front to mid-depth of cone: 9.5 cm", "Box top to driver centre: 30 cm",
          "Offset from vertical centreline: 0 cm"}},
        {"inches",
         " inches",
         " cu.ft",
         " 2.51",
         "3/16",
         {"4", "1' 3", "1/8", "3 3/4", "11 13/16", "0"},
         {"Internal Diameter: 4 inches", "Length: 1' 3 inches", "Wall Thickness: 1/8 inches"},
         {"Box front to mid-depth of cone: 3 3/4 inches", "Box top to driver centre: 11 13/16 inches",
          "Offset from vertical centreline: 0 inches"}},
        {"decimal inches",
         " inches",
         " cu.ft",
         " 2.51",
         "0.2",
         {" 4", " 15", " .13", " 3.74", " 11.81", " 0"},
         {"Internal Diameter:  4 inches", "Length:  15 inches", "Wall Thickness:  .13 inches"},
         {"Box front to mid-depth of cone:  3.74 inches", "Box top to driver centre:  11.81 inches",
          "Offset from vertical centreline:  0 inches"}},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE(m.name);
        ReportInput in = metric();
        in.unitsuffix = m.unit;
        in.volumesuffix = m.volumesuffix;
        in.volume_text = m.volume;
        in.cutting.allowance_text = m.allowance;
        in.show_exact = false;
        std::tie(in.diameter_text, in.length_text, in.wall_text, in.driverdepth_text, in.driverdown_text,
                 in.driversideways_text) =
            std::tuple(m.texts[0], m.texts[1], m.texts[2], m.texts[3], m.texts[4], m.texts[5]);
        Lines lines = report_lines(in);
        EXPECT_EQ(section(lines, "Port details", 6),
                  (Lines{"Port details", kRule, "Number of ports: 1", m.ports[0], m.ports[1], m.ports[2]}));
        EXPECT_EQ(section(lines, "Location of acoustic centre", 5),
                  (Lines{"Location of acoustic centre", kShort, m.centre[0], m.centre[1], m.centre[2]}));
        // Two blanks before the unit; each hint just above its panel, unless the box is cleared.
        const std::string allowance = "Panel dimensions include " + std::string(m.allowance) + " " + m.unit +
                                      " allowance on any edges to be trimmed after gluing";
        EXPECT_EQ(section(lines, "Cutting List", 7),
                  (Lines{"Cutting List", kRule, allowance, "", "hint 1", in.cutting.panel_lines[0], ""}));
        ReportInput no_hints = in;
        no_hints.include_hints = false;
        EXPECT_EQ(section(report_lines(no_hints), "Cutting List", 6),
                  (Lines{"Cutting List", kRule, allowance, "", in.cutting.panel_lines[0], ""}));

        // Notes 1 and 3 with 2 empty; a note of blanks is written; no notes.
        in.notes = {"first", "", "third", "   "};
        lines = report_lines(in);
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + 9),
                  (Lines{kTitle, kRule, "", "first", "third", "   ", "", "", kFinished}));
        in.notes = {}, in.include_notes = false;  // the box is disabled when there are no notes
        lines = report_lines(in);
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4), (Lines{kTitle, kRule, "", kFinished}));

        in.projectname = "default";
        in.include_cutting = in.include_hints = false;
        in.include_resonances = in.include_ports = in.include_driver = false;
        EXPECT_EQ(report_lines(in), (Lines{"Enclavio report for project: default", kRule, "", kFinished, "",
                                           "Internal Volume: " + std::string(m.volume) + m.volumesuffix +
                                               "   Working Vol  66.3 litres   Tuning Frequency  32.5 Hz",
                                           "", kComponents, "", "", kRule, kFooter1, kFooter2}));
    }
}

TEST(Report, LineEndsAndWriting) {
    ReportInput in = metric();
    const std::string crlf = compose_report(in);
    EXPECT_TRUE(crlf.ends_with(kFooter2 + "\r\n"));
    EXPECT_EQ(std::count(crlf.begin(), crlf.end(), '\n'), std::count(crlf.begin(), crlf.end(), '\r'));
    EXPECT_EQ(crlf, compose_report(in, "\r\n"));

    test_support::TempFolder dir;
    const auto path = report_path(dir.str());
    test_support::put_bytes(path, "an older report");
    // UTF-8 whether or not the letters would fit Windows-1252, no byte-order mark.
    in.notes[0] = "Caf\xC3\xA9 build";
    in.notes[1] = "Port \xC3\x98 86 mm \xE2\x80\x93 \xE2\x82\xAC 40";
    ASSERT_TRUE(write_report(path, in));
    const std::string bytes = test_support::get_bytes(path);
    EXPECT_EQ(bytes, compose_report(in, "\r\n"));
    EXPECT_TRUE(bytes.starts_with("Enclavio report"));
    EXPECT_NE(bytes.find("\r\nCaf\xC3\xA9 build\r\nPort \xC3\x98 86 mm \xE2\x80\x93 \xE2\x82\xAC 40\r\n"),
              std::string::npos);
}

TEST(Report, StampFormats) {
    std::tm t{};
    t.tm_year = 2024 - 1900, t.tm_mon = 2, t.tm_mday = 7, t.tm_hour = 4, t.tm_min = 5, t.tm_sec = 9;
    t.tm_isdst = -1;
    const auto stamp = report_stamp(std::mktime(&t));
    EXPECT_EQ(stamp.time_text, "04:05:09");
    EXPECT_EQ(stamp.date_text, "03-07-2024");
}

}  // namespace
}  // namespace enclavio
