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
const std::string kComponents =
    "Component volumes: Ports = 3.1 litres    Bracing = .5 litres   Driver =  1.3 litres       Total =  4.9 litres";

// A metric project as the windows show it, cutting list exact.
ReportInput metric() {
    ReportInput in;
    in.projectname = "box.ecv";
    in.notes = {"Car boot sub", "", "Port on the front", "", "", "", "", ""};
    in.cutting.finished_line =
        "Finished size  400 mm wide    600 mm high  450 mm deep - Panel thickness  18 mm - Single Front Panel";
    in.cutting.panel_lines = {"Top panel  400 mm wide    432 mm deep", "Front outer panel  400 mm wide    600 mm high",
                              "Front inner panel  364 mm wide    564 mm high",
                              "Left side panel  432 mm deep    582 mm high",
                              "Right side panel  432 mm deep    582 mm high", "Rear panel  364 mm wide    564 mm high",
                              "Bottom panel  364 mm wide    432 mm deep", "Shelf brace  374 mm wide    424 mm deep"};
    in.cutting.allowance_text = "5";
    in.cutting.allowance2_text = "10";
    in.volume_text = " 71.2";
    in.unitsuffix = " mm";
    in.volumesuffix = " litres";
    in.label6 = "Ports = 3.1 litres    Bracing = .5 litres";
    in.label28 = "Driver =  1.3 litres       Total =  4.9 litres";
    in.label26 = "Working Vol  66.3 litres";
    in.label27 = "Tuning Frequency  32.5 Hz";
    in.resonances = {"(1) Port Resonance  450 Hz", "(2) Driver to bottom wall resonance  572 Hz",
                     "(3) Box top to bottom resonance  304 Hz", "(4) Driver to top wall resonance  572 Hz",
                     "(5) Driver to rear wall resonance  481 Hz", "(6) Box front to back resonance  417 Hz",
                     "(7) Driver to side wall-1 resonance  945 Hz", "(8) Box side to side resonance  471 Hz",
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

// The same project in centimetres with the trimming allowance and its hints.
ReportInput cm() {
    ReportInput in = metric();
    in.unitsuffix = " cm";
    in.cutting.finished_line =
        "Finished size  40 cm wide    60 cm high  45 cm deep - Panel thickness  1.8 cm - Single Front Panel";
    in.cutting.panel_lines = {"Top panel  41 cm wide (1 extra)    43.7 cm deep (0.5 extra)",
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

ReportInput inches() {
    ReportInput in = metric();
    in.unitsuffix = " inches";
    in.volumesuffix = " cu.ft";
    in.volume_text = " 2.51";
    in.show_exact = false;
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

ReportInput decimal_inches() {
    ReportInput in = inches();
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

// The lines from the first one equal to `heading`, as many as `expected` has.
Lines section(const Lines& lines, const std::string& heading, std::size_t count) {
    const auto at = std::find(lines.begin(), lines.end(), heading);
    if (at == lines.end()) return {"<no " + heading + ">"};
    return Lines(at, at + std::min<std::size_t>(count, lines.end() - at));
}

TEST(Report, MetricEverythingIncluded) {
    const ReportInput in = metric();
    Lines expected = {"Enclavio report for project: box.ecv", kRule, "", "Car boot sub", "Port on the front", "", "",
                      in.cutting.finished_line, "",
                      "Internal Volume:  71.2 litres   Working Vol  66.3 litres   Tuning Frequency  32.5 Hz", "",
                      kComponents, "", "", "Cutting List", kRule, "Panel dimensions show finished size", ""};
    for (const auto& line : in.cutting.panel_lines) expected.insert(expected.end(), {line, ""});
    expected.insert(expected.end(), {kBrace, "", "", "Resonances", kRule, ""});
    for (const auto& line : in.resonances) expected.insert(expected.end(), {line, ""});
    expected.insert(expected.end(),
                    {"", "Port details", kRule, "Number of ports: 1", "Internal Diameter:  102 mm", "Length:  381 mm",
                     "Wall Thickness:  3 mm", "", "", "Driver details", kRule, "Driver size:  8 inch",
                     "Number of Drivers: 2", "", "Location of acoustic centre", kShort,
                     "Box front to mid-depth of cone:  95 mm", "Box top to driver centre:  300 mm",
                     "Offset from vertical centreline:  0 mm", "", "", kRule, kFooter1, kFooter2});
    EXPECT_EQ(report_lines(in), expected);
}

ReportInput edited(ReportInput in, void (*edit)(ReportInput&)) {
    edit(in);
    return in;
}

void numbered_hints(ReportInput& in) {
    for (int i = 0; i < kPanelCount; ++i) in.hints[i] = "hint " + std::to_string(i + 1);
}

void clear_every_box(ReportInput& in) {
    in.projectname = "default";
    in.include_notes = in.include_cutting = in.include_hints = false;
    in.include_resonances = in.include_ports = in.include_driver = false;
}

Lines cleared_report(const std::string& finished, const std::string& volume) {
    return {"Enclavio report for project: default", kRule, "", finished, "",
            "Internal Volume: " + volume + "   Working Vol  66.3 litres   Tuning Frequency  32.5 Hz", "",
            kComponents, "", "", kRule, kFooter1, kFooter2};
}

// Every edge case, compared line by line from `heading` on.
TEST(Report, EdgeCasesPerMode) {
    const std::string title = "Enclavio report for project: box.ecv";
    const std::string fin_mm = metric().cutting.finished_line, fin_cm = cm().cutting.finished_line;
    const auto allowance = [](const std::string& amount) {
        return "Panel dimensions include " + amount + " allowance on any edges to be trimmed after gluing";
    };
    const struct {
        const char* name;
        ReportInput in;
        std::string heading;
        Lines expected;
    } cases[] = {
        {"notes 1 and 3, 2 empty", edited(metric(), [](ReportInput& in) { in.notes = {"first", "", "third"}; }),
         title, {title, kRule, "", "first", "third", "", "", fin_mm}},
        {"whitespace note is written",
         edited(metric(), [](ReportInput& in) { in.notes = {"", "   ", "", "", "", "", "", "eighth"}; }), title,
         {title, kRule, "", "   ", "eighth", "", "", fin_mm}},
        {"no notes", edited(metric(), [](ReportInput& in) { in.notes = {}, in.include_notes = false; }), title,
         {title, kRule, "", fin_mm}},
        {"notes left out", edited(metric(), [](ReportInput& in) { in.include_notes = false; }), title,
         {title, kRule, "", fin_mm}},
        {"cm allowance with hints", cm(), "Cutting List",
         {"Cutting List", kRule, allowance("0.5  cm"), "",
          "Top Panel: Good edge to front - trim both side edges and back edge after glue dries",
          "Top panel  41 cm wide (1 extra)    43.7 cm deep (0.5 extra)", "",
          "Front Outer Panel: trim all around after glue dries",
          "Front outer panel  41 cm wide (1 extra)    61 cm high (1 extra)", "", "Front inner panel to be cut exact",
          "Front inner panel  36.4 cm wide    56.4 cm high", "",
          "Left side panel: Good edges to top and front - trim bottom and back edges after glue dries",
          "Left side panel  43.7 cm deep (0.5 extra)    58.7 cm high (0.5 extra)", "",
          "Right side panel: Good edges to top and front - trim bottom and back edges after glue dries",
          "Right side panel  43.7 cm deep (0.5 extra)    58.7 cm high (0.5 extra)", "", "Rear panel to be cut exact",
          "Rear panel  36.4 cm wide    56.4cm high", "",
          "Bottom panel: Good edges front and sides - trim back edge after glue dries",
          "Bottom panel  36.4 cm wide    43.7cm deep (0.5 extra)", "", "Shelf brace to be cut exact",
          "Shelf brace  37.4 cm wide    42.4 cm deep", "", "", kBrace, "", "", "Resonances"}},
        {"cm allowance, hints cleared", edited(cm(), [](ReportInput& in) { in.include_hints = false; }),
         "Cutting List", {"Cutting List", kRule, allowance("0.5  cm"), "", cm().cutting.panel_lines[0], ""}},
        {"mm exact, hints ticked", edited(metric(), numbered_hints), "Cutting List",
         {"Cutting List", kRule, "Panel dimensions show finished size", "", metric().cutting.panel_lines[0], ""}},
        {"mm allowance, hints", edited(metric(), [](ReportInput& in) { numbered_hints(in), in.show_exact = false; }),
         "Cutting List",
         {"Cutting List", kRule, allowance("5  mm"), "", "hint 1", metric().cutting.panel_lines[0], ""}},
        {"inches allowance", edited(inches(), numbered_hints), "Cutting List",
         {"Cutting List", kRule, allowance("3/16  inches"), "", "hint 1", metric().cutting.panel_lines[0], ""}},
        {"decimal inches allowance", decimal_inches(), "Cutting List",
         {"Cutting List", kRule, allowance("0.2  inches")}},
        {"cm ports", cm(), "Port details",
         {"Port details", kRule, "Number of ports: 1", "Internal Diameter: 10.2 cm", "Length: 38.1 cm",
          "Wall Thickness: 0.3 cm", "", ""}},
        {"cm driver", cm(), "Driver details",
         {"Driver details", kRule, "Driver size:  8 inch", "Number of Drivers: 2", "", "Location of acoustic centre",
          kShort, "Box front to mid-depth of cone: 9.5 cm", "Box top to driver centre: 30 cm",
          "Offset from vertical centreline: 0 cm", "", ""}},
        {"inches ports", inches(), "Port details",
         {"Port details", kRule, "Number of ports: 1", "Internal Diameter: 4 inches", "Length: 1' 3 inches",
          "Wall Thickness: 1/8 inches", "", ""}},
        {"inches driver", inches(), "Location of acoustic centre",
         {"Location of acoustic centre", kShort, "Box front to mid-depth of cone: 3 3/4 inches",
          "Box top to driver centre: 11 13/16 inches", "Offset from vertical centreline: 0 inches", "", ""}},
        {"decimal inches ports", decimal_inches(), "Port details",
         {"Port details", kRule, "Number of ports: 1", "Internal Diameter:  4 inches", "Length:  15 inches",
          "Wall Thickness:  .13 inches", "", ""}},
        {"decimal inches driver", decimal_inches(), "Location of acoustic centre",
         {"Location of acoustic centre", kShort, "Box front to mid-depth of cone:  3.74 inches",
          "Box top to driver centre:  11.81 inches", "Offset from vertical centreline:  0 inches", "", ""}},
        {"metric, every box cleared", edited(metric(), clear_every_box), "",
         cleared_report(fin_mm, " 71.2 litres")},
        {"cm, every box cleared", edited(cm(), clear_every_box), "", cleared_report(fin_cm, " 71.2 litres")},
        {"inches, every box cleared", edited(inches(), clear_every_box), "", cleared_report(fin_mm, " 2.51 cu.ft")},
        {"decimal inches, every box cleared", edited(decimal_inches(), clear_every_box), "",
         cleared_report(fin_mm, " 2.51 cu.ft")},
    };
    for (const auto& c : cases) {
        const Lines lines = report_lines(c.in);
        EXPECT_EQ(c.heading.empty() ? lines : section(lines, c.heading, c.expected.size()), c.expected) << c.name;
        if (!c.in.include_hints || c.in.show_exact) {
            EXPECT_EQ(std::count(lines.begin(), lines.end(), "hint 1"), 0) << c.name;
        }
    }
}

TEST(Report, LineEndsAndWriting) {
    const ReportInput in = metric();
    const std::string crlf = compose_report(in);
    const std::string lf = compose_report(in, "\n");
    EXPECT_TRUE(crlf.ends_with(kFooter2 + "\r\n"));
    EXPECT_EQ(std::count(crlf.begin(), crlf.end(), '\n'), std::count(crlf.begin(), crlf.end(), '\r'));
    EXPECT_EQ(std::count(lf.begin(), lf.end(), '\r'), 0);
    EXPECT_EQ(split_lines(crlf), split_lines(lf));

    TempFolder dir;
    const auto path = report_path(dir.str());
    put_bytes(path, "an older report");
    ReportInput cafe = in;
    cafe.notes[0] = "Caf\xC3\xA9 build";
    ASSERT_TRUE(write_report(path, cafe));
    const std::string bytes = get_bytes(path);
    EXPECT_EQ(bytes, to_file_encoding(compose_report(cafe, "\r\n")));
    EXPECT_NE(bytes.find("\r\nCaf\xE9 build\r\n"), std::string::npos);
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
