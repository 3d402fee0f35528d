// Numeric_value, number_text, plain decimal text, truncation and
// integer division.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "units/units.hpp"

namespace enclavio {
namespace {

struct ValueCase {
    const char* text;
    double value;
};

TEST(NumericValue, ReadsTheLongestNumericPrefix) {
    const ValueCase cases[] = {
        {"400", 400},
        {" 400", 400},
        {" 40.5cm", 40.5},
        {"1 5.5", 15.5},
        {"12'3", 12},
        {"1' 3", 1},
        {"-2", -2},
        {"+3", 3},
        {"abc", 0},
        {"", 0},
        {"   ", 0},
        {"12abc", 12},
        {"-250", -250},
        {".5", 0.5},
        {"-.25", -0.25},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"+", 0},
        {"--5", 0},
        {"1,5", 1},            // a comma ends the number
        {"1.2.3", 1.2},
        {"\t1\n2 3", 123},     // blanks, tabs and line feeds anywhere are ignored
        {"1\r2", 1},           // a carriage return is not
        {"1E3", 1000},
        {"1e3", 1000},
        {"1D3", 1000},
        {"1d3", 1000},
        {"2.5E-2", 0.025},
        {"1E+2x", 100},
        {"1 E 2", 100},
        {"1E", 1},
        {"1E+", 1},
        {"1Ex", 1},
        {"+.5e1x", 5},
        {"&HFF", 255},
        {"&hff", 255},
        {"&H10", 16},
        {"&H7FFF", 32767},
        {"&HFFFF", -1},        // VB: four hex digits are a 16-bit integer
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},    // eight hex digits are a 32-bit integer
        {"&H100000000", 0},    // beyond 32 bits (VB's overflow): 0
        {"&HG", 0},
        {"&H", 0},
        {"&O17", 15},
        {"&o17", 15},
        {"&O8", 0},
        {"&X1", 0},
        {"15.94", 15.94},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text «") + c.text + "»");
        EXPECT_DOUBLE_EQ(numeric_value(c.text), c.value);
    }
}

TEST(NumericValue, OutOfRangeReadsAsZeroNeverInfinityOrNaN) {
    const char* cases[] = {"1E400", "1D999", "-1E400", "1e99999999999999999999", "1E-400",
                           "9999999999999999999999999999999999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999999999999999999999999999999999"
                           "9999999999999999999999999999999999999999999999999999999999999999999999999999"
                           "99999999999999999"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        const double v = numeric_value(text);
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_EQ(v, 0.0);
    }
    EXPECT_DOUBLE_EQ(numeric_value("1E308"), 1e308);
}

struct TextCase {
    double value;
    const char* number;  // number_text
    const char* plain;   // plain decimal text
};

TEST(NumberText, FormsOfPart11) {
    const TextCase cases[] = {
        {400, " 400", "400"},
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {59.4, " 59.4", "59.4"},
        {2.1, " 2.1", "2.1"},
        {0.75, " .75", "0.75"},
        {0.5, " .5", "0.5"},
        {-0.25, "-.25", "-0.25"},
        {-2, "-2", "-2"},
        {40.5, " 40.5", "40.5"},
        {40, " 40", "40"},
        {404.876, " 404.876", "404.876"},
        {15.75 * 25.4, " 400.05", "400.05"},
        {0.254, " .254", "0.254"},
        {1.0 / 3, " .333333333333333", "0.333333333333333"},
        {2.0 / 3, " .666666666666667", "0.666666666666667"},
        {123456789.123456789, " 123456789.123457", "123456789.123457"},
        {0.001, " .001", "0.001"},
        {1e9, " 1000000000", "1000000000"},
        {999999999999999, " 999999999999999", "999999999999999"},
        {1e15, " 1E+15", "1E+15"},
        {1.5e15, " 1.5E+15", "1.5E+15"},
        {-1e15, "-1E+15", "-1E+15"},
        {1e100, " 1E+100", "1E+100"},
        // Rounded down: 1.79769313486232E+308 lies past the largest double and would read as 0.
        {1.7976931348623157e308, " 1.79769313486231E+308", "1.79769313486231E+308"},
        {0.0001, " .0001", "0.0001"},
        {0.000123, " .000123", "0.000123"},
        {1e-5, " 1E-05", "1E-05"},
        {-1e-5, "-1E-05", "-1E-05"},
        {1.23e-5, " 1.23E-05", "1.23E-05"},
        {1e-300, " 1E-300", "1E-300"},
        {9.999999999999999e14, " 1E+15", "1E+15"},  // 15 digits round up into the exponent form
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(number_text(c.value), c.number);
        EXPECT_EQ(plain_text(c.value), c.plain);
    }
}

TEST(NumberText, OrdinaryValuesNeverUseAnExponent) {
    for (double v = 0.001; v <= 1e9; v *= 1.37) {
        SCOPED_TRACE(v);
        EXPECT_EQ(number_text(v).find('E'), std::string::npos);
        EXPECT_EQ(plain_text(v).find('E'), std::string::npos);
        EXPECT_EQ(number_text(-v).find('E'), std::string::npos);
    }
    EXPECT_EQ(number_text(1e9), " 1000000000");
}

TEST(NumberText, RoundTripsThroughNumericValue) {
    for (double v : {400.05, 59.491292, 0.0353146667214886, 28.316846592, 1e-7, 6.02e23}) {
        SCOPED_TRACE(v);
        EXPECT_DOUBLE_EQ(numeric_value(number_text(v)), v);
        EXPECT_DOUBLE_EQ(numeric_value(plain_text(v)), v);
    }
}

TEST(NumberText, NonFiniteValuesAreWrittenAsZero) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {inf, -inf, nan}) {
        EXPECT_EQ(number_text(v), " 0");
        EXPECT_EQ(plain_text(v), "0");
    }
}

TEST(TruncateTo, FloorsAtTheGivenDecimals) {
    EXPECT_DOUBLE_EQ(truncate_to(59.491292, 1), 59.4);
    EXPECT_DOUBLE_EQ(truncate_to(2.1009, 2), 2.1);
    EXPECT_DOUBLE_EQ(truncate_to(-2.5, 0), -3);
    EXPECT_DOUBLE_EQ(truncate_to(-0.01, 1), -0.1);
    EXPECT_DOUBLE_EQ(truncate_to(7.99, 0), 7);
}

struct DivideCase {
    double dividend, divisor;
    std::optional<double> quotient;
};

TEST(IntegerDivide, RoundsOperandsHalfToEvenAndTruncates) {
    const DivideCase cases[] = {
        {59491292, 173444, 343},
        {50000000, 89866, 556},
        {7, 2, 3},
        {-7, 2, -3},
        {7, -2, -3},
        {-7, -2, 3},
        {2.5, 1, 2},
        {3.5, 1, 4},
        {-2.5, 1, -2},
        {2.4999, 1, 2},
        {2.5001, 1, 3},
        {10, 2.5, 5},   // divisor rounds to 2
        {10, 3.5, 2},   // divisor rounds to 4
        {7, 1.5, 3},
        {7, 0.4, std::nullopt},
        {7, 0.5, std::nullopt},  // 0.5 rounds to 0
        {7, -0.5, std::nullopt},
        {7, 0, std::nullopt},
        {0, 5, 0},
        {2147483647, 1, 2147483647},
        {2147483647.4, 1, 2147483647},
        {2147483647.5, 1, std::nullopt},  // rounds to 2^31
        {-2147483648.0, 1, -2147483648.0},
        {-2147483648.5, 1, -2147483648.0},  // tie to even stays in range
        {-2147483649.0, 1, std::nullopt},
        {1, 2147483648.0, std::nullopt},
        {1, -2147483648.0, 0},
        {-2147483648.0, -1, std::nullopt},  // quotient 2^31 leaves the range
        {2147480000, 1000, 2147480},
        {1e300, 7, std::nullopt},
        {std::numeric_limits<double>::infinity(), 7, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), 7, std::nullopt},
        {7, std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dividend) + " \\ " + std::to_string(c.divisor));
        const auto q = integer_divide(c.dividend, c.divisor);
        ASSERT_EQ(q.has_value(), c.quotient.has_value());
        if (q) {
            EXPECT_EQ(*q, *c.quotient);
        }
    }
}

}  // namespace
}  // namespace enclavio
