// The layout in words and as tab-separated values.
#include "sheets/texts.hpp"

#include <cmath>

#include "cutting/cutting.hpp"

namespace enclavio::sheets {

namespace {

std::string trimmed(std::string s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string plural(int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

// A share as a percentage truncated to a tenth; the hair added keeps 57.3
// from showing as 57.2 when the product lands just below it.
std::string percent(double fraction) { return plain_text(truncate_to(fraction * 100 + 1e-9, 1)) + "%"; }

std::string side_words(const Layout& l, const SheetPlan& s, const CutSide& side, UnitMode mode) {
    switch (side.kind) {
        case CutSide::Kind::Part: return "cut " + std::to_string(side.index);
        case CutSide::Kind::Piece: return l.pieces[side.index].name;
        case CutSide::Kind::Offcut: {
            const Rect& o = s.offcuts[side.index];
            return "offcut " + size_words(mode, o.across, o.along);
        }
        case CutSide::Kind::Waste: return "waste";
    }
    return "";
}

std::string cut_line(const Layout& l, const SheetPlan& s, int n, UnitMode mode) {
    const Cut& c = s.cuts[n - 1];
    const bool rip = c.kind == CutKind::Rip;
    std::string what = "the sheet";
    if (c.source > 0) {
        const bool source_rip = s.cuts[c.source - 1].kind == CutKind::Rip;
        const char* which = source_rip ? (c.source_first ? "left" : "right") : (c.source_first ? "top" : "bottom");
        what = std::string("the ") + which + " part of cut " + std::to_string(c.source) + " (" +
               size_words(mode, c.part.across, c.part.along) + ")";
    }
    return std::to_string(n) + ". " + (rip ? "Rip " : "Cross-cut ") + what + " at " + distance_words(mode, c.distance) +
           " from its " + (rip ? "left" : "top") + " edge. " + (rip ? "Left: " : "Top: ") +
           side_words(l, s, c.first, mode) + ". " + (rip ? "Right: " : "Bottom: ") + side_words(l, s, c.second, mode) +
           ".";
}

}  // namespace

std::string length_words(UnitMode mode, double mm) { return trimmed(cutting_value_text(mode, mm)); }

std::string size_words(UnitMode mode, double first, double second) {
    return length_words(mode, first) + " x " + length_words(mode, second) + std::string(unit_suffix(mode));
}

std::string distance_words(UnitMode mode, double mm) {
    return length_words(is_imperial(mode) ? UnitMode::Inches : mode, mm) + std::string(unit_suffix(mode));
}

std::string count_text(const Layout& l) {
    return plural(static_cast<int>(l.sheets.size()), "sheet", "sheets") +
           (l.proven ? " (fewest possible)" : " (best found)");
}

std::string usage_text(const Layout& l) { return "Board used: " + percent(used_fraction(l)); }

std::string board_text(const Board& b, UnitMode mode) {
    const std::string unit(unit_suffix(mode));
    return "Board " + size_words(mode, b.across, b.along) + ", kerf " + length_words(mode, b.kerf) + unit + ", trim " +
           length_words(mode, b.trim) + unit + ", " + (b.turning ? "pieces may be turned" : "first dimension across");
}

std::string sheet_heading(const Layout& l, int s) {
    const SheetPlan& p = l.sheets[s];
    return "Sheet " + std::to_string(s + 1) + " of " + std::to_string(l.sheets.size()) + ": " +
           plural(static_cast<int>(p.placements.size()), "piece", "pieces") + ", " +
           percent(p.used_area / (l.board.across * l.board.along)) + " used";
}

std::vector<std::string> piece_lines(const Layout& l, int s, UnitMode mode) {
    std::vector<std::string> lines;
    for (const Placement& p : l.sheets[s].placements) {
        const Piece& pc = l.pieces[p.piece];
        lines.push_back(pc.name + " " + size_words(mode, pc.first, pc.second) + (p.turned ? ", turned" : ""));
    }
    return lines;
}

std::string offcut_line(const Layout& l, int s, UnitMode mode) {
    const SheetPlan& p = l.sheets[s];
    if (p.offcuts.empty()) return "Offcuts: none larger than " + size_words(mode, kMinOffcut, kMinOffcut);
    std::string line = "Offcuts: ";
    for (std::size_t i = 0; i < p.offcuts.size(); ++i)
        line += (i ? ", " : "") + size_words(mode, p.offcuts[i].across, p.offcuts[i].along);
    return line;
}

std::vector<std::string> cut_lines(const Layout& l, int s, UnitMode mode) {
    const SheetPlan& p = l.sheets[s];
    const Board& b = l.board;
    std::vector<std::string> lines{"Cuts, each measured to the near side of the saw cut:"};
    if (b.trim > 0)
        lines.push_back("Trim " + distance_words(mode, b.trim) + " off every edge of the sheet first, leaving " +
                        size_words(mode, trimmed_across(b), trimmed_along(b)) + ".");
    if (p.cuts.empty() && !p.placements.empty())
        lines.push_back("No cuts: the whole sheet is the " + l.pieces[p.placements.front().piece].name + ".");
    for (int n = 1; n <= static_cast<int>(p.cuts.size()); ++n) lines.push_back(cut_line(l, p, n, mode));
    return lines;
}

std::string refusal_text(const Layout& l, UnitMode mode) {
    if (!l.refusal) return "";
    const Refusal& r = *l.refusal;
    const Board& b = l.board;
    switch (r.kind) {
        case Refusal::Kind::NoPieces: return "There are no panels to lay out.";
        case Refusal::Kind::TooManyPieces:
            return "There are more than " + std::to_string(kMaxPieces) + " pieces to lay out.";
        case Refusal::Kind::Board: return r.board_problem;
        case Refusal::Kind::PieceWithoutSize: return l.pieces[r.piece].name + " has no size to cut.";
        case Refusal::Kind::PieceTooLarge: {
            const Piece& p = l.pieces[r.piece];
            const double across = trimmed_across(b), along = trimmed_along(b);
            const std::string board = size_words(mode, across, along);
            const std::string piece = p.name + " " + size_words(mode, p.first, p.second);
            if (!b.turning && p.second <= across && p.first <= along)
                return piece + " fits the board after trim (" + board + ") only turned, and turning is off.";
            return piece + " is larger than the board after trim (" + board + ").";
        }
    }
    return "";
}

std::string layout_text(const Layout& l, UnitMode mode) {
    if (l.refusal) return refusal_text(l, mode) + "\n";
    std::string out = count_text(l) + ". " + usage_text(l) + "\n" + board_text(l.board, mode) + "\n";
    for (int s = 0; s < static_cast<int>(l.sheets.size()); ++s) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely of a
        // literal put in front of a string.
        out.append("\n").append(sheet_heading(l, s)).append("\n");
        for (const std::string& line : piece_lines(l, s, mode)) out.append("  ").append(line).append("\n");
        out += offcut_line(l, s, mode) + "\n";
        const std::vector<std::string> cuts = cut_lines(l, s, mode);
        out += cuts.front() + "\n";
        for (std::size_t i = 1; i < cuts.size(); ++i) out.append("  ").append(cuts[i]).append("\n");
    }
    return out;
}

std::string layout_tsv(const Layout& l) {
    if (l.refusal) return "";
    std::string out = "sheet\tpanel\tx_mm\ty_mm\tacross_mm\talong_mm\tturned\n";
    for (std::size_t s = 0; s < l.sheets.size(); ++s)
        for (const Placement& p : l.sheets[s].placements)
            out += std::to_string(s + 1) + "\t" + l.pieces[p.piece].name + "\t" + plain_text(p.x) + "\t" +
                   plain_text(p.y) + "\t" + plain_text(p.across) + "\t" + plain_text(p.along) + "\t" +
                   (p.turned ? "yes" : "no") + "\n";
    out += "# sheets " + std::to_string(l.sheets.size()) + (l.proven ? " proven" : " best-found") + "\n";
    return out;
}

}  // namespace enclavio::sheets
