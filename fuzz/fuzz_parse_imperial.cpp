// parse_imperial on any text: a finite, non-negative millimetre text or "ERR"
// with one of the fixed messages; and a feet-and-fractions text, once read,
// formats and reads back to the very same millimetres.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_common.hpp"
#include "units/units.hpp"

using namespace enclavio;
using enclavio::fuzz::check;

namespace {

constexpr std::string_view kMessages[] = {
    "Foot symbol without any feet",
    "Invalid Character",
    "More than one dot",
    "More than one slash",
    "More than one ' (foot) symbol",
    "Fractions not allowed in decimal inches mode",
    "Feet not allowed in decimal inches mode and vice versa",
    "slash not allowed at start of field",
    "slash not allowed at end of field",
    "Multiple spaces but no foot symbol   OR   spaces in fraction",
    "Invalid feet",
    "Invalid whole inches or spaces in fraction",
    "Fraction cannot contain spaces",
    "Fraction not correctly specified or contains spaces",
    "Fraction must contain a slash",
    "Invalid Upper fraction",
    "Allowable fractions are 1/2 1/4 1/8 1/16",
};

bool known_message(std::string_view m) {
    for (const auto k : kMessages)
        if (k == m) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ImperialParse p = parse_imperial(text);

    if (!p.error.empty()) {
        check(known_message(p.error), "parse_imperial message is one of the fixed ones", p.error);
        check(p.mm_text == "ERR", "a refused text gives ERR", text);
        return 0;
    }
    check(p.mm_text != "ERR" && !p.mm_text.empty(), "an accepted text gives millimetres", text);
    check(p.mm_text.front() != ' ' && p.mm_text.back() != ' ', "the millimetre text is trimmed", p.mm_text);
    fuzz::check_no_bad_number(p.mm_text, "parse_imperial result");
    const double mm = numeric_value(p.mm_text);
    check(std::isfinite(mm) && mm >= 0, "parse_imperial gives finite, non-negative millimetres", text);

    // The result is the plain trimmed number_text of its own value.
    if (p.mm_text != "0") {
        std::string canonical = number_text(mm);
        canonical.erase(0, 1);
        check(canonical == p.mm_text, "the millimetre text is in number_text form", p.mm_text);
    }

    // Feet, inches and sixteenths come back unchanged through the formatter.
    const double inches = mm / kMmPerInch;
    const bool fraction_form = text.find('.') == std::string_view::npos;
    if (fraction_form && inches < 1e9) {
        const ImperialFormat f = format_imperial(plain_text(mm));
        check(f.error.empty(), "format_imperial takes what parse_imperial gives", p.mm_text);
        const ImperialParse again = parse_imperial(f.feet_inches);
        check(again.error.empty(), "parse_imperial takes what format_imperial gives", f.feet_inches);
        if (again.mm_text != p.mm_text)
            fuzz::fail("parse, format, parse changes the length",
                       p.mm_text + " -> " + f.feet_inches + " -> " + again.mm_text);
    }
    return 0;
}
