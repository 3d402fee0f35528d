// The layout: checks the board and the pieces, runs the search, and turns its
// cut trees into placements, cuts and offcuts in millimetres.
#include "sheets/layout.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "sheets/packing.hpp"

namespace enclavio::sheets {

namespace {

using packing::Len;
using packing::Node;
using packing::to_mm;
using packing::to_ticks;

// A size the search can take: finite, and at least one tick.
bool has_size(double mm) { return std::isfinite(mm) && mm > 0 && to_ticks(mm) > 0; }

std::optional<Refusal> refusal_of(const std::vector<Piece>& pieces, const Board& board) {
    if (auto problem = board_problem(board)) return Refusal{Refusal::Kind::Board, -1, *problem};
    if (pieces.empty()) return Refusal{Refusal::Kind::NoPieces, -1, {}};
    if (pieces.size() > static_cast<std::size_t>(kMaxPieces)) return Refusal{Refusal::Kind::TooManyPieces, -1, {}};
    const Len across = to_ticks(trimmed_across(board)), along = to_ticks(trimmed_along(board));
    for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
        const Piece& p = pieces[i];
        if (!has_size(p.first) || !has_size(p.second)) return Refusal{Refusal::Kind::PieceWithoutSize, i, {}};
        const Len f = to_ticks(p.first), s = to_ticks(p.second);
        const bool fits = (f <= across && s <= along) || (board.turning && s <= across && f <= along);
        if (!fits) return Refusal{Refusal::Kind::PieceTooLarge, i, {}};
    }
    return std::nullopt;
}

// Pieces of equal size (either way round when they may turn) are one type,
// lying as the first of them lies unturned; all sizes one kerf larger.
packing::Problem problem_of(const std::vector<Piece>& pieces, const Board& board) {
    packing::Problem p;
    p.kerf = to_ticks(board.kerf);
    p.W = to_ticks(trimmed_across(board)) + p.kerf;
    p.H = to_ticks(trimmed_along(board)) + p.kerf;
    std::map<std::pair<Len, Len>, int> type_of;
    for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
        const Len f = to_ticks(pieces[i].first), s = to_ticks(pieces[i].second);
        const std::pair<Len, Len> key = board.turning ? std::pair{std::min(f, s), std::max(f, s)} : std::pair{f, s};
        auto [it, added] = type_of.emplace(key, static_cast<int>(p.types.size()));
        if (added) {
            packing::PieceType t;
            t.w = f + p.kerf;
            t.h = s + p.kerf;
            t.turnable = board.turning && f != s;
            p.types.push_back(t);
        }
        p.types[it->second].pieces.push_back(i);
    }
    return p;
}

SheetPlan plan_of(const packing::SheetTree& tree, const std::vector<Piece>& pieces, const Board& board, Len kerf) {
    const auto& nodes = tree.nodes;
    const double trim = board.trim;
    // The real part of a node: its inflated size less the kerf.
    auto part = [&](const Node& n) {
        return Rect{trim + to_mm(n.x), trim + to_mm(n.y), to_mm(n.w - kerf), to_mm(n.h - kerf)};
    };

    // Cut numbers in the order the cuts are made: a part is cut down
    // completely, left or top part first.
    std::vector<int> number(nodes.size(), 0), order;
    std::vector<std::pair<int, bool>> source(nodes.size(), {0, true});
    std::vector<int> stack{0};
    int cuts = 0;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        order.push_back(i);
        if (nodes[i].kind != Node::Kind::Cut) continue;
        number[i] = ++cuts;
        source[nodes[i].first] = {number[i], true};
        source[nodes[i].second] = {number[i], false};
        stack.push_back(nodes[i].second);
        stack.push_back(nodes[i].first);
    }

    SheetPlan plan;
    std::vector<int> offcut_nodes;
    for (int i : order) {
        const Node& n = nodes[i];
        if (n.kind == Node::Kind::Piece) {
            const Piece& pc = pieces[n.piece];
            // Turned when its first dimension does not lie across.
            const bool turned = to_ticks(pc.first) != n.w - kerf;
            plan.placements.push_back({n.piece, trim + to_mm(n.x), trim + to_mm(n.y), turned ? pc.second : pc.first,
                                       turned ? pc.first : pc.second, turned});
            plan.used_area += pc.first * pc.second;
        } else if (n.kind == Node::Kind::Waste && n.w > kerf && n.h > kerf) {
            const Rect r = part(n);
            if (r.across > kMinOffcut && r.along > kMinOffcut) offcut_nodes.push_back(i);
            else plan.waste.push_back(r);
            plan.largest_offcut_area = std::max(plan.largest_offcut_area, r.across * r.along);
        }
    }
    std::stable_sort(offcut_nodes.begin(), offcut_nodes.end(), [&](int a, int b) {
        const Rect ra = part(nodes[a]), rb = part(nodes[b]);
        return ra.across * ra.along > rb.across * rb.along;
    });
    std::vector<int> offcut_index(nodes.size(), -1);
    for (int k = 0; k < static_cast<int>(offcut_nodes.size()); ++k) {
        offcut_index[offcut_nodes[k]] = k;
        plan.offcuts.push_back(part(nodes[offcut_nodes[k]]));
    }

    auto side = [&](int i) {
        const Node& n = nodes[i];
        switch (n.kind) {
            case Node::Kind::Cut: return CutSide{CutSide::Kind::Part, number[i]};
            case Node::Kind::Piece: return CutSide{CutSide::Kind::Piece, n.piece};
            case Node::Kind::Waste:
                if (offcut_index[i] >= 0) return CutSide{CutSide::Kind::Offcut, offcut_index[i]};
                return CutSide{CutSide::Kind::Waste, -1};
        }
        return CutSide{};
    };
    for (int i : order) {
        const Node& n = nodes[i];
        if (n.kind != Node::Kind::Cut) continue;
        Cut c;
        c.kind = n.rip ? CutKind::Rip : CutKind::CrossCut;
        c.source = source[i].first;
        c.source_first = source[i].second;
        c.part = part(n);
        c.distance = to_mm(n.at - kerf);
        c.first = side(n.first);
        c.second = side(n.second);
        plan.cuts.push_back(c);
    }
    std::stable_sort(plan.placements.begin(), plan.placements.end(),
                     [](const Placement& a, const Placement& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return plan;
}

}  // namespace

Layout lay_out(std::vector<Piece> pieces, const Board& board, const SearchOptions& options) {
    Layout out;
    out.board = board;
    out.pieces = std::move(pieces);
    out.refusal = refusal_of(out.pieces, board);
    if (out.refusal) return out;

    const packing::Problem problem = problem_of(out.pieces, board);
    const auto deadline = std::chrono::steady_clock::now() + options.time_limit;
    const packing::Result r = packing::pack(problem, deadline);
    for (const packing::SheetTree& t : r.sheets) out.sheets.push_back(plan_of(t, out.pieces, board, problem.kerf));
    out.proven = r.proven;
    out.lower_bound = r.lower_bound;
    return out;
}

double used_fraction(const Layout& layout) {
    if (layout.sheets.empty()) return 0;
    double used = 0;
    for (const SheetPlan& s : layout.sheets) used += s.used_area;
    return used / (static_cast<double>(layout.sheets.size()) * layout.board.across * layout.board.along);
}

double largest_offcut_area(const Layout& layout) {
    double a = 0;
    for (const SheetPlan& s : layout.sheets) a = std::max(a, s.largest_offcut_area);
    return a;
}

}  // namespace enclavio::sheets
