// The layout search: every layout checked for its invariants, the fewest
// sheets against a brute-force reference and against cases known by hand,
// and the refusals.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "../design/boxes.hpp"
#include "layout_check.hpp"
#include "sheets/layout.hpp"
#include "sheets/texts.hpp"

namespace enclavio::sheets {
namespace {

using fixture::startup_box;

Board board(double across, double along, double kerf, double trim = 0, bool turning = true) {
    return Board{across, along, kerf, trim, turning};
}

std::vector<Piece> pieces(std::initializer_list<std::pair<double, double>> sizes) {
    std::vector<Piece> out;
    for (const auto& [first, second] : sizes) out.push_back({"P" + std::to_string(out.size() + 1), first, second});
    return out;
}

// Sets whose fewest sheets are known by hand.
TEST(SheetLayout, KnownMinimums) {
    const struct {
        const char* what;
        std::vector<Piece> pieces;
        Board board;
        std::size_t sheets;
    } rows[] = {
        // 600 x 500 leaves 400 x 500: 400 x 250 and 250 x 400 share it only
        // with the second turned.
        {"fits one sheet turned", pieces({{600, 500}, {400, 250}, {250, 400}}), board(1000, 500, 0), 1},
        {"needs two unturned", pieces({{600, 500}, {400, 250}, {250, 400}}), board(1000, 500, 0, 0, false), 2},
        // Two halves of the board fit edge to edge, not with a kerf between.
        {"no kerf", pieces({{500, 500}, {500, 500}}), board(1000, 500, 0), 1},
        {"kerf between", pieces({{500, 500}, {500, 500}}), board(1000, 500, 3.2), 2},
        // No kerf against the sheet's edges: 498.4 + 3.2 + 498.4 fill 1000.
        {"kerf only between", pieces({{498.4, 500}, {498.4, 500}}), board(1000, 500, 3.2), 1},
        {"a hair too wide", pieces({{498.4, 500}, {498.5, 500}}), board(1000, 500, 3.2), 2},
        // 400 + 3.2 + 596.8 fill 1000 untrimmed; a 1 mm trim pushes one off.
        {"fits untrimmed", pieces({{400, 490}, {596.8, 490}}), board(1000, 500, 3.2), 1},
        {"trim pushes one off", pieces({{400, 490}, {596.8, 490}}), board(1000, 500, 3.2, 1), 2},
        // Three 334 x 500 strips need 1002 + 2 kerfs: two sheets, and no
        // more than two since two fit.
        {"three strips", pieces({{334, 500}, {334, 500}, {334, 500}}), board(1000, 500, 3.2), 2},
        // A piece exactly the trimmed sheet: a sheet of its own, no cut.
        {"whole sheet", pieces({{990, 490}, {10, 10}}), board(1000, 500, 3.2, 5), 2},
        // The start-up design on a small board: each side panel needs a sheet.
        {"1220 x 610", design_pieces(startup_box(), true), board(1220, 610, 3.2, 5), 4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const Layout l = lay_out(r.pieces, r.board);
        check::expect_valid(l);
        EXPECT_EQ(l.sheets.size(), r.sheets);
        EXPECT_TRUE(l.proven);
    }
}

// The exhaustive search agrees with brute force on random small sets, and
// every layout it gives passes the checks.
TEST(SheetLayout, FewestSheetsAgreeWithBruteForce) {
    std::mt19937 random(20261208);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int run = 0; run < 120; ++run) {
        const Board b = board(1000, 600, std::vector<double>{0, 3, 3.2, 12}[uniform(0, 3)], uniform(0, 1) ? 0 : 5,
                              uniform(0, 3) != 0);
        std::vector<Piece> set;
        const int n = uniform(2, 5);
        while (static_cast<int>(set.size()) < n) {
            const Piece p{"P" + std::to_string(set.size() + 1), double(uniform(60, 700)), double(uniform(60, 590))};
            if (p.first <= trimmed_across(b) && p.second <= trimmed_along(b)) set.push_back(p);
        }
        SCOPED_TRACE("run " + std::to_string(run));
        const Layout l = lay_out(set, b);
        check::expect_valid(l);
        EXPECT_TRUE(l.proven);
        EXPECT_EQ(static_cast<int>(l.sheets.size()), check::BruteForce(set, b).fewest_sheets());
    }
}

// Random designs, one or two boxes, any board: every layout valid, and its
// words complete in every unit mode.
TEST(SheetLayout, RandomDesignsInEveryUnitMode) {
    std::mt19937 random(7);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    for (int run = 0; run < 40; ++run) {
        BoxDesign d;
        d.boxdepth = std::round(uniform(150, 900));
        d.boxwidth = std::round(uniform(150, 900));
        d.boxheight = std::round(uniform(150, 1100));
        d.boxthickness = std::round(uniform(9, 25) * 10) / 10;
        d.doublefront = run % 2;
        const BoardPreset& preset = board_presets()[run % kBoardPresetCount];
        const Board b{preset.across, preset.along, run % 3 ? 3.2 : 0, run % 4 == 0 ? 10.0 : 0, run % 5 != 0};
        const Layout l = lay_out(design_pieces(d, run % 3 != 0, 1 + run % 2, run % 3), b);
        SCOPED_TRACE("run " + std::to_string(run));
        if (l.refusal) {
            // Only a panel longer than the board, or a brace of no size, is refused.
            EXPECT_TRUE(l.refusal->kind == Refusal::Kind::PieceTooLarge ||
                        l.refusal->kind == Refusal::Kind::PieceWithoutSize);
            continue;
        }
        check::expect_valid(l);
        for (UnitMode mode : {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches}) {
            const std::string text = layout_text(l, mode);
            EXPECT_EQ(text.find("ERR"), std::string::npos) << text;
            for (int s = 0; s < static_cast<int>(l.sheets.size()); ++s) {
                EXPECT_EQ(piece_lines(l, s, mode).size(), l.sheets[s].placements.size());
                EXPECT_EQ(cut_lines(l, s, mode).size(),
                          1 + (b.trim > 0) + std::max<std::size_t>(l.sheets[s].cuts.size(), 1));
            }
        }
    }
}

// More boxes than the search can settle: the best found, and said so.
TEST(SheetLayout, BestFoundWhenTheSearchStops) {
    const Layout l =
        lay_out(design_pieces(startup_box(), true, 8), board(1220, 610, 3.2), {std::chrono::milliseconds(0)});
    check::expect_valid(l);
    EXPECT_FALSE(l.proven);
    EXPECT_LT(l.lower_bound, static_cast<int>(l.sheets.size()));
    EXPECT_EQ(count_text(l), std::to_string(l.sheets.size()) + " sheets (best found)");
}

// Boxes of the start-up design on the board builders buy most: the count
// proven for every number of boxes (the limit generous for slow builds; the
// search stops well before it).
TEST(SheetLayout, StartupDesignBoxes) {
    const std::size_t sheets[] = {1, 1, 2, 2, 3, 3, 4, 4};
    for (int boxes = 1; boxes <= kMaxBoxes; ++boxes) {
        SCOPED_TRACE(boxes);
        const Layout l = lay_out(design_pieces(startup_box(), true, boxes), Board{}, {std::chrono::minutes(1)});
        check::expect_valid(l);
        EXPECT_EQ(l.sheets.size(), sheets[boxes - 1]);
        EXPECT_TRUE(l.proven);
    }
}

// One box's count is proven by the search running to its end, whatever the
// time limit: every brace count, boards small and large.
TEST(SheetLayout, OneBoxIsAlwaysProven) {
    BoxDesign big = startup_box(), tiny = startup_box();
    big.boxdepth = 900;
    big.boxwidth = 1100;
    big.boxheight = 1200;
    tiny.boxdepth = tiny.boxwidth = tiny.boxheight = 120;
    tiny.boxthickness = 6;
    for (const BoxDesign& d : {startup_box(), big, tiny})
        for (int braces : {0, 1, kMaxShelfBraces})
            for (const Board& b : {Board{}, board(1220, 610, 3.2, 5), board(2800, 2070, 4, 0, false)}) {
                const Layout l = lay_out(design_pieces(d, true, 1, braces), b, {std::chrono::milliseconds(0)});
                if (l.refusal) continue;  // a panel longer than the small board
                EXPECT_TRUE(l.proven) << d.boxwidth << " " << braces << " " << b.across;
                check::expect_valid(l);
            }
}

// The same input gives the same layout.
TEST(SheetLayout, Reproducible) {
    for (int boxes : {1, 2, 3}) {
        const auto run = [&] {
            return layout_tsv(lay_out(design_pieces(startup_box(), false, boxes), Board{}, {std::chrono::minutes(1)}));
        };
        EXPECT_EQ(run(), run()) << boxes;
    }
}

TEST(SheetLayout, Refusals) {
    const struct {
        const char* what;
        std::vector<Piece> pieces;
        Board board;
        Refusal::Kind kind;
        int piece;
        std::string text;
    } rows[] = {
        {"too large", pieces({{100, 100}, {1001, 20}}), board(1000, 500, 3.2), Refusal::Kind::PieceTooLarge, 1,
         "P2 1001 x 20 mm is larger than the board after trim (1000 x 500 mm)."},
        {"too large once trimmed", pieces({{995, 490}}), board(1000, 500, 3.2, 5), Refusal::Kind::PieceTooLarge, 0,
         "P1 995 x 490 mm is larger than the board after trim (990 x 490 mm)."},
        {"fits only turned", pieces({{400, 900}}), board(1000, 500, 3.2, 0, false), Refusal::Kind::PieceTooLarge, 0,
         "P1 400 x 900 mm fits the board after trim (1000 x 500 mm) only turned, and turning is off."},
        {"no size", pieces({{-6, 564}}), board(1000, 500, 3.2), Refusal::Kind::PieceWithoutSize, 0,
         "P1 has no size to cut."},
        {"not a number", pieces({{NAN, 564}}), board(1000, 500, 3.2), Refusal::Kind::PieceWithoutSize, 0,
         "P1 has no size to cut."},
        {"no pieces", {}, board(1000, 500, 3.2), Refusal::Kind::NoPieces, -1, "There are no panels to lay out."},
        {"kerf", pieces({{10, 10}}), board(1000, 500, -1), Refusal::Kind::Board, -1,
         "The kerf must be from 0 to 50 mm."},
        {"trim", pieces({{10, 10}}), board(1000, 500, 3, 250), Refusal::Kind::Board, -1,
         "The trim must be 0 or more and leave some of the sheet."},
        {"sheet", pieces({{10, 10}}), board(0, 500, 3), Refusal::Kind::Board, -1,
         "The sheet must be more than 0 and at most 10000 mm each way."},
        {"sheet too long", pieces({{10, 10}}), board(20000, 500, 3), Refusal::Kind::Board, -1,
         "The sheet must be more than 0 and at most 10000 mm each way."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const Layout l = lay_out(r.pieces, r.board);
        ASSERT_TRUE(l.refusal.has_value());
        EXPECT_EQ(l.refusal->kind, r.kind);
        EXPECT_EQ(l.refusal->piece, r.piece);
        EXPECT_TRUE(l.sheets.empty());
        EXPECT_EQ(refusal_text(l, UnitMode::Metric), r.text);
        EXPECT_EQ(layout_text(l, UnitMode::Metric), r.text + "\n");
        EXPECT_EQ(layout_tsv(l), "");
    }
    // The sizes in the user's units.
    const Layout l = lay_out(pieces({{1220, 20}}), board(1000, 500, 3.2));
    EXPECT_EQ(refusal_text(l, UnitMode::Inches),
              "P1 4' 1/16 x 13/16 inches is larger than the board after trim (3' 3 3/8 x 1' 7 11/16 inches).");
    EXPECT_EQ(lay_out(std::vector<Piece>(kMaxPieces + 1, Piece{"P", 1, 1}), Board{}).refusal->kind,
              Refusal::Kind::TooManyPieces);
}

}  // namespace
}  // namespace enclavio::sheets
