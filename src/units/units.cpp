// Unit modes, number/text conversions, the imperial parser and formatter.
#include "units/units.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace enclavio {

namespace {

constexpr double kInt32Min = -2147483648.0;
constexpr double kInt32Max = 2147483647.0;
// Significant digits a truncated display trusts; the rest is binary noise.
constexpr int kShownDigits = 12;

// Removes leading and trailing spaces (spaces only: tabs and other blanks stay).
std::string trim_blanks(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return std::string(s.substr(b, e - b));
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Digits (15 significant, trailing zeros removed) and decimal exponent of a
// finite non-zero magnitude: value = 0.d1d2d3... * 10^(exp+1), i.e. d1 is the
// digit of 10^exp.
struct Decimal {
    std::string digits;
    int exp = 0;
};

Decimal decompose(double magnitude) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    // Form: d.ddddddddddddddde[+-]xx
    Decimal d;
    const std::size_t epos = s.find('e');
    for (std::size_t i = 0; i < epos; ++i) {
        if (is_digit(s[i])) d.digits.push_back(s[i]);
    }
    int e = 0;
    std::from_chars(s.data() + epos + 1 + (s[epos + 1] == '+' ? 1 : 0), s.data() + s.size(), e);
    d.exp = e;
    // The magnitudes at the very top of the range round, at 15 digits, past the
    // largest double, and that text would read back as 0: round them down.
    if (d.exp == 308 && d.digits >= "179769313486232") d.digits = "179769313486231";
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Text of |value| in Str$ style; zero_before_point adds "0" before a leading
// point. The magnitude must be finite and non-zero.
std::string magnitude_text(double magnitude, bool zero_before_point) {
    const Decimal d = decompose(magnitude);
    const int n = static_cast<int>(d.digits.size());
    std::string out;
    if (d.exp >= -4 && d.exp <= 14) {
        if (d.exp < 0) {
            if (zero_before_point) out += '0';
            out += '.';
            out.append(static_cast<std::size_t>(-d.exp - 1), '0');
            out += d.digits;
        } else if (n <= d.exp + 1) {
            out = d.digits;
            out.append(static_cast<std::size_t>(d.exp + 1 - n), '0');
        } else {
            out = d.digits.substr(0, static_cast<std::size_t>(d.exp + 1));
            out += '.';
            out += d.digits.substr(static_cast<std::size_t>(d.exp + 1));
        }
    } else {
        out += d.digits[0];
        if (n > 1) {
            out += '.';
            out += d.digits.substr(1);
        }
        out += 'E';
        out += d.exp < 0 ? '-' : '+';
        const int ae = d.exp < 0 ? -d.exp : d.exp;
        if (ae < 10) out += '0';
        out += std::to_string(ae);
    }
    return out;
}

// The plain trimmed number_text: number_text without its leading blank.
std::string trimmed_number_text(double value) { return trim_blanks(number_text(value)); }

// A canonical number text: the plain trimmed number_text of its value is itself.
bool is_canonical(std::string_view t) { return trimmed_number_text(numeric_value(t)) == t; }

// The value rounded to `digits` significant decimal digits, exactly as its
// decimal text would read back.
double round_significant(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0) return value;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    double rounded = value;
    std::from_chars(buf, res.ptr, rounded);
    return rounded;
}

// Round to the nearest integer, ties to even (independent of the FP rounding mode).
double round_half_even(double x) {
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5) return f + 1.0;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

// Hexadecimal / octal integer after "&H" / "&O": a value that fits 16 bits
// is read as a signed 16-bit integer, one that fits 32 bits as a signed 32-bit
// integer; a longer one overflows and reads as 0.
double based_integer(std::string_view s, int base) {
    std::uint64_t v = 0;
    bool any = false;
    for (char c : s) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else break;
        if (digit >= base) break;
        any = true;
        v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (v > 0xFFFFFFFFull) return 0.0;
    }
    if (!any) return 0.0;
    if (v <= 0xFFFFull) return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
}

}  // namespace

std::string_view unit_mode_literal(UnitMode mode) {
    switch (mode) {
        case UnitMode::Metric: return "metric";
        case UnitMode::MetricCm: return "metric-cm";
        case UnitMode::Inches: return "inches";
        case UnitMode::DecimalInches: return "decimalinches";
    }
    return "metric";
}

std::optional<UnitMode> unit_mode_from_literal(std::string_view text) {
    if (text == "metric") return UnitMode::Metric;
    if (text == "metric-cm") return UnitMode::MetricCm;
    if (text == "inches") return UnitMode::Inches;
    if (text == "decimalinches") return UnitMode::DecimalInches;
    return std::nullopt;
}

bool is_imperial(UnitMode mode) { return mode == UnitMode::Inches || mode == UnitMode::DecimalInches; }

std::string_view unit_suffix(UnitMode mode) {
    switch (mode) {
        case UnitMode::Metric: return " mm";
        case UnitMode::MetricCm: return " cm";
        case UnitMode::Inches:
        case UnitMode::DecimalInches: return " inches";
    }
    return " mm";
}

std::string_view volume_suffix(UnitMode mode) { return is_imperial(mode) ? " cu.ft" : " litres"; }

ModeCaptions mode_captions(UnitMode mode) {
    switch (mode) {
        case UnitMode::Metric:
            return {"Box Dimensions (mm external) and Calculator", "Driver Location (mm)", "Ports (mm)",
                    "Internal Volume (litres)"};
        case UnitMode::MetricCm:
            return {"Box Dimensions (cm external) and Calculator", "Driver Location (cm)", "Ports (cm)",
                    "Internal Volume (litres)"};
        case UnitMode::Inches:
        case UnitMode::DecimalInches:
            return {"Box Dimensions (inches external) and Calculator", "Driver Location (inches)", "Ports (inches)",
                    "Internal Volume (cu.ft)"};
    }
    return mode_captions(UnitMode::Metric);
}

double numeric_value(std::string_view text) {
    // Blanks, tabs and line feeds anywhere are ignored.
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return based_integer(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return based_integer(std::string_view(s).substr(2), 8);
        return 0.0;
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string number;  // canonical form for from_chars: digits[.digits][e[-]digits]
    bool any_digit = false;
    while (i < s.size() && is_digit(s[i])) {
        number.push_back(s[i++]);
        any_digit = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        std::string frac;
        while (i < s.size() && is_digit(s[i])) {
            frac.push_back(s[i++]);
            any_digit = true;
        }
        if (!frac.empty()) number += '.' + frac;
    }
    if (!any_digit) return 0.0;
    if (number.empty() || number[0] == '.') number.insert(number.begin(), '0');
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool eneg = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            eneg = s[j] == '-';
            ++j;
        }
        std::string exp;
        while (j < s.size() && is_digit(s[j])) exp.push_back(s[j++]);
        if (!exp.empty()) {
            number += 'e';
            if (eneg) number += '-';
            number += exp;
        }
    }
    double v = 0.0;
    auto res = std::from_chars(number.data(), number.data() + number.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || !std::isfinite(v)) return 0.0;
    return negative ? -v : v;
}

std::string number_text(double value) {
    if (!std::isfinite(value) || value == 0.0) return " 0";
    if (value < 0) return "-" + magnitude_text(-value, false);
    return " " + magnitude_text(value, false);
}

std::string plain_text(double value) {
    if (!std::isfinite(value) || value == 0.0) return "0";
    if (value < 0) return "-" + magnitude_text(-value, true);
    return magnitude_text(value, true);
}

double truncate_to(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // A value that is a whole number of steps in decimal often arrives a few
    // binary digits below it (1.5 cu.ft comes back from litres as 149.99999999999997
    // hundredths); rounding to 12 significant digits first keeps the floor from
    // cutting a whole step off it.
    return std::floor(round_significant(value * scale, kShownDigits)) / scale;
}

std::optional<double> integer_divide(double dividend, double divisor) {
    if (!std::isfinite(dividend) || !std::isfinite(divisor)) return std::nullopt;
    const double a = round_half_even(dividend);
    const double b = round_half_even(divisor);
    if (a < kInt32Min || a > kInt32Max || b < kInt32Min || b > kInt32Max) return std::nullopt;
    if (b == 0.0) return std::nullopt;
    const std::int64_t q = static_cast<std::int64_t>(a) / static_cast<std::int64_t>(b);
    // -2147483648 \ -1 overflows a signed 32-bit result: no quotient.
    if (q > static_cast<std::int64_t>(kInt32Max)) return std::nullopt;
    return static_cast<double>(q);
}

ImperialParse parse_imperial(std::string_view text) {
    std::string error;
    std::string result;

    // Blanks around the text are ignored; an empty entry is 0 mm.
    std::string t = trim_blanks(text);
    if (t.empty()) return {"0", ""};

    // A backslash is taken for a mistyped fraction slash.
    for (char& c : t) {
        if (c == '\\') c = '/';
    }
    // Runs of blanks become one blank, so "1  1/2" reads as "1 1/2".
    {
        std::string collapsed;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] == ' ' && i + 1 < t.size() && t[i + 1] == ' ') continue;
            collapsed.push_back(t[i]);
        }
        t = std::move(collapsed);
    }
    // A foot mark needs a number of feet before it.
    if (t[0] == '\'') return {"ERR", "Foot symbol without any feet"};

    // Only digits, one dot, one slash, one foot mark and blanks are allowed.
    int points = 0, slashes = 0, feet_marks = 0, blanks = 0;
    for (char c : t) {
        if (c == '.') ++points;
        else if (c == '/') ++slashes;
        else if (c == '\'') ++feet_marks;
        else if (c == ' ') ++blanks;
        else if (!is_digit(c)) error = "Invalid Character";
    }
    // Counted marks: at most one of each, and decimal inches never mix
    // with fractions or feet.
    if (error.empty()) {
        if (points > 1) error = "More than one dot";
        else if (slashes > 1) error = "More than one slash";
        else if (feet_marks > 1) error = "More than one ' (foot) symbol";
        else if (points > 0 && slashes > 0) error = "Fractions not allowed in decimal inches mode";
        else if (points > 0 && feet_marks > 0) error = "Feet not allowed in decimal inches mode and vice versa";
    }

    if (error.empty() && points == 1) {
        // A dot: decimal inches.
        result = trimmed_number_text(numeric_value(t) * kMmPerInch);
    } else {
        // Otherwise feet, whole inches and a fraction in halves to sixteenths.
        std::string feet, whole, fraction, numerator, denominator;
        const std::size_t first_slash = t.find('/');
        if (first_slash == 0) error = "slash not allowed at start of field";
        if (first_slash != std::string::npos && first_slash == t.size() - 1)
            error = "slash not allowed at end of field";
        if (error.empty()) {
            const std::size_t p = t.find('\'');
            if (p != std::string::npos && p > 0) {
                feet = t.substr(0, p);
                t = (p + 1 < t.size()) ? trim_blanks(std::string_view(t).substr(p + 1)) : std::string();
            } else if (p == std::string::npos && blanks > 1) {
                error = "Multiple spaces but no foot symbol   OR   spaces in fraction";
            }
        }
        if (!feet.empty() && !is_canonical(feet)) error = "Invalid feet";
        if (error.empty() && !t.empty()) {
            const std::size_t s = t.find(' ');
            if (s != std::string::npos) {
                whole = trim_blanks(std::string_view(t).substr(0, s));
                fraction = t.substr(s + 1);
            } else if (t.find('/') == std::string::npos) {
                whole = t;
            } else {
                fraction = t;
            }
            if (!whole.empty() && !is_canonical(whole)) error = "Invalid whole inches or spaces in fraction";
            if (error.empty() && !fraction.empty()) {
                if (fraction.find(' ') != std::string::npos) error = "Fraction cannot contain spaces";
                if (fraction.find('/') == 0) error = "Fraction not correctly specified or contains spaces";
                if (fraction.find('/') == std::string::npos) error = "Fraction must contain a slash";
            }
        }
        if (error.empty() && !fraction.empty()) {
            const std::size_t slash = fraction.find('/');
            numerator = fraction.substr(0, slash);
            denominator = trim_blanks(std::string_view(fraction).substr(slash + 1));
            if (!numerator.empty() && !is_canonical(numerator)) error = "Invalid Upper fraction";
            if (denominator != "2" && denominator != "4" && denominator != "8" && denominator != "16")
                error = "Allowable fractions are 1/2 1/4 1/8 1/16";
        }
        // The parts add up to inches, then millimetres.
        if (error.empty()) {
            const double f = numeric_value(feet);
            const double w = numeric_value(whole);
            const double n = numeric_value(numerator);
            const double d = numeric_value(denominator);
            const double inches = d >= 1 ? f * kInchesPerFoot + w + n / d : f * kInchesPerFoot + w;
            result = number_text(inches * kMmPerInch);
        }
    }
    // Any error gives "ERR" with its message.
    result = trim_blanks(result);
    if (!error.empty()) result = "ERR";
    return {result, error};
}

ImperialFormat format_imperial(std::string_view mm_text) {
    // Blanks around the text are ignored; an empty entry is 0.
    const std::string t = trim_blanks(mm_text);
    if (t.empty()) return {"0", "0", ""};
    // Only digits and dots are millimetres.
    for (char c : t) {
        if (c > '9' || (c < '0' && c != '.')) return {"ERR", "ERR", "Invalid character"};
    }
    // Decimal inches to two places, halves rounded up.
    const double inches = numeric_value(t) / kMmPerInch;
    std::string decimal = number_text(std::floor(inches * 100 + 0.5) / 100);
    // The fraction to the nearest sixteenth, reduced to eighths, quarters or
    // halves where it is even; a fraction that rounds up to a whole inch adds one.
    double r = 0, s = std::floor(inches), n = 0, d = 1;
    const double f = inches - s;
    if (f > 0) {
        d = 16;
        n = std::floor(d * f + 0.5);
        if (std::fmod(n, 2.0) == 0.0) {
            d = 8;
            n = std::floor(8 * f + 0.5);
            if (std::fmod(n, 2.0) == 0.0) {
                d = 4;
                n = std::floor(4 * f + 0.5);
                if (std::fmod(n, 2.0) == 0.0) {
                    d = 2;
                    n = std::floor(2 * f + 0.5);
                    if (n == 2) {
                        s += 1;
                        n = 0;
                    }
                }
            }
        }
    }
    // Whole inches beyond a foot become feet.
    if (s > 0) {
        r = std::floor(s / kInchesPerFoot);
        s = s - kInchesPerFoot * r;
    }
    // Written as feet' inches n/d, leaving out each part that is 0.
    std::string out;
    if (r != 0) out += trimmed_number_text(r) + "' ";
    if (s != 0) out += trimmed_number_text(s);
    if (n != 0) {
        if (s != 0) out += ' ';
        out += trimmed_number_text(n) + "/" + trimmed_number_text(d);
    }
    // Nothing left to write is "0".
    out = trim_blanks(out);
    if (out.empty()) out = "0";
    decimal = decimal.empty() ? std::string("0") : decimal;
    return {out, decimal, ""};
}

LengthEntry length_from_text(UnitMode mode, std::string_view text) {
    switch (mode) {
        case UnitMode::Metric: return {std::fabs(numeric_value(text)), ""};
        case UnitMode::MetricCm: return {finite_or_zero(std::fabs(numeric_value(text)) * kMmPerCm), ""};
        case UnitMode::Inches:
        case UnitMode::DecimalInches: {
            ImperialParse p = parse_imperial(text);
            return {numeric_value(p.mm_text), std::move(p.error)};
        }
    }
    return {};
}

std::string length_text(UnitMode mode, double mm) {
    switch (mode) {
        case UnitMode::Metric: return number_text(std::floor(mm + 0.5));
        case UnitMode::MetricCm: return plain_text(std::floor(mm + 0.5) / kMmPerCm);
        case UnitMode::Inches: return format_imperial(plain_text(mm)).feet_inches;
        case UnitMode::DecimalInches: return format_imperial(plain_text(mm)).decimal_inches;
    }
    return number_text(mm);
}

double volume_from_text(UnitMode mode, std::string_view text) {
    const double v = std::fabs(numeric_value(text));
    return is_imperial(mode) ? finite_or_zero(v / kCuFtPerLitre) : v;
}

std::string volume_text(UnitMode mode, double litres) {
    if (is_imperial(mode)) return number_text(truncate_to(kCuFtPerLitre * litres, 2));
    return number_text(truncate_to(litres, 1));
}

}  // namespace enclavio
