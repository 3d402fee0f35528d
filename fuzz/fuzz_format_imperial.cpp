// format_imperial on any text: "ERR" only with "Invalid character"; for a plain
// non-negative millimetre text, both display forms read back through
// parse_imperial as the length rounded to the nearest sixteenth of an inch
// (feet-inches-fraction form) or to the nearest hundredth (decimal form).
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_common.hpp"
#include "units/units.hpp"

using namespace enclavio;
using enclavio::fuzz::check;

namespace {

// Beyond this the sixteenths no longer fit the 15 digits of a stored number.
constexpr double kLargestInches = 1e9;

// `got` inches is a whole number of steps (1/16 or 1/100) and the nearest such
// step to `exact` (either one when `exact` lies on a tie).
bool nearest_step(double got, double exact, double steps_per_inch) {
    const double g = got * steps_per_inch;
    const double k = std::floor(g + 0.5);
    if (std::fabs(g - k) > 1e-6 * std::fmax(1.0, std::fabs(g))) return false;
    return std::fabs(k - exact * steps_per_inch) <= 0.5 + 1e-6 * std::fmax(1.0, std::fabs(k));
}

void check_format(std::string_view text) {
    const ImperialFormat f = format_imperial(text);
    if (!f.error.empty()) {
        check(f.error == "Invalid character", "format_imperial message", f.error);
        check(f.feet_inches == "ERR" && f.decimal_inches == "ERR", "a refused text gives ERR", text);
        return;
    }
    check(!f.feet_inches.empty() && !f.decimal_inches.empty(), "format_imperial results are never empty", text);
    check(f.feet_inches != "ERR" && f.decimal_inches != "ERR", "ERR only with an error", text);
    fuzz::check_no_bad_number(f.feet_inches, "format_imperial feet-inches");
    fuzz::check_no_bad_number(f.decimal_inches, "format_imperial decimal inches");

    // Only digits and "." passed the character check: a plain, non-negative input.
    const double mm = numeric_value(text);
    check(std::isfinite(mm) && mm >= 0, "an accepted text has a finite, non-negative value", text);
    const double inches = mm / kMmPerInch;
    if (inches >= kLargestInches) return;

    const ImperialParse back = parse_imperial(f.feet_inches);
    if (!back.error.empty())
        fuzz::fail("parse_imperial refuses format_imperial's text", f.feet_inches + " : " + back.error);
    const double got = numeric_value(back.mm_text) / kMmPerInch;
    if (!nearest_step(got, inches, 16))
        fuzz::fail("format then parse is not the nearest sixteenth", std::string(text) + " -> " + f.feet_inches);

    const ImperialParse dec = parse_imperial(f.decimal_inches);
    if (!dec.error.empty())
        fuzz::fail("parse_imperial refuses the decimal inches", f.decimal_inches + " : " + dec.error);
    const double got_dec = numeric_value(dec.mm_text) / kMmPerInch;
    if (!nearest_step(got_dec, inches, 100))
        fuzz::fail("decimal inches are not the nearest hundredth", std::string(text) + " -> " + f.decimal_inches);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_format(text);

    // The texts the callers really pass: plain_text of a stored length.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw)) check_format(plain_text(std::fabs(raw)));
    }
    return 0;
}
