// Checks every layout must pass, worked out from the placements alone, and a
// brute-force reference for the fewest sheets of a few pieces.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "sheets/layout.hpp"

namespace enclavio::sheets::check {

inline constexpr double kTol = 1e-6;  // mm

struct Box {
    double x0, y0, x1, y1;
};

inline Box box_of(const Placement& p) { return {p.x, p.y, p.x + p.across, p.y + p.along}; }
inline Box box_of(const Rect& r) { return {r.x, r.y, r.x + r.across, r.y + r.along}; }

// Whether the pieces inside `region` can be cut apart by guillotine cuts one
// kerf wide: some straight line across the whole region, with a kerf's gap,
// divides them in two groups, and so on in each group.
inline bool guillotine(std::vector<Box> boxes, double kerf) {
    if (boxes.size() <= 1) return true;
    for (int axis = 0; axis < 2; ++axis) {
        auto lo = [axis](const Box& b) { return axis == 0 ? b.x0 : b.y0; };
        auto hi = [axis](const Box& b) { return axis == 0 ? b.x1 : b.y1; };
        std::sort(boxes.begin(), boxes.end(), [&](const Box& a, const Box& b) { return lo(a) < lo(b); });
        double reach = hi(boxes[0]);
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            if (lo(boxes[i]) >= reach + kerf - kTol) {
                const std::vector<Box> a(boxes.begin(), boxes.begin() + i), b(boxes.begin() + i, boxes.end());
                return guillotine(a, kerf) && guillotine(b, kerf);
            }
            reach = std::max(reach, hi(boxes[i]));
        }
    }
    return false;
}

// Follows the cut sequence of one sheet from the trimmed sheet down, and
// checks that every part it names is the part the earlier cuts made and that
// every piece and offcut comes out where the layout puts it.
inline void replay_cuts(const Layout& l, const SheetPlan& s) {
    const Board& b = l.board;
    std::map<std::pair<int, bool>, Rect> parts;  // (cut, first side) -> part
    parts[{0, true}] = {b.trim, b.trim, trimmed_across(b), trimmed_along(b)};
    std::set<int> pieces_made;
    auto same = [](const Rect& a, const Rect& r) {
        return std::abs(a.x - r.x) < kTol && std::abs(a.y - r.y) < kTol && std::abs(a.across - r.across) < kTol &&
               std::abs(a.along - r.along) < kTol;
    };
    for (int n = 1; n <= static_cast<int>(s.cuts.size()); ++n) {
        const Cut& c = s.cuts[n - 1];
        const auto it = parts.find({c.source, c.source_first});
        ASSERT_NE(it, parts.end()) << "cut " << n << " divides a part no cut made";
        EXPECT_TRUE(same(it->second, c.part)) << "cut " << n;
        parts.erase(it);
        const Rect p = c.part;
        const bool rip = c.kind == CutKind::Rip;
        const double span = rip ? p.across : p.along;
        ASSERT_GT(c.distance, 0) << "cut " << n;
        ASSERT_LT(c.distance, span) << "cut " << n;
        const Rect first = rip ? Rect{p.x, p.y, c.distance, p.along} : Rect{p.x, p.y, p.across, c.distance};
        const double rest = span - c.distance - b.kerf;
        const Rect second = rip ? Rect{p.x + c.distance + b.kerf, p.y, rest, p.along}
                                : Rect{p.x, p.y + c.distance + b.kerf, p.across, rest};
        for (const auto& [side, r, is_first] :
             {std::tuple{c.first, first, true}, std::tuple{c.second, second, false}}) {
            switch (side.kind) {
                case CutSide::Kind::Part: parts[{n, is_first}] = r; break;
                case CutSide::Kind::Piece: {
                    const auto pl = std::find_if(s.placements.begin(), s.placements.end(),
                                                 [&](const Placement& x) { return x.piece == side.index; });
                    ASSERT_NE(pl, s.placements.end()) << "cut " << n;
                    EXPECT_TRUE(same(r, Rect{pl->x, pl->y, pl->across, pl->along})) << "cut " << n;
                    EXPECT_TRUE(pieces_made.insert(side.index).second) << "cut " << n;
                    break;
                }
                case CutSide::Kind::Offcut:
                    ASSERT_LT(side.index, static_cast<int>(s.offcuts.size()));
                    EXPECT_TRUE(same(r, s.offcuts[side.index])) << "cut " << n;
                    break;
                case CutSide::Kind::Waste: break;
            }
        }
    }
    // A sheet holding one piece of exactly the trimmed size needs no cut.
    if (s.cuts.empty()) {
        ASSERT_EQ(s.placements.size(), 1u);
        const Placement& p = s.placements.front();
        EXPECT_TRUE(same(parts.at({0, true}), Rect{p.x, p.y, p.across, p.along}));
        return;
    }
    EXPECT_EQ(pieces_made.size(), s.placements.size());
    EXPECT_TRUE(parts.empty()) << "parts left uncut";
}

// Every invariant of a layout that was made.
inline void expect_valid(const Layout& l) {
    ASSERT_FALSE(l.refusal.has_value());
    const Board& b = l.board;
    std::vector<int> placed(l.pieces.size(), 0);
    for (const SheetPlan& s : l.sheets) {
        std::vector<Box> boxes;
        for (const Placement& p : s.placements) {
            ASSERT_GE(p.piece, 0);
            ASSERT_LT(p.piece, static_cast<int>(l.pieces.size()));
            ++placed[p.piece];
            const Piece& pc = l.pieces[p.piece];
            // Its own size, turned or not, and turned only when allowed.
            EXPECT_EQ(p.across, p.turned ? pc.second : pc.first) << pc.name;
            EXPECT_EQ(p.along, p.turned ? pc.first : pc.second) << pc.name;
            if (!b.turning) {
                EXPECT_FALSE(p.turned) << pc.name;
            }
            // Inside the trimmed board.
            EXPECT_GE(p.x, b.trim - kTol) << pc.name;
            EXPECT_GE(p.y, b.trim - kTol) << pc.name;
            EXPECT_LE(p.x + p.across, b.across - b.trim + kTol) << pc.name;
            EXPECT_LE(p.y + p.along, b.along - b.trim + kTol) << pc.name;
            boxes.push_back(box_of(p));
        }
        // A kerf between neighbours.
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                const Box &a = boxes[i], &c = boxes[j];
                const double gap = std::max({c.x0 - a.x1, a.x0 - c.x1, c.y0 - a.y1, a.y0 - c.y1});
                EXPECT_GE(gap, b.kerf - kTol) << "pieces " << i << " and " << j;
            }
        EXPECT_TRUE(guillotine(boxes, b.kerf)) << "not cut by guillotine cuts";
        // Offcuts clear of the pieces.
        for (const Rect& o : s.offcuts) {
            EXPECT_GT(o.across, kMinOffcut);
            EXPECT_GT(o.along, kMinOffcut);
            for (const Box& p : boxes) {
                const Box ob = box_of(o);
                const double gap = std::max({ob.x0 - p.x1, p.x0 - ob.x1, ob.y0 - p.y1, p.y0 - ob.y1});
                EXPECT_GE(gap, -kTol);
            }
        }
        replay_cuts(l, s);
    }
    for (std::size_t i = 0; i < placed.size(); ++i) EXPECT_EQ(placed[i], 1) << "piece " << i << " placed";
    EXPECT_GE(static_cast<int>(l.sheets.size()), l.lower_bound);
    if (l.proven) {
        EXPECT_EQ(static_cast<int>(l.sheets.size()), l.lower_bound);
    }
}

// The fewest sheets of a few pieces by brute force: any group of pieces fits
// a part when one piece fits it, or when some straight cut divides the part
// with one group in each half. A group's tight width is the sum of some of its
// pieces' sides and the kerfs between them, so only those cut positions count.
class BruteForce {
public:
    BruteForce(std::vector<Piece> pieces, const Board& b) : p_(std::move(pieces)), b_(b) {}

    int fewest_sheets() {
        const int n = static_cast<int>(p_.size()), all = (1 << n) - 1;
        std::vector<int> best(all + 1, 1000);
        best[0] = 0;
        for (int m = 1; m <= all; ++m) {
            const int low = m & -m;
            for (int sub = m; sub; sub = (sub - 1) & m)
                if ((sub & low) && fits(sub, trimmed_across(b_), trimmed_along(b_)))
                    best[m] = std::min(best[m], 1 + best[m ^ sub]);
        }
        return best[all];
    }

private:
    bool fits(int set, double w, double h) {
        if (w < -kTol || h < -kTol) return false;
        const auto key = std::tuple{set, std::llround(w * 1000), std::llround(h * 1000)};
        if (auto it = memo_.find(key); it != memo_.end()) return it->second;
        bool ok = false;
        if ((set & (set - 1)) == 0) {
            const Piece& p = p_[__builtin_ctz(set)];
            ok = (p.first <= w + kTol && p.second <= h + kTol) ||
                 (b_.turning && p.second <= w + kTol && p.first <= h + kTol);
        } else {
            const int low = set & -set;
            for (int a = (set - 1) & set; a && !ok; a = (a - 1) & set) {
                if (!(a & low)) continue;
                const int rest = set ^ a;
                for (double x : sides(a)) {
                    if (x <= w + kTol && fits(a, x, h) && fits(rest, w - x - b_.kerf, h)) ok = true;
                    if (!ok && x <= h + kTol && fits(a, w, x) && fits(rest, w, h - x - b_.kerf)) ok = true;
                    if (ok) break;
                }
            }
        }
        memo_[key] = ok;
        return ok;
    }
    // Every sum of one side of each piece of some subset, with kerfs between.
    const std::vector<double>& sides(int set) {
        auto [it, added] = sides_.try_emplace(set);
        if (!added) return it->second;
        std::vector<double>& out = it->second;
        for (int q = set; q; q = (q - 1) & set) {
            std::vector<double> sums{-b_.kerf};
            for (int i = 0; i < static_cast<int>(p_.size()); ++i) {
                if (!(q & (1 << i))) continue;
                std::vector<double> next;
                for (double s : sums) {
                    next.push_back(s + b_.kerf + p_[i].first);
                    next.push_back(s + b_.kerf + p_[i].second);
                }
                sums = next;
            }
            out.insert(out.end(), sums.begin(), sums.end());
        }
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    }
    std::map<int, std::vector<double>> sides_;

    std::vector<Piece> p_;
    Board b_;
    std::map<std::tuple<int, long long, long long>, bool> memo_;
};

}  // namespace enclavio::sheets::check
