// The imperial parser and formatter.
#include <gtest/gtest.h>

#include <string>

#include "units/units.hpp"

namespace enclavio {
namespace {

// Every example of the parse rules: accepted texts give mm_text and no
// error; rejected ones "ERR" and the message of the rule that decides.
TEST(ParseImperial, EveryExample) {
    const struct {
        const char *text, *mm_text, *error;
    } cases[] = {
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
        {"3  1/2", "88.9", ""},
        {"3    1/2", "88.9", ""},
        {"  3 1/2  ", "88.9", ""},  // blanks collapse
        {"3 15/8", "123.825", ""},  // the numerator is not limited by the denominator
        {"1' 3 3/4", "400.05", ""},
        {"15.75", "400.05", ""},
        {"15 .5", "393.7", ""},  // blanks in a decimal text are ignored
        {".01", ".254", ""},
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
        {"'6", "ERR", "Foot symbol without any feet"},
        {"  '", "ERR", "Foot symbol without any feet"},
        {"'a", "ERR", "Foot symbol without any feet"},  // before the character check
        {"3\"", "ERR", "Invalid Character"},
        {"-3", "ERR", "Invalid Character"},
        {"+3", "ERR", "Invalid Character"},
        {"3a", "ERR", "Invalid Character"},
        {"3\t", "ERR", "Invalid Character"},
        {"1,5", "ERR", "Invalid Character"},
        {"3E2", "ERR", "Invalid Character"},
        {"1..5a", "ERR", "Invalid Character"},  // hides the count checks
        {"1.5/2", "ERR", "Fractions not allowed in decimal inches mode"},
        {"1.5'", "ERR", "Feet not allowed in decimal inches mode and vice versa"},
        {"1..5", "ERR", "More than one dot"},
        {"1..5/2/4", "ERR", "More than one dot"},
        {"1.5/2/4", "ERR", "More than one slash"},
        {"1/2/4", "ERR", "More than one slash"},
        {"1'2'3", "ERR", "More than one ' (foot) symbol"},
        {"3/", "ERR", "slash not allowed at end of field"},
        {"/3", "ERR", "slash not allowed at start of field"},
        {"/", "ERR", "slash not allowed at end of field"},      // both hold: end wins
        {"/3a", "ERR", "slash not allowed at start of field"},  // later than the character check
        {"1..5/", "ERR", "slash not allowed at end of field"},  // later than the dot count
        {"3 1 1/2", "ERR", "Multiple spaces but no foot symbol   OR   spaces in fraction"},
        {"3 1 2", "ERR", "Multiple spaces but no foot symbol   OR   spaces in fraction"},
        {"1' 3 1 /2", "ERR", "Fraction cannot contain spaces"},
        {"1' 3 /2", "ERR", "Fraction not correctly specified or contains spaces"},
        {"1' 3 12", "ERR", "Fraction must contain a slash"},
        {"1' 3 1 2", "ERR", "Fraction must contain a slash"},  // the last one holds
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
        const ImperialParse p = parse_imperial(c.text);
        EXPECT_EQ(p.mm_text, c.mm_text) << "«" << c.text << "»";
        EXPECT_EQ(p.error, c.error) << "«" << c.text << "»";
    }
}

TEST(FormatImperial, EveryExample) {
    const struct {
        const char *mm_text, *feet_inches, *decimal_inches, *error;
    } cases[] = {
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
        {" 400 ", "1' 3 3/4", " 15.75", ""},
        {"400.05", "1' 3 3/4", " 15.75", ""},
        {"404.8125", "1' 3 15/16", " 15.94", ""},
        {"90.4875", "3 9/16", " 3.56", ""},
        {"12.7", "1/2", " .5", ""},
        {"9.525", "3/8", " .38", ""},
        {"3048", "10'", " 120", ""},
        {"-12", "ERR", "ERR", "Invalid character"},
        {"1E-05", "ERR", "ERR", "Invalid character"},
        {"1,5", "ERR", "ERR", "Invalid character"},
        {"4 00", "ERR", "ERR", "Invalid character"},
        {"1/2", "ERR", "ERR", "Invalid character"},
        {"+5", "ERR", "ERR", "Invalid character"},
    };
    for (const auto& c : cases) {
        const ImperialFormat f = format_imperial(c.mm_text);
        EXPECT_EQ(f.feet_inches, c.feet_inches) << "«" << c.mm_text << "»";
        EXPECT_EQ(f.decimal_inches, c.decimal_inches) << "«" << c.mm_text << "»";
        EXPECT_EQ(f.error, c.error) << "«" << c.mm_text << "»";
    }
    for (const std::string& huge : {std::string(400, '9'), "1" + std::string(300, '0')}) {
        const ImperialFormat f = format_imperial(huge);
        EXPECT_EQ(f.error, "");
        EXPECT_EQ(f.feet_inches.find_first_of("if"), std::string::npos) << f.feet_inches;  // no inf, no nan
        EXPECT_EQ(f.decimal_inches.find("inf"), std::string::npos);
    }
}

// format_imperial inverts parse_imperial for every sixteenth up to twenty feet.
TEST(ImperialRoundTrip, EverySixteenthUpToTwentyFeet) {
    for (int k = 0; k <= 20 * 12 * 16; ++k) {
        const int feet = k / (12 * 16), inches = (k / 16) % 12;
        int n = k % 16, d = 16;
        while (n != 0 && n % 2 == 0) n /= 2, d /= 2;
        std::string text;
        if (feet != 0) text += std::to_string(feet) + "' ";
        if (inches != 0) text += std::to_string(inches);
        if (n != 0) text += (inches != 0 ? " " : "") + std::to_string(n) + "/" + std::to_string(d);
        while (!text.empty() && text.back() == ' ') text.pop_back();
        if (text.empty()) text = "0";
        const ImperialParse p = parse_imperial(text);
        ASSERT_EQ(p.error, "") << text;
        const double mm = numeric_value(p.mm_text);
        EXPECT_NEAR(mm, k / 16.0 * 25.4, 1e-9) << text;
        EXPECT_EQ(format_imperial(plain_text(mm)).feet_inches, text);
    }
}

}  // namespace
}  // namespace enclavio
