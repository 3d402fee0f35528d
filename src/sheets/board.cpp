// Board presets, checks and the size text of the command line.
#include "sheets/board.hpp"

#include <cmath>
#include <cstdlib>

namespace enclavio::sheets {

std::optional<std::string> board_problem(const Board& b) {
    const auto side_ok = [](double v) { return std::isfinite(v) && v > 0 && v <= kMaxBoardSide; };
    if (!side_ok(b.across) || !side_ok(b.along))
        return std::string("The sheet must be more than 0 and at most 10000 mm each way.");
    if (!std::isfinite(b.kerf) || b.kerf < 0 || b.kerf > kMaxKerf)
        return std::string("The kerf must be from 0 to 50 mm.");
    if (!std::isfinite(b.trim) || b.trim < 0 || trimmed_across(b) <= 0 || trimmed_along(b) <= 0)
        return std::string("The trim must be 0 or more and leave some of the sheet.");
    return std::nullopt;
}

const std::array<BoardPreset, kBoardPresetCount>& board_presets() {
    static constexpr std::array<BoardPreset, kBoardPresetCount> presets{{
        {"2440 x 1220 mm", 2440, 1220},
        {"2500 x 1250 mm", 2500, 1250},
        {"2800 x 2070 mm", 2800, 2070},
        {"1220 x 610 mm", 1220, 610},
        {"8' x 4' (2438.4 x 1219.2 mm)", 2438.4, 1219.2},
        {"5' x 5' (1524 x 1524 mm)", 1524, 1524},
    }};
    return presets;
}

std::optional<int> board_preset_index(double across, double along) {
    for (int i = 0; i < kBoardPresetCount; ++i)
        if (board_presets()[i].across == across && board_presets()[i].along == along) return i;
    return std::nullopt;
}

namespace {

// A plain decimal number (digits with at most one point), blanks around it
// skipped; the rest of the text after it.
std::optional<double> plain_number(std::string_view& text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    std::size_t n = 0, points = 0, digits = 0;
    for (; n < text.size(); ++n) {
        if (text[n] == '.') ++points;
        else if (text[n] >= '0' && text[n] <= '9') ++digits;
        else break;
    }
    if (digits == 0 || points > 1) return std::nullopt;
    const double value = std::strtod(std::string(text.substr(0, n)).c_str(), nullptr);
    text.remove_prefix(n);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return value;
}

}  // namespace

std::optional<double> parse_millimetres(std::string_view text) {
    const std::optional<double> value = plain_number(text);
    if (!value || !text.empty()) return std::nullopt;
    return value;
}

std::optional<BoardSize> parse_board_size(std::string_view text) {
    const std::optional<double> across = plain_number(text);
    if (!across || text.empty() || (text.front() != 'x' && text.front() != 'X')) return std::nullopt;
    text.remove_prefix(1);
    const std::optional<double> along = plain_number(text);
    if (!along || !text.empty()) return std::nullopt;
    return BoardSize{*across, *along};
}

}  // namespace enclavio::sheets
