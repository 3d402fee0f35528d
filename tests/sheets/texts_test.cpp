// The layout's words and TSV, the board presets and size text, and the
// pieces of a design.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../design/boxes.hpp"
#include "cutting/cutting.hpp"
#include "sheets/texts.hpp"

namespace enclavio::sheets {
namespace {

// A top panel the full height of the trimmed sheet, a brace that fits beside
// it only turned, and a small panel below the brace: one way to cut it leaves
// the largest offcut.
Layout small_layout() {
    return lay_out({{"Top panel", 600, 490}, {"Shelf brace", 250, 383.8}, {"Rear panel", 100, 200}},
                   Board{1000, 500, 3.2, 5, true});
}

TEST(SheetTexts, SmallLayoutInMetric) {
    EXPECT_EQ(layout_text(small_layout(), UnitMode::Metric),
              "1 sheet (fewest possible). Board used: 81.9%\n"
              "Board 1000 x 500 mm, kerf 3.2 mm, trim 5 mm, pieces may be turned\n"
              "\n"
              "Sheet 1 of 1: 3 pieces, 81.9% used\n"
              "  Top panel 600 x 490 mm\n"
              "  Shelf brace 250 x 383.8 mm, turned\n"
              "  Rear panel 100 x 200 mm\n"
              "Offcuts: 283.6 x 236.8 mm\n"
              "Cuts, each measured to the near side of the saw cut:\n"
              "  Trim 5 mm off every edge of the sheet first, leaving 990 x 490 mm.\n"
              "  1. Rip the sheet at 600 mm from its left edge. Left: Top panel. Right: cut 2.\n"
              "  2. Cross-cut the right part of cut 1 (386.8 x 490 mm) at 250 mm from its top edge. Top: cut 3. "
              "Bottom: cut 4.\n"
              "  3. Rip the top part of cut 2 (386.8 x 250 mm) at 383.8 mm from its left edge. Left: Shelf brace. "
              "Right: waste.\n"
              "  4. Rip the bottom part of cut 2 (386.8 x 236.8 mm) at 100 mm from its left edge. Left: cut 5. "
              "Right: offcut 283.6 x 236.8 mm.\n"
              "  5. Cross-cut the left part of cut 4 (100 x 236.8 mm) at 200 mm from its top edge. Top: Rear panel. "
              "Bottom: waste.\n");
}

// Each mode writes lengths as the cutting list does.
TEST(SheetTexts, LengthsPerMode) {
    const Layout l = small_layout();
    const struct {
        UnitMode mode;
        const char *board, *piece, *cut;
    } rows[] = {
        {UnitMode::Metric, "Board 1000 x 500 mm, kerf 3.2 mm, trim 5 mm, pieces may be turned",
         "Shelf brace 250 x 383.8 mm, turned", "1. Rip the sheet at 600 mm from its left edge."},
        {UnitMode::MetricCm, "Board 100 x 50 cm, kerf .32 cm, trim .5 cm, pieces may be turned",
         "Shelf brace 25 x 38.38 cm, turned", "1. Rip the sheet at 60 cm from its left edge."},
        {UnitMode::Inches,
         "Board 3' 3 3/8 x 1' 7 11/16 inches, kerf 1/8 inches, trim 3/16 inches, pieces may be turned",
         "Shelf brace 9 13/16 x 1' 3 1/8 inches, turned", "1. Rip the sheet at 1' 11 5/8 inches from its left edge."},
        {UnitMode::DecimalInches, "Board 39.37 x 19.69 inches, kerf .13 inches, trim .2 inches, pieces may be turned",
         "Shelf brace 9.84 x 15.11 inches, turned", "1. Rip the sheet at 1' 11 5/8 inches from its left edge."},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(board_text(l.board, r.mode), r.board);
        EXPECT_EQ(piece_lines(l, 0, r.mode)[1], r.piece);
        EXPECT_EQ(cut_lines(l, 0, r.mode)[2].rfind(r.cut, 0), 0u) << cut_lines(l, 0, r.mode)[2];
    }
    // Distances at the saw are read off a tape measure: sixteenths in both
    // inch modes, the trim included; sizes keep the mode's own form.
    EXPECT_EQ(cut_lines(l, 0, UnitMode::DecimalInches)[1],
              "Trim 3/16 inches off every edge of the sheet first, leaving 38.98 x 19.29 inches.");
    EXPECT_EQ(cut_lines(l, 0, UnitMode::DecimalInches)[3].rfind("2. Cross-cut the right part of cut 1 (15.23 x 19.29 "
                                                                "inches) at 9 13/16 inches from its top edge.",
                                                                0),
              0u)
        << cut_lines(l, 0, UnitMode::DecimalInches)[3];
    const struct {
        UnitMode mode;
        double mm;
        const char* words;
    } distances[] = {
        {UnitMode::Metric, 600, "600 mm"},
        {UnitMode::MetricCm, 383.8, "38.38 cm"},
        {UnitMode::Inches, 603.25, "1' 11 3/4 inches"},
        {UnitMode::DecimalInches, 603.25, "1' 11 3/4 inches"},
        {UnitMode::DecimalInches, 3.175, "1/8 inches"},
        {UnitMode::Inches, 304.8, "1' inches"},
    };
    for (const auto& d : distances) EXPECT_EQ(distance_words(d.mode, d.mm), d.words) << d.mm;
}

TEST(SheetTexts, Tsv) {
    EXPECT_EQ(layout_tsv(small_layout()),
              "sheet\tpanel\tx_mm\ty_mm\tacross_mm\talong_mm\tturned\n"
              "1\tTop panel\t5\t5\t600\t490\tno\n"
              "1\tShelf brace\t608.2\t5\t383.8\t250\tyes\n"
              "1\tRear panel\t608.2\t258.2\t100\t200\tno\n"
              "# sheets 1 proven\n");
    // Numbers in plain decimals, never in exponent form or with a leading
    // blank; the fuller sheet first.
    const Layout l = lay_out({{"Front outer panel", 0.0001, 1219.2}, {"Top panel", 2438.4, 0.5}},
                             Board{2438.4, 1219.2, 0.1, 0, false});
    EXPECT_EQ(layout_tsv(l),
              "sheet\tpanel\tx_mm\ty_mm\tacross_mm\talong_mm\tturned\n"
              "1\tTop panel\t0\t0\t2438.4\t0.5\tno\n"
              "2\tFront outer panel\t0\t0\t0.0001\t1219.2\tno\n"
              "# sheets 2 proven\n");
}

TEST(SheetTexts, CountsAndShares) {
    Layout l = small_layout();
    EXPECT_EQ(count_text(l), "1 sheet (fewest possible)");
    l.sheets.push_back(l.sheets.front());
    l.proven = false;
    EXPECT_EQ(count_text(l), "2 sheets (best found)");
    EXPECT_EQ(usage_text(l), "Board used: 81.9%");  // the same share on two sheets
    EXPECT_EQ(sheet_heading(l, 1), "Sheet 2 of 2: 3 pieces, 81.9% used");
    EXPECT_EQ(layout_tsv(l).substr(layout_tsv(l).rfind('#')), "# sheets 2 best-found\n");
    l.sheets[1].offcuts.clear();
    EXPECT_EQ(offcut_line(l, 1, UnitMode::Metric), "Offcuts: none larger than 100 x 100 mm");
    EXPECT_EQ(offcut_line(l, 1, UnitMode::Inches), "Offcuts: none larger than 3 15/16 x 3 15/16 inches");
    // A share just under a tenth is truncated, not rounded.
    const Layout half = lay_out({{"P", 500, 499.99}}, Board{1000, 500, 0, 0, true});
    EXPECT_EQ(usage_text(half), "Board used: 49.9%");
}

TEST(SheetBoard, PresetsAndSizes) {
    std::vector<std::string> names;
    for (const BoardPreset& p : board_presets()) names.emplace_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"2440 x 1220 mm", "2500 x 1250 mm", "2800 x 2070 mm", "1220 x 610 mm",
                                               "8' x 4' (2438.4 x 1219.2 mm)", "5' x 5' (1524 x 1524 mm)"}));
    EXPECT_EQ(board_preset_index(2438.4, 1219.2), 4);
    EXPECT_EQ(board_preset_index(1220, 2440), std::nullopt);
    EXPECT_EQ(board_presets()[board_preset_index(Board{}.across, Board{}.along).value()].name, "2440 x 1220 mm");
    EXPECT_EQ(Board{}.kerf, 3.2);
    EXPECT_EQ(Board{}.trim, 0);
    EXPECT_TRUE(Board{}.turning);

    const struct {
        const char* text;
        std::optional<double> across, along;
    } rows[] = {
        {"2440x1220", 2440, 1220},
        {"2440 x 1220", 2440, 1220},
        {" 1524X1524.5 ", 1524, 1524.5},
        {"2438.4x1219.2", 2438.4, 1219.2},
        {".5x.5", 0.5, 0.5},
        {"2440", {}, {}},
        {"2440x", {}, {}},
        {"x1220", {}, {}},
        {"2440x1220x18", {}, {}},
        {"-2440x1220", {}, {}},
        {"8'x4'", {}, {}},
        {"2440,5x1220", {}, {}},
        {"1.2.3x4", {}, {}},
        {"", {}, {}},
    };
    for (const auto& r : rows) {
        const auto size = parse_board_size(r.text);
        ASSERT_EQ(size.has_value(), r.across.has_value()) << r.text;
        if (size) {
            EXPECT_EQ(std::pair(size->across, size->along), std::pair(*r.across, *r.along)) << r.text;
        }
    }
}

TEST(SheetBoard, Millimetres) {
    const struct {
        const char* text;
        std::optional<double> mm;
    } rows[] = {
        {"3.2", 3.2}, {" 12 ", 12.0}, {".5", 0.5}, {"0", 0.0},  {"10.", 10.0},  {"", {}},      {" ", {}},   {".", {}},
        {"-1", {}},   {"+1", {}},     {"1e3", {}}, {"3,2", {}}, {"3.2 mm", {}}, {"1.2.3", {}}, {"1 2", {}},
    };
    for (const auto& r : rows) EXPECT_EQ(parse_millimetres(r.text), r.mm) << r.text;
}

TEST(SheetPieces, PanelsOfADesign) {
    BoxDesign d = fixture::box(500, 400, 600, 18, false);
    auto names = [](const std::vector<Piece>& ps) {
        std::vector<std::string> n;
        for (const Piece& p : ps) n.push_back(p.name);
        return n;
    };
    const std::vector<std::string> single{"Top panel",  "Front outer panel", "Left side panel", "Right side panel",
                                          "Rear panel", "Bottom panel",      "Shelf brace"};
    EXPECT_EQ(names(design_pieces(d, true)), single);
    // Sizes as the cutting list computes them, exact or with allowance.
    for (bool exact : {true, false}) {
        const std::vector<Piece> ps = design_pieces(d, exact);
        const std::vector<PanelSize> panels = box_panels(d, exact);
        ASSERT_EQ(ps.size(), panels.size());
        for (std::size_t i = 0; i < ps.size(); ++i) {
            EXPECT_EQ(ps[i].first, panels[i].first);
            EXPECT_EQ(ps[i].second, panels[i].second);
        }
    }
    d.doublefront = 1;
    EXPECT_EQ(design_pieces(d, true).size(), 8u);
    EXPECT_EQ(design_pieces(d, true)[2].name, "Front inner panel");
    // Braces per box, and boxes, within their ranges.
    EXPECT_EQ(design_pieces(d, true, 2, 3).size(), 2u * (7 + 3));
    EXPECT_EQ(design_pieces(d, true, 1, 0).size(), 7u);
    EXPECT_EQ(design_pieces(d, true, 0).size(), 8u);
    EXPECT_EQ(design_pieces(d, true, 99).size(), 8u * kMaxBoxes);
    EXPECT_EQ(design_pieces(d, true, 1, 99).size(), 7u + kMaxShelfBraces);
    // No pieces for a box the cutting list has no sizes for.
    d.boxwidth = 1;
    EXPECT_TRUE(design_pieces(d, true).empty());

    const struct {
        double counted;
        int braces;
    } counts[] = {{1, 1}, {0, 0}, {2.9, 2}, {-3, 0}, {1e300, kMaxShelfBraces}, {NAN, 0}, {21, kMaxShelfBraces}};
    for (const auto& c : counts) EXPECT_EQ(shelf_braces_from_count(c.counted), c.braces) << c.counted;
}

}  // namespace
}  // namespace enclavio::sheets
