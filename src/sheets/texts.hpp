// The layout in words, as the Sheet Layout window and `enclavio-cli sheets`
// both show it, and the tab-separated output of the command line.
#pragma once

#include <string>
#include <vector>

#include "sheets/layout.hpp"
#include "units/units.hpp"

namespace enclavio::sheets {

// A length as the cutting list writes it in the mode, without its leading
// blank: "482", "48.2", "1' 7", "18.98".
std::string length_words(UnitMode mode, double mm);
// "482 x 582 mm", "1' 7 x 1' 10 15/16 inches".
std::string size_words(UnitMode mode, double first, double second);

// A distance to measure at the saw, with its unit: as length_words, except
// that both inch modes give feet, inches and sixteenths, the marks of a tape
// measure: "600 mm", "1' 11 5/8 inches".
std::string distance_words(UnitMode mode, double mm);

// "1 sheet (fewest possible)", "3 sheets (best found)".
std::string count_text(const Layout& l);
// "Board used: 57.3%" (truncated to a tenth).
std::string usage_text(const Layout& l);
// "Board 2440 x 1220 mm, kerf 3.2 mm, trim 0 mm, pieces may be turned".
std::string board_text(const Board& b, UnitMode mode);

// Sheet `s` (from 0): "Sheet 1 of 2: 9 pieces, 61.2% used".
std::string sheet_heading(const Layout& l, int s);
// One line per piece, top to bottom: "Top panel 300 x 381 mm", ", turned"
// added when its first dimension lies along the sheet.
std::vector<std::string> piece_lines(const Layout& l, int s, UnitMode mode);
// "Offcuts: 1736.8 x 1220 mm, 700 x 331.6 mm" or "Offcuts: none larger than 100 x 100 mm".
std::string offcut_line(const Layout& l, int s, UnitMode mode);
// The heading of the cut sequence, then one line per cut in order, the trim
// first when there is one: "1. Rip the sheet at 700 mm from its left edge.
// Left: cut 2. Right: offcut 1736.8 x 1220 mm." Distances are distance_words.
std::vector<std::string> cut_lines(const Layout& l, int s, UnitMode mode);

// Why no layout was made, naming the piece and its sizes when one is at fault.
std::string refusal_text(const Layout& l, UnitMode mode);

// Everything above, one line per line ending in "\n": the count and the
// board used, the board, then each sheet's heading, pieces, offcuts and cuts.
// A refused layout gives its refusal.
std::string layout_text(const Layout& l, UnitMode mode);

// The header "sheet\tpanel\tx_mm\ty_mm\tacross_mm\talong_mm\tturned", one line
// per piece (sheet from 1, the panel's name, its corner nearest the origin
// from the untrimmed edges, its extent, "yes" or "no"), numbers in plain
// decimals of up to 15 significant digits, and "# sheets N proven" or
// "# sheets N best-found" last. Empty for a refused layout.
std::string layout_tsv(const Layout& l);

}  // namespace enclavio::sheets
