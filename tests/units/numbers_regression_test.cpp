// Inputs the fuzzers found: numbers at the top of the double range, and typed
// numbers that leave it once converted to millimetres or litres.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "units/units.hpp"

namespace enclavio {
namespace {

// Written with 15 significant digits and read back, a value stays itself.
TEST(NumbersRegression, TopOfTheDoubleRangeReadsBack) {
    const struct {
        double value;
        std::string text;
    } cases[] = {
        {DBL_MAX, " 1.79769313486231E+308"},  // rounded at 15 digits it would lie past DBL_MAX
        {-DBL_MAX, "-1.79769313486231E+308"},
        {1.797693134862315e308, " 1.79769313486231E+308"},
        {1.7976931348623e308, " 1.7976931348623E+308"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(number_text(c.value), c.text) << c.value;
        for (const std::string& t : {number_text(c.value), plain_text(c.value)})
            EXPECT_NEAR(numeric_value(t) / c.value, 1.0, 1e-14) << t;
    }
}

// A number that fits a double but whose millimetres or litres do not is read
// as 0, as a typed number too large for a double is; never as infinity.
TEST(NumbersRegression, ConversionsBeyondTheDoubleRangeReadAsZero) {
    const struct {
        UnitMode mode;
        const char* text;
        double mm;
    } lengths[] = {
        {UnitMode::MetricCm, "1E308", 0},
        {UnitMode::MetricCm, "-1.7E308", 0},
        {UnitMode::MetricCm, "1E307", 1e308},
        {UnitMode::Metric, "1E308", 1e308},
    };
    for (const auto& c : lengths) {
        const LengthEntry e = length_from_text(c.mode, c.text);
        EXPECT_DOUBLE_EQ(e.mm, c.mm) << c.text;
        EXPECT_TRUE(e.error.empty()) << c.text;
    }
    EXPECT_EQ(volume_from_text(UnitMode::Inches, "1E308"), 0);
    EXPECT_EQ(volume_from_text(UnitMode::DecimalInches, "1.7E308"), 0);
    EXPECT_EQ(volume_from_text(UnitMode::Metric, "1E308"), 1e308);
}

}  // namespace
}  // namespace enclavio
