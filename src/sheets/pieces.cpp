// The cutting list's panels as pieces to lay out.
#include "sheets/pieces.hpp"

#include <algorithm>
#include <cmath>

#include "cutting/cutting.hpp"

namespace enclavio::sheets {

int shelf_braces_from_count(double counted) {
    if (!std::isfinite(counted) || counted <= 0) return 0;
    return static_cast<int>(std::min<double>(std::floor(counted), kMaxShelfBraces));
}

std::vector<Piece> design_pieces(const BoxDesign& d, bool show_exact, int boxes, int shelf_braces) {
    std::vector<Piece> pieces;
    if (!has_panel_sizes(d)) return pieces;
    boxes = std::clamp(boxes, 1, kMaxBoxes);
    shelf_braces = std::clamp(shelf_braces, 0, kMaxShelfBraces);
    const std::vector<PanelSize> panels = box_panels(d, show_exact);
    for (int box = 0; box < boxes; ++box) {
        for (const PanelSize& p : panels) {
            const int copies = p.kind == PanelKind::ShelfBrace ? shelf_braces : 1;
            for (int i = 0; i < copies; ++i) pieces.push_back({std::string(p.name), p.first, p.second});
        }
    }
    return pieces;
}

}  // namespace enclavio::sheets
