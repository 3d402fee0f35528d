#include <gtest/gtest.h>

#include <tuple>

#include "analysis/analysis.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

using Kind = GraphItem::Kind;

std::vector<GraphItem> bars(const Graph& g) {
    std::vector<GraphItem> out;
    for (const auto& i : g.items()) {
        if (i.kind == Kind::Rect) out.push_back(i);
    }
    return out;
}

auto shape(const GraphItem& i) { return std::tuple(i.kind, i.x1, i.y1, i.x2, i.y2, i.pen); }

// The axis, checked by a few sample items: minor ticks every 50, major every 100 with numbers.
TEST(Graph, Axis) {
    Graph g;
    g.clear_and_draw_axis();
    const auto& items = g.items();
    ASSERT_EQ(items.size(), 1u + 39u + 19u * 2u);
    EXPECT_EQ(shape(items[0]), std::tuple(Kind::Line, 0, 70, 1999, 70, 1));
    EXPECT_EQ(shape(items[39]), std::tuple(Kind::Line, 1950, 70, 1950, 60, 1));
    EXPECT_EQ(shape(items[76]), std::tuple(Kind::Line, 1900, 70, 1900, 60, 2));
    EXPECT_EQ(items[76].colour, colours::olive);
    EXPECT_EQ(std::tuple(items[77].kind, items[77].x1, items[77].y1, items[77].text),
              std::tuple(Kind::Text, 1880, 70, " 1900"));
    g.drawres(300, 3, GraphOptions{});
    g.clear_and_draw_axis();  // clearing starts afresh but keeps the drawn frequencies
    EXPECT_EQ(g.items().size(), 78u);
    EXPECT_EQ(g.drawn(3), 300);
}

// Below 200 Hz a highlighted bar is dark red.
TEST(Graph, LoneMarkerAndHighlight) {
    const struct {
        std::int16_t freq;
        bool highlight;
        Colour colour;
    } cases[] = {{200, true, colours::green}, {199, true, colours::dark_red}, {199, false, colours::green}};
    for (const auto& c : cases) {
        Graph g;
        g.clear_and_draw_axis();  // leaves the pen at 2
        GraphOptions o;
        o.highlight = c.highlight;
        EXPECT_EQ(g.drawres(c.freq, 1, o), c.colour) << c.freq;
        EXPECT_EQ(shape(g.items().back()), std::tuple(Kind::Rect, c.freq - 3, 70, c.freq + 3, 5, 2));
        EXPECT_EQ(g.items().back().colour, c.colour);
        EXPECT_EQ(g.drawn(1), c.freq);
    }
}

// Each lower-numbered resonance within 5 Hz widens the bar by 1 each side
// and raises it by 6; never-drawn entries read 0.
TEST(Graph, Neighbours) {
    for (const auto& [second, near] : {std::pair<std::int16_t, int>{505, 1}, {506, 0}, {494, 0}}) {
        Graph g;
        g.drawres(500, 3, GraphOptions{});
        g.drawres(second, 6, GraphOptions{});
        const GraphItem& bar = g.items().back();
        EXPECT_EQ(std::tuple(bar.x1, bar.x2, bar.y2), std::tuple(second - near - 3, second + near + 3, 6 * near + 5));
    }
    Graph g;  // only lower numbers count: (3) after (6) compares with (1) and (2) alone
    g.drawres(500, 6, GraphOptions{});
    g.drawres(501, 3, GraphOptions{});
    EXPECT_EQ(g.items().back().y2, 5);
    g.drawres(499, 7, GraphOptions{});  // two close neighbours
    EXPECT_EQ(std::tuple(g.items().back().x1, g.items().back().y2), std::tuple(499 - 5, 17));
    Graph empty;
    empty.drawres(3, 9, GraphOptions{});  // (1) to (8) all read 0, all within 6
    EXPECT_EQ(std::tuple(empty.items().back().x1, empty.items().back().y2), std::tuple(3 - 8 - 3, 6 * 8 + 5));
}

// (3) at 301 Hz counts the (1) at 300 Hz of the run before as a neighbour
// even before (1) is redrawn; a fresh graph has no earlier (1).
TEST(Graph, DrawnFrequenciesLastAcrossRuns) {
    fixture::AnalysisRun run, fresh;
    run.d.portlength = 573;
    run();
    EXPECT_EQ(run.graph.drawn(1), 300);
    run.d.boxheight = fresh.d.boxheight = 38 + 571;
    run.d.portlength = 823;
    run();
    fresh();
    EXPECT_EQ(run.graph.drawn(3), 301);
    EXPECT_EQ(std::tuple(bars(run.graph).front().x1, bars(run.graph).front().y2), std::tuple(301 - 1 - 3, 11));
    EXPECT_EQ(bars(fresh.graph).front().y2, 5);
}

TEST(Graph, Badges) {
    GraphOptions o;
    o.shownums = true;
    Graph g;
    g.clear_and_draw_axis();
    g.drawres(300, 3, o);
    g.drawres(302, 6, o);  // a close neighbour: red badge, white number
    const auto& items = g.items();
    ASSERT_EQ(items.size(), 78u + 8u);
    const GraphItem* b = &items[78];
    EXPECT_EQ(std::tuple(b[1].kind, b[1].x1, b[1].y1, b[1].pen), std::tuple(Kind::Dot, 300, 35, 18));
    EXPECT_EQ(std::tuple(b[1].colour, b[2].pen, b[2].colour), std::tuple(colours::navy, 15, colours::white));
    EXPECT_EQ(std::tuple(b[3].kind, b[3].x1, b[3].y1, b[3].text), std::tuple(Kind::Text, 294, 21, "3"));
    EXPECT_EQ(b[3].colour, colours::navy);
    EXPECT_EQ(std::tuple(b[4].pen, b[6].colour, b[7].colour, b[7].text),
              std::tuple(2, colours::red, colours::white, "6"));  // the pen is back at 2
}

// Bars in drawing order, no badges unless asked for.
TEST(Graph, StartupRunBars) {
    fixture::AnalysisRun run;
    run();
    const auto drawn = bars(run.graph);
    ASSERT_EQ(drawn.size(), 9u);
    EXPECT_EQ(drawn.front().x1, 259 - 3);  // (3) first, (1) last
    EXPECT_EQ(drawn.back().x1, 208 - 3);
    EXPECT_EQ(run.graph.items().size(), 78u + 9u);
    run.in.graph.shownums = true;
    run();
    EXPECT_EQ(run.graph.items().size(), 78u + 9u * 4u);
}

}  // namespace
}  // namespace enclavio
