// Numeric_value, number_text, plain decimal text, truncation and
// integer division.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "units/units.hpp"

namespace enclavio {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumericValue, ReadsTheLongestNumericPrefix) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {" 400", 400},
        {" 40.5cm", 40.5},
        {"1 5.5", 15.5},
        {"12'3", 12},
        {"-2", -2},
        {"+3", 3},
        {"abc", 0},
        {"", 0},
        {"-.25", -0.25},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"--5", 0},
        {"1,5", 1},  // a comma ends the number
        {"1.2.3", 1.2},
        {"\t1\n2 3", 123},  // blanks, tabs and line feeds anywhere are ignored
        {"1\r2", 1},        // a carriage return is not
        {"2.5E-2", 0.025},
        {"1D3", 1000},
        {"1 e 2", 100},
        {"1E+", 1},
        {"+.5e1x", 5},
        {"&hff", 255},
        {"&HFFFF", -1},  // four hex digits are a 16-bit integer
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},  // eight hex digits are a 32-bit integer
        {"&H100000000", 0},  // beyond 32 bits: 0
        {"&H", 0},
        {"&O17", 15},
        {"&O8", 0},
        {"&X1", 0},
        // Out of the double range: 0, never infinity.
        {"1E400", 0},
        {"1D999", 0},
        {"-1E400", 0},
        {"1E-400", 0},
        {"1e99999999999999999999", 0},
        {"1E308", 1e308},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(numeric_value(c.text), c.value) << "«" << c.text << "»";
    EXPECT_EQ(numeric_value(std::string(400, '9')), 0);
}

TEST(NumberText, WithAndWithoutTheSignPlace) {
    const struct {
        double value;
        const char* number;  // number_text
        const char* plain;   // plain decimal text
    } cases[] = {
        {400, " 400", "400"},
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {59.4, " 59.4", "59.4"},
        {0.75, " .75", "0.75"},
        {-0.25, "-.25", "-0.25"},
        {-2, "-2", "-2"},
        {40.5, " 40.5", "40.5"},
        {40, " 40", "40"},
        {404.876, " 404.876", "404.876"},
        {15.75 * 25.4, " 400.05", "400.05"},
        {2.0 / 3, " .666666666666667", "0.666666666666667"},
        {123456789.123456789, " 123456789.123457", "123456789.123457"},
        {999999999999999, " 999999999999999", "999999999999999"},
        {1e15, " 1E+15", "1E+15"},
        {-1.5e15, "-1.5E+15", "-1.5E+15"},
        {9.999999999999999e14, " 1E+15", "1E+15"},  // 15 digits round up into the exponent form
        {0.0001, " .0001", "0.0001"},
        {1e-5, " 1E-05", "1E-05"},
        {-1.23e-5, "-1.23E-05", "-1.23E-05"},
        {1e-300, " 1E-300", "1E-300"},
        {kInf, " 0", "0"},
        {-kInf, " 0", "0"},
        {kNaN, " 0", "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(number_text(c.value), c.number) << c.value;
        EXPECT_EQ(plain_text(c.value), c.plain) << c.value;
    }
}

TEST(NumberText, OrdinaryValuesNeverUseAnExponentAndReadBack) {
    for (double v = 0.001; v <= 1e9; v *= 1.37) {
        for (const std::string& t : {number_text(v), plain_text(v), number_text(-v)})
            EXPECT_EQ(t.find('E'), std::string::npos) << t;
    }
    for (double v : {400.05, 59.491292, 0.0353146667214886, 1e-7, 6.02e23}) {
        EXPECT_DOUBLE_EQ(numeric_value(number_text(v)), v);
        EXPECT_DOUBLE_EQ(numeric_value(plain_text(v)), v);
    }
}

// Written with 15 significant digits and read back, a value at the top of the
// double range stays itself.
TEST(NumberText, TopOfTheDoubleRangeReadsBack) {
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

TEST(TruncateTo, FloorsAtTheGivenDecimals) {
    const struct {
        double value;
        int decimals;
        double shown;
    } cases[] = {
        {59.491292, 1, 59.4},
        {2.1009, 2, 2.1},
        {-0.01, 1, -0.1},
        {0.29, 2, 0.29},               // 0.29 x 100 is 28.999999999999996
        {1.4999999999999998, 2, 1.5},  // binary noise below a whole step
        {1.4999999999, 2, 1.49},       // a real shortfall is still cut
        {250.00000000000003, 0, 250},  // noise above a step stays on it
        {249.99999999999997, 0, 250},  // and below it too
        {1e300, 1, 1e300},             // no overflow, no NaN
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(truncate_to(c.value, c.decimals), c.shown) << c.value;
}

TEST(IntegerDivide, RoundsOperandsHalfToEvenAndTruncates) {
    const struct {
        double dividend, divisor;
        std::optional<double> quotient;
    } cases[] = {
        {59491292, 173444, 343},
        {-7, 2, -3},
        {-7, -2, 3},
        {2.5, 1, 2},
        {3.5, 1, 4},
        {2.5001, 1, 3},
        {10, 2.5, 5},            // divisor rounds to 2
        {7, 0.5, std::nullopt},  // divisor rounds to 0
        {7, 0, std::nullopt},
        {2147483647.4, 1, 2147483647},
        {2147483647.5, 1, std::nullopt},    // rounds to 2^31
        {-2147483648.5, 1, -2147483648.0},  // tie to even stays in range
        {-2147483648.0, -1, std::nullopt},  // quotient 2^31 leaves the range
        {1, 2147483648.0, std::nullopt},
        {1e300, 7, std::nullopt},
        {kInf, 7, std::nullopt},
        {7, kNaN, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto q = integer_divide(c.dividend, c.divisor);
        EXPECT_EQ(q, c.quotient) << c.dividend << " \\ " << c.divisor;
    }
}

}  // namespace
}  // namespace enclavio
