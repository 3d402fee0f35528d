// A sheet drawn as primitives, and those primitives as SVG.
#include "sheets/drawing.hpp"

#include <algorithm>
#include <cmath>

#include "sheets/texts.hpp"

namespace enclavio::sheets {

namespace {

// Average advance of a character of the sans-serif face, as a share of the
// font size: generous, so that a label estimated to fit does fit.
constexpr double kCharWidth = 0.62;
constexpr double kLineGap = 1.25;  // line pitch as a share of the font size
constexpr double kFill = 0.86;     // a label uses at most this share of its piece
constexpr double kMinTextPx = 7;   // smallest label, at 1000 px for the longer side

// Lines centred in a rectangle at the largest size that fits, up to `cap`,
// turned upright when the rectangle is tall and that lets them be larger.
void label(std::vector<Shape>& out, const Rect& r, const std::vector<std::string>& lines, double cap, double least,
           Rgb colour, bool bold_first) {
    std::size_t chars = 0;
    for (const std::string& l : lines) chars = std::max(chars, l.size());
    const double n = static_cast<double>(lines.size());
    auto fit = [&](double across, double along) {
        return std::min(
            {cap, kFill * across / (kCharWidth * static_cast<double>(chars)), kFill * along / (n * kLineGap)});
    };
    const double flat = fit(r.across, r.along), upright = fit(r.along, r.across);
    const bool vertical = upright > flat * 1.2;
    const double size = vertical ? upright : flat;
    if (size < least) return;
    const double cx = r.x + r.across / 2, cy = r.y + r.along / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double offset = (static_cast<double>(i) - (n - 1) / 2) * kLineGap * size;
        DrawText t{vertical ? cx + offset : cx, vertical ? cy : cy + offset, size, lines[i], colour, vertical,
                   bold_first && i == 0};
        out.push_back(t);
    }
}

// 45 degree lines across a rectangle, `pitch` apart along x, in phase with
// the board's corner so that neighbouring areas line up.
void hatch(std::vector<Shape>& out, const Rect& r, double pitch) {
    const double x0 = r.x, x1 = r.x + r.across, y0 = r.y, y1 = r.y + r.along;
    // Lines x + y = c, from the bottom left to the top right.
    for (double c = std::ceil((x0 + y0) / pitch) * pitch; c < x1 + y1; c += pitch) {
        const double ax = std::max(x0, c - y1), bx = std::min(x1, c - y0);
        if (bx - ax <= 1e-9) continue;
        out.push_back(DrawLine{ax, c - ax, bx, c - bx, palette::hatch, 0.75});
    }
}

std::string number(double v) { return plain_text(std::round(v * 1000) / 1000); }

std::string hex(Rgb c) {
    static const char* digits = "0123456789abcdef";
    std::string s = "#";
    for (int v : {c.r, c.g, c.b}) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += ch;
        }
    }
    return out;
}

}  // namespace

SheetDrawing draw_sheet(const Layout& l, int s, UnitMode mode) {
    const Board& b = l.board;
    const SheetPlan& plan = l.sheets[s];
    const double longest = std::max(b.across, b.along);
    const double caption = longest * 0.022;
    // A label is left out below kMinTextPx when the longer side is 1000 px.
    const double least = longest * kMinTextPx / 1000;

    SheetDrawing d;
    d.left = 0;
    d.top = -caption * 2.2;
    d.width = b.across;
    d.height = b.along - d.top;
    auto& out = d.shapes;

    const std::string title = sheet_heading(l, s) + "; board " + size_words(mode, b.across, b.along);
    out.push_back(DrawText{b.across / 2, -caption * 1.1, caption, title, palette::text, false, true});

    // The board, its trimmed margin darker.
    out.push_back(
        DrawRect{{0, 0, b.across, b.along}, b.trim > 0 ? palette::trim : palette::board, true, palette::piece_edge, 1});
    if (b.trim > 0)
        out.push_back(DrawRect{{b.trim, b.trim, trimmed_across(b), trimmed_along(b)}, palette::board, true, {}, 0});

    // Board left over: hatched, the offcuts worth keeping labelled with their size.
    const double pitch = longest / 90;
    for (const auto* group : {&plan.offcuts, &plan.waste}) {
        for (const Rect& r : *group) {
            out.push_back(DrawRect{r, palette::waste, true, {}, 0});
            hatch(out, r, pitch);
            out.push_back(DrawRect{r, {}, false, palette::waste_edge, 0.75});
        }
    }
    for (const Rect& r : plan.offcuts)
        label(out, r, {"offcut", size_words(mode, r.across, r.along)}, longest * 0.02, least, palette::offcut_text,
              false);

    // The saw cuts at their true width, each across the part it divides.
    for (const Cut& c : plan.cuts) {
        const Rect& p = c.part;
        const Rect k = c.kind == CutKind::Rip
                           ? Rect{p.x + c.distance, p.y, std::min(b.kerf, p.across - c.distance), p.along}
                           : Rect{p.x, p.y + c.distance, p.across, std::min(b.kerf, p.along - c.distance)};
        if (k.across > 0 && k.along > 0) out.push_back(DrawRect{k, palette::kerf, true, {}, 0});
    }

    // The pieces to scale, each with its name and size.
    for (const Placement& p : plan.placements) {
        const Rect r{p.x, p.y, p.across, p.along};
        out.push_back(DrawRect{r, palette::piece, true, palette::piece_edge, 1});
        const Piece& pc = l.pieces[p.piece];
        const std::string size = size_words(mode, pc.first, pc.second) + (p.turned ? ", turned" : "");
        const double cap = longest * 0.028;
        std::size_t shapes = out.size();
        label(out, r, {pc.name, size}, cap, least, palette::text, true);
        if (out.size() == shapes) label(out, r, {pc.name}, cap, least, palette::text, true);
    }
    // The sheet's edge over whatever lies against it.
    out.push_back(DrawRect{{0, 0, b.across, b.along}, {}, false, palette::piece_edge, 1});
    return d;
}

std::string sheet_svg(const SheetDrawing& d, double longest_px) {
    const double scale = longest_px / std::max(d.width, d.height);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(d.width * scale) + "\" height=\"" +
           number(d.height * scale) + "\" viewBox=\"" + number(d.left) + " " + number(d.top) + " " + number(d.width) +
           " " + number(d.height) + "\">\n";
    out += "<rect x=\"" + number(d.left) + "\" y=\"" + number(d.top) + "\" width=\"" + number(d.width) +
           "\" height=\"" + number(d.height) + "\" fill=\"" + hex(palette::background) + "\"/>\n";
    // Outlines keep their pixel width at any zoom.
    const std::string cosmetic = "\" vector-effect=\"non-scaling-stroke\"";
    for (const Shape& shape : d.shapes) {
        if (const auto* r = std::get_if<DrawRect>(&shape)) {
            out += "<rect x=\"" + number(r->r.x) + "\" y=\"" + number(r->r.y) + "\" width=\"" + number(r->r.across) +
                   "\" height=\"" + number(r->r.along) + "\" fill=\"" + (r->filled ? hex(r->fill) : "none") + "\"";
            if (r->stroke_px > 0)
                out += " stroke=\"" + hex(r->stroke) + "\" stroke-width=\"" + number(r->stroke_px) + cosmetic;
            out += "/>\n";
        } else if (const auto* ln = std::get_if<DrawLine>(&shape)) {
            out += "<line x1=\"" + number(ln->x1) + "\" y1=\"" + number(ln->y1) + "\" x2=\"" + number(ln->x2) +
                   "\" y2=\"" + number(ln->y2) + "\" stroke=\"" + hex(ln->colour) + "\" stroke-width=\"" +
                   number(ln->width_px) + cosmetic + "/>\n";
        } else if (const auto* t = std::get_if<DrawText>(&shape)) {
            out += "<text x=\"" + number(t->x) + "\" y=\"" + number(t->y) + "\" font-size=\"" + number(t->size) +
                   "\" font-family=\"DejaVu Sans, sans-serif\" text-anchor=\"middle\" dominant-baseline=\"central\" "
                   "fill=\"" +
                   hex(t->colour) + "\"";
            if (t->bold) out += " font-weight=\"bold\"";
            if (t->vertical) out += " transform=\"rotate(-90 " + number(t->x) + " " + number(t->y) + ")\"";
            out.append(">").append(escaped(t->text)).append("</text>\n");
        }
    }
    out += "</svg>\n";
    return out;
}

std::string sheet_svg_name(std::string_view prefix, int s) {
    constexpr std::string_view kExtension = ".svg";
    if (prefix.size() > kExtension.size() && prefix.ends_with(kExtension)) prefix.remove_suffix(kExtension.size());
    return std::string(prefix) + "-" + std::to_string(s + 1) + std::string(kExtension);
}

}  // namespace enclavio::sheets
