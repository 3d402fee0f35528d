// The resonance strip graph as a list of drawing primitives in user
// coordinates (x in hertz, y 0 at the top to 100 at the bottom).
#include "analysis/graph.hpp"

#include <cstdlib>
#include <string>

#include "units/units.hpp"

namespace enclavio {

namespace {
GraphItem line(double x1, double y1, double x2, double y2, Colour c, int pen) {
    GraphItem g;
    g.kind = GraphItem::Kind::Line;
    g.x1 = x1, g.y1 = y1, g.x2 = x2, g.y2 = y2;
    g.colour = c;
    g.pen = pen;
    return g;
}

GraphItem rect(double x1, double y1, double x2, double y2, Colour c, int pen) {
    GraphItem g = line(x1, y1, x2, y2, c, pen);
    g.kind = GraphItem::Kind::Rect;
    return g;
}

GraphItem dot(double x, double y, Colour c, int pen) {
    GraphItem g = line(x, y, x, y, c, pen);
    g.kind = GraphItem::Kind::Dot;
    return g;
}

GraphItem text(double x, double y, Colour c, int pen, std::string s) {
    GraphItem g = line(x, y, x, y, c, pen);
    g.kind = GraphItem::Kind::Text;
    g.text = std::move(s);
    return g;
}

// The axis is the same on every run: drawn once, then copied at the start of
// each new drawing.
const std::vector<GraphItem>& axis_items() {
    static const std::vector<GraphItem> axis = [] {
        std::vector<GraphItem> items;
        int pen = 1;
        items.push_back(line(0, 70, 1999, 70, colours::olive, pen));
        for (int x = 50; x <= 1950; x += 50) {
            items.push_back(line(x, 70, x, 60, colours::olive, pen));
        }
        pen = 2;
        for (int x = 100; x <= 1900; x += 100) {
            items.push_back(line(x, 70, x, 60, colours::olive, pen));
            items.push_back(text(x - 20, 70, colours::olive, pen, number_text(x)));
            items.back().keep_inside = true;
        }
        return items;
    }();
    return axis;
}

}  // namespace

void Graph::clear_and_draw_axis() {
    // Assigning over the previous drawing reuses its storage and texts.
    items_.assign(axis_items().begin(), axis_items().end());
    pen_ = 2;  // the pen the axis ends with
}

Colour Graph::drawres(std::int16_t freq, int num, const GraphOptions& options) {
    drawnfreq_.at(num) = freq;
    int nearcount = 0;
    for (int i = 1; i <= num - 1; ++i) {
        if (std::abs(int{drawnfreq_.at(i)} - int{freq}) < 6) ++nearcount;
    }
    const Colour colour = (freq < 200 && options.highlight) ? colours::dark_red : colours::green;
    items_.push_back(rect(freq - nearcount - 3, 70, freq + nearcount + 3, 6 * nearcount + 5, colour, pen_));
    if (options.shownums) {
        pen_ = 18;
        items_.push_back(dot(freq, 35, colours::navy, pen_));
        pen_ = 15;
        items_.push_back(dot(freq, 35, nearcount > 0 ? colours::red : colours::white, pen_));
        pen_ = 1;
        items_.push_back(text(freq - 6, 21, nearcount > 0 ? colours::white : colours::navy, pen_, std::to_string(num)));
        pen_ = 2;
    }
    return colour;
}

}  // namespace enclavio
