// Unit modes, suffixes, captions, and length/volume entry and
// display per mode.
#include <gtest/gtest.h>

#include <string>

#include "units/units.hpp"

namespace enclavio {
namespace {

struct ModeCase {
    UnitMode mode;
    const char* literal;
    bool imperial;
    const char* unit_suffix;
    const char* volume_suffix;
    const char* frame1;
    const char* frame2;
    const char* frame5;
    const char* label15;
};

const ModeCase kModes[] = {
    {UnitMode::Metric, "metric", false, " mm", " litres", "Box Dimensions (mm external) and Calculator",
     "Driver Location (mm)", "Ports (mm)", "Internal Volume (litres)"},
    {UnitMode::MetricCm, "metric-cm", false, " cm", " litres", "Box Dimensions (cm external) and Calculator",
     "Driver Location (cm)", "Ports (cm)", "Internal Volume (litres)"},
    {UnitMode::Inches, "inches", true, " inches", " cu.ft", "Box Dimensions (inches external) and Calculator",
     "Driver Location (inches)", "Ports (inches)", "Internal Volume (cu.ft)"},
    {UnitMode::DecimalInches, "decimalinches", true, " inches", " cu.ft",
     "Box Dimensions (inches external) and Calculator", "Driver Location (inches)", "Ports (inches)",
     "Internal Volume (cu.ft)"},
};

TEST(UnitModes, LiteralsSuffixesAndCaptions) {
    for (const auto& c : kModes) {
        SCOPED_TRACE(c.literal);
        EXPECT_EQ(unit_mode_literal(c.mode), c.literal);
        ASSERT_TRUE(unit_mode_from_literal(c.literal).has_value());
        EXPECT_EQ(*unit_mode_from_literal(c.literal), c.mode);
        EXPECT_EQ(is_imperial(c.mode), c.imperial);
        EXPECT_EQ(unit_suffix(c.mode), c.unit_suffix);
        EXPECT_EQ(volume_suffix(c.mode), c.volume_suffix);
        const ModeCaptions caps = mode_captions(c.mode);
        EXPECT_EQ(caps.frame1, c.frame1);
        EXPECT_EQ(caps.frame2, c.frame2);
        EXPECT_EQ(caps.frame5, c.frame5);
        EXPECT_EQ(caps.label15, c.label15);
    }
}

TEST(UnitModes, LiteralsMatchExactlyAndCaseSensitively) {
    for (const char* text : {"Metric", "METRIC", "metric ", " metric", "metriccm", "metric-CM", "Inches",
                             "decimal inches", "decimalInches", "", "mm"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(unit_mode_from_literal(text).has_value());
    }
}

TEST(UnitModes, Constants) {
    EXPECT_EQ(kMmPerInch, 25.4);
    EXPECT_EQ(kMmPerCm, 10.0);
    EXPECT_EQ(kInchesPerFoot, 12.0);
    EXPECT_EQ(kCuFtPerLitre, 0.0353146667214886);
    EXPECT_EQ(kMm3PerLitre, 1000000.0);
}

struct EntryCase {
    UnitMode mode;
    const char* text;
    double mm;
    const char* error;
};

TEST(LengthFromText, PerMode) {
    const EntryCase cases[] = {
        {UnitMode::Metric, "400", 400, ""},
        {UnitMode::Metric, "-250", 250, ""},
        {UnitMode::Metric, "12abc", 12, ""},
        {UnitMode::Metric, "abc", 0, ""},
        {UnitMode::Metric, "400.6", 400.6, ""},
        {UnitMode::Metric, "1' 3", 1, ""},
        {UnitMode::Metric, "1E400", 0, ""},
        {UnitMode::MetricCm, "40.5", 405, ""},
        {UnitMode::MetricCm, "40.55", 405.5, ""},
        {UnitMode::MetricCm, "-3", 30, ""},
        {UnitMode::Inches, "1' 3 3/4", 400.05, ""},
        {UnitMode::Inches, "15.94", 404.876, ""},
        {UnitMode::Inches, "", 0, ""},
        {UnitMode::Inches, "3 5/3", 0, "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {UnitMode::DecimalInches, "15.94", 404.876, ""},
        {UnitMode::DecimalInches, "1' 3 3/4", 400.05, ""},  // both imperial modes accept both forms
        {UnitMode::DecimalInches, "3/", 0, "slash not allowed at end of field"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(unit_mode_literal(c.mode)) + " «" + c.text + "»");
        const LengthEntry e = length_from_text(c.mode, c.text);
        EXPECT_DOUBLE_EQ(e.mm, c.mm);
        EXPECT_EQ(e.error, c.error);
    }
}

struct DisplayCase {
    UnitMode mode;
    double mm;
    const char* text;
};

TEST(LengthText, PerMode) {
    const DisplayCase cases[] = {
        {UnitMode::Metric, 400, " 400"},
        {UnitMode::Metric, 400.6, " 401"},
        {UnitMode::Metric, 400.5, " 401"},
        {UnitMode::Metric, 400.49, " 400"},
        {UnitMode::Metric, 0, " 0"},
        {UnitMode::Metric, 30, " 30"},
        {UnitMode::MetricCm, 400, "40"},
        {UnitMode::MetricCm, 405, "40.5"},
        {UnitMode::MetricCm, 405.2, "40.5"},
        {UnitMode::MetricCm, 405.5, "40.6"},
        {UnitMode::MetricCm, 3, "0.3"},
        {UnitMode::MetricCm, 0, "0"},
        {UnitMode::Inches, 400, "1' 3 3/4"},
        {UnitMode::Inches, 400.05, "1' 3 3/4"},
        {UnitMode::Inches, 0, "0"},
        {UnitMode::Inches, -5, "ERR"},
        {UnitMode::Inches, 0.000001, "ERR"},  // plain text 1E-06 uses an exponent
        {UnitMode::DecimalInches, 400, " 15.75"},
        {UnitMode::DecimalInches, 404.876, " 15.94"},
        {UnitMode::DecimalInches, 0, " 0"},
        {UnitMode::DecimalInches, -5, "ERR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(unit_mode_literal(c.mode)) + " " + std::to_string(c.mm));
        EXPECT_EQ(length_text(c.mode, c.mm), c.text);
    }
}

TEST(Volume, EntryAndDisplay) {
    EXPECT_DOUBLE_EQ(volume_from_text(UnitMode::Metric, "59.4"), 59.4);
    EXPECT_DOUBLE_EQ(volume_from_text(UnitMode::MetricCm, "-12"), 12);
    EXPECT_DOUBLE_EQ(volume_from_text(UnitMode::Inches, "1"), 28.3168465920);
    EXPECT_NEAR(volume_from_text(UnitMode::Inches, "1"), 28.3168466, 1e-7);
    EXPECT_NEAR(volume_from_text(UnitMode::DecimalInches, "2.1"), 59.4653778, 1e-7);
    EXPECT_DOUBLE_EQ(volume_from_text(UnitMode::Inches, "abc"), 0);

    EXPECT_EQ(volume_text(UnitMode::Metric, 59.491292), " 59.4");
    EXPECT_EQ(volume_text(UnitMode::MetricCm, 62.786728), " 62.7");
    EXPECT_EQ(volume_text(UnitMode::Metric, 0), " 0");
    EXPECT_EQ(volume_text(UnitMode::Metric, 0.05), " 0");
    EXPECT_EQ(volume_text(UnitMode::Inches, 59.491292), " 2.1");
    EXPECT_EQ(volume_text(UnitMode::DecimalInches, 59.491292), " 2.1");
    EXPECT_EQ(volume_text(UnitMode::Inches, 1), " .03");
    EXPECT_EQ(volume_text(UnitMode::Inches, volume_from_text(UnitMode::Inches, "2.1")), " 2.1");
    EXPECT_EQ(volume_text(UnitMode::Inches, volume_from_text(UnitMode::Inches, "1")), " 1");
}

}  // namespace
}  // namespace enclavio
