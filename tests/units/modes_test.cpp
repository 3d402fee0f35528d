// Unit modes, suffixes, captions, and length/volume entry and display per mode.
#include <gtest/gtest.h>

#include <string>

#include "units/units.hpp"

namespace enclavio {
namespace {

constexpr auto M = UnitMode::Metric, C = UnitMode::MetricCm, I = UnitMode::Inches, DI = UnitMode::DecimalInches;

TEST(UnitModes, LiteralsSuffixesAndCaptions) {
    const struct {
        UnitMode mode;
        const char *literal, *unit, *volume, *frame1, *frame2, *frame5, *label15;
    } cases[] = {
        {M, "metric", " mm", " litres", "Box Dimensions (mm external) and Calculator", "Driver Location (mm)",
         "Ports (mm)", "Internal Volume (litres)"},
        {C, "metric-cm", " cm", " litres", "Box Dimensions (cm external) and Calculator", "Driver Location (cm)",
         "Ports (cm)", "Internal Volume (litres)"},
        {I, "inches", " inches", " cu.ft", "Box Dimensions (inches external) and Calculator",
         "Driver Location (inches)", "Ports (inches)", "Internal Volume (cu.ft)"},
        {DI, "decimalinches", " inches", " cu.ft", "Box Dimensions (inches external) and Calculator",
         "Driver Location (inches)", "Ports (inches)", "Internal Volume (cu.ft)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.literal);
        EXPECT_EQ(unit_mode_literal(c.mode), c.literal);
        EXPECT_EQ(unit_mode_from_literal(c.literal), c.mode);
        EXPECT_EQ(is_imperial(c.mode), c.mode == I || c.mode == DI);
        EXPECT_EQ(unit_suffix(c.mode), c.unit);
        EXPECT_EQ(volume_suffix(c.mode), c.volume);
        const ModeCaptions caps = mode_captions(c.mode);
        EXPECT_EQ(caps.frame1, c.frame1);
        EXPECT_EQ(caps.frame2, c.frame2);
        EXPECT_EQ(caps.frame5, c.frame5);
        EXPECT_EQ(caps.label15, c.label15);
    }
    for (const char* text : {"Metric", "metric ", " metric", "metriccm", "metric-CM", "decimal inches", "", "mm"}) {
        EXPECT_FALSE(unit_mode_from_literal(text).has_value()) << text;
    }
}

TEST(LengthFromText, PerMode) {
    const struct {
        UnitMode mode;
        const char* text;
        double mm;
        const char* error;
    } cases[] = {
        {M, "400", 400, ""},
        {M, "-250", 250, ""},
        {M, "12abc", 12, ""},
        {M, "abc", 0, ""},
        {M, "400.6", 400.6, ""},
        {M, "1' 3", 1, ""},
        {M, "1E400", 0, ""},
        // A number that fits a double but whose millimetres do not is read as
        // 0, as a typed number too large for a double is; never as infinity.
        {C, "1E308", 0, ""},
        {C, "-1.7E308", 0, ""},
        {C, "1E307", 1e308, ""},
        {M, "1E308", 1e308, ""},
        {C, "40.5", 405, ""},
        {C, "40.55", 405.5, ""},
        {C, "-3", 30, ""},
        {I, "1' 3 3/4", 400.05, ""},
        {I, "15.94", 404.876, ""},
        {I, "", 0, ""},
        {I, "3 5/3", 0, "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {DI, "15.94", 404.876, ""},
        {DI, "1' 3 3/4", 400.05, ""},  // both imperial modes accept both forms
        {DI, "3/", 0, "slash not allowed at end of field"},
    };
    for (const auto& c : cases) {
        const LengthEntry e = length_from_text(c.mode, c.text);
        EXPECT_DOUBLE_EQ(e.mm, c.mm) << unit_mode_literal(c.mode) << " «" << c.text << "»";
        EXPECT_EQ(e.error, c.error) << unit_mode_literal(c.mode) << " «" << c.text << "»";
    }
    // Stored through the fifteen-digit text: 400.05, not 15.75 * 25.4.
    EXPECT_EQ(length_from_text(I, "1' 3 3/4").mm, numeric_value("400.05"));
}

TEST(LengthText, PerMode) {
    const struct {
        UnitMode mode;
        double mm;
        const char* text;
    } cases[] = {
        {M, 400, " 400"},     {M, 400.6, " 401"},      {M, 400.5, " 401"},      {M, 400.49, " 400"}, {M, 0, " 0"},
        {C, 400, "40"},       {C, 405, "40.5"},        {C, 405.2, "40.5"},      {C, 405.5, "40.6"},  {C, 3, "0.3"},
        {C, 0, "0"},          {I, 400, "1' 3 3/4"},    {I, 400.05, "1' 3 3/4"}, {I, 0, "0"},         {I, -5, "ERR"},
        {I, 0.000001, "ERR"},  // plain text 1E-06 uses an exponent
        {DI, 400, " 15.75"},  {DI, 404.876, " 15.94"}, {DI, 0, " 0"},           {DI, -5, "ERR"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(length_text(c.mode, c.mm), c.text) << unit_mode_literal(c.mode) << " " << c.mm;
    }
}

TEST(Volume, EntryAndDisplay) {
    EXPECT_DOUBLE_EQ(volume_from_text(M, "59.4"), 59.4);
    EXPECT_DOUBLE_EQ(volume_from_text(C, "-12"), 12);
    EXPECT_DOUBLE_EQ(volume_from_text(I, "1"), 28.3168465920);
    EXPECT_NEAR(volume_from_text(DI, "2.1"), 59.4653778, 1e-7);
    EXPECT_DOUBLE_EQ(volume_from_text(I, "abc"), 0);
    // Cubic feet whose litres leave the double range read as 0, never as infinity.
    EXPECT_EQ(volume_from_text(I, "1E308"), 0);
    EXPECT_EQ(volume_from_text(DI, "1.7E308"), 0);
    EXPECT_EQ(volume_from_text(M, "1E308"), 1e308);
    EXPECT_EQ(volume_text(C, 62.786728), " 62.7");
    EXPECT_EQ(volume_text(M, 0.05), " 0");
    EXPECT_EQ(volume_text(I, 59.491292), " 2.1");
    EXPECT_EQ(volume_text(DI, 59.491292), " 2.1");
    EXPECT_EQ(volume_text(I, 1), " .03");
    EXPECT_EQ(volume_text(I, volume_from_text(I, "2.1")), " 2.1");
    EXPECT_EQ(volume_text(I, volume_from_text(I, "1")), " 1");
}

// A volume typed and confirmed shows what was typed: every hundredth of a cubic
// foot from 0.01 to 10.00 (107 of them used to come back 0.01 less) and every
// tenth of a litre from 0.1 to 1000.0.
TEST(Volume, TypedVolumeShowsAsTyped) {
    const struct {
        UnitMode mode;
        int steps;
        double step;
    } ranges[] = {{I, 1000, 0.01}, {DI, 1000, 0.01}, {M, 10000, 0.1}, {C, 10000, 0.1}};
    for (const auto& r : ranges) {
        int wrong = 0;
        for (int k = 1; k <= r.steps; ++k) {
            const std::string typed = plain_text(k * r.step);
            const std::string shown = volume_text(r.mode, volume_from_text(r.mode, typed));
            if (shown != " " + (typed.starts_with("0.") ? typed.substr(1) : typed)) {
                ADD_FAILURE() << unit_mode_literal(r.mode) << " " << typed << " shows" << shown;
                if (++wrong == 5) break;
            }
        }
    }
}

}  // namespace
}  // namespace enclavio
