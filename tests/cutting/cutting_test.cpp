// Cutting-list lines in the four unit modes, exact and with allowance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cutting/cutting.hpp"

namespace enclavio {
namespace {

BoxDesign box(double d, double w, double h, double t, bool double_front) {
    BoxDesign b;
    b.boxdepth = d;
    b.boxwidth = w;
    b.boxheight = h;
    b.boxthickness = t;
    b.doublefront = double_front ? 1 : 0;
    return b;
}

// The worked example: 500 deep, 400 wide, 600 high, 18 thick.
BoxDesign example(bool double_front) { return box(500, 400, 600, 18, double_front); }

CuttingList run(const BoxDesign& d, UnitMode mode, bool exact) {
    CuttingList list;
    do_panels(d, mode, exact, list);
    return list;
}

constexpr int kFinished = -1;  // row refers to finished_line

struct LineCase {
    UnitMode mode;
    bool exact;
    bool double_front;
    int line;  // PanelKind as int, or kFinished
    std::string expected;
};

std::string line_of(const CuttingList& l, int line) {
    return line == kFinished ? l.finished_line : l.panel_lines[line];
}

constexpr int P(PanelKind k) { return static_cast<int>(k); }

constexpr auto M = UnitMode::Metric;
constexpr auto C = UnitMode::MetricCm;
constexpr auto I = UnitMode::Inches;
constexpr auto DI = UnitMode::DecimalInches;
constexpr bool kExact = true, kAllow = false, kDouble = true, kSingle = false;

const std::vector<LineCase> kExampleLines = {
    // metric, exact
    {M, kExact, kSingle, kFinished,
     "Finished size  400 mm wide    600 mm high  500 mm deep - Panel thickness  18 mm - Single Front Panel"},
    {M, kExact, kSingle, P(PanelKind::Top), "Top panel  400 mm wide    482 mm deep"},
    {M, kExact, kSingle, P(PanelKind::FrontOuter), "Front outer panel  400 mm wide    600 mm high"},
    {M, kExact, kSingle, P(PanelKind::FrontInner), "Front inner panel  364 mm wide    564 mm high"},
    {M, kExact, kSingle, P(PanelKind::LeftSide), "Left side panel  482 mm deep    582 mm high"},
    {M, kExact, kSingle, P(PanelKind::RightSide), "Right side panel  482 mm deep    582 mm high"},
    {M, kExact, kSingle, P(PanelKind::Rear), "Rear panel  364 mm wide    564 mm high"},
    {M, kExact, kSingle, P(PanelKind::Bottom), "Bottom panel  364 mm wide    482 mm deep"},
    {M, kExact, kSingle, P(PanelKind::ShelfBrace), "Shelf brace  374 mm wide    474 mm deep"},
    {M, kExact, kDouble, kFinished,
     "Finished size  400 mm wide    600 mm high  500 mm deep - Panel thickness  18 mm - Double Front Panel"},
    {M, kExact, kDouble, P(PanelKind::ShelfBrace), "Shelf brace  374 mm wide    456 mm deep"},
    // metric, allowance
    {M, kAllow, kSingle, P(PanelKind::Top), "Top panel  410 mm wide (10 extra)    487 mm deep (5 extra)"},
    {M, kAllow, kSingle, P(PanelKind::FrontOuter),
     "Front outer panel  410 mm wide (10 extra)    610 mm high (10 extra)"},
    {M, kAllow, kSingle, P(PanelKind::FrontInner), "Front inner panel  364 mm wide    564 mm high"},
    {M, kAllow, kSingle, P(PanelKind::LeftSide), "Left side panel  487 mm deep (5 extra)    587 mm high (5 extra)"},
    {M, kAllow, kSingle, P(PanelKind::RightSide),
     "Right side panel  487 mm deep (5 extra)    587 mm high (5 extra)"},
    {M, kAllow, kSingle, P(PanelKind::Rear), "Rear panel  364 mm wide    564mm high"},
    {M, kAllow, kSingle, P(PanelKind::Bottom), "Bottom panel  364 mm wide    487mm deep (5 extra)"},
    {M, kAllow, kSingle, P(PanelKind::ShelfBrace), "Shelf brace  374 mm wide    474 mm deep"},
    {M, kAllow, kDouble, P(PanelKind::ShelfBrace), "Shelf brace  374 mm wide    456 mm deep"},
    // metric-cm
    {C, kExact, kSingle, kFinished,
     "Finished size  40 cm wide    60 cm high  50 cm deep - Panel thickness  1.8 cm - Single Front Panel"},
    {C, kExact, kDouble, kFinished,
     "Finished size  40 cm wide    60 cm high  50 cm deep - Panel thickness  1.8 cm - Double Front Panel"},
    {C, kExact, kSingle, P(PanelKind::Top), "Top panel  40 cm wide    48.2 cm deep"},
    {C, kExact, kSingle, P(PanelKind::FrontInner), "Front inner panel  36.4 cm wide    56.4 cm high"},
    {C, kExact, kSingle, P(PanelKind::LeftSide), "Left side panel  48.2 cm deep    58.2 cm high"},
    {C, kExact, kSingle, P(PanelKind::Rear), "Rear panel  36.4 cm wide    56.4 cm high"},
    {C, kExact, kSingle, P(PanelKind::ShelfBrace), "Shelf brace  37.4 cm wide    47.4 cm deep"},
    {C, kExact, kDouble, P(PanelKind::ShelfBrace), "Shelf brace  37.4 cm wide    45.6 cm deep"},
    {C, kAllow, kSingle, P(PanelKind::Top), "Top panel  41 cm wide (1 extra)    48.7 cm deep (0.5 extra)"},
    {C, kAllow, kSingle, P(PanelKind::FrontOuter), "Front outer panel  41 cm wide (1 extra)    61 cm high (1 extra)"},
    {C, kAllow, kSingle, P(PanelKind::RightSide),
     "Right side panel  48.7 cm deep (0.5 extra)    58.7 cm high (0.5 extra)"},
    {C, kAllow, kSingle, P(PanelKind::Rear), "Rear panel  36.4 cm wide    56.4cm high"},
    {C, kAllow, kSingle, P(PanelKind::Bottom), "Bottom panel  36.4 cm wide    48.7cm deep (0.5 extra)"},
    // inches
    {I, kExact, kSingle, kFinished,
     "Finished size 1' 3 3/4 in wide   1' 11 5/8 in high 1' 7 11/16 in deep - Panel thickness 11/16 in - Single "
     "Front Panel"},
    {I, kExact, kDouble, kFinished,
     "Finished size 1' 3 3/4 in wide   1' 11 5/8 in high 1' 7 11/16 in deep - Panel thickness 11/16 in - Double "
     "Front Panel"},
    {I, kExact, kSingle, P(PanelKind::Top), "Top panel 1' 3 3/4 inches wide   1' 7 inches deep"},
    {I, kExact, kSingle, P(PanelKind::FrontOuter), "Front outer panel 1' 3 3/4 inches wide   1' 11 5/8 inches high"},
    {I, kExact, kSingle, P(PanelKind::FrontInner),
     "Front inner panel 1' 2 5/16 inches wide   1' 10 3/16 inches high"},
    {I, kExact, kSingle, P(PanelKind::LeftSide), "Left side panel 1' 7 inches deep   1' 10 15/16 inches high"},
    {I, kExact, kSingle, P(PanelKind::Rear), "Rear panel 1' 2 5/16 inches wide   1' 10 3/16 inches high"},
    {I, kExact, kSingle, P(PanelKind::Bottom), "Bottom panel 1' 2 5/16 inches wide   1' 7 inches deep"},
    {I, kExact, kSingle, P(PanelKind::ShelfBrace), "Shelf brace 1' 2 3/4 inches wide   1' 6 11/16 inches deep"},
    {I, kExact, kDouble, P(PanelKind::ShelfBrace), "Shelf brace 1' 2 3/4 inches wide   1' 5 15/16 inches deep"},
    {I, kAllow, kSingle, P(PanelKind::Top),
     "Top panel 1' 4 1/8 inches wide (3/8 extra)   1' 7 3/16 inches deep (3/16 extra)"},
    {I, kAllow, kSingle, P(PanelKind::FrontOuter),
     "Front outer panel 1' 4 1/8 inches wide (3/8 extra)   2' inches high (3/8 extra)"},
    {I, kAllow, kSingle, P(PanelKind::LeftSide),
     "Left side panel 1' 7 3/16 inches deep (3/16 extra)   1' 11 1/8 inches high (3/16 extra)"},
    {I, kAllow, kSingle, P(PanelKind::Rear), "Rear panel 1' 2 5/16 inches wide   1' 10 3/16 inches high"},
    {I, kAllow, kSingle, P(PanelKind::Bottom),
     "Bottom panel 1' 2 5/16 inches wide   1' 7 3/16 inches deep (3/16 extra)"},
    // decimal inches
    {DI, kExact, kSingle, kFinished,
     "Finished size  15.75 inches wide    23.62 inches high  19.69in deep - Panel thickness  .71in - Single Front "
     "Panel"},
    {DI, kExact, kDouble, kFinished,
     "Finished size  15.75 inches wide    23.62 inches high  19.69in deep - Panel thickness  .71in - Double Front "
     "Panel"},
    {DI, kExact, kSingle, P(PanelKind::Top), "Top panel  15.75 inches wide    18.98 inches deep"},
    {DI, kExact, kSingle, P(PanelKind::FrontInner), "Front inner panel  14.33 inches wide    22.2 inches high"},
    {DI, kExact, kSingle, P(PanelKind::LeftSide), "Left side panel  18.98 inches deep    22.91 inches high"},
    {DI, kExact, kSingle, P(PanelKind::ShelfBrace), "Shelf brace  14.72 inches wide    18.66 inches deep"},
    {DI, kExact, kDouble, P(PanelKind::ShelfBrace), "Shelf brace  14.72 inches wide    17.95 inches deep"},
    // 410 mm and 487 mm: the allowance is 10 and 5 mm, not 0.4 and 0.2 inch.
    {DI, kAllow, kSingle, P(PanelKind::Top),
     "Top panel  16.14 inches wide (0.4 extra)    19.17 inches deep (0.2 extra)"},
    {DI, kAllow, kSingle, P(PanelKind::FrontOuter),
     "Front outer panel  16.14 inches wide (0.4 extra)    24.02 inches high (0.4 extra)"},
    {DI, kAllow, kSingle, P(PanelKind::LeftSide),
     "Left side panel  19.17 inches deep (0.2 extra)    23.11 inches high (0.2 extra)"},
    {DI, kAllow, kSingle, P(PanelKind::Rear), "Rear panel  14.33 inches wide    22.2 inches high"},
    {DI, kAllow, kSingle, P(PanelKind::Bottom), "Bottom panel  14.33 inches wide    19.17 inches deep (0.2 extra)"},
};

TEST(CuttingList, WorkedExampleLines) {
    for (const auto& c : kExampleLines) {
        const CuttingList l = run(example(c.double_front), c.mode, c.exact);
        EXPECT_EQ(line_of(l, c.line), c.expected)
            << unit_mode_literal(c.mode) << (c.exact ? " exact" : " allowance")
            << (c.double_front ? " double" : " single") << " line " << c.line;
    }
}

TEST(CuttingList, FrontInnerShownOnlyWithDoubleFront) {
    for (UnitMode mode : {M, C, I, DI}) {
        for (bool exact : {true, false}) {
            EXPECT_FALSE(run(example(false), mode, exact).front_inner_visible);
            const CuttingList l = run(example(true), mode, exact);
            EXPECT_TRUE(l.front_inner_visible);
            // Computed either way, and identical to the single-front line.
            EXPECT_EQ(l.panel_lines[P(PanelKind::FrontInner)],
                      run(example(false), mode, exact).panel_lines[P(PanelKind::FrontInner)]);
        }
    }
}

TEST(CuttingList, ExactAndAllowanceShareCutExactPanels) {
    // The rebate of the shelf brace is there in both states; the front inner
    // panel never gets an allowance.
    for (UnitMode mode : {M, C, I, DI}) {
        for (bool dbl : {true, false}) {
            const CuttingList e = run(example(dbl), mode, true);
            const CuttingList a = run(example(dbl), mode, false);
            EXPECT_EQ(e.finished_line, a.finished_line);
            EXPECT_EQ(e.panel_lines[P(PanelKind::ShelfBrace)], a.panel_lines[P(PanelKind::ShelfBrace)]);
            EXPECT_EQ(e.panel_lines[P(PanelKind::FrontInner)], a.panel_lines[P(PanelKind::FrontInner)]);
        }
    }
}

TEST(CuttingList, AllowanceTextsAndCaptionsPerMode) {
    struct Row {
        UnitMode mode;
        const char *a1, *a2, *brace, *caption;
    };
    const Row rows[] = {
        {M, "5", "10", "Shelf brace includes 5 mm all round for rebating into 4 adjacent panels",
         "Show an extra 5 mm on any edges to be trimmed after gluing"},
        {C, "0.5", "1", "Shelf brace includes 0.5 cm all round for rebating into 4 adjacent panels",
         "Show an extra 0.5 cm on any edges to be trimmed after gluing"},
        {I, "3/16", "3/8", "Shelf brace includes 3/16 inch all round for rebating into 4 adjacent panels",
         "Show an extra 3/16 inch on any edges to be trimmed after gluing"},
        {DI, "0.2", "0.4", "Shelf brace includes 0.2 inch all round for rebating into 4 adjacent panels",
         "Show an extra 0.2 inch on any edges to be trimmed after gluing"},
    };
    for (const auto& r : rows) {
        for (bool exact : {true, false}) {
            const CuttingList l = run(example(false), r.mode, exact);
            EXPECT_EQ(l.allowance_text, r.a1);
            EXPECT_EQ(l.allowance2_text, r.a2);
            EXPECT_EQ(l.brace_note, r.brace);
            EXPECT_EQ(l.allowance_caption, r.caption);
        }
    }
}

TEST(CuttingList, AllowanceIsMillimetresInFeetAndInches) {
    // 397.4 + 10 mm rounds up to 16 1/16 inch; adding 3/8 inch would give 16.
    const CuttingList l = run(box(500, 397.4, 600, 18, false), I, false);
    EXPECT_EQ(l.panel_lines[P(PanelKind::Top)].rfind("Top panel 1' 4 1/16 inches wide (3/8 extra)", 0), 0u)
        << l.panel_lines[P(PanelKind::Top)];
}

TEST(CuttingList, GuardKeepsEveryText) {
    const CuttingList initial;
    const BoxDesign flat[] = {box(1, 400, 600, 18, true), box(500, 1, 600, 18, true), box(500, 400, 1, 18, true),
                              box(0, 400, 600, 18, true), box(500, -5, 600, 18, true),
                              box(500, 400, 0.5, 18, true)};
    for (const auto& d : flat) {
        for (UnitMode mode : {M, C, I, DI}) {
            // First run: the design-time captions stay.
            CuttingList l = run(d, mode, false);
            EXPECT_EQ(l.finished_line, initial.finished_line);
            EXPECT_EQ(l.panel_lines, initial.panel_lines);
            EXPECT_EQ(l.brace_note, initial.brace_note);
            EXPECT_EQ(l.allowance_caption, initial.allowance_caption);
            EXPECT_EQ(l.allowance_text, "");
            // Later run: the previous list stays, in whatever mode it was made.
            CuttingList prev = run(example(false), M, true);
            CuttingList kept = prev;
            do_panels(d, mode, false, kept);
            EXPECT_EQ(kept.finished_line, prev.finished_line);
            EXPECT_EQ(kept.panel_lines, prev.panel_lines);
            EXPECT_EQ(kept.front_inner_visible, prev.front_inner_visible);
            EXPECT_EQ(kept.brace_note, prev.brace_note);
            EXPECT_EQ(kept.allowance_caption, prev.allowance_caption);
            EXPECT_EQ(kept.allowance_text, prev.allowance_text);
            EXPECT_EQ(kept.allowance2_text, prev.allowance2_text);
        }
    }
    // Just above 1 mm the list is made; the thickness is not checked.
    EXPECT_NE(run(box(1.5, 1.5, 1.5, 0, false), M, true).finished_line, initial.finished_line);
}

TEST(CuttingList, NegativeSizes) {
    // 30 mm wide with 18 mm panels: inner width -6 mm, brace 4 mm.
    const BoxDesign narrow = box(500, 30, 600, 18, false);
    const std::vector<LineCase> cases = {
        {M, kExact, kSingle, P(PanelKind::Rear), "Rear panel -6 mm wide    564 mm high"},
        {M, kAllow, kSingle, P(PanelKind::Bottom), "Bottom panel -6 mm wide    487mm deep (5 extra)"},
        {M, kExact, kSingle, P(PanelKind::ShelfBrace), "Shelf brace  4 mm wide    474 mm deep"},
        {C, kExact, kSingle, P(PanelKind::Rear), "Rear panel -.6 cm wide    56.4 cm high"},
        {C, kAllow, kSingle, P(PanelKind::Rear), "Rear panel -.6 cm wide    56.4cm high"},
        {I, kExact, kSingle, P(PanelKind::Rear), "Rear panel ERR inches wide   1' 10 3/16 inches high"},
        {I, kAllow, kSingle, P(PanelKind::Bottom), "Bottom panel ERR inches wide   1' 7 3/16 inches deep (3/16 extra)"},
        {I, kExact, kSingle, P(PanelKind::ShelfBrace), "Shelf brace 3/16 inches wide   1' 6 11/16 inches deep"},
        {DI, kExact, kSingle, P(PanelKind::FrontInner), "Front inner panel ERR inches wide    22.2 inches high"},
        {DI, kExact, kSingle, P(PanelKind::ShelfBrace), "Shelf brace  .16 inches wide    18.66 inches deep"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(line_of(run(narrow, c.mode, c.exact), c.line), c.expected) << unit_mode_literal(c.mode);
    }
}

TEST(CuttingList, ExponentSizesAreErrInInchModes) {
    const BoxDesign huge = box(500, 1e16, 600, 18, false);
    EXPECT_EQ(run(huge, M, true).panel_lines[P(PanelKind::FrontOuter)], "Front outer panel  1E+16 mm wide    600 mm high");
    EXPECT_EQ(run(huge, I, true).panel_lines[P(PanelKind::FrontOuter)],
              "Front outer panel ERR inches wide   1' 11 5/8 inches high");
    EXPECT_EQ(run(huge, DI, true).panel_lines[P(PanelKind::FrontOuter)],
              "Front outer panel ERR inches wide    23.62 inches high");
}

TEST(CuttingList, ThinPanelsHaveNoLeadingZero) {
    EXPECT_EQ(run(box(500, 400, 600, 9, false), C, true).finished_line,
              "Finished size  40 cm wide    60 cm high  50 cm deep - Panel thickness  .9 cm - Single Front Panel");
}

TEST(CuttingList, TrimmingHintsInPanelOrder) {
    const auto& h = trimming_hints();
    EXPECT_EQ(h[P(PanelKind::Top)], "Top Panel: Good edge to front - trim both side edges and back edge after glue dries");
    EXPECT_EQ(h[P(PanelKind::FrontOuter)], "Front Outer Panel: trim all around after glue dries");
    EXPECT_EQ(h[P(PanelKind::FrontInner)], "Front inner panel to be cut exact");
    EXPECT_EQ(h[P(PanelKind::LeftSide)],
              "Left side panel: Good edges to top and front - trim bottom and back edges after glue dries");
    EXPECT_EQ(h[P(PanelKind::RightSide)],
              "Right side panel: Good edges to top and front - trim bottom and back edges after glue dries");
    EXPECT_EQ(h[P(PanelKind::Rear)], "Rear panel to be cut exact");
    EXPECT_EQ(h[P(PanelKind::Bottom)], "Bottom panel: Good edges front and sides - trim back edge after glue dries");
    EXPECT_EQ(h[P(PanelKind::ShelfBrace)], "Shelf brace to be cut exact");
}

}  // namespace
}  // namespace enclavio
