// The cutting list as CSV: one line per panel of the box in each unit mode,
// with the allowance, and sizes a spreadsheet reads as numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../design/boxes.hpp"
#include "cutting/cutting.hpp"

namespace enclavio {
namespace {

using fixture::box;

std::vector<std::string> csv_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(CuttingCsv, OneLinePerPanelInEachUnitMode) {
    struct Case {
        UnitMode mode;
        bool exact, double_front;
        std::vector<std::string> lines;  // after the header
    };
    const Case cases[] = {
        {UnitMode::Metric,
         true,
         true,
         {"Top panel,400,482,1,mm", "Front outer panel,400,600,1,mm", "Front inner panel,364,564,1,mm",
          "Left side panel,482,582,1,mm", "Right side panel,482,582,1,mm", "Rear panel,364,564,1,mm",
          "Bottom panel,364,482,1,mm", "Shelf brace,374,456,1,mm"}},
        // A single front has no inner panel; the allowance goes on the trimmed edges.
        {UnitMode::Metric,
         false,
         false,
         {"Top panel,410,487,1,mm", "Front outer panel,410,610,1,mm", "Left side panel,487,587,1,mm",
          "Right side panel,487,587,1,mm", "Rear panel,364,564,1,mm", "Bottom panel,364,487,1,mm",
          "Shelf brace,374,474,1,mm"}},
        {UnitMode::MetricCm,
         true,
         false,
         {"Top panel,40,48.2,1,cm", "Front outer panel,40,60,1,cm", "Left side panel,48.2,58.2,1,cm",
          "Right side panel,48.2,58.2,1,cm", "Rear panel,36.4,56.4,1,cm", "Bottom panel,36.4,48.2,1,cm",
          "Shelf brace,37.4,47.4,1,cm"}},
        {UnitMode::Inches,
         true,
         true,
         {"Top panel,1' 3 3/4,1' 7,1,ft-in", "Front outer panel,1' 3 3/4,1' 11 5/8,1,ft-in",
          "Front inner panel,1' 2 5/16,1' 10 3/16,1,ft-in", "Left side panel,1' 7,1' 10 15/16,1,ft-in",
          "Right side panel,1' 7,1' 10 15/16,1,ft-in", "Rear panel,1' 2 5/16,1' 10 3/16,1,ft-in",
          "Bottom panel,1' 2 5/16,1' 7,1,ft-in", "Shelf brace,1' 2 3/4,1' 5 15/16,1,ft-in"}},
        {UnitMode::DecimalInches,
         false,
         false,
         {"Top panel,16.14,19.17,1,in", "Front outer panel,16.14,24.02,1,in", "Left side panel,19.17,23.11,1,in",
          "Right side panel,19.17,23.11,1,in", "Rear panel,14.33,22.2,1,in", "Bottom panel,14.33,19.17,1,in",
          "Shelf brace,14.72,18.66,1,in"}},
    };
    for (const Case& c : cases) {
        const auto lines = csv_lines(cutting_csv(box(500, 400, 600, 18, c.double_front), c.mode, c.exact));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], "Panel,First size,Second size,Quantity,Unit");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), c.lines)
            << unit_mode_literal(c.mode) << (c.exact ? " exact" : " allowance");
    }
}

// The list's " .4" is written "0.4" and its padding blank dropped, so that a
// spreadsheet takes every size as a number.
TEST(CuttingCsv, SmallSizesGetALeadingZero) {
    const auto lines = csv_lines(cutting_csv(box(500, 40, 600, 18, false), UnitMode::MetricCm, true));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[5], "Rear panel,0.4,56.4,1,cm");
}

}  // namespace
}  // namespace enclavio
