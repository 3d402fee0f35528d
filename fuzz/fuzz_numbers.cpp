// numeric_value on any text, and number_text / plain_text on any double:
// every value is finite, and a number written and read back is the same to
// 15 significant digits.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_common.hpp"
#include "units/units.hpp"

using namespace enclavio;
using enclavio::fuzz::check;

namespace {

constexpr UnitMode kModes[] = {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches};

void check_written(double v) {
    if (!std::isfinite(v)) return;
    const std::string t = number_text(v);
    check(!t.empty() && (t[0] == ' ' || t[0] == '-'), "number_text starts with a blank or a sign", t);
    check(v < 0 ? t[0] == '-' : t[0] == ' ', "number_text sign", t);
    fuzz::check_no_bad_number(t, "number_text");
    const double back = numeric_value(t);
    if (!fuzz::same_to_15_digits(v, back)) fuzz::fail("number_text then numeric_value", t);
    check(number_text(back) == t, "number_text is stable once written", t);

    const std::string p = plain_text(v);
    check(!p.empty() && p[0] != ' ' && p[0] != '.', "plain_text has no leading blank or point", p);
    if (!fuzz::same_to_15_digits(v, numeric_value(p))) fuzz::fail("plain_text then numeric_value", p);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // Any text: a finite value, which then survives writing and reading.
    const double v = numeric_value(text);
    check(std::isfinite(v), "numeric_value is finite", text);
    check_written(v);

    // Any bit pattern of a double.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        check_written(raw);
        if (const auto q = integer_divide(raw, v)) check(std::isfinite(*q), "integer_divide", text);
    }

    // The field readers and writers built on them, in every unit mode.
    for (const UnitMode mode : kModes) {
        const LengthEntry entry = length_from_text(mode, text);
        check(std::isfinite(entry.mm) && entry.mm >= 0, "length_from_text is finite and not negative", text);
        if (!entry.error.empty()) check(entry.mm == 0, "a refused length stores 0", text);
        fuzz::check_no_bad_number(length_text(mode, entry.mm), "length_text");
        const double litres = volume_from_text(mode, text);
        check(std::isfinite(litres) && litres >= 0, "volume_from_text is finite and not negative", text);
        fuzz::check_no_bad_number(volume_text(mode, litres), "volume_text");
    }
    return 0;
}
