#include <gtest/gtest.h>

#include "analysis/analysis.hpp"
#include "startup_design.hpp"

namespace enclavio {
namespace {

using Kind = GraphItem::Kind;

std::vector<GraphItem> of_kind(const Graph& g, Kind kind) {
    std::vector<GraphItem> out;
    for (const auto& i : g.items()) {
        if (i.kind == kind) out.push_back(i);
    }
    return out;
}

TEST(Graph, Axis) {
    Graph g;
    g.clear_and_draw_axis();
    const auto& items = g.items();
    ASSERT_EQ(items.size(), 1u + 39u + 19u * 2u);
    const GraphItem& axis = items[0];
    EXPECT_EQ(axis.kind, Kind::Line);
    EXPECT_EQ(axis.x1, 0);
    EXPECT_EQ(axis.y1, 70);
    EXPECT_EQ(axis.x2, 1999);
    EXPECT_EQ(axis.y2, 70);
    EXPECT_EQ(axis.pen, 1);
    EXPECT_EQ(axis.colour, colours::olive);
    // Minor ticks every 50, pen 1.
    for (int k = 0; k < 39; ++k) {
        const GraphItem& t = items[1 + k];
        EXPECT_EQ(t.kind, Kind::Line);
        EXPECT_EQ(t.x1, 50 * (k + 1));
        EXPECT_EQ(t.x2, t.x1);
        EXPECT_EQ(t.y1, 70);
        EXPECT_EQ(t.y2, 60);
        EXPECT_EQ(t.pen, 1);
        EXPECT_EQ(t.colour, colours::olive);
    }
    // Major ticks every 100 with their numbers below the axis, pen 2.
    for (int k = 0; k < 19; ++k) {
        const GraphItem& tick = items[40 + 2 * k];
        const GraphItem& label = items[41 + 2 * k];
        const int x = 100 * (k + 1);
        EXPECT_EQ(tick.kind, Kind::Line);
        EXPECT_EQ(tick.x1, x);
        EXPECT_EQ(tick.y2, 60);
        EXPECT_EQ(tick.pen, 2);
        EXPECT_EQ(label.kind, Kind::Text);
        EXPECT_EQ(label.x1, x - 20);
        EXPECT_EQ(label.y1, 70);
        EXPECT_EQ(label.colour, colours::olive);
        EXPECT_EQ(label.text, " " + std::to_string(x));
    }
    // Clearing starts afresh.
    g.drawres(300, 3, GraphOptions{});
    g.clear_and_draw_axis();
    EXPECT_EQ(g.items().size(), 78u);
    EXPECT_EQ(g.drawn(3), 300);  // the table of drawn frequencies is kept
}

TEST(Graph, LoneMarkerAndHighlight) {
    struct Case {
        std::int16_t freq;
        bool highlight;
        Colour colour;
    };
    const Case cases[] = {
        {200, true, colours::green},
        {199, true, colours::dark_red},
        {199, false, colours::green},
        {0, true, colours::dark_red},
        {1500, true, colours::green},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.freq);
        Graph g;
        g.clear_and_draw_axis();
        GraphOptions o;
        o.highlight = c.highlight;
        EXPECT_EQ(g.drawres(c.freq, 1, o), c.colour);
        const GraphItem& bar = g.items().back();
        EXPECT_EQ(bar.kind, Kind::Rect);
        EXPECT_EQ(bar.x1, c.freq - 3);
        EXPECT_EQ(bar.y1, 70);
        EXPECT_EQ(bar.x2, c.freq + 3);
        EXPECT_EQ(bar.y2, 5);
        EXPECT_EQ(bar.pen, 2);
        EXPECT_EQ(bar.colour, c.colour);
        EXPECT_EQ(g.drawn(1), c.freq);
    }
}

TEST(Graph, Neighbours) {
    struct Case {
        std::int16_t first, second;
        int nearcount;
    };
    const Case cases[] = {{500, 505, 1}, {500, 506, 0}, {500, 495, 1}, {500, 494, 0},
                          {500, 500, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.second);
        Graph g;
        GraphOptions o;
        g.drawres(c.first, 3, o);
        g.drawres(c.second, 6, o);
        const GraphItem& bar = g.items().back();
        EXPECT_EQ(bar.x1, c.second - c.nearcount - 3);
        EXPECT_EQ(bar.x2, c.second + c.nearcount + 3);
        EXPECT_EQ(bar.y2, 6 * c.nearcount + 5);
    }
    // Only lower numbers count: (3) drawn after (6) compares with (1) and (2) alone.
    Graph g;
    GraphOptions o;
    g.drawres(500, 6, o);
    g.drawres(501, 3, o);
    EXPECT_EQ(g.items().back().y2, 5);
    // Two close neighbours: 10 wide, top at 17.
    g.drawres(499, 7, o);
    EXPECT_EQ(g.items().back().x1, 499 - 5);
    EXPECT_EQ(g.items().back().y2, 17);
}

TEST(Graph, EmptyEntriesCountAsZero) {
    Graph g;
    GraphOptions o;
    g.drawres(3, 9, o);  // (1) to (8) never drawn: all read 0, all within 6
    EXPECT_EQ(g.items().back().x1, 3 - 8 - 3);
    EXPECT_EQ(g.items().back().y2, 6 * 8 + 5);
}

TEST(Graph, DrawnFrequenciesLastAcrossRuns) {
    // First run: (1) drawn at 300. Second run: (3) lands 2 Hz from the old (1)
    // and counts it as a neighbour, even before (1) is redrawn.
    fixture::AnalysisRun run;
    run.d.portlength = 573;  // 300 Hz
    run();
    EXPECT_EQ(run.graph.drawn(1), 300);
    run.d.boxheight = 38 + 571;  // (3) at 301 Hz
    run.d.portlength = 823;
    run();
    EXPECT_EQ(run.graph.drawn(3), 301);
    const auto bars = of_kind(run.graph, Kind::Rect);
    ASSERT_FALSE(bars.empty());
    EXPECT_EQ(bars.front().x1, 301 - 1 - 3);  // (3) is the first bar of the run
    EXPECT_EQ(bars.front().y2, 11);
    // A fresh graph has no earlier (1): the same design gives a lone bar.
    fixture::AnalysisRun fresh;
    fresh.d.boxheight = 38 + 571;
    fresh();
    EXPECT_EQ(of_kind(fresh.graph, Kind::Rect).front().y2, 5);
}

TEST(Graph, Badges) {
    GraphOptions o;
    o.shownums = true;
    Graph g;
    g.clear_and_draw_axis();
    g.drawres(300, 3, o);
    auto items = g.items();
    ASSERT_GE(items.size(), 4u);
    const GraphItem* b = &items[items.size() - 4];
    EXPECT_EQ(b[0].kind, Kind::Rect);
    EXPECT_EQ(b[0].pen, 2);
    EXPECT_EQ(b[1].kind, Kind::Dot);
    EXPECT_EQ(b[1].x1, 300);
    EXPECT_EQ(b[1].y1, 35);
    EXPECT_EQ(b[1].pen, 18);
    EXPECT_EQ(b[1].colour, colours::navy);
    EXPECT_EQ(b[2].kind, Kind::Dot);
    EXPECT_EQ(b[2].pen, 15);
    EXPECT_EQ(b[2].colour, colours::white);
    EXPECT_EQ(b[3].kind, Kind::Text);
    EXPECT_EQ(b[3].x1, 294);
    EXPECT_EQ(b[3].y1, 21);
    EXPECT_EQ(b[3].text, "3");
    EXPECT_EQ(b[3].colour, colours::navy);
    EXPECT_EQ(b[3].pen, 1);

    // A close neighbour turns the badge red with a white number; the pen is
    // back at 2 for the next bar.
    g.drawres(302, 6, o);
    items = g.items();
    b = &items[items.size() - 4];
    EXPECT_EQ(b[0].pen, 2);
    EXPECT_EQ(b[2].colour, colours::red);
    EXPECT_EQ(b[3].colour, colours::white);
    EXPECT_EQ(b[3].text, "6");

    // Without badges nothing but the bar is drawn.
    Graph plain;
    plain.drawres(300, 3, GraphOptions{});
    EXPECT_EQ(plain.items().size(), 1u);
}

TEST(Graph, StartupRunBars) {
    fixture::AnalysisRun run;
    run();
    const auto bars = of_kind(run.graph, Kind::Rect);
    ASSERT_EQ(bars.size(), 9u);
    const int order[] = {3, 6, 8, 5, 2, 4, 7, 9, 1};
    const int freq[] = {0, 208, 356, 259, 950, 512, 501, 1292, 656, 1332};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(bars[k].x1, freq[order[k]] - 3);
        EXPECT_EQ(bars[k].x2 - bars[k].x1, 6);
        EXPECT_EQ(bars[k].y2, 5);
    }
    EXPECT_EQ(of_kind(run.graph, Kind::Dot).size(), 0u);
    run.in.graph.shownums = true;
    run();
    EXPECT_EQ(of_kind(run.graph, Kind::Dot).size(), 18u);
}

}  // namespace
}  // namespace enclavio
