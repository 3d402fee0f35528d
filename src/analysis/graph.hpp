// The resonance strip graph's drawing model.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/colour.hpp"

namespace enclavio {

struct GraphOptions {
    int range = 1000;       // 1000 or 2000 Hz (the user-coordinate width)
    bool shownums = false;  // mnu_shownums
    bool highlight = true;  // mnu_highlight
};

struct GraphItem {
    enum class Kind { Line, Rect, Dot, Text };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // user coordinates; Dot and Text use x1, y1
    Colour colour;
    int pen = 1;       // pen width in pixels (a Dot's diameter)
    std::string text;  // Text only; (x1, y1) is its top-left corner
    // Text only: a text that starts inside the strip but would run past its
    // right edge is set flush against that edge instead (the axis labels, so
    // that the range's last label reads whole).
    bool keep_inside = false;
};

// The strip graph: 0..range wide, 0..100 high. Its table of drawn frequencies
// lives as long as the main window and is never cleared.
class Graph {
public:
    void clear_and_draw_axis();
    Colour drawres(std::int16_t freq, int num, const GraphOptions& options);
    const std::vector<GraphItem>& items() const { return items_; }
    std::int16_t drawn(int num) const { return drawnfreq_.at(num); }

private:
    std::vector<GraphItem> items_;
    std::array<std::int16_t, 11> drawnfreq_{};
    int pen_ = 1;
};

}  // namespace enclavio
