// The board the panels are cut from: its size, the saw's kerf, the trim taken
// off every edge, and whether pieces may lie turned.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace enclavio::sheets {

// Sizes in millimetres. "Across" is the sheet's first dimension (x in the
// drawings and the TSV), "along" its second (y).
struct Board {
    double across = 2440;
    double along = 1220;
    double kerf = 3.2;    // width of the saw cut
    double trim = 0;      // taken off every edge before the first cut
    bool turning = true;  // false keeps each piece's first listed dimension across
    bool operator==(const Board&) const = default;
};

inline constexpr double kMaxBoardSide = 10000;  // mm: no sheet good is longer
inline constexpr double kMaxKerf = 50;          // mm

// The usable board once the trim is off every edge.
inline double trimmed_across(const Board& b) { return b.across - 2 * b.trim; }
inline double trimmed_along(const Board& b) { return b.along - 2 * b.trim; }

// Why no layout can be made on the board, or nothing when it is usable.
std::optional<std::string> board_problem(const Board& b);

// The sheet sizes builders buy, in the order they are offered.
struct BoardPreset {
    std::string_view name;  // "2440 x 1220 mm", "8' x 4' (2438.4 x 1219.2 mm)"
    double across, along;
};
inline constexpr int kBoardPresetCount = 6;
const std::array<BoardPreset, kBoardPresetCount>& board_presets();
inline constexpr std::string_view kCustomBoardName = "Custom";
// The preset of exactly this size, if any.
std::optional<int> board_preset_index(double across, double along);

// A plain decimal number of millimetres ("3.2", " 12 ", ".5"): digits with at
// most one point, blanks around; nothing for any other text (a sign, an
// exponent, a unit, a comma).
std::optional<double> parse_millimetres(std::string_view text);

// "2440x1220", "2440 x 1220" or "1524X1524.5": two plain decimal numbers of
// millimetres joined by an x; nothing for any other text.
struct BoardSize {
    double across, along;
};
std::optional<BoardSize> parse_board_size(std::string_view text);

}  // namespace enclavio::sheets
