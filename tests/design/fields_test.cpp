// The length-field table, the repopulation rule, the driver sizes,
// and the field edge cases through length_from_text / length_text.
#include <gtest/gtest.h>

#include <string>

#include "design/design.hpp"

namespace enclavio {
namespace {

struct FieldCase {
    LengthField field;
    const char* control;
    const char* prefix;
    double BoxDesign::*member;
};

TEST(LengthFields, TableInValidateallOrder) {
    const FieldCase expected[kLengthFieldCount] = {
        {LengthField::Depth, "Text6", "Boxdepth field contains incorrect format: - ", &BoxDesign::boxdepth},
        {LengthField::Width, "Text7", "Boxwidth field contains incorrect format: - ", &BoxDesign::boxwidth},
        {LengthField::Height, "Text8", "Boxheight field contains incorrect format: - ", &BoxDesign::boxheight},
        {LengthField::Thickness, "Text4", "Boxthickness field contains incorrect format: - ",
         &BoxDesign::boxthickness},
        {LengthField::PortLength, "Text1", "Port length field contains incorrect format: - ",
         &BoxDesign::portlength},
        {LengthField::PortDiameter, "Text2", "Port diameter field contains incorrect format: - ",
         &BoxDesign::portdiameter},
        {LengthField::PortWall, "Text3", "Port wall thickness field contains incorrect format: - ",
         &BoxDesign::portwallthickness},
        {LengthField::DriverDepth, "Text11", "Driver depth field contains incorrect format: - ",
         &BoxDesign::driverdepth},
        {LengthField::DriverDown, "Text12", "Driver vertical offset field contains incorrect format: - ",
         &BoxDesign::driverdown},
        {LengthField::DriverSideways, "Text13", "Driver horizontal offset field contains incorrect format: - ",
         &BoxDesign::driversideways},
    };
    const auto& fields = length_fields();
    ASSERT_EQ(fields.size(), static_cast<std::size_t>(kLengthFieldCount));
    for (int i = 0; i < kLengthFieldCount; ++i) {
        SCOPED_TRACE(expected[i].control);
        EXPECT_EQ(fields[i].field, expected[i].field);
        EXPECT_EQ(fields[i].control, expected[i].control);
        EXPECT_EQ(fields[i].message_prefix, expected[i].prefix);
        EXPECT_TRUE(fields[i].member == expected[i].member);
        EXPECT_EQ(&length_field(expected[i].field), &fields[i]);
    }
}

TEST(LengthFields, RepopulationAfterValidate) {
    for (const auto& info : length_fields()) {
        SCOPED_TRACE(info.control);
        const bool depth = info.field == LengthField::Depth;
        EXPECT_FALSE(repopulates_after_validate(info.field, UnitMode::Metric));
        EXPECT_EQ(repopulates_after_validate(info.field, UnitMode::MetricCm), depth);
        EXPECT_TRUE(repopulates_after_validate(info.field, UnitMode::Inches));
        EXPECT_EQ(repopulates_after_validate(info.field, UnitMode::DecimalInches), depth);
    }
}

TEST(DriverSizes, ListAndLookup) {
    struct Size {
        const char* text;
        double volume, depth;
    };
    const Size expected[] = {
        {" 8 inch", 1, 24}, {"10 inch", 1.5, 30}, {"12 inch", 2.5, 36}, {"15 inch", 4, 45}, {"18 inch", 6.5, 54},
    };
    const auto& sizes = driver_sizes();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(sizes[i].text, expected[i].text);
        EXPECT_EQ(sizes[i].volume, expected[i].volume);
        EXPECT_EQ(sizes[i].depth, expected[i].depth);
        ASSERT_TRUE(driver_size_index(expected[i].text).has_value());
        EXPECT_EQ(*driver_size_index(expected[i].text), i);
    }
    for (const char* text : {"8 inch", " 10 inch", "10 Inch", "", "21 inch"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(driver_size_index(text).has_value());
    }
}

TEST(BoxDesign, StartsAtZero) {
    const BoxDesign d;
    EXPECT_EQ(d.boxdepth, 0);
    EXPECT_EQ(d.boxvol, 0);
    EXPECT_EQ(d.doublefront, 0);
    EXPECT_EQ(d.driversize, "");
    EXPECT_STREQ(kVersion, "3.3");
}

// Validate (length_from_text, the message prefix + the parser's message) and
// the text shown afterwards when the field repopulates (length_text).
struct ValidateCase {
    UnitMode mode;
    LengthField field;
    const char* typed;
    double stored;
    const char* message;  // what validate shows; empty for none
    const char* shown;    // the field's text after validate
};

TEST(Validate, EdgeCasesOfPart21) {
    const ValidateCase cases[] = {
        {UnitMode::MetricCm, LengthField::Depth, "40.5", 405, "", "40.5"},
        {UnitMode::MetricCm, LengthField::Depth, "40.55", 405.5, "", "40.6"},
        {UnitMode::Metric, LengthField::Width, "-250", 250, "", "-250"},
        {UnitMode::Metric, LengthField::Depth, "12abc", 12, "", "12abc"},
        {UnitMode::Inches, LengthField::Depth, "1' 3 3/4", 400.05, "", "1' 3 3/4"},
        {UnitMode::Inches, LengthField::Width, "3 5/3", 0,
         "Boxwidth field contains incorrect format: - Allowable fractions are 1/2 1/4 1/8 1/16", "3 5/3"},
        {UnitMode::Inches, LengthField::Depth, "3/", 0,
         "Boxdepth field contains incorrect format: - slash not allowed at end of field", "3/"},
        {UnitMode::Inches, LengthField::PortDiameter, "1..5", 0,
         "Port diameter field contains incorrect format: - More than one dot", "1..5"},
        {UnitMode::DecimalInches, LengthField::DriverSideways, "1/3", 0,
         "Driver horizontal offset field contains incorrect format: - Allowable fractions are 1/2 1/4 1/8 1/16",
         "1/3"},
        {UnitMode::DecimalInches, LengthField::Width, "15.94", 404.876, "", "15.94"},
        {UnitMode::DecimalInches, LengthField::Depth, "15.94", 404.876, "", " 15.94"},
        {UnitMode::Inches, LengthField::Height, "", 0, "", "0"},
        {UnitMode::Inches, LengthField::PortLength, "2' 8 3/8", 822.325, "", "2' 8 3/8"},
    };
    for (const auto& c : cases) {
        const LengthFieldInfo& info = length_field(c.field);
        SCOPED_TRACE(std::string(unit_mode_literal(c.mode)) + " " + std::string(info.control) + " «" + c.typed +
                     "»");
        BoxDesign d;
        const LengthEntry e = length_from_text(c.mode, c.typed);
        d.*info.member = e.mm;
        EXPECT_DOUBLE_EQ(d.*info.member, c.stored);
        const std::string message = e.error.empty() ? std::string() : std::string(info.message_prefix) + e.error;
        EXPECT_EQ(message, c.message);
        std::string shown = c.typed;
        if (e.error.empty() && repopulates_after_validate(c.field, c.mode)) shown = length_text(c.mode, d.*info.member);
        EXPECT_EQ(shown, c.shown);
    }
}

TEST(Validate, InchesTextIsStoredThroughFifteenDigitText) {
    const LengthEntry e = length_from_text(UnitMode::Inches, "1' 3 3/4");
    EXPECT_EQ(e.mm, numeric_value("400.05"));  // not 15.75 * 25.4 = 400.04999999999995
    EXPECT_EQ(length_text(UnitMode::Inches, e.mm), "1' 3 3/4");
}

TEST(Validate, VolumeTypedInCubicFeet) {
    const double litres = volume_from_text(UnitMode::Inches, "2.1");
    EXPECT_NEAR(litres, 59.4653778, 1e-7);
    EXPECT_EQ(volume_text(UnitMode::Inches, litres), " 2.1");
}

TEST(Populate, DefaultDesignInEveryMode) {
    struct Case {
        UnitMode mode;
        const char* depth;
        const char* volume;
    };
    const Case cases[] = {
        {UnitMode::Metric, " 400", " 59.4"},
        {UnitMode::MetricCm, "40", " 59.4"},
        {UnitMode::Inches, "1' 3 3/4", " 2.1"},
        {UnitMode::DecimalInches, " 15.75", " 2.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(unit_mode_literal(c.mode));
        EXPECT_EQ(length_text(c.mode, 400), c.depth);
        EXPECT_EQ(volume_text(c.mode, 59.491292), c.volume);
    }
}

}  // namespace
}  // namespace enclavio
