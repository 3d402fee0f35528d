// Unit modes, number/text conversions and the imperial parser and formatter.
// Lengths are always millimetres and volumes litres; the unit mode only
// decides how they are typed and shown.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace enclavio {

enum class UnitMode { Metric, MetricCm, Inches, DecimalInches };

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kMmPerCm = 10.0;
inline constexpr double kInchesPerFoot = 12.0;
inline constexpr double kCuFtPerLitre = 0.0353146667214886;
inline constexpr double kMm3PerLitre = 1000000.0;

// "metric", "metric-cm", "inches", "decimalinches".
std::string_view unit_mode_literal(UnitMode mode);
// Exact, case-sensitive match of one of the four literals.
std::optional<UnitMode> unit_mode_from_literal(std::string_view text);
bool is_imperial(UnitMode mode);

// " mm", " cm", " inches", " inches".
std::string_view unit_suffix(UnitMode mode);
// " litres" or " cu.ft".
std::string_view volume_suffix(UnitMode mode);

// Main-window captions that follow the unit mode.
struct ModeCaptions {
    std::string_view frame1;   // "Box Dimensions (mm external) and Calculator"
    std::string_view frame2;   // "Driver Location (mm)"
    std::string_view frame5;   // "Ports (mm)"
    std::string_view label15;  // "Internal Volume (litres)"
};
ModeCaptions mode_captions(UnitMode mode);

// Value of the longest numeric prefix of the text; blanks, tabs and line feeds
// anywhere are ignored first. Sign, digits, ".", exponent (E or D), and the
// "&H" / "&O" prefixes. 0 when the text does not begin with a number, and 0 for
// a number outside the range of a double: never infinity or NaN.
double numeric_value(std::string_view text);

// The value, or 0 when it is NaN or infinite: a result too large for a double
// is stored as 0, just as a typed number too large for one reads as 0.
inline double finite_or_zero(double value) { return std::isfinite(value) ? value : 0.0; }

// Leading blank for values >= 0, "-" below; up to 15 significant digits; no
// zero before the point below 1 (" .5"); exponent form "1E+15" for very large
// or very small magnitudes.
std::string number_text(double value);

// As number_text but without the leading blank and with a zero before the
// point below 1 ("0.5", "400.05").
std::string plain_text(double value);

// floor(x * 10^n) / 10^n, with x * 10^n first rounded to 12 significant
// digits so that binary noise never cuts a whole step off a shown value.
// Every truncated display (volumes, tuning, resonances, bracing) uses it.
double truncate_to(double value, int decimals);

// Integer division "\": both operands rounded to the nearest integer (ties to
// even), quotient truncated toward zero. Empty when the rounded divisor is 0 or
// an operand leaves the signed 32-bit range.
std::optional<double> integer_divide(double dividend, double divisor);

// Feet/inch/fraction or decimal-inch text to millimetres.
struct ImperialParse {
    std::string mm_text;  // plain decimal millimetres, "0" for empty input, "ERR" on error
    std::string error;    // empty when accepted, else the fixed message
};
ImperialParse parse_imperial(std::string_view text);

// Millimetres (plain decimal text) to the two imperial display forms.
struct ImperialFormat {
    std::string feet_inches;     // "1' 3 3/4", "0" or "ERR"
    std::string decimal_inches;  // " 15.75", "0" or "ERR"
    std::string error;           // empty or "Invalid character"
};
ImperialFormat format_imperial(std::string_view mm_text);

// A length typed into a field, read in the given mode.
struct LengthEntry {
    double mm = 0;
    std::string error;  // the parser's message in the imperial modes, else empty
};
LengthEntry length_from_text(UnitMode mode, std::string_view text);
// A stored length as its field shows it in the given mode.
std::string length_text(UnitMode mode, double mm);

// Internal volume typed (litres, or cubic feet in the imperial modes).
double volume_from_text(UnitMode mode, std::string_view text);
// A volume as shown: litres truncated to one decimal, or cubic feet to two.
std::string volume_text(UnitMode mode, double litres);

}  // namespace enclavio
