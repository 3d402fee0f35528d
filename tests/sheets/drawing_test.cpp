// The drawing of a sheet: pieces, offcuts and kerfs to scale and labelled,
// and the SVG that renders it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../design/boxes.hpp"
#include "sheets/drawing.hpp"
#include "sheets/texts.hpp"

namespace enclavio::sheets {
namespace {

constexpr double kTol = 1e-6;

std::vector<Layout> layouts() {
    const BoxDesign d = fixture::startup_box();
    return {lay_out(design_pieces(d, true), Board{}),
            lay_out(design_pieces(d, false, 2), Board{2440, 1220, 3.2, 10, false}),
            lay_out({{"Top panel", 600, 490}, {"Shelf brace", 250, 383.8}, {"Rear panel", 100, 200}},
                    Board{1000, 500, 3.2, 5, true})};
}

bool inside(const Rect& r, double x, double y) {
    return x >= r.x - kTol && x <= r.x + r.across + kTol && y >= r.y - kTol && y <= r.y + r.along + kTol;
}
bool same(const Rect& a, const Rect& b) {
    return std::abs(a.x - b.x) < kTol && std::abs(a.y - b.y) < kTol && std::abs(a.across - b.across) < kTol &&
           std::abs(a.along - b.along) < kTol;
}

TEST(SheetDrawing, PiecesOffcutsAndKerfsToScale) {
    for (const Layout& l : layouts()) {
        ASSERT_FALSE(l.refusal);
        for (UnitMode mode : {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches}) {
            for (int s = 0; s < static_cast<int>(l.sheets.size()); ++s) {
                const SheetPlan& plan = l.sheets[s];
                const SheetDrawing d = draw_sheet(l, s, mode);
                const Rect bounds{d.left, d.top, d.width, d.height};
                std::vector<Rect> pieces, kerfs, left_over;
                std::vector<const DrawText*> texts;
                for (const Shape& shape : d.shapes) {
                    if (const auto* r = std::get_if<DrawRect>(&shape)) {
                        EXPECT_TRUE(inside(bounds, r->r.x, r->r.y) &&
                                    inside(bounds, r->r.x + r->r.across, r->r.y + r->r.along));
                        if (r->filled && r->fill == palette::piece) pieces.push_back(r->r);
                        if (r->filled && r->fill == palette::kerf) kerfs.push_back(r->r);
                        if (r->filled && r->fill == palette::waste) left_over.push_back(r->r);
                    } else if (const auto* t = std::get_if<DrawText>(&shape)) {
                        EXPECT_TRUE(inside(bounds, t->x, t->y)) << t->text;
                        EXPECT_GT(t->size, 0);
                        texts.push_back(t);
                    } else {
                        // Hatching stays within the board left over.
                        const auto& ln = std::get<DrawLine>(shape);
                        bool within = false;
                        for (const Rect& r : left_over)
                            within = within || (inside(r, ln.x1, ln.y1) && inside(r, ln.x2, ln.y2));
                        EXPECT_TRUE(within);
                    }
                }
                // Every piece drawn where it lies, its name in it.
                ASSERT_EQ(pieces.size(), plan.placements.size());
                for (const Placement& p : plan.placements) {
                    const Rect r{p.x, p.y, p.across, p.along};
                    int drawn = 0;
                    for (const Rect& q : pieces) drawn += same(q, r);
                    EXPECT_EQ(drawn, 1);
                    bool named = false;
                    for (const DrawText* t : texts)
                        named = named || (t->text == l.pieces[p.piece].name && inside(r, t->x, t->y));
                    EXPECT_TRUE(named) << l.pieces[p.piece].name;
                }
                // A kerf for every cut, each offcut hatched and labelled with its size.
                EXPECT_EQ(kerfs.size(), plan.cuts.size());
                for (const Rect& o : plan.offcuts) {
                    bool hatched = false, labelled = false;
                    for (const Rect& r : left_over) hatched = hatched || same(r, o);
                    for (const DrawText* t : texts)
                        labelled =
                            labelled || (t->text == size_words(mode, o.across, o.along) && inside(o, t->x, t->y));
                    EXPECT_TRUE(hatched && labelled);
                }
                // The caption says which sheet it is.
                EXPECT_EQ(texts.front()->text.rfind(sheet_heading(l, s), 0), 0u);
            }
        }
    }
}

TEST(SheetDrawing, Svg) {
    const Layout l = layouts().back();
    const SheetDrawing d = draw_sheet(l, 0, UnitMode::Inches);
    const std::string svg = sheet_svg(d, 1000);
    auto count = [&svg](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1)) ++n;
        return n;
    };
    std::size_t rects = 0, lines = 0, texts = 0;
    for (const Shape& s : d.shapes) {
        rects += std::holds_alternative<DrawRect>(s);
        lines += std::holds_alternative<DrawLine>(s);
        texts += std::holds_alternative<DrawText>(s);
    }
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                        "width=\"1000\" height=\"548.4\" viewBox=\"0 -48.4 1000 548.4\">\n",
                        0),
              0u)
        << svg.substr(0, 200);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    EXPECT_EQ(count("<svg"), 1u);
    EXPECT_EQ(count("<rect"), rects + 1);  // and the background
    EXPECT_EQ(count("<line"), lines);
    EXPECT_EQ(count("<text"), texts);
    EXPECT_EQ(count("</text>"), texts);
    // Feet are written with an apostrophe, escaped.
    EXPECT_NE(svg.find(">1&apos; 11 5/8 x 1&apos; 7 5/16 inches</text>"), std::string::npos);
    EXPECT_EQ(count("'"), 0u);

    EXPECT_EQ(sheet_svg_name("box", 0), "box-1.svg");
    EXPECT_EQ(sheet_svg_name("/home/me/sub.svg", 11), "/home/me/sub-12.svg");
    EXPECT_EQ(sheet_svg_name(".svg", 0), ".svg-1.svg");
}

}  // namespace
}  // namespace enclavio::sheets
