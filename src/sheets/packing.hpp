// The search behind the layout, in whole ticks of 1/10000 mm so that sizes
// add up exactly.
//
// Kerf model: every piece and the trimmed board are made one kerf larger on
// their far sides. A guillotine cut that divides a part of (inflated) size R
// at a then leaves parts of a and R - a, and a real gap of one kerf between
// neighbours, with none against the trimmed edge. This is exact, so the search
// only packs inflated rectangles edge to edge.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace enclavio::sheets::packing {

using Len = std::int64_t;
inline constexpr double kTicksPerMm = 10000;
Len to_ticks(double mm);
inline double to_mm(Len ticks) { return static_cast<double>(ticks) / kTicksPerMm; }

// Pieces of one size (either way round when they may turn), inflated.
struct PieceType {
    Len w = 0, h = 0;  // across and along as the first piece lies unturned
    bool turnable = false;
    std::vector<int> pieces;  // the caller's indices of its pieces
    int count() const { return static_cast<int>(pieces.size()); }
};

struct Problem {
    std::vector<PieceType> types;
    Len W = 0, H = 0;  // the trimmed board, inflated
    Len kerf = 0;
    Len real_w() const { return W - kerf; }
    Len real_h() const { return H - kerf; }
};

// The cut tree of one sheet in inflated ticks from the trimmed board's corner.
struct Node {
    enum class Kind { Piece, Waste, Cut };
    Kind kind = Kind::Waste;
    Len x = 0, y = 0, w = 0, h = 0;
    int piece = -1;  // Piece: the caller's index
    bool turned = false;
    bool rip = false;  // Cut: a line along the sheet at x + at (else across at y + at)
    Len at = 0;
    int first = -1, second = -1;  // Cut: left or top part, right or bottom part
};
struct SheetTree {
    std::vector<Node> nodes;  // nodes[0] is the whole trimmed board
};

// Largest left-over rectangle (real mm^2 as ticks^2, 0 when none) and cuts.
struct TreeStats {
    Len largest_waste = 0;
    int cuts = 0;
};
TreeStats tree_stats(const SheetTree& t, Len kerf);

struct Result {
    std::vector<SheetTree> sheets;
    bool proven = false;
    int lower_bound = 0;
};

// Packs every piece of every type. The exhaustive search runs to the end when
// its work can be bounded in advance (always for the panels of one box);
// otherwise the search stops at `deadline` with the best found.
Result pack(const Problem& p, std::chrono::steady_clock::time_point deadline);

}  // namespace enclavio::sheets::packing
