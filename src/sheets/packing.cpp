// The layout search.
//
// 1. Greedy guillotine packings in several piece orders and cutting rules give
//    a first layout quickly, and with it an upper bound on the sheets.
// 2. Lower bound: the area of the pieces, and the pieces no two of which share
//    a sheet.
// 3. The exhaustive search works on multisets of piece types (pieces of equal
//    size are interchangeable). For every multiset that could fit one sheet it
//    builds the frontier: every smallest bounding box, w x h, of a guillotine
//    packing of exactly those pieces. A guillotine packing's first cut splits
//    its pieces in two groups, each packed in its own part, so the frontier of
//    a multiset is made from the frontiers of its two-way splits placed side
//    by side or one above the other; a single piece lies either way round.
//    Every guillotine packing is covered: a multiset fits a sheet exactly when
//    its frontier has an entry within the board. Then the fewest sheets of the
//    whole demand follow by dynamic programming over its sub-multisets, each
//    sheet one that fits. Both steps are complete, so their count is proven.
//    Searching for layouts of at most T sheets, entries wasting more than T
//    boards less the pieces can belong to none of them and are left out.
// 4. Among layouts with that many sheets, the one sheet whose largest offcut
//    is largest: an offcut is a leaf of the cut tree; on the way from the root
//    to it every cut sets pieces aside in a part packed as tightly as the
//    frontier allows, so searching those chains finds the largest offcut a
//    sheet of those pieces can have. The other sheets take the frontier entry
//    with the fewest cuts.
// 5. When the search is too large to finish in time (more than two boxes, as
//    a rule) and the greedy layouts miss the lower bound, the demand split in
//    equal groups (its boxes) is laid out a few groups at a time and put
//    together, shuffled greedy orders are tried, small sheets are packed again
//    exactly, and the search for one sheet fewer runs until the deadline.
#include "sheets/packing.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numeric>
#include <span>
#include <unordered_map>

namespace enclavio::sheets::packing {

Len to_ticks(double mm) { return static_cast<Len>(std::llround(mm * kTicksPerMm)); }

namespace {

using Clock = std::chrono::steady_clock;

// The exhaustive search runs to the end without a deadline when its work,
// counted in sub-multisets visited (about 0.2 us each), is known to stay under
// this: always for the panels of one box, whose most (twenty shelf braces,
// every other size different) come to 2 x 224,532.
constexpr double kExhaustiveWork = 5.0e5;
// Above it the search runs against the deadline, and not at all for spaces
// of more multisets than this.
constexpr long long kMaxStates = 1 << 19;
// Greedy restarts with shuffled orders when the bounds do not meet.
constexpr int kRestarts = 400;
// Groups tried by the search for the largest offcut of a sheet.
constexpr double kChainWork = 1.0e5;
// A sheet of a greedy layout is packed again exactly when this small.
constexpr double kSheetWork = 2.0e5;

// A work allowance: a fixed number of steps, with the clock as a safety net.
class Budget {
public:
    Budget(double steps, Clock::time_point deadline) : left_(steps), deadline_(deadline) {}
    bool spend(double n) {
        if (out_) return false;
        left_ -= n;
        tick_ += n;
        if (left_ < 0) out_ = true;
        if (tick_ >= 20000) {
            tick_ = 0;
            if (Clock::now() >= deadline_) out_ = true;
        }
        return !out_;
    }
    bool out() const { return out_; }
    Clock::time_point deadline() const { return deadline_; }

private:
    double left_;
    Clock::time_point deadline_;
    double tick_ = 0;
    bool out_ = false;
};

Clock::time_point never() { return Clock::time_point::max(); }

// ---------------------------------------------------------------------------
// Cut trees

class TreeBuilder {
public:
    explicit TreeBuilder(SheetTree& t) : t_(t) {}
    int reserve() {
        t_.nodes.emplace_back();
        return static_cast<int>(t_.nodes.size()) - 1;
    }
    int waste(Len x, Len y, Len w, Len h) {
        const int i = reserve();
        t_.nodes[i] = Node{Node::Kind::Waste, x, y, w, h};
        return i;
    }
    int piece(int at, Len x, Len y, Len w, Len h, int piece, bool turned) {
        Node n{Node::Kind::Piece, x, y, w, h};
        n.piece = piece;
        n.turned = turned;
        t_.nodes[at] = n;
        return at;
    }
    int cut(int at, Len x, Len y, Len w, Len h, bool rip, Len pos, int first, int second) {
        Node n{Node::Kind::Cut, x, y, w, h};
        n.rip = rip;
        n.at = pos;
        n.first = first;
        n.second = second;
        t_.nodes[at] = n;
        return at;
    }
    Node& operator[](int i) { return t_.nodes[i]; }

private:
    SheetTree& t_;
};

Len real_area(Len w, Len h, Len kerf) { return (w > kerf && h > kerf) ? (w - kerf) * (h - kerf) : 0; }

struct Score {
    int sheets = std::numeric_limits<int>::max();
    Len offcut = 0;
    int cuts = 0;
};
bool better(const Score& a, const Score& b) {
    if (a.sheets != b.sheets) return a.sheets < b.sheets;
    if (a.offcut != b.offcut) return a.offcut > b.offcut;
    return a.cuts < b.cuts;
}
Score score_of(const std::vector<SheetTree>& sheets, Len kerf) {
    Score s{static_cast<int>(sheets.size()), 0, 0};
    for (const SheetTree& t : sheets) {
        const TreeStats st = tree_stats(t, kerf);
        s.offcut = std::max(s.offcut, st.largest_waste);
        s.cuts += st.cuts;
    }
    return s;
}

// The pieces of each type, handed out in order as trees are built.
class Pool {
public:
    explicit Pool(std::vector<std::vector<int>> per_type) : per_type_(std::move(per_type)), next_(per_type_.size()) {}
    int take(int type) { return per_type_[type][next_[type]++]; }

private:
    std::vector<std::vector<int>> per_type_;
    std::vector<std::size_t> next_;
};

// ---------------------------------------------------------------------------
// Greedy guillotine packing

enum class Fit { BestArea, BestShortSide, BestLongSide };
enum class Split { ShorterLeftover, LongerLeftover, MaxArea, MinArea, ShorterAxis, LongerAxis };
constexpr Fit kFits[] = {Fit::BestArea, Fit::BestShortSide, Fit::BestLongSide};
constexpr Split kSplits[] = {Split::ShorterLeftover, Split::LongerLeftover, Split::MaxArea,
                             Split::MinArea,         Split::ShorterAxis,    Split::LongerAxis};

struct PieceRef {
    int piece, type;
};

// How well a piece of pw x ph fills a free part of w x h: smaller is better.
std::pair<Len, Len> fit_score(Fit fit, Len w, Len h, Len pw, Len ph) {
    const Len dw = w - pw, dh = h - ph;
    switch (fit) {
        case Fit::BestArea: return {w * h - pw * ph, std::min(dw, dh)};
        case Fit::BestShortSide: return {std::min(dw, dh), std::max(dw, dh)};
        case Fit::BestLongSide: return {std::max(dw, dh), std::min(dw, dh)};
    }
    return {0, 0};
}

// Whether the first cut around a placed piece runs across the sheet (leaving
// a full-width part below it) rather than along it.
bool cross_first(Split split, Len w, Len h, Len pw, Len ph) {
    const Len dw = w - pw, dh = h - ph;
    const Len rip_big = std::max(dw * h, pw * dh), cross_big = std::max(w * dh, dw * ph);
    switch (split) {
        case Split::ShorterLeftover: return dw <= dh;
        case Split::LongerLeftover: return dw > dh;
        case Split::MaxArea: return cross_big >= rip_big;
        case Split::MinArea: return cross_big < rip_big;
        case Split::ShorterAxis: return w <= h;
        case Split::LongerAxis: return w > h;
    }
    return true;
}

std::vector<SheetTree> greedy(const Problem& p, const std::vector<PieceRef>& order, Fit fit, Split split) {
    std::vector<SheetTree> sheets;
    struct Free {
        int sheet, node;
    };
    std::vector<Free> free;
    for (const PieceRef& r : order) {
        const PieceType& type = p.types[r.type];
        int best = -1;
        bool best_turned = false;
        std::pair<Len, Len> best_score{};
        for (int i = 0; i < static_cast<int>(free.size()); ++i) {
            const Node& n = sheets[free[i].sheet].nodes[free[i].node];
            for (int turned = 0; turned <= (type.turnable ? 1 : 0); ++turned) {
                const Len pw = turned ? type.h : type.w, ph = turned ? type.w : type.h;
                if (pw > n.w || ph > n.h) continue;
                const auto s = fit_score(fit, n.w, n.h, pw, ph);
                if (best < 0 || s < best_score) best = i, best_turned = turned, best_score = s;
            }
        }
        if (best < 0) {
            // A new sheet; every piece fits the board one way or the other.
            sheets.emplace_back();
            TreeBuilder(sheets.back()).waste(0, 0, p.W, p.H);
            free.push_back({static_cast<int>(sheets.size()) - 1, 0});
            best = static_cast<int>(free.size()) - 1;
            best_turned = !(type.w <= p.W && type.h <= p.H);
        }
        const Free f = free[best];
        free.erase(free.begin() + best);
        TreeBuilder b(sheets[f.sheet]);
        const Node n = b[f.node];
        const Len pw = best_turned ? type.h : type.w, ph = best_turned ? type.w : type.h;
        const Len dw = n.w - pw, dh = n.h - ph;
        std::vector<int> made;
        if (dw == 0 && dh == 0) {
            b.piece(f.node, n.x, n.y, pw, ph, r.piece, best_turned);
        } else if (dh == 0 || dw == 0) {
            const int pc = b.reserve();
            b.piece(pc, n.x, n.y, pw, ph, r.piece, best_turned);
            const int rest = dh == 0 ? b.waste(n.x + pw, n.y, dw, n.h) : b.waste(n.x, n.y + ph, n.w, dh);
            b.cut(f.node, n.x, n.y, n.w, n.h, dh == 0, dh == 0 ? pw : ph, pc, rest);
            made.push_back(rest);
        } else if (cross_first(split, n.w, n.h, pw, ph)) {
            const int strip = b.reserve();
            const int pc = b.reserve();
            b.piece(pc, n.x, n.y, pw, ph, r.piece, best_turned);
            const int beside = b.waste(n.x + pw, n.y, dw, ph);
            b.cut(strip, n.x, n.y, n.w, ph, true, pw, pc, beside);
            const int below = b.waste(n.x, n.y + ph, n.w, dh);
            b.cut(f.node, n.x, n.y, n.w, n.h, false, ph, strip, below);
            made = {beside, below};
        } else {
            const int strip = b.reserve();
            const int pc = b.reserve();
            b.piece(pc, n.x, n.y, pw, ph, r.piece, best_turned);
            const int below = b.waste(n.x, n.y + ph, pw, dh);
            b.cut(strip, n.x, n.y, pw, n.h, false, ph, pc, below);
            const int beside = b.waste(n.x + pw, n.y, dw, n.h);
            b.cut(f.node, n.x, n.y, n.w, n.h, true, pw, strip, beside);
            made = {below, beside};
        }
        // Parts no piece can fill (the kerf takes all of them) are not offered.
        for (int m : made)
            if (b[m].w > p.kerf && b[m].h > p.kerf) free.push_back({f.sheet, m});
    }
    return sheets;
}

// Piece orders tried first: by area, longest side, perimeter, across, along,
// shortest side; equal pieces stay together in the caller's order.
std::vector<std::vector<PieceRef>> greedy_orders(const Problem& p) {
    std::vector<PieceRef> base;
    for (int t = 0; t < static_cast<int>(p.types.size()); ++t)
        for (int piece : p.types[t].pieces) base.push_back({piece, t});
    using Key = std::pair<Len, Len>;
    const std::vector<Key (*)(const PieceType&)> keys{
        [](const PieceType& t) {
            return Key{t.w * t.h, std::max(t.w, t.h)};
        },
        [](const PieceType& t) {
            return Key{std::max(t.w, t.h), std::min(t.w, t.h)};
        },
        [](const PieceType& t) {
            return Key{t.w + t.h, std::max(t.w, t.h)};
        },
        [](const PieceType& t) {
            return Key{t.w, t.h};
        },
        [](const PieceType& t) {
            return Key{t.h, t.w};
        },
        [](const PieceType& t) {
            return Key{std::min(t.w, t.h), std::max(t.w, t.h)};
        },
    };
    std::vector<std::vector<PieceRef>> orders;
    for (auto key : keys) {
        std::vector<PieceRef> o = base;
        std::stable_sort(o.begin(), o.end(), [&](const PieceRef& a, const PieceRef& b) {
            const Key ka = key(p.types[a.type]), kb = key(p.types[b.type]);
            if (ka != kb) return ka > kb;
            return a.type < b.type;
        });
        orders.push_back(std::move(o));
    }
    return orders;
}

// A small deterministic generator, so that the same input gives the same layout.
class Random {
public:
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_ = 0x5EEDull;
};

// ---------------------------------------------------------------------------
// Lower bound

int lower_bound(const Problem& p) {
    double area = 0;
    std::vector<int> by_area;
    for (int t = 0; t < static_cast<int>(p.types.size()); ++t) {
        area += static_cast<double>(p.types[t].w) * static_cast<double>(p.types[t].h) * p.types[t].count();
        by_area.push_back(t);
    }
    const double board = static_cast<double>(p.W) * static_cast<double>(p.H);
    // Rounded down a hair, so that rounding never raises the bound.
    const int by_sheets_area = static_cast<int>(std::ceil(area / board - 1e-9));

    // Pieces no two of which fit one sheet together need a sheet each.
    auto together = [&](const PieceType& a, const PieceType& b) {
        for (int ta = 0; ta <= (a.turnable ? 1 : 0); ++ta) {
            for (int tb = 0; tb <= (b.turnable ? 1 : 0); ++tb) {
                const Len aw = ta ? a.h : a.w, ah = ta ? a.w : a.h, bw = tb ? b.h : b.w, bh = tb ? b.w : b.h;
                if (aw + bw <= p.W && std::max(ah, bh) <= p.H) return true;
                if (ah + bh <= p.H && std::max(aw, bw) <= p.W) return true;
            }
        }
        return false;
    };
    std::stable_sort(by_area.begin(), by_area.end(),
                     [&](int a, int b) { return p.types[a].w * p.types[a].h > p.types[b].w * p.types[b].h; });
    std::vector<int> clique;
    int apart = 0;
    for (int t : by_area) {
        bool alone = true;
        for (int c : clique) alone = alone && !together(p.types[t], p.types[c]);
        if (!alone) continue;
        clique.push_back(t);
        apart += together(p.types[t], p.types[t]) ? 1 : p.types[t].count();
    }
    return std::max({1, by_sheets_area, apart});
}

// ---------------------------------------------------------------------------
// Multisets of piece types and their frontiers

struct Entry {
    Len w = 0, h = 0;
    int cuts = 0;
    enum class Kind : std::uint8_t { Leaf, Side, Stack } kind = Kind::Leaf;
    bool turned = false;
    int type = -1;       // Leaf
    int a = 0, b = 0;    // Side, Stack: the two sub-multisets (left or top first)
    int ea = 0, eb = 0;  // and their entries
};

class Frontiers {
public:
    Frontiers(const Problem& p, std::vector<int> demand) : p_(p), demand_(std::move(demand)) {
        const int n = static_cast<int>(demand_.size());
        stride_.assign(n, 1);
        long long size = 1;
        for (int t = 0; t < n; ++t) {
            stride_[t] = static_cast<int>(size);
            size *= demand_[t] + 1;
            if (size > kMaxStates) {
                size_ = -1;
                return;
            }
        }
        size_ = static_cast<int>(size);
    }

    bool searchable() const { return size_ > 0; }
    int full() const { return size_ - 1; }
    int types() const { return static_cast<int>(demand_.size()); }
    int count(int state, int t) const { return state / stride_[t] % (demand_[t] + 1); }
    std::span<const Entry> at(int s) const { return {entries_.data() + begin_[s], static_cast<std::size_t>(len_[s])}; }
    bool empty(int s) const { return len_[s] == 0; }
    Len real_area(int s) const { return real_area_[s]; }
    double area(int s) {
        prepare_areas();
        return area_[s];
    }

    // Calls f(sub) for every sub-multiset of `state`, 0 and itself included.
    template <class F>
    void for_each_sub(int state, F&& f) const {
        int counts[64], sub[64] = {};
        const int n = types();
        for (int t = 0; t < n; ++t) counts[t] = count(state, t);
        int idx = 0;
        for (;;) {
            f(idx);
            int t = 0;
            for (; t < n; ++t) {
                if (sub[t] < counts[t]) {
                    ++sub[t];
                    idx += stride_[t];
                    break;
                }
                idx -= sub[t] * stride_[t];
                sub[t] = 0;
            }
            if (t == n) return;
        }
    }
    double subs(int state) const {
        double n = 1;
        for (int t = 0; t < types(); ++t) n *= count(state, t) + 1;
        return n;
    }

    // Work of the exhaustive search, counted in sub-multisets visited.
    double estimated_work() {
        prepare_areas();
        double work = 0, pairs = 1;
        for (int s = 1; s < size_; ++s)
            if (area_ok(s)) work += subs(s);
        for (int d : demand_) pairs *= (d + 1.0) * (d + 2.0) / 2.0;
        return work + pairs;
    }

    // Every multiset's frontier; false when the budget ran out first. Entries
    // whose box holds more waste than `slack` (inflated area) are left out.
    bool build(Budget& budget, double slack) {
        prepare_areas();
        begin_.assign(size_, 0);
        len_.assign(size_, 0);
        entries_.clear();
        std::vector<Entry> cand, made, scratch;
        for (int s = 1; s < size_; ++s) {
            begin_[s] = static_cast<int>(entries_.size());
            if (!area_ok(s)) continue;
            cand.clear();
            int pieces = 0, type = -1;
            for (int t = 0; t < types(); ++t)
                if (count(s, t) > 0) pieces += count(s, t), type = t;
            if (pieces == 1) {
                made.clear();
                const PieceType& pt = p_.types[type];
                for (int turned = 0; turned <= (pt.turnable ? 1 : 0); ++turned) {
                    Entry e;
                    e.w = turned ? pt.h : pt.w;
                    e.h = turned ? pt.w : pt.h;
                    e.turned = turned;
                    e.type = type;
                    if (e.w <= p_.W && e.h <= p_.H) made.push_back(e);
                }
                std::sort(made.begin(), made.end(), [](const Entry& x, const Entry& y) { return x.w < y.w; });
                merge_into(cand, made, scratch);
            } else {
                for_each_sub(s, [&](int a) {
                    const int b = s - a;
                    if (a == 0 || a > b || len_[a] == 0 || len_[b] == 0) return;
                    side_by_side(a, b, cand, made);
                    merge_into(cand, made, scratch);
                    one_above(a, b, cand, made);
                    merge_into(cand, made, scratch);
                });
            }
            // A hair of room against rounding: this may only keep too much.
            const double limit = area_[s] + slack + 1e-9 * static_cast<double>(p_.W) * static_cast<double>(p_.H);
            std::erase_if(cand,
                          [&](const Entry& e) { return static_cast<double>(e.w) * static_cast<double>(e.h) > limit; });
            entries_.insert(entries_.end(), cand.begin(), cand.end());
            len_[s] = static_cast<int>(cand.size());
            if (!budget.spend(subs(s))) return false;
        }
        return true;
    }

    // The narrowest entry no taller than h, or the lowest no wider than w.
    const Entry* narrowest(int s, Len h) const {
        for (const Entry& e : at(s))
            if (e.h <= h) return &e;
        return nullptr;
    }
    const Entry* lowest(int s, Len w) const {
        const auto es = at(s);
        for (auto it = es.rbegin(); it != es.rend(); ++it)
            if (it->w <= w) return &*it;
        return nullptr;
    }
    bool fits(int s, Len w, Len h) const {
        const Entry* e = narrowest(s, h);
        return e && e->w <= w;
    }
    // Cuts of a sheet packed with the entry in its corner.
    int sheet_cuts(const Entry& e) const { return e.cuts + (e.w < p_.W) + (e.h < p_.H); }
    int fewest_cuts_entry(int s) const {
        int best = 0;
        const auto es = at(s);
        for (int i = 1; i < static_cast<int>(es.size()); ++i)
            if (sheet_cuts(es[i]) < sheet_cuts(es[best])) best = i;
        return best;
    }

private:
    void prepare_areas() {
        if (!area_.empty()) return;
        area_.assign(size_, 0);
        real_area_.assign(size_, 0);
        for (int s = 1; s < size_; ++s) {
            int t = 0;
            while (count(s, t) == 0) ++t;
            const PieceType& pt = p_.types[t];
            area_[s] = area_[s - stride_[t]] + static_cast<double>(pt.w) * static_cast<double>(pt.h);
            real_area_[s] = real_area_[s - stride_[t]] + (pt.w - p_.kerf) * (pt.h - p_.kerf);
        }
    }
    // Pieces of more area than the board never fit it (a hair of slack
    // against rounding: this test may only let too much through).
    bool area_ok(int s) const {
        return area_[s] <= static_cast<double>(p_.W) * static_cast<double>(p_.H) * (1 + 1e-12);
    }

    // Whether the frontier already has an entry as narrow and as low (of an
    // equal box, with no more cuts); `j` walks the frontier along with the
    // candidates, forward when they come narrow to wide, else backward.
    static bool covered(const std::vector<Entry>& frontier, std::ptrdiff_t& j, Len w, Len h, int cuts, bool forward) {
        const auto n = static_cast<std::ptrdiff_t>(frontier.size());
        if (n == 0) return false;
        if (forward)
            while (j + 1 < n && frontier[j + 1].w <= w) ++j;
        else
            while (j >= 0 && frontier[j].w > w) --j;
        if (j < 0 || j >= n || frontier[j].w > w) return false;
        const Entry& f = frontier[j];
        return f.h <= h && (f.w < w || f.h < h || f.cuts <= cuts);
    }

    // The frontier of two frontiers side by side: for each height, the two
    // narrowest entries no taller; entries are sorted narrow to wide. Only
    // entries the frontier so far does not cover are made.
    void side_by_side(int a, int b, const std::vector<Entry>& frontier, std::vector<Entry>& out) const {
        out.clear();
        const auto A = at(a), B = at(b);
        std::size_t i = 0, j = 0;
        std::ptrdiff_t walk = 0;
        for (;;) {
            const Entry &x = A[i], &y = B[j];
            const Len w = x.w + y.w, h = std::max(x.h, y.h);
            if (w > p_.W) return;
            if (h <= p_.H) {
                const int cuts = x.cuts + y.cuts + 1 + (x.h < h) + (y.h < h);
                if (!covered(frontier, walk, w, h, cuts, true))
                    out.push_back(joined(Entry::Kind::Side, a, b, i, j, w, h, cuts));
            }
            if (x.h >= y.h) ++i;
            if (y.h >= x.h) ++j;
            if (i == A.size() || j == B.size()) return;
        }
    }
    // One above the other: for each width, the two lowest entries no wider;
    // made wide to narrow, and handed back narrow to wide.
    void one_above(int a, int b, const std::vector<Entry>& frontier, std::vector<Entry>& out) const {
        out.clear();
        const auto A = at(a), B = at(b);
        std::ptrdiff_t i = static_cast<std::ptrdiff_t>(A.size()) - 1, j = static_cast<std::ptrdiff_t>(B.size()) - 1;
        std::ptrdiff_t walk = static_cast<std::ptrdiff_t>(frontier.size()) - 1;
        for (;;) {
            const Entry &x = A[i], &y = B[j];
            const Len w = std::max(x.w, y.w), h = x.h + y.h;
            if (h > p_.H) break;
            if (w <= p_.W) {
                const int cuts = x.cuts + y.cuts + 1 + (x.w < w) + (y.w < w);
                if (!covered(frontier, walk, w, h, cuts, false))
                    out.push_back(joined(Entry::Kind::Stack, a, b, i, j, w, h, cuts));
            }
            if (x.w >= y.w) --i;
            if (y.w >= x.w) --j;
            if (i < 0 || j < 0) break;
        }
        std::reverse(out.begin(), out.end());
    }
    static Entry joined(Entry::Kind kind, int a, int b, std::size_t i, std::size_t j, Len w, Len h, int cuts) {
        Entry e;
        e.kind = kind;
        e.w = w;
        e.h = h;
        e.a = a;
        e.b = b;
        e.ea = static_cast<int>(i);
        e.eb = static_cast<int>(j);
        e.cuts = cuts;
        return e;
    }
    // Adds a staircase (narrow to wide, each lower than the one before) to
    // the frontier, another such staircase, keeping only entries no other is
    // both as narrow and as low as; of equal boxes the one with fewer cuts,
    // then the one made first.
    static void merge_into(std::vector<Entry>& frontier, const std::vector<Entry>& add, std::vector<Entry>& out) {
        if (add.empty()) return;
        out.clear();
        std::size_t i = 0, j = 0;
        auto keep = [&out](const Entry& e) {
            if (out.empty() || e.h < out.back().h) out.push_back(e);
        };
        while (i < frontier.size() || j < add.size()) {
            if (j == add.size()) keep(frontier[i++]);
            else if (i == frontier.size()) keep(add[j++]);
            else {
                const Entry &x = frontier[i], &y = add[j];
                const bool first = x.w != y.w ? x.w < y.w : x.h != y.h ? x.h < y.h : x.cuts <= y.cuts;
                keep(first ? frontier[i++] : add[j++]);
            }
        }
        frontier.swap(out);
    }

    const Problem& p_;
    std::vector<int> demand_;
    std::vector<int> stride_;
    int size_ = 0;
    std::vector<double> area_;
    std::vector<Len> real_area_;
    std::vector<int> begin_, len_;
    std::vector<Entry> entries_;
};

// ---------------------------------------------------------------------------
// Trees from frontier entries

class EntryBuilder {
public:
    EntryBuilder(const Problem& p, const Frontiers& f, Pool& pool, SheetTree& t) : p_(p), f_(f), pool_(pool), b_(t) {}

    // The entry in the corner of a part of rw x rh; the rest is cut off as
    // waste, in the order that leaves the larger piece of it whole.
    int in_part(int s, int e, Len x, Len y, Len rw, Len rh) {
        const Entry& E = f_.at(s)[e];
        const Len dw = rw - E.w, dh = rh - E.h;
        if (dw == 0 && dh == 0) return exact(s, e, x, y);
        const int at = b_.reserve();
        bool rip = dh == 0;
        if (dw > 0 && dh > 0) {
            const Len k = p_.kerf;
            rip = std::max(real_area(dw, rh, k), real_area(E.w, dh, k)) >=
                  std::max(real_area(rw, dh, k), real_area(dw, E.h, k));
        }
        if (rip) {
            const int first = dh > 0 ? in_part(s, e, x, y, E.w, rh) : exact(s, e, x, y);
            return b_.cut(at, x, y, rw, rh, true, E.w, first, b_.waste(x + E.w, y, dw, rh));
        }
        const int first = dw > 0 ? in_part(s, e, x, y, rw, E.h) : exact(s, e, x, y);
        return b_.cut(at, x, y, rw, rh, false, E.h, first, b_.waste(x, y + E.h, rw, dh));
    }

    // The entry filling a part of exactly its size.
    int exact(int s, int e, Len x, Len y) {
        const Entry& E = f_.at(s)[e];
        const int at = b_.reserve();
        if (E.kind == Entry::Kind::Leaf) return b_.piece(at, x, y, E.w, E.h, pool_.take(E.type), E.turned);
        const Entry& A = f_.at(E.a)[E.ea];
        if (E.kind == Entry::Kind::Side) {
            const int first = in_part(E.a, E.ea, x, y, A.w, E.h);
            const int second = in_part(E.b, E.eb, x + A.w, y, E.w - A.w, E.h);
            return b_.cut(at, x, y, E.w, E.h, true, A.w, first, second);
        }
        const int first = in_part(E.a, E.ea, x, y, E.w, A.h);
        const int second = in_part(E.b, E.eb, x, y + A.h, E.w, E.h - A.h);
        return b_.cut(at, x, y, E.w, E.h, false, A.h, first, second);
    }

    TreeBuilder& tree() { return b_; }

private:
    const Problem& p_;
    const Frontiers& f_;
    Pool& pool_;
    TreeBuilder b_;
};

// ---------------------------------------------------------------------------
// The largest offcut a sheet of given pieces can have

class Chains {
public:
    Chains(const Problem& p, const Frontiers& f, Budget& budget) : p_(p), f_(f), budget_(budget) {}

    struct Best {
        Len offcut = -1;  // real area of the last part; -1 when not searched to the end
        int cuts = 0;
        int sub = 0, entry = 0;
        bool rip = false;
    };

    // Which cuts may set the next group aside: two rips in a row set aside
    // no more than one rip of both groups side by side (the frontier holds
    // that too), so the chain alternates.
    enum class Next { Any, Rip, Cross };

    // Pieces `s` in a part of w x h: cut off a group of them packed tight
    // against one side (a rip or a cross-cut), and go on with the rest of the
    // part; the last part left is the offcut.
    Best best(int s, Len w, Len h, Next next = Next::Any) {
        const Key key{s, w, h, next};
        if (auto it = memo_.find(key); it != memo_.end()) return it->second;
        const Len k = p_.kerf;
        Best best;
        bool complete = true;
        // All the pieces in one group first: a good first offcut to beat.
        auto group = [&](int a) {
            if (!complete || a == 0 || f_.empty(a)) return;
            const int b = s - a;
            for (bool rip : {true, false}) {
                if (next == (rip ? Next::Cross : Next::Rip)) continue;
                const Entry* e = rip ? f_.narrowest(a, h) : f_.lowest(a, w);
                if (!e) continue;
                const Len used = rip ? e->w : e->h, span = rip ? w : h, across = rip ? h : w;
                if (used > span) continue;
                const Len rest = span - used;
                const int trims = rip ? (e->h < h) : (e->w < w);
                Best c{0, e->cuts + trims, a, static_cast<int>(e - f_.at(a).data()), rip};
                if (b == 0) {
                    c.offcut = real_area(rest, across, k);
                    c.cuts += rest > 0;
                } else {
                    const Len rw = rip ? rest : w, rh = rip ? h : rest;
                    if (rest <= 0 || real_area(rw, rh, k) - f_.real_area(b) < best.offcut) continue;
                    if (!f_.fits(b, rw, rh)) continue;
                    const Best r = this->best(b, rw, rh, rip ? Next::Cross : Next::Rip);
                    if (r.offcut < 0) {
                        complete = false;
                        return;
                    }
                    c.offcut = r.offcut;
                    c.cuts += 1 + r.cuts;
                }
                if (c.offcut > best.offcut || (c.offcut == best.offcut && c.cuts < best.cuts)) best = c;
            }
            if (!budget_.spend(1)) complete = false;
        };
        group(s);
        f_.for_each_sub(s, [&](int a) {
            if (a != s) group(a);
        });
        if (!complete) return Best{};
        memo_.emplace(key, best);
        return best;
    }

    // The tree of what best() found, in a part at x, y.
    int build(EntryBuilder& eb, int s, Len x, Len y, Len w, Len h, Next next = Next::Any) {
        const Best r = best(s, w, h, next);
        const Entry& E = f_.at(r.sub)[r.entry];
        const int b = s - r.sub;
        const Len used = r.rip ? E.w : E.h, rest = (r.rip ? w : h) - used;
        if (b == 0 && rest == 0) return eb.in_part(r.sub, r.entry, x, y, w, h);
        TreeBuilder& t = eb.tree();
        const int at = t.reserve();
        if (r.rip) {
            const int first = eb.in_part(r.sub, r.entry, x, y, used, h);
            const int second = b == 0 ? t.waste(x + used, y, rest, h) : build(eb, b, x + used, y, rest, h, Next::Cross);
            return t.cut(at, x, y, w, h, true, used, first, second);
        }
        const int first = eb.in_part(r.sub, r.entry, x, y, w, used);
        const int second = b == 0 ? t.waste(x, y + used, w, rest) : build(eb, b, x, y + used, w, rest, Next::Rip);
        return t.cut(at, x, y, w, h, false, used, first, second);
    }

private:
    struct Key {
        int s;
        Len w, h;
        Next next;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            std::size_t v =
                (static_cast<std::size_t>(k.s) * 3 + static_cast<std::size_t>(k.next)) * 0x9E3779B97F4A7C15ull;
            v ^= static_cast<std::size_t>(k.w) + 0x9E3779B9u + (v << 6) + (v >> 2);
            v ^= static_cast<std::size_t>(k.h) + 0x9E3779B9u + (v << 6) + (v >> 2);
            return v;
        }
    };
    const Problem& p_;
    const Frontiers& f_;
    Budget& budget_;
    std::unordered_map<Key, Best, KeyHash> memo_;
};

// ---------------------------------------------------------------------------
// The exhaustive search over a demand of piece types

struct Exact {
    bool complete = false;  // the fewest sheets are known
    std::vector<SheetTree> sheets;
};

// Per-type counts in a multiset space's order.
std::vector<int> counts_of(const Problem& p) {
    std::vector<int> d;
    for (const PieceType& t : p.types) d.push_back(t.count());
    return d;
}

// Trees for `sheets_of` sub-multisets: `offcut_sheet` (if any) with its
// largest offcut, the others with their fewest cuts.
std::vector<SheetTree> build_sheets(const Problem& p, const Frontiers& f, Chains* chains, int offcut_sheet,
                                    const std::vector<int>& others, Pool& pool) {
    std::vector<SheetTree> sheets;
    for (int s : others) {
        sheets.emplace_back();
        EntryBuilder eb(p, f, pool, sheets.back());
        eb.in_part(s, f.fewest_cuts_entry(s), 0, 0, p.W, p.H);
    }
    if (offcut_sheet > 0) {
        sheets.emplace_back();
        EntryBuilder eb(p, f, pool, sheets.back());
        if (chains) chains->build(eb, offcut_sheet, 0, 0, p.W, p.H);
        else eb.in_part(offcut_sheet, f.fewest_cuts_entry(offcut_sheet), 0, 0, p.W, p.H);
    }
    return sheets;
}

// Searches every layout of at most `target` sheets. Those waste exactly
// target boards less the pieces' area between them, and no part of one holds
// more waste than that, so frontier entries with more are left out: the
// tighter the target, the smaller the search. Complete with no sheets when
// more than `target` sheets are needed.
Exact exact_search(const Problem& p, Frontiers& f, Budget& budget, int target) {
    Exact out;
    if (!f.build(budget, target * static_cast<double>(p.W) * static_cast<double>(p.H) - f.area(f.full()))) return out;

    // The fewest sheets, then the fewest cuts, for every sub-multiset of the
    // demand. A sheet holding the sub-multiset's first type is tried with
    // every pattern that fits: every partition into sheets has such a sheet.
    struct Cover {
        int sheets = std::numeric_limits<int>::max(), cuts = 0, pattern = 0;
    };
    const int full = f.full();
    std::vector<Cover> cover(full + 1);
    cover[0] = {0, 0, 0};
    for (int s = 1; s <= full; ++s) {
        int first = 0;
        while (f.count(s, first) == 0) ++first;
        Cover best;
        f.for_each_sub(s, [&](int a) {
            if (a == 0 || f.count(a, first) == 0 || f.empty(a)) return;
            const Cover& rest = cover[s - a];
            if (rest.sheets == std::numeric_limits<int>::max()) return;
            const Cover c{rest.sheets + 1, rest.cuts + f.sheet_cuts(f.at(a)[f.fewest_cuts_entry(a)]), a};
            if (c.sheets < best.sheets || (c.sheets == best.sheets && c.cuts < best.cuts)) best = c;
        });
        cover[s] = best;
        if (!budget.spend(f.subs(s))) return out;
    }
    out.complete = true;
    const int fewest = cover[full].sheets;
    if (fewest > target) return out;

    // The sheet with the largest offcut: every pattern that leaves a rest
    // coverable by the other sheets, most promising (least area) first,
    // until no pattern's area leaves room for a larger offcut.
    std::vector<int> candidates;
    f.for_each_sub(full, [&](int a) {
        if (a != 0 && !f.empty(a) && cover[full - a].sheets == fewest - 1) candidates.push_back(a);
    });
    const Len board = real_area(p.W, p.H, p.kerf);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](int a, int b) { return f.real_area(a) < f.real_area(b); });
    // A fixed allowance of its own: the offcut search settles no count, and
    // a fixed one gives the same layout every time.
    Budget chain_budget(kChainWork, budget.deadline());
    Chains chains(p, f, chain_budget);
    int chosen = 0;
    Len chosen_offcut = -1;
    int chosen_cuts = 0;
    for (int a : candidates) {
        if (board - f.real_area(a) < chosen_offcut) break;
        const Chains::Best r = chains.best(a, p.W, p.H);
        if (r.offcut < 0) break;  // out of work: keep the best so far
        const int cuts = r.cuts + cover[full - a].cuts;
        if (r.offcut > chosen_offcut || (r.offcut == chosen_offcut && cuts < chosen_cuts))
            chosen = a, chosen_offcut = r.offcut, chosen_cuts = cuts;
    }
    const bool use_chain = chosen != 0;
    if (!use_chain) chosen = cover[full].pattern;

    std::vector<int> others;
    for (int rest = full - chosen; rest > 0; rest -= cover[rest].pattern) others.push_back(cover[rest].pattern);
    std::vector<std::vector<int>> per_type;
    for (const PieceType& t : p.types) per_type.push_back(t.pieces);
    Pool pool(per_type);
    out.sheets = build_sheets(p, f, use_chain ? &chains : nullptr, chosen, others, pool);
    return out;
}

// Each sheet of a layout packed again exactly, when it is small enough: the
// sheet that can have the largest offcut gets it, the others their fewest
// cuts, and the result is kept when it is better.
std::vector<SheetTree> refine(const Problem& p, const std::vector<SheetTree>& sheets, Clock::time_point deadline) {
    struct Option {
        bool ok = false;
        SheetTree offcut, fewest;
        Len offcut_area = 0;
        int offcut_cuts = 0, fewest_cuts = 0;
    };
    std::vector<Option> options(sheets.size());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        // The sheet's pieces as a problem of its own.
        std::vector<std::vector<int>> per_type(p.types.size());
        for (const Node& n : sheets[i].nodes)
            if (n.kind == Node::Kind::Piece)
                for (std::size_t t = 0; t < p.types.size(); ++t)
                    if (std::find(p.types[t].pieces.begin(), p.types[t].pieces.end(), n.piece) !=
                        p.types[t].pieces.end())
                        per_type[t].push_back(n.piece);
        Problem sub = p;
        for (std::size_t t = 0; t < p.types.size(); ++t) sub.types[t].pieces = per_type[t];
        Frontiers f(sub, counts_of(sub));
        if (Clock::now() >= deadline || !f.searchable() || f.estimated_work() > kSheetWork) continue;
        Budget budget(4 * kSheetWork, deadline);
        // One sheet holds them: no part of it wastes more than the sheet does.
        const double slack = static_cast<double>(p.W) * static_cast<double>(p.H) - f.area(f.full());
        if (!f.build(budget, slack) || f.empty(f.full())) continue;
        Budget chain_budget(kChainWork, deadline);
        Chains chains(sub, f, chain_budget);
        if (chains.best(f.full(), sub.W, sub.H).offcut < 0) continue;
        Option& o = options[i];
        Pool pool_a(per_type), pool_b(per_type);
        o.offcut = build_sheets(sub, f, &chains, f.full(), {}, pool_a).front();
        o.fewest = build_sheets(sub, f, nullptr, 0, {f.full()}, pool_b).front();
        const TreeStats a = tree_stats(o.offcut, p.kerf), b = tree_stats(o.fewest, p.kerf);
        o.offcut_area = a.largest_waste;
        o.offcut_cuts = a.cuts;
        o.fewest_cuts = b.cuts;
        o.ok = true;
    }
    // The sheet for the offcut: the largest reachable, then fewest cuts overall.
    std::vector<SheetTree> best = sheets;
    Score best_score = score_of(sheets, p.kerf);
    for (std::size_t chosen = 0; chosen < sheets.size(); ++chosen) {
        std::vector<SheetTree> trial;
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            const Option& o = options[i];
            if (!o.ok) trial.push_back(sheets[i]);
            else if (i == chosen) trial.push_back(o.offcut);
            else trial.push_back(tree_stats(sheets[i], p.kerf).cuts <= o.fewest_cuts ? sheets[i] : o.fewest);
        }
        const Score s = score_of(trial, p.kerf);
        if (better(s, best_score)) best = std::move(trial), best_score = s;
    }
    return best;
}

// The best of the greedy layouts: every order with every rule.
std::vector<SheetTree> greedy_best(const Problem& p) {
    std::vector<SheetTree> best;
    Score best_score;
    for (const auto& order : greedy_orders(p))
        for (Fit fit : kFits)
            for (Split split : kSplits) {
                std::vector<SheetTree> sheets = greedy(p, order, fit, split);
                const Score s = score_of(sheets, p.kerf);
                if (best.empty() || better(s, best_score)) best = std::move(sheets), best_score = s;
            }
    return best;
}

// The layout with fewer sheets than `sheets` has, if the exhaustive search
// finds one in time; `proven` when it searched to the end.
struct Improved {
    std::vector<SheetTree> sheets;
    bool proven = false;
};
Improved improve(const Problem& p, Frontiers& f, int sheets, Clock::time_point deadline) {
    if (sheets <= lower_bound(p)) return {{}, true};
    if (!f.searchable() || Clock::now() >= deadline) return {};
    Budget budget(std::numeric_limits<double>::max(), deadline);
    Exact e = exact_search(p, f, budget, sheets - 1);
    return {std::move(e.sheets), e.complete};
}

// The demand as g equal groups (g boxes' panels, as a rule): m groups laid out
// as well as time allows, m = 1, 2, ... below g, and the g groups made up of
// the mix of them with the fewest sheets, stopping once that meets `bound`.
// Empty when there are no equal groups.
std::vector<SheetTree> compose(const Problem& p, int bound, Clock::time_point deadline) {
    const std::vector<int> demand = counts_of(p);
    int g = 0;
    for (int c : demand) g = std::gcd(g, c);
    if (g < 2) return {};
    std::vector<std::vector<SheetTree>> solved(g);  // by groups, 1 to g - 1
    std::vector<int> fewest(g + 1), group(g + 1);
    for (int m = 1; m < g; ++m) {
        Problem part = p;
        for (std::size_t t = 0; t < part.types.size(); ++t) part.types[t].pieces.resize(demand[t] / g * m);
        solved[m] = greedy_best(part);
        Frontiers f(part, counts_of(part));
        Improved better = improve(part, f, static_cast<int>(solved[m].size()), deadline);
        if (!better.sheets.empty()) solved[m] = std::move(better.sheets);
        // The fewest sheets for k groups from the group sizes laid out so far;
        // enough once the whole demand meets the bound.
        fewest.assign(g + 1, std::numeric_limits<int>::max());
        fewest[0] = 0;
        for (int k = 1; k <= g; ++k)
            for (int j = 1; j <= m && j <= k; ++j)
                if (static_cast<int>(solved[j].size()) + fewest[k - j] < fewest[k])
                    fewest[k] = static_cast<int>(solved[j].size()) + fewest[k - j], group[k] = j;
        if (fewest[g] <= bound) break;
    }

    // Each group's sheets again, with pieces of the same types handed out afresh.
    std::vector<int> type_of;
    std::vector<std::vector<int>> per_type;
    for (std::size_t t = 0; t < p.types.size(); ++t) {
        per_type.push_back(p.types[t].pieces);
        for (int piece : p.types[t].pieces) {
            if (piece >= static_cast<int>(type_of.size())) type_of.resize(piece + 1, -1);
            type_of[piece] = static_cast<int>(t);
        }
    }
    Pool pool(per_type);
    std::vector<SheetTree> sheets;
    for (int k = g; k > 0; k -= group[k]) {
        for (SheetTree t : solved[group[k]]) {
            for (Node& n : t.nodes)
                if (n.kind == Node::Kind::Piece) n.piece = pool.take(type_of[n.piece]);
            sheets.push_back(std::move(t));
        }
    }
    return sheets;
}

}  // namespace

TreeStats tree_stats(const SheetTree& t, Len kerf) {
    TreeStats s;
    for (const Node& n : t.nodes) {
        if (n.kind == Node::Kind::Cut) ++s.cuts;
        if (n.kind == Node::Kind::Waste) s.largest_waste = std::max(s.largest_waste, real_area(n.w, n.h, kerf));
    }
    return s;
}

Result pack(const Problem& p, Clock::time_point deadline) {
    Result result;
    if (p.types.empty()) {
        result.proven = true;
        return result;
    }
    result.lower_bound = lower_bound(p);

    std::vector<SheetTree> best = greedy_best(p);
    Score best_score = score_of(best, p.kerf);
    auto consider = [&](std::vector<SheetTree> sheets) {
        const Score s = score_of(sheets, p.kerf);
        if (better(s, best_score)) best = std::move(sheets), best_score = s;
    };
    auto at_bound = [&] { return best_score.sheets == result.lower_bound; };

    Frontiers f(p, counts_of(p));
    bool proven = at_bound();
    bool exact = false, refined = false;
    if (f.searchable() && f.estimated_work() <= kExhaustiveWork) {
        // Bounded work: every layout as good as the greedy one is searched,
        // to the end whatever the clock says.
        Budget budget(std::numeric_limits<double>::max(), never());
        Exact e = exact_search(p, f, budget, best_score.sheets);
        if (!e.sheets.empty()) consider(std::move(e.sheets));
        exact = proven = e.complete;
    } else if (!proven) {
        // Equal groups laid out and put together.
        std::vector<SheetTree> composed = compose(p, result.lower_bound, deadline);
        if (!composed.empty()) consider(std::move(composed));
        // Shuffled greedy orders, a fixed number of them unless the bound or
        // the deadline comes first.
        const auto orders = greedy_orders(p);
        Random random;
        const int n = static_cast<int>(orders.front().size());
        for (int i = 0; i < kRestarts && !at_bound() && Clock::now() < deadline; ++i) {
            std::vector<PieceRef> order = orders[i % orders.size()];
            const int swaps = 1 + random.below(std::max(1, n / 3));
            for (int k = 0; k < swaps; ++k) {
                const int a = random.below(n), b = std::min(n - 1, a + 1 + random.below(4));
                std::swap(order[a], order[b]);
            }
            consider(greedy(p, order, kFits[random.below(3)], kSplits[random.below(6)]));
        }
        // Small sheets packed again exactly, then one sheet fewer sought.
        best = refine(p, best, deadline);
        best_score = score_of(best, p.kerf);
        refined = true;
        if (!at_bound()) {
            Improved better = improve(p, f, best_score.sheets, deadline);
            if (!better.sheets.empty()) consider(std::move(better.sheets)), exact = true;
            proven = better.proven;
        }
        proven = proven || at_bound();
    }
    // Greedy layouts: each small sheet packed again exactly, in the time left.
    if (!exact && !refined) best = refine(p, best, deadline);

    // The fullest sheets first.
    std::vector<std::pair<Len, int>> used;
    for (int i = 0; i < static_cast<int>(best.size()); ++i) {
        Len a = 0;
        for (const Node& n : best[i].nodes)
            if (n.kind == Node::Kind::Piece) a += real_area(n.w, n.h, p.kerf);
        used.emplace_back(-a, i);
    }
    std::stable_sort(used.begin(), used.end());
    for (const auto& u : used) result.sheets.push_back(std::move(best[u.second]));
    result.proven = proven;
    if (proven) result.lower_bound = static_cast<int>(result.sheets.size());
    return result;
}

}  // namespace enclavio::sheets::packing
