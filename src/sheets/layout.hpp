// The sheet layout: the pieces placed on the fewest boards, guillotine cuts
// only, with the cut sequence a builder follows at the saw.
//
// The answer, in order of importance: the fewest sheets; among layouts with
// that many, the largest single rectangular offcut; then the fewest cuts.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "sheets/board.hpp"
#include "sheets/pieces.hpp"

namespace enclavio::sheets {

// All positions and sizes in millimetres; x across the sheet, y along it,
// both from the untrimmed sheet's origin corner (the top left of the drawings).

// Where one piece lies: the corner nearest the origin, and its extent.
struct Placement {
    int piece = 0;  // index into Layout::pieces
    double x = 0, y = 0;
    double across = 0, along = 0;
    bool turned = false;  // its first dimension lies along the sheet
};

struct Rect {
    double x = 0, y = 0, across = 0, along = 0;
};

// Offcuts are listed when larger than this both ways.
inline constexpr double kMinOffcut = 100;

// A rip runs along the sheet (a line of constant x); a cross-cut runs across it.
enum class CutKind { Rip, CrossCut };

// What one side of a cut is once it is made.
struct CutSide {
    enum class Kind { Part, Piece, Offcut, Waste };
    Kind kind = Kind::Waste;
    int index = -1;  // Part: the number of the cut that divides it next; Piece: the
                     // piece; Offcut: its index in SheetPlan::offcuts
};

// One saw cut, numbered from 1 on each sheet in the order they are made: each
// part is cut down completely, left or top part first, before the next.
struct Cut {
    CutKind kind = CutKind::Rip;
    int source = 0;            // the cut that made the part being cut; 0: the (trimmed) sheet
    bool source_first = true;  // its left or top part (else its right or bottom part)
    Rect part;                 // the part being cut
    // From the part's left edge (rip) or top edge (cross-cut) to the near side
    // of the cut: the left or top part comes out exactly this size.
    double distance = 0;
    CutSide first, second;  // left and right (rip), top and bottom (cross-cut)
};

struct SheetPlan {
    std::vector<Placement> placements;  // top to bottom, then left to right
    std::vector<Cut> cuts;
    std::vector<Rect> offcuts;       // larger than kMinOffcut both ways, largest first
    std::vector<Rect> waste;         // the rest left over, slivers included
    double largest_offcut_area = 0;  // mm^2, the largest rectangle left, whatever its size
    double used_area = 0;            // mm^2 of pieces
};

// Why no layout was made.
struct Refusal {
    enum class Kind {
        NoPieces,          // the design has no panel sizes
        TooManyPieces,     // over kMaxPieces
        Board,             // the board settings are unusable: `board_problem`
        PieceWithoutSize,  // a dimension of 0 or less: `piece`
        PieceTooLarge,     // larger than the trimmed board (either way round when it may turn): `piece`
    };
    Kind kind = Kind::NoPieces;
    int piece = -1;
    std::string board_problem;
};
inline constexpr int kMaxPieces = 500;

struct Layout {
    Board board;
    std::vector<Piece> pieces;
    std::vector<SheetPlan> sheets;  // fullest first
    bool proven = false;            // no layout needs fewer sheets
    int lower_bound = 0;            // no layout needs fewer than this
    std::optional<Refusal> refusal;
};

struct SearchOptions {
    // When the search cannot be bounded in advance (more than one box, as a
    // rule), it stops here with the best layout found.
    std::chrono::milliseconds time_limit{200};
};

// Lays the pieces out on as few boards as possible. The search is exhaustive,
// and the count proven, whenever its work can be bounded in advance (always
// for one box's panels); otherwise it stops once the count is proven (it meets
// the lower bound, or the search for one sheet fewer finished) or at the time
// limit. The same input gives the same layout unless the time limit cuts a
// search short.
Layout lay_out(std::vector<Piece> pieces, const Board& board, const SearchOptions& options = {});

// The board used by the pieces, as a fraction of the sheets' whole area.
double used_fraction(const Layout& layout);
// The largest offcut of the layout, any size (mm^2).
double largest_offcut_area(const Layout& layout);

}  // namespace enclavio::sheets
