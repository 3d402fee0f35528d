// The imperial parser and formatter.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "units/units.hpp"

namespace enclavio {
namespace {

struct ParseCase {
    const char* text;
    const char* mm_text;
    const char* error;
};

// Accepted texts.
TEST(ParseImperial, AcceptsFeetInchesFractionsAndDecimalInches) {
    const ParseCase cases[] = {
        {"1' 3 15/16", "404.8125", ""},
        {"3 9\\16", "90.4875", ""},
        {"3 9/16", "90.4875", ""},
        {"1/4", "6.35", ""},
        {"6' 10 1/2", "2095.5", ""},
        {"15.94", "404.876", ""},
        {"15.", "381", ""},
        {".", "0", ""},
        {"1'3", "381", ""},
        {"", "0", ""},
        {"   ", "0", ""},
        {"3  1/2", "88.9", ""},   // the double blank collapses
        {"3    1/2", "88.9", ""},
        {"  3 1/2  ", "88.9", ""},
        {"3 15/8", "123.825", ""},  // the numerator is not limited by the denominator
        {"1' 3 3/4", "400.05", ""},
        {"15.75", "400.05", ""},
        {"15 .5", "393.7", ""},     // blanks in a decimal text are ignored
        {".01", ".254", ""},        // plain trimmed number_text: no zero before the point
        {"0.01", ".254", ""},
        {"0", "0", ""},
        {"12", "304.8", ""},
        {"1'", "304.8", ""},
        {"1' ", "304.8", ""},
        {"1'  3", "381", ""},
        {"1'1/2", "317.5", ""},
        {"1' 1/2", "317.5", ""},
        {"0' 3", "76.2", ""},
        {"3 0/2", "76.2", ""},
        {"0/16", "0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text «") + c.text + "»");
        const ImperialParse p = parse_imperial(c.text);
        EXPECT_EQ(p.mm_text, c.mm_text);
        EXPECT_EQ(p.error, c.error);
    }
}

// Rejections, with the message that the first broken rule (or, where the
// order says so, the last) sets.
TEST(ParseImperial, RejectsWithTheFixedMessages) {
    const ParseCase cases[] = {
        {"'6", "ERR", "Foot symbol without any feet"},
        {"  '", "ERR", "Foot symbol without any feet"},
        {"'a", "ERR", "Foot symbol without any feet"},  // step 5 comes before the character check
        {"3\"", "ERR", "Invalid Character"},
        {"-3", "ERR", "Invalid Character"},
        {"+3", "ERR", "Invalid Character"},
        {"3a", "ERR", "Invalid Character"},
        {"3\t", "ERR", "Invalid Character"},
        {"1,5", "ERR", "Invalid Character"},
        {"3E2", "ERR", "Invalid Character"},
        {"1..5a", "ERR", "Invalid Character"},  // the character check hides the count checks
        {"1.5/2", "ERR", "Fractions not allowed in decimal inches mode"},
        {"1.5'", "ERR", "Feet not allowed in decimal inches mode and vice versa"},
        {"1..5", "ERR", "More than one dot"},
        {"1.5/2/4", "ERR", "More than one slash"},  // one dot, then two slashes
        {"1/2/4", "ERR", "More than one slash"},
        {"1'2'3", "ERR", "More than one ' (foot) symbol"},
        {"1..5/2/4", "ERR", "More than one dot"},
        {"3/", "ERR", "slash not allowed at end of field"},
        {"/3", "ERR", "slash not allowed at start of field"},
        {"/", "ERR", "slash not allowed at end of field"},   // both hold: end wins
        {"/3a", "ERR", "slash not allowed at start of field"},  // later than "Invalid Character"
        {"1..5/", "ERR", "slash not allowed at end of field"},  // later than "More than one dot"
        {"3 1 1/2", "ERR", "Multiple spaces but no foot symbol   OR   spaces in fraction"},
        {"3 1 2", "ERR", "Multiple spaces but no foot symbol   OR   spaces in fraction"},
        {"1' 3 1 /2", "ERR", "Fraction cannot contain spaces"},
        {"1' 3 /2", "ERR", "Fraction not correctly specified or contains spaces"},
        {"1' 3 12", "ERR", "Fraction must contain a slash"},
        {"1' 3 1 2", "ERR", "Fraction must contain a slash"},  // blank and no slash: the last one holds
        {"3 1/3", "ERR", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {"3 5/3", "ERR", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {"3 1/32", "ERR", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {"3 1/02", "ERR", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {"1/1", "ERR", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {"3 01/4", "ERR", "Invalid Upper fraction"},
        {"3 01/3", "ERR", "Allowable fractions are 1/2 1/4 1/8 1/16"},  // replaces the numerator error
        {"03", "ERR", "Invalid whole inches or spaces in fraction"},
        {"1' 03", "ERR", "Invalid whole inches or spaces in fraction"},
        {"1 '3", "ERR", "Invalid feet"},
        {"01' 3", "ERR", "Invalid feet"},
        {"1000000000000000'", "ERR", "Invalid feet"},  // its number_text uses an exponent
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text «") + c.text + "»");
        const ImperialParse p = parse_imperial(c.text);
        EXPECT_EQ(p.mm_text, c.mm_text);
        EXPECT_EQ(p.error, c.error);
    }
}

TEST(ParseImperial, ResultsAreIndependentBetweenCalls) {
    const ImperialParse bad = parse_imperial("3/");
    const ImperialParse good = parse_imperial("3");
    EXPECT_EQ(bad.mm_text, "ERR");
    EXPECT_EQ(bad.error, "slash not allowed at end of field");
    EXPECT_EQ(good.mm_text, "76.2");
    EXPECT_EQ(good.error, "");
}

struct FormatCase {
    const char* mm_text;
    const char* feet_inches;
    const char* decimal_inches;
    const char* error;
};

TEST(FormatImperial, EdgeCasesOfPart13) {
    const FormatCase cases[] = {
        {"400", "1' 3 3/4", " 15.75", ""},
        {"304.8", "1'", " 12", ""},
        {"311.15", "1' 1/4", " 12.25", ""},
        {"6.35", "1/4", " .25", ""},
        {"1", "1/16", " .04", ""},
        {"0.5", "0", " .02", ""},
        {"0", "0", " 0", ""},
        {"", "0", "0", ""},
        {"   ", "0", "0", ""},
        {"2095.5", "6' 10 1/2", " 82.5", ""},
        {"406", "1' 4", " 15.98", ""},
        {"-12", "ERR", "ERR", "Invalid character"},
        {" 400 ", "1' 3 3/4", " 15.75", ""},
        {"400.05", "1' 3 3/4", " 15.75", ""},
        {"404.8125", "1' 3 15/16", " 15.94", ""},
        {"90.4875", "3 9/16", " 3.56", ""},
        {"12.7", "1/2", " .5", ""},
        {"9.525", "3/8", " .38", ""},
        {"3048", "10'", " 120", ""},
        {"1E-05", "ERR", "ERR", "Invalid character"},
        {"1,5", "ERR", "ERR", "Invalid character"},
        {"4 00", "ERR", "ERR", "Invalid character"},
        {"1/2", "ERR", "ERR", "Invalid character"},
        {"+5", "ERR", "ERR", "Invalid character"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("mm «") + c.mm_text + "»");
        const ImperialFormat f = format_imperial(c.mm_text);
        EXPECT_EQ(f.feet_inches, c.feet_inches);
        EXPECT_EQ(f.decimal_inches, c.decimal_inches);
        EXPECT_EQ(f.error, c.error);
    }
}

TEST(FormatImperial, HugeDigitStringsNeverPrintInfinity) {
    const std::string huge(400, '9');
    const ImperialFormat f = format_imperial(huge);
    EXPECT_EQ(f.error, "");
    EXPECT_EQ(f.feet_inches.find("inf"), std::string::npos);
    EXPECT_EQ(f.decimal_inches.find("inf"), std::string::npos);
    const ImperialFormat g = format_imperial("1" + std::string(300, '0'));
    EXPECT_EQ(g.error, "");
    EXPECT_EQ(g.feet_inches.find("inf"), std::string::npos);
    EXPECT_EQ(g.feet_inches.find("nan"), std::string::npos);
}

// format_imperial is the inverse of parse_imperial for every accepted
// feet-and-fractions text with denominators up to 16.
TEST(ImperialRoundTrip, EverySixteenthUpToTwentyFeet) {
    for (int k = 0; k <= 20 * 12 * 16; ++k) {
        const int feet = k / (12 * 16);
        const int inches = (k / 16) % 12;
        int n = k % 16;
        int d = 16;
        while (n != 0 && n % 2 == 0) {
            n /= 2;
            d /= 2;
        }
        std::string text;
        if (feet != 0) text += std::to_string(feet) + "' ";
        if (inches != 0) text += std::to_string(inches);
        if (n != 0) text += (inches != 0 ? " " : "") + std::to_string(n) + "/" + std::to_string(d);
        while (!text.empty() && text.back() == ' ') text.pop_back();
        if (text.empty()) text = "0";
        SCOPED_TRACE(text);

        const ImperialParse p = parse_imperial(text);
        ASSERT_EQ(p.error, "");
        const double mm = numeric_value(p.mm_text);
        EXPECT_NEAR(mm, k / 16.0 * 25.4, 1e-9);
        const ImperialFormat f = format_imperial(plain_text(mm));
        EXPECT_EQ(f.feet_inches, text);
        EXPECT_EQ(f.error, "");
    }
}

}  // namespace
}  // namespace enclavio
