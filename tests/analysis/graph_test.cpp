#include <gtest/gtest.h>

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

void expect_item(const GraphItem& i, Kind kind, int x1, int y1, int x2, int y2, int pen, Colour colour) {
    EXPECT_EQ(i.kind, kind);
    EXPECT_EQ(i.x1, x1);
    EXPECT_EQ(i.y1, y1);
    EXPECT_EQ(i.x2, x2);
    EXPECT_EQ(i.y2, y2);
    EXPECT_EQ(i.pen, pen);
    EXPECT_EQ(i.colour, colour);
}

TEST(Graph, Axis) {
    Graph g;
    g.clear_and_draw_axis();
    const auto& items = g.items();
    ASSERT_EQ(items.size(), 1u + 39u + 19u * 2u);
    expect_item(items[0], Kind::Line, 0, 70, 1999, 70, 1, colours::olive);
    for (int k = 0; k < 39; ++k) {  // minor ticks every 50, pen 1
        expect_item(items[1 + k], Kind::Line, 50 * (k + 1), 70, 50 * (k + 1), 60, 1, colours::olive);
    }
    for (int k = 0; k < 19; ++k) {  // major ticks every 100, pen 2, their numbers below
        const int x = 100 * (k + 1);
        expect_item(items[40 + 2 * k], Kind::Line, x, 70, x, 60, 2, colours::olive);
        EXPECT_EQ(items[41 + 2 * k].kind, Kind::Text);
        EXPECT_EQ(items[41 + 2 * k].x1, x - 20);
        EXPECT_EQ(items[41 + 2 * k].y1, 70);
        EXPECT_EQ(items[41 + 2 * k].text, " " + std::to_string(x));
    }
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
    } cases[] = {{200, true, colours::green}, {199, true, colours::dark_red}, {199, false, colours::green},
                 {0, true, colours::dark_red}, {1500, true, colours::green}};
    for (const auto& c : cases) {
        Graph g;
        g.clear_and_draw_axis();  // leaves the pen at 2
        GraphOptions o;
        o.highlight = c.highlight;
        EXPECT_EQ(g.drawres(c.freq, 1, o), c.colour) << c.freq;
        expect_item(g.items().back(), Kind::Rect, c.freq - 3, 70, c.freq + 3, 5, 2, c.colour);
        EXPECT_EQ(g.drawn(1), c.freq);
    }
}

// Each lower-numbered resonance within 5 Hz widens the bar by 1 each side
// and raises it by 6; empty entries read 0.
TEST(Graph, Neighbours) {
    const struct {
        std::int16_t second;
        int nearcount;
    } cases[] = {{505, 1}, {506, 0}, {495, 1}, {494, 0}, {500, 1}};
    for (const auto& c : cases) {
        Graph g;
        g.drawres(500, 3, GraphOptions{});
        g.drawres(c.second, 6, GraphOptions{});
        const GraphItem& bar = g.items().back();
        EXPECT_EQ(bar.x1, c.second - c.nearcount - 3) << c.second;
        EXPECT_EQ(bar.x2, c.second + c.nearcount + 3) << c.second;
        EXPECT_EQ(bar.y2, 6 * c.nearcount + 5) << c.second;
    }
    Graph g;  // only lower numbers count: (3) after (6) compares with (1) and (2) alone
    g.drawres(500, 6, GraphOptions{});
    g.drawres(501, 3, GraphOptions{});
    EXPECT_EQ(g.items().back().y2, 5);
    g.drawres(499, 7, GraphOptions{});  // two close neighbours
    EXPECT_EQ(g.items().back().x1, 499 - 5);
    EXPECT_EQ(g.items().back().y2, 17);
    Graph empty;
    empty.drawres(3, 9, GraphOptions{});  // (1) to (8) never drawn: all read 0, all within 6
    EXPECT_EQ(empty.items().back().x1, 3 - 8 - 3);
    EXPECT_EQ(empty.items().back().y2, 6 * 8 + 5);
}

TEST(Graph, DrawnFrequenciesLastAcrossRuns) {
    // First run: (1) at 300 Hz. Second run: (3) at 301 Hz counts the old (1)
    // as a neighbour even before (1) is redrawn.
    fixture::AnalysisRun run;
    run.d.portlength = 573;
    run();
    EXPECT_EQ(run.graph.drawn(1), 300);
    run.d.boxheight = 38 + 571;
    run.d.portlength = 823;
    run();
    EXPECT_EQ(run.graph.drawn(3), 301);
    EXPECT_EQ(bars(run.graph).front().x1, 301 - 1 - 3);  // (3) is the first bar of the run
    EXPECT_EQ(bars(run.graph).front().y2, 11);
    fixture::AnalysisRun fresh;  // a fresh graph has no earlier (1)
    fresh.d.boxheight = 38 + 571;
    fresh();
    EXPECT_EQ(bars(fresh.graph).front().y2, 5);
}

TEST(Graph, Badges) {
    GraphOptions o;
    o.shownums = true;
    Graph g;
    g.clear_and_draw_axis();
    g.drawres(300, 3, o);
    auto items = g.items();
    ASSERT_EQ(items.size(), 78u + 4u);
    const GraphItem* b = &items[78];
    EXPECT_EQ(b[0].pen, 2);
    expect_item(b[1], Kind::Dot, 300, 35, b[1].x2, b[1].y2, 18, colours::navy);
    EXPECT_EQ(b[2].pen, 15);
    EXPECT_EQ(b[2].colour, colours::white);
    expect_item(b[3], Kind::Text, 294, 21, b[3].x2, b[3].y2, 1, colours::navy);
    EXPECT_EQ(b[3].text, "3");
    // A close neighbour: red badge, white number; the pen is back at 2.
    g.drawres(302, 6, o);
    items = g.items();
    b = &items[82];
    EXPECT_EQ(b[0].pen, 2);
    EXPECT_EQ(b[2].colour, colours::red);
    EXPECT_EQ(b[3].colour, colours::white);
    EXPECT_EQ(b[3].text, "6");
}

TEST(Graph, StartupRunBars) {
    fixture::AnalysisRun run;
    run();
    const auto drawn = bars(run.graph);
    ASSERT_EQ(drawn.size(), 9u);
    const int order[] = {3, 6, 8, 5, 2, 4, 7, 9, 1};
    const int freq[] = {0, 208, 356, 259, 950, 512, 501, 1292, 656, 1332};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(run.graph.drawn(order[k]), freq[order[k]]);
        EXPECT_EQ(drawn[k].x1, freq[order[k]] - 3);
        EXPECT_EQ(drawn[k].y2, 5);
    }
    EXPECT_EQ(run.graph.items().size(), 78u + 9u);  // no badges
    run.in.graph.shownums = true;
    run();
    EXPECT_EQ(run.graph.items().size(), 78u + 9u * 4u);
}

}  // namespace
}  // namespace enclavio
