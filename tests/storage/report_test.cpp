#include <gtest/gtest.h>

#include <algorithm>

#include "storage/storage.hpp"
#include "temp_folder.hpp"

namespace enclavio {
namespace {

using testing::get_bytes;
using testing::put_bytes;
using testing::TempFolder;
using Lines = std::vector<std::string>;

const std::string kRule(92, '-');
const std::string kShort(35, '-');
const std::string kFooter1 = "Report generated at:  14:05:09 on 03-07-2024 from Enclavio Version:3.3";
const std::string kFooter2 =
    "The latest version of Enclavio is available at https://enclavio.example.org/freesoft.htm";
const std::string kBrace = "Shelf brace includes 5mm all round for rebating into 4 adjacent panels";

// A metric project as the windows show it, cutting list exact.
ReportInput metric_input() {
    ReportInput in;
    in.projectname = "box.ecv";
    in.notes = {"Car boot sub", "", "Port on the front", "", "", "", "", ""};
    in.cutting.finished_line =
        "Finished size  400 mm wide    600 mm high  450 mm deep - Panel thickness  18 mm - "
        "Single Front Panel";
    in.cutting.panel_lines = {
        "Top panel  400 mm wide    432 mm deep",   "Front outer panel  400 mm wide    600 mm high",
        "Front inner panel  364 mm wide    564 mm high",
        "Left side panel  432 mm deep    582 mm high",
        "Right side panel  432 mm deep    582 mm high",
        "Rear panel  364 mm wide    564 mm high",  "Bottom panel  364 mm wide    432 mm deep",
        "Shelf brace  374 mm wide    424 mm deep"};
    in.cutting.allowance_text = "5";
    in.cutting.allowance2_text = "10";
    in.show_exact = true;
    in.volume_text = " 71.2";
    in.unitsuffix = " mm";
    in.volumesuffix = " litres";
    in.label6 = "Ports = 3.1 litres    Bracing = .5 litres";
    in.label28 = "Driver =  1.3 litres       Total =  4.9 litres";
    in.label26 = "Working Vol  66.3 litres";
    in.label27 = "Tuning Frequency  32.5 Hz";
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
    in.diameter_text = " 102";
    in.length_text = " 381";
    in.wall_text = " 3";
    in.driversize_text = " 8 inch";
    in.drivers_text = "2";
    in.driverdepth_text = " 95";
    in.driverdown_text = " 300";
    in.driversideways_text = " 0";
    in.time_text = "14:05:09";
    in.date_text = "03-07-2024";
    return in;
}

// The same project in centimetres with the trimming allowance shown.
ReportInput cm_allowance_input() {
    ReportInput in = metric_input();
    in.unitsuffix = " cm";
    in.cutting.finished_line =
        "Finished size  40 cm wide    60 cm high  45 cm deep - Panel thickness  1.8 cm - "
        "Single Front Panel";
    in.cutting.panel_lines = {
        "Top panel  41 cm wide (1 extra)    43.7 cm deep (0.5 extra)",
        "Front outer panel  41 cm wide (1 extra)    61 cm high (1 extra)",
        "Front inner panel  36.4 cm wide    56.4 cm high",
        "Left side panel  43.7 cm deep (0.5 extra)    58.7 cm high (0.5 extra)",
        "Right side panel  43.7 cm deep (0.5 extra)    58.7 cm high (0.5 extra)",
        "Rear panel  36.4 cm wide    56.4cm high",
        "Bottom panel  36.4 cm wide    43.7cm deep (0.5 extra)",
        "Shelf brace  37.4 cm wide    42.4 cm deep"};
    in.cutting.allowance_text = "0.5";
    in.cutting.allowance2_text = "1";
    in.show_exact = false;
    for (int i = 0; i < kPanelCount; ++i) in.hints[i] = std::string(trimming_hints()[i]);
    in.diameter_text = "10.2";
    in.length_text = "38.1";
    in.wall_text = "0.3";
    in.driverdepth_text = "9.5";
    in.driverdown_text = "30";
    in.driversideways_text = "0";
    return in;
}

ReportInput inches_input() {
    ReportInput in = metric_input();
    in.unitsuffix = " inches";
    in.volumesuffix = " cu.ft";
    in.volume_text = " 2.51";
    in.cutting.allowance_text = "3/16";
    in.cutting.allowance2_text = "3/8";
    in.diameter_text = "4";
    in.length_text = "1' 3";
    in.wall_text = "1/8";
    in.driverdepth_text = "3 3/4";
    in.driverdown_text = "11 13/16";
    in.driversideways_text = "0";
    return in;
}

ReportInput decimal_inches_input() {
    ReportInput in = inches_input();
    in.cutting.allowance_text = "0.2";
    in.cutting.allowance2_text = "0.4";
    in.diameter_text = " 4";
    in.length_text = " 15";
    in.wall_text = " .13";
    in.driverdepth_text = " 3.74";
    in.driverdown_text = " 11.81";
    in.driversideways_text = " 0";
    return in;
}

Lines report_lines(const ReportInput& in) { return split_lines(compose_report(in, "\n")); }

// The `count` lines that follow the first line equal to `heading`, heading included.
Lines section(const Lines& lines, const std::string& heading, std::size_t count) {
    const auto at = std::find(lines.begin(), lines.end(), heading);
    if (at == lines.end()) return {"<no " + heading + ">"};
    const auto n = std::min<std::size_t>(count, lines.end() - at);
    return Lines(at, at + n);
}

TEST(Report, MetricEverythingIncluded) {
    const Lines expected = {
        "Enclavio report for project: box.ecv",
        kRule,
        "",
        "Car boot sub",
        "Port on the front",
        "",
        "",
        "Finished size  400 mm wide    600 mm high  450 mm deep - Panel thickness  18 mm - "
        "Single Front Panel",
        "",
        "Internal Volume:  71.2 litres   Working Vol  66.3 litres   Tuning Frequency  32.5 Hz",
        "",
        "Component volumes: Ports = 3.1 litres    Bracing = .5 litres   Driver =  1.3 litres"
        "       Total =  4.9 litres",
        "",
        "",
        "Cutting List",
        kRule,
        "Panel dimensions show finished size",
        "",
        "Top panel  400 mm wide    432 mm deep",
        "",
        "Front outer panel  400 mm wide    600 mm high",
        "",
        "Front inner panel  364 mm wide    564 mm high",
        "",
        "Left side panel  432 mm deep    582 mm high",
        "",
        "Right side panel  432 mm deep    582 mm high",
        "",
        "Rear panel  364 mm wide    564 mm high",
        "",
        "Bottom panel  364 mm wide    432 mm deep",
        "",
        "Shelf brace  374 mm wide    424 mm deep",
        "",
        kBrace,
        "",
        "",
        "Resonances",
        kRule,
        "",
        "(1) Port Resonance  450 Hz",
        "",
        "(2) Driver to bottom wall resonance  572 Hz",
        "",
        "(3) Box top to bottom resonance  304 Hz",
        "",
        "(4) Driver to top wall resonance  572 Hz",
        "",
        "(5) Driver to rear wall resonance  481 Hz",
        "",
        "(6) Box front to back resonance  417 Hz",
        "",
        "(7) Driver to side wall-1 resonance  945 Hz",
        "",
        "(8) Box side to side resonance  471 Hz",
        "",
        "Unable to calculate Driver to side wall-2 resonance",
        "",
        "",
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
        kFooter2,
    };
    EXPECT_EQ(report_lines(metric_input()), expected);
}

TEST(Report, EveryCheckBoxCleared) {
    for (const ReportInput& base : {metric_input(), cm_allowance_input(), inches_input()}) {
        ReportInput in = base;
        in.projectname = "default";
        in.include_notes = in.include_cutting = in.include_hints = false;
        in.include_resonances = in.include_ports = in.include_driver = false;
        const Lines expected = {
            "Enclavio report for project: default",
            kRule,
            "",
            in.cutting.finished_line,
            "",
            "Internal Volume: " + in.volume_text + in.volumesuffix +
                "   Working Vol  66.3 litres   Tuning Frequency  32.5 Hz",
            "",
            "Component volumes: Ports = 3.1 litres    Bracing = .5 litres   Driver =  1.3 litres"
            "       Total =  4.9 litres",
            "",
            "",
            kRule,
            kFooter1,
            kFooter2,
        };
        EXPECT_EQ(report_lines(in), expected) << in.unitsuffix;
    }
}

TEST(Report, NotesSection) {
    const auto notes_of = [](std::array<std::string, 8> notes, bool include) {
        ReportInput in = metric_input();
        in.notes = notes;
        in.include_notes = include;
        const Lines lines = report_lines(in);
        // Between the title's rule and blank, and the finished-size line.
        const auto finished = std::find(lines.begin(), lines.end(), in.cutting.finished_line);
        return Lines(lines.begin() + 3, finished);
    };
    const struct {
        const char* name;
        std::array<std::string, 8> notes;
        bool include;
        Lines section;
    } cases[] = {
        {"lines 1 and 3, 2 empty", {"first", "", "third"}, true, {"first", "third", "", ""}},
        {"notes left out", {"first", "", "third"}, false, {}},
        {"no notes", {}, false, {}},
        {"blank line is written", {"", "   ", "", "", "", "", "", "eighth"}, true,
         {"   ", "eighth", "", ""}},
        {"all eight", {"1", "2", "3", "4", "5", "6", "7", "8"}, true,
         {"1", "2", "3", "4", "5", "6", "7", "8", "", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(notes_of(c.notes, c.include), c.section) << c.name;
}

TEST(Report, CentimetreAllowanceWithHints) {
    const ReportInput in = cm_allowance_input();
    const Lines expected = {
        "Cutting List",
        kRule,
        "Panel dimensions include 0.5  cm allowance on any edges to be trimmed after gluing",
        "",
        "Top Panel: Good edge to front - trim both side edges and back edge after glue dries",
        "Top panel  41 cm wide (1 extra)    43.7 cm deep (0.5 extra)",
        "",
        "Front Outer Panel: trim all around after glue dries",
        "Front outer panel  41 cm wide (1 extra)    61 cm high (1 extra)",
        "",
        "Front inner panel to be cut exact",
        "Front inner panel  36.4 cm wide    56.4 cm high",
        "",
        "Left side panel: Good edges to top and front - trim bottom and back edges after glue dries",
        "Left side panel  43.7 cm deep (0.5 extra)    58.7 cm high (0.5 extra)",
        "",
        "Right side panel: Good edges to top and front - trim bottom and back edges after glue "
        "dries",
        "Right side panel  43.7 cm deep (0.5 extra)    58.7 cm high (0.5 extra)",
        "",
        "Rear panel to be cut exact",
        "Rear panel  36.4 cm wide    56.4cm high",
        "",
        "Bottom panel: Good edges front and sides - trim back edge after glue dries",
        "Bottom panel  36.4 cm wide    43.7cm deep (0.5 extra)",
        "",
        "Shelf brace to be cut exact",
        "Shelf brace  37.4 cm wide    42.4 cm deep",
        "",
        "",
        kBrace,
        "",
        "",
        "Resonances",
    };
    EXPECT_EQ(section(report_lines(in), "Cutting List", expected.size()), expected);
}

TEST(Report, AllowanceLineAndHintsPerMode) {
    const struct {
        const char* name;
        ReportInput in;
        bool show_exact, include_hints;
        std::string allowance_line;
        bool hints_written;
    } cases[] = {
        {"mm exact, hints ticked", metric_input(), true, true,
         "Panel dimensions show finished size", false},
        {"mm allowance", metric_input(), false, true,
         "Panel dimensions include 5  mm allowance on any edges to be trimmed after gluing", true},
        {"mm allowance, hints cleared", metric_input(), false, false,
         "Panel dimensions include 5  mm allowance on any edges to be trimmed after gluing", false},
        {"cm allowance, hints cleared", cm_allowance_input(), false, false,
         "Panel dimensions include 0.5  cm allowance on any edges to be trimmed after gluing",
         false},
        {"inches allowance", inches_input(), false, true,
         "Panel dimensions include 3/16  inches allowance on any edges to be trimmed after gluing",
         true},
        {"decimal inches allowance", decimal_inches_input(), false, true,
         "Panel dimensions include 0.2  inches allowance on any edges to be trimmed after gluing",
         true},
        {"decimal inches exact", decimal_inches_input(), true, false,
         "Panel dimensions show finished size", false},
    };
    for (const auto& c : cases) {
        ReportInput in = c.in;
        in.show_exact = c.show_exact;
        in.include_hints = c.include_hints;
        for (int i = 0; i < kPanelCount; ++i) in.hints[i] = "hint " + std::to_string(i + 1);
        const Lines lines = report_lines(in);
        const Lines cut = section(lines, "Cutting List", c.hints_written ? 30 : 21);
        ASSERT_GE(cut.size(), 21u) << c.name;
        EXPECT_EQ(cut[2], c.allowance_line) << c.name;
        EXPECT_EQ(cut[3], "") << c.name;
        const std::size_t step = c.hints_written ? 3 : 2;
        for (int i = 0; i < kPanelCount; ++i) {
            const std::size_t at = 4 + step * i;
            if (c.hints_written) {
                EXPECT_EQ(cut[at], "hint " + std::to_string(i + 1)) << c.name;
            }
            EXPECT_EQ(cut[at + step - 2], in.cutting.panel_lines[i]) << c.name;
            EXPECT_EQ(cut[at + step - 1], "") << c.name;
        }
        const std::size_t after = 4 + step * kPanelCount;
        if (c.hints_written) {
            EXPECT_EQ(cut[after], "") << c.name;
            EXPECT_EQ(cut[after + 1], kBrace) << c.name;
        } else {
            EXPECT_EQ(cut[after], kBrace) << c.name;
        }
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "hint 1"), c.hints_written ? 1 : 0)
            << c.name;
    }
}

TEST(Report, PortAndDriverLinesPerMode) {
    const struct {
        const char* name;
        ReportInput in;
        Lines port, driver;
    } cases[] = {
        {"cm", cm_allowance_input(),
         {"Port details", kRule, "Number of ports: 1", "Internal Diameter: 10.2 cm",
          "Length: 38.1 cm", "Wall Thickness: 0.3 cm", "", ""},
         {"Driver details", kRule, "Driver size:  8 inch", "Number of Drivers: 2", "",
          "Location of acoustic centre", kShort, "Box front to mid-depth of cone: 9.5 cm",
          "Box top to driver centre: 30 cm", "Offset from vertical centreline: 0 cm", "", ""}},
        {"inches", inches_input(),
         {"Port details", kRule, "Number of ports: 1", "Internal Diameter: 4 inches",
          "Length: 1' 3 inches", "Wall Thickness: 1/8 inches", "", ""},
         {"Driver details", kRule, "Driver size:  8 inch", "Number of Drivers: 2", "",
          "Location of acoustic centre", kShort, "Box front to mid-depth of cone: 3 3/4 inches",
          "Box top to driver centre: 11 13/16 inches",
          "Offset from vertical centreline: 0 inches", "", ""}},
        {"decimal inches", decimal_inches_input(),
         {"Port details", kRule, "Number of ports: 1", "Internal Diameter:  4 inches",
          "Length:  15 inches", "Wall Thickness:  .13 inches", "", ""},
         {"Driver details", kRule, "Driver size:  8 inch", "Number of Drivers: 2", "",
          "Location of acoustic centre", kShort, "Box front to mid-depth of cone:  3.74 inches",
          "Box top to driver centre:  11.81 inches",
          "Offset from vertical centreline:  0 inches", "", ""}},
    };
    for (const auto& c : cases) {
        const Lines lines = report_lines(c.in);
        EXPECT_EQ(section(lines, "Port details", c.port.size()), c.port) << c.name;
        EXPECT_EQ(section(lines, "Driver details", c.driver.size()), c.driver) << c.name;
        EXPECT_EQ(lines[9], "Internal Volume: " + c.in.volume_text + c.in.volumesuffix +
                                "   Working Vol  66.3 litres   Tuning Frequency  32.5 Hz")
            << c.name;
    }
}

TEST(Report, SectionsComeAndGoIndependently) {
    const struct {
        bool cutting, resonances, ports, driver;
    } cases[] = {{true, false, false, false}, {false, true, false, false},
                 {false, false, true, false}, {false, false, false, true},
                 {true, false, true, false},  {false, true, false, true}};
    for (const auto& c : cases) {
        ReportInput in = metric_input();
        in.include_cutting = c.cutting;
        in.include_resonances = c.resonances;
        in.include_ports = c.ports;
        in.include_driver = c.driver;
        const Lines lines = report_lines(in);
        const auto has = [&](const char* h) {
            return std::find(lines.begin(), lines.end(), h) != lines.end();
        };
        EXPECT_EQ(has("Cutting List"), c.cutting);
        EXPECT_EQ(has("Resonances"), c.resonances);
        EXPECT_EQ(has("Port details"), c.ports);
        EXPECT_EQ(has("Driver details"), c.driver);
        const std::size_t expected_size = 13 + 4 /*notes*/ + (c.cutting ? 23 : 0) +
                                          (c.resonances ? 22 : 0) + (c.ports ? 8 : 0) +
                                          (c.driver ? 12 : 0);
        EXPECT_EQ(lines.size(), expected_size);
        EXPECT_EQ(lines.back(), kFooter2);
    }
}

TEST(Report, LineEnds) {
    const ReportInput in = metric_input();
    const std::string crlf = compose_report(in);
    const std::string lf = compose_report(in, "\n");
    EXPECT_TRUE(crlf.ends_with(kFooter2 + "\r\n"));
    EXPECT_TRUE(lf.ends_with(kFooter2 + "\n"));
    EXPECT_EQ(std::count(crlf.begin(), crlf.end(), '\n'), std::count(crlf.begin(), crlf.end(), '\r'));
    EXPECT_EQ(std::count(lf.begin(), lf.end(), '\r'), 0);
    EXPECT_EQ(split_lines(crlf), split_lines(lf));
}

TEST(Report, WriteReport) {
    TempFolder dir;
    const auto path = report_path(dir.str());
    put_bytes(path, "an older report");
    ReportInput in = metric_input();
    in.notes[0] = "Caf\xC3\xA9 build";
    ASSERT_TRUE(write_report(path, in));
    const std::string bytes = get_bytes(path);
    EXPECT_EQ(bytes, to_file_encoding(compose_report(in, "\r\n")));
    EXPECT_NE(bytes.find("\r\nCaf\xE9 build\r\n"), std::string::npos);

    put_bytes(dir.file("plain"), "x");
    EXPECT_FALSE(write_report(report_path(dir.file("plain")), in));
    EXPECT_FALSE(write_report(report_path(dir.file("missing")), in));
    EXPECT_EQ(get_bytes(path), bytes);
}

TEST(Report, StampFormats) {
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 4;
    t.tm_min = 5;
    t.tm_sec = 9;
    t.tm_isdst = -1;
    const auto stamp = report_stamp(std::mktime(&t));
    EXPECT_EQ(stamp.time_text, "04:05:09");
    EXPECT_EQ(stamp.date_text, "03-07-2024");
}

}  // namespace
}  // namespace enclavio
