// Cutting-list lines in the four unit modes, exact and with allowance.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "../design/boxes.hpp"
#include "cutting/cutting.hpp"

namespace enclavio {
namespace {

using fixture::box;

// The worked example: 500 deep, 400 wide, 600 high, 18 thick.
BoxDesign example(bool double_front) { return box(500, 400, 600, 18, double_front); }

CuttingList run(const BoxDesign& d, UnitMode mode, bool exact) {
    CuttingList list;
    do_panels(d, mode, exact, list);
    return list;
}

constexpr auto M = UnitMode::Metric, C = UnitMode::MetricCm, I = UnitMode::Inches, DI = UnitMode::DecimalInches;
constexpr bool kExact = true, kAllow = false, kDouble = true, kSingle = false;
// Panel lines by PanelKind; kFin is the finished-size line.
constexpr int kFin = -1, Top = static_cast<int>(PanelKind::Top), FO = static_cast<int>(PanelKind::FrontOuter),
              FI = static_cast<int>(PanelKind::FrontInner), LS = static_cast<int>(PanelKind::LeftSide),
              RS = static_cast<int>(PanelKind::RightSide), Rear = static_cast<int>(PanelKind::Rear),
              Bot = static_cast<int>(PanelKind::Bottom), SB = static_cast<int>(PanelKind::ShelfBrace);

struct LineCase {
    UnitMode mode;
    bool exact, double_front;
    int line;
    std::string expected;
};

void expect_lines(BoxDesign (*design)(bool), const std::vector<LineCase>& cases) {
    for (const auto& c : cases) {
        const CuttingList l = run(design(c.double_front), c.mode, c.exact);
        EXPECT_EQ(c.line == kFin ? l.finished_line : l.panel_lines[c.line], c.expected)
            << unit_mode_literal(c.mode) << (c.exact ? " exact" : " allowance")
            << (c.double_front ? " double" : " single") << " line " << c.line;
    }
}

TEST(CuttingList, WorkedExampleLines) {
    const std::string fin_mm = "Finished size  400 mm wide    600 mm high  500 mm deep - Panel thickness  18 mm - ";
    const std::string fin_cm = "Finished size  40 cm wide    60 cm high  50 cm deep - Panel thickness  1.8 cm - ";
    const std::string fin_in =
        "Finished size 1' 3 3/4 in wide   1' 11 5/8 in high 1' 7 11/16 in deep - Panel thickness 11/16 in - ";
    const std::string fin_di =
        "Finished size  15.75 inches wide    23.62 inches high  19.69in deep - Panel thickness  .71in - ";
    expect_lines(
        example,
        {
            {M, kExact, kSingle, kFin, fin_mm + "Single Front Panel"},
            {M, kExact, kDouble, kFin, fin_mm + "Double Front Panel"},
            {M, kExact, kSingle, Top, "Top panel  400 mm wide    482 mm deep"},
            {M, kExact, kSingle, FO, "Front outer panel  400 mm wide    600 mm high"},
            {M, kExact, kSingle, FI, "Front inner panel  364 mm wide    564 mm high"},
            {M, kExact, kSingle, LS, "Left side panel  482 mm deep    582 mm high"},
            {M, kExact, kSingle, RS, "Right side panel  482 mm deep    582 mm high"},
            {M, kExact, kSingle, Rear, "Rear panel  364 mm wide    564 mm high"},
            {M, kExact, kSingle, Bot, "Bottom panel  364 mm wide    482 mm deep"},
            {M, kExact, kSingle, SB, "Shelf brace  374 mm wide    474 mm deep"},
            {M, kExact, kDouble, SB, "Shelf brace  374 mm wide    456 mm deep"},
            {M, kAllow, kSingle, Top, "Top panel  410 mm wide (10 extra)    487 mm deep (5 extra)"},
            {M, kAllow, kSingle, FO, "Front outer panel  410 mm wide (10 extra)    610 mm high (10 extra)"},
            {M, kAllow, kSingle, FI, "Front inner panel  364 mm wide    564 mm high"},
            {M, kAllow, kSingle, LS, "Left side panel  487 mm deep (5 extra)    587 mm high (5 extra)"},
            {M, kAllow, kSingle, RS, "Right side panel  487 mm deep (5 extra)    587 mm high (5 extra)"},
            {M, kAllow, kSingle, Rear, "Rear panel  364 mm wide    564mm high"},
            {M, kAllow, kSingle, Bot, "Bottom panel  364 mm wide    487mm deep (5 extra)"},
            {M, kAllow, kSingle, SB, "Shelf brace  374 mm wide    474 mm deep"},
            {M, kAllow, kDouble, SB, "Shelf brace  374 mm wide    456 mm deep"},
            {C, kExact, kSingle, kFin, fin_cm + "Single Front Panel"},
            {C, kExact, kDouble, kFin, fin_cm + "Double Front Panel"},
            {C, kExact, kSingle, Top, "Top panel  40 cm wide    48.2 cm deep"},
            {C, kExact, kSingle, FI, "Front inner panel  36.4 cm wide    56.4 cm high"},
            {C, kExact, kSingle, LS, "Left side panel  48.2 cm deep    58.2 cm high"},
            {C, kExact, kSingle, Rear, "Rear panel  36.4 cm wide    56.4 cm high"},
            {C, kExact, kSingle, SB, "Shelf brace  37.4 cm wide    47.4 cm deep"},
            {C, kExact, kDouble, SB, "Shelf brace  37.4 cm wide    45.6 cm deep"},
            {C, kAllow, kSingle, Top, "Top panel  41 cm wide (1 extra)    48.7 cm deep (0.5 extra)"},
            {C, kAllow, kSingle, FO, "Front outer panel  41 cm wide (1 extra)    61 cm high (1 extra)"},
            {C, kAllow, kSingle, RS, "Right side panel  48.7 cm deep (0.5 extra)    58.7 cm high (0.5 extra)"},
            {C, kAllow, kSingle, Rear, "Rear panel  36.4 cm wide    56.4cm high"},
            {C, kAllow, kSingle, Bot, "Bottom panel  36.4 cm wide    48.7cm deep (0.5 extra)"},
            {I, kExact, kSingle, kFin, fin_in + "Single Front Panel"},
            {I, kExact, kDouble, kFin, fin_in + "Double Front Panel"},
            {I, kExact, kSingle, Top, "Top panel 1' 3 3/4 inches wide   1' 7 inches deep"},
            {I, kExact, kSingle, FO, "Front outer panel 1' 3 3/4 inches wide   1' 11 5/8 inches high"},
            {I, kExact, kSingle, FI, "Front inner panel 1' 2 5/16 inches wide   1' 10 3/16 inches high"},
            {I, kExact, kSingle, LS, "Left side panel 1' 7 inches deep   1' 10 15/16 inches high"},
            {I, kExact, kSingle, Rear, "Rear panel 1' 2 5/16 inches wide   1' 10 3/16 inches high"},
            {I, kExact, kSingle, Bot, "Bottom panel 1' 2 5/16 inches wide   1' 7 inches deep"},
            {I, kExact, kSingle, SB, "Shelf brace 1' 2 3/4 inches wide   1' 6 11/16 inches deep"},
            {I, kExact, kDouble, SB, "Shelf brace 1' 2 3/4 inches wide   1' 5 15/16 inches deep"},
            {I, kAllow, kSingle, Top,
             "Top panel 1' 4 1/8 inches wide (3/8 extra)   1' 7 3/16 inches deep (3/16 extra)"},
            {I, kAllow, kSingle, FO, "Front outer panel 1' 4 1/8 inches wide (3/8 extra)   2' inches high (3/8 extra)"},
            {I, kAllow, kSingle, LS,
             "Left side panel 1' 7 3/16 inches deep (3/16 extra)   1' 11 1/8 inches high (3/16 extra)"},
            {I, kAllow, kSingle, Rear, "Rear panel 1' 2 5/16 inches wide   1' 10 3/16 inches high"},
            {I, kAllow, kSingle, Bot, "Bottom panel 1' 2 5/16 inches wide   1' 7 3/16 inches deep (3/16 extra)"},
            {DI, kExact, kSingle, kFin, fin_di + "Single Front Panel"},
            {DI, kExact, kDouble, kFin, fin_di + "Double Front Panel"},
            {DI, kExact, kSingle, Top, "Top panel  15.75 inches wide    18.98 inches deep"},
            {DI, kExact, kSingle, FI, "Front inner panel  14.33 inches wide    22.2 inches high"},
            {DI, kExact, kSingle, LS, "Left side panel  18.98 inches deep    22.91 inches high"},
            {DI, kExact, kSingle, SB, "Shelf brace  14.72 inches wide    18.66 inches deep"},
            {DI, kExact, kDouble, SB, "Shelf brace  14.72 inches wide    17.95 inches deep"},
            // 410 mm and 487 mm: the allowance is 10 and 5 mm, not 0.4 and 0.2 inch.
            {DI, kAllow, kSingle, Top, "Top panel  16.14 inches wide (0.4 extra)    19.17 inches deep (0.2 extra)"},
            {DI, kAllow, kSingle, FO,
             "Front outer panel  16.14 inches wide (0.4 extra)    24.02 inches high (0.4 extra)"},
            {DI, kAllow, kSingle, LS,
             "Left side panel  19.17 inches deep (0.2 extra)    23.11 inches high (0.2 extra)"},
            {DI, kAllow, kSingle, Rear, "Rear panel  14.33 inches wide    22.2 inches high"},
            {DI, kAllow, kSingle, Bot, "Bottom panel  14.33 inches wide    19.17 inches deep (0.2 extra)"},
        });
}

TEST(CuttingList, NegativeAndExponentSizes) {
    // 30 mm wide: inner width -6 mm, brace 4 mm.
    expect_lines([](bool) { return box(500, 30, 600, 18, false); },
                 {
                     {M, kExact, kSingle, Rear, "Rear panel -6 mm wide    564 mm high"},
                     {M, kAllow, kSingle, Bot, "Bottom panel -6 mm wide    487mm deep (5 extra)"},
                     {M, kExact, kSingle, SB, "Shelf brace  4 mm wide    474 mm deep"},
                     {C, kExact, kSingle, Rear, "Rear panel -.6 cm wide    56.4 cm high"},
                     {C, kAllow, kSingle, Rear, "Rear panel -.6 cm wide    56.4cm high"},
                     {I, kExact, kSingle, Rear, "Rear panel ERR inches wide   1' 10 3/16 inches high"},
                     {I, kAllow, kSingle, Bot, "Bottom panel ERR inches wide   1' 7 3/16 inches deep (3/16 extra)"},
                     {I, kExact, kSingle, SB, "Shelf brace 3/16 inches wide   1' 6 11/16 inches deep"},
                     {DI, kExact, kSingle, FI, "Front inner panel ERR inches wide    22.2 inches high"},
                     {DI, kExact, kSingle, SB, "Shelf brace  .16 inches wide    18.66 inches deep"},
                 });
    const BoxDesign huge = box(500, 1e16, 600, 18, false);
    EXPECT_EQ(run(huge, M, true).panel_lines[FO], "Front outer panel  1E+16 mm wide    600 mm high");
    EXPECT_EQ(run(huge, I, true).panel_lines[FO], "Front outer panel ERR inches wide   1' 11 5/8 inches high");
    EXPECT_EQ(run(huge, DI, true).panel_lines[FO], "Front outer panel ERR inches wide    23.62 inches high");
    EXPECT_EQ(run(box(500, 400, 600, 9, false), C, true).finished_line,
              "Finished size  40 cm wide    60 cm high  50 cm deep - Panel thickness  .9 cm - Single Front Panel");
}

TEST(CuttingList, AllowanceTextsAndCutExactPanelsPerMode) {
    const struct {
        UnitMode mode;
        const char *a1, *a2, *amount;
    } rows[] = {{M, "5", "10", "5 mm"},
                {C, "0.5", "1", "0.5 cm"},
                {I, "3/16", "3/8", "3/16 inch"},
                {DI, "0.2", "0.4", "0.2 inch"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.a1);
        for (bool dbl : {true, false}) {
            const CuttingList e = run(example(dbl), r.mode, true), a = run(example(dbl), r.mode, false);
            for (const CuttingList& l : {e, a}) {
                EXPECT_EQ(l.allowance_text, r.a1);
                EXPECT_EQ(l.allowance2_text, r.a2);
                EXPECT_EQ(l.brace_note, std::string("Shelf brace includes ") + r.amount +
                                            " all round for rebating into 4 adjacent panels");
                EXPECT_EQ(l.allowance_caption,
                          std::string("Show an extra ") + r.amount + " on any edges to be trimmed after gluing");
                EXPECT_EQ(l.front_inner_visible, dbl);
                EXPECT_EQ(l.panel_lines[FI], run(example(!dbl), r.mode, true).panel_lines[FI]);
            }
            EXPECT_EQ(e.finished_line, a.finished_line);
            EXPECT_EQ(e.panel_lines[SB], a.panel_lines[SB]);
        }
    }
    // 397.4 + 10 mm rounds up to 16 1/16 inch; adding 3/8 inch would give 16.
    EXPECT_EQ(run(box(500, 397.4, 600, 18, false), I, false)
                  .panel_lines[Top]
                  .rfind("Top panel 1' 4 1/16 inches wide (3/8 extra)", 0),
              0u);
}

// The sizes behind the lines, as data: names, order, and the front inner panel
// only in a double-front box.
TEST(CuttingList, PanelSizesOfTheWorkedExample) {
    const struct {
        bool exact, double_front;
        std::vector<std::tuple<std::string, double, double>> panels;
    } rows[] = {
        {kExact,
         kSingle,
         {{"Top panel", 400, 482},
          {"Front outer panel", 400, 600},
          {"Left side panel", 482, 582},
          {"Right side panel", 482, 582},
          {"Rear panel", 364, 564},
          {"Bottom panel", 364, 482},
          {"Shelf brace", 374, 474}}},
        {kAllow,
         kDouble,
         {{"Top panel", 410, 487},
          {"Front outer panel", 410, 610},
          {"Front inner panel", 364, 564},
          {"Left side panel", 487, 587},
          {"Right side panel", 487, 587},
          {"Rear panel", 364, 564},
          {"Bottom panel", 364, 487},
          {"Shelf brace", 374, 456}}},
    };
    for (const auto& r : rows) {
        std::vector<std::tuple<std::string, double, double>> got;
        for (const PanelSize& p : box_panels(example(r.double_front), r.exact))
            got.emplace_back(std::string(p.name), p.first, p.second);
        EXPECT_EQ(got, r.panels);
    }
    // Every line begins with its panel's name and writes its sizes with the same writer.
    const CuttingList l = run(example(false), I, true);
    for (const PanelSize& p : panel_sizes(example(false), true))
        EXPECT_EQ(l.panel_lines[static_cast<int>(p.kind)].rfind(
                      std::string(p.name) + " " + cutting_value_text(I, p.first) + " inches ", 0),
                  0u)
            << p.name;
}

// Below 1 mm in any dimension nothing changes: the design-time captions on
// the first run, the previous list (in whatever mode) later.
TEST(CuttingList, GuardKeepsEveryText) {
    const CuttingList initial;
    const CuttingList prev = run(example(false), M, true);
    for (const auto& d : {box(1, 400, 600, 18, true), box(500, 1, 600, 18, true), box(500, 400, 1, 18, true),
                          box(0, 400, 600, 18, true), box(500, -5, 600, 18, true), box(500, 400, 0.5, 18, true)}) {
        for (UnitMode mode : {M, C, I, DI}) {
            const CuttingList first = run(d, mode, false);
            CuttingList kept = prev;
            do_panels(d, mode, false, kept);
            using Pair = std::pair<const CuttingList*, const CuttingList*>;
            for (const auto& [got, want] : {Pair{&first, &initial}, Pair{&kept, &prev}}) {
                EXPECT_EQ(got->finished_line, want->finished_line);
                EXPECT_EQ(got->panel_lines, want->panel_lines);
                EXPECT_EQ(got->front_inner_visible, want->front_inner_visible);
                EXPECT_EQ(got->brace_note, want->brace_note);
                EXPECT_EQ(got->allowance_caption, want->allowance_caption);
                EXPECT_EQ(got->allowance_text, want->allowance_text);
                EXPECT_EQ(got->allowance2_text, want->allowance2_text);
            }
        }
    }
    // Just above 1 mm the list is made; the thickness is not checked.
    EXPECT_NE(run(box(1.5, 1.5, 1.5, 0, false), M, true).finished_line, initial.finished_line);
}

}  // namespace
}  // namespace enclavio
