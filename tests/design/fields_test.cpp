// The length-field table, the repopulation rule, the driver sizes, and the
// field edge cases through length_from_text / length_text.
#include <gtest/gtest.h>

#include <string>

#include "design/design.hpp"

namespace enclavio {
namespace {

TEST(LengthFields, TableInValidateallOrderAndRepopulation) {
    using F = LengthField;
    using B = BoxDesign;
    const struct {
        LengthField field;
        const char* name;
        double BoxDesign::*member;
    } expected[kLengthFieldCount] = {
        {F::Depth, "Boxdepth", &B::boxdepth},
        {F::Width, "Boxwidth", &B::boxwidth},
        {F::Height, "Boxheight", &B::boxheight},
        {F::Thickness, "Boxthickness", &B::boxthickness},
        {F::PortLength, "Port length", &B::portlength},
        {F::PortDiameter, "Port diameter", &B::portdiameter},
        {F::PortWall, "Port wall thickness", &B::portwallthickness},
        {F::DriverDepth, "Driver depth", &B::driverdepth},
        {F::DriverDown, "Driver vertical offset", &B::driverdown},
        {F::DriverSideways, "Driver horizontal offset", &B::driversideways},
    };
    const auto& fields = length_fields();
    ASSERT_EQ(fields.size(), static_cast<std::size_t>(kLengthFieldCount));
    for (int i = 0; i < kLengthFieldCount; ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(fields[i].field, expected[i].field);
        EXPECT_EQ(fields[i].message_prefix, std::string(expected[i].name) + " field contains incorrect format: - ");
        EXPECT_TRUE(fields[i].member == expected[i].member);
        EXPECT_EQ(&length_field(expected[i].field), &fields[i]);
        // Metric never repopulates, feet-and-inches always, the others only the depth.
        const bool depth = fields[i].field == F::Depth;
        EXPECT_FALSE(repopulates_after_validate(fields[i].field, UnitMode::Metric));
        EXPECT_EQ(repopulates_after_validate(fields[i].field, UnitMode::MetricCm), depth);
        EXPECT_TRUE(repopulates_after_validate(fields[i].field, UnitMode::Inches));
        EXPECT_EQ(repopulates_after_validate(fields[i].field, UnitMode::DecimalInches), depth);
    }
}

TEST(DriverSizes, ListAndLookup) {
    const struct {
        const char* text;
        double volume, depth;
    } expected[] = {
        {" 8 inch", 1, 24}, {"10 inch", 1.5, 30}, {"12 inch", 2.5, 36}, {"15 inch", 4, 45}, {"18 inch", 6.5, 54}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(driver_sizes()[i].text, expected[i].text);
        EXPECT_EQ(driver_sizes()[i].volume, expected[i].volume);
        EXPECT_EQ(driver_sizes()[i].depth, expected[i].depth);
        EXPECT_EQ(driver_size_index(expected[i].text), i);
    }
    for (const char* text : {"8 inch", " 10 inch", "10 Inch", "", "21 inch"}) {
        EXPECT_FALSE(driver_size_index(text).has_value()) << text;
    }
}

// Validate: the value stored, the message shown (prefix + parser message),
// and the field's text afterwards (rewritten only where it repopulates).
TEST(Validate, EdgeCasesOfPart21) {
    using F = LengthField;
    constexpr auto M = UnitMode::Metric, C = UnitMode::MetricCm, I = UnitMode::Inches, DI = UnitMode::DecimalInches;
    const struct {
        UnitMode mode;
        LengthField field;
        const char* typed;
        double stored;
        const char *message, *shown;
    } cases[] = {
        {C, F::Depth, "40.5", 405, "", "40.5"},
        {C, F::Depth, "40.55", 405.5, "", "40.6"},
        {M, F::Width, "-250", 250, "", "-250"},
        {M, F::Depth, "12abc", 12, "", "12abc"},
        {I, F::Depth, "1' 3 3/4", 400.05, "", "1' 3 3/4"},
        {I, F::Width, "3 5/3", 0,
         "Boxwidth field contains incorrect format: - Allowable fractions are 1/2 1/4 1/8 1/16", "3 5/3"},
        {I, F::Depth, "3/", 0, "Boxdepth field contains incorrect format: - slash not allowed at end of field", "3/"},
        {I, F::PortDiameter, "1..5", 0, "Port diameter field contains incorrect format: - More than one dot", "1..5"},
        {DI, F::DriverSideways, "1/3", 0,
         "Driver horizontal offset field contains incorrect format: - Allowable fractions are 1/2 1/4 1/8 1/16", "1/3"},
        {DI, F::Width, "15.94", 404.876, "", "15.94"},
        {DI, F::Depth, "15.94", 404.876, "", " 15.94"},
        {I, F::Height, "", 0, "", "0"},
        {I, F::PortLength, "2' 8 3/8", 822.325, "", "2' 8 3/8"},
    };
    for (const auto& c : cases) {
        const LengthFieldInfo& info = length_field(c.field);
        SCOPED_TRACE(std::string(unit_mode_literal(c.mode)) + " " + std::string(info.message_prefix) + " «" + c.typed +
                     "»");
        const LengthEntry e = length_from_text(c.mode, c.typed);
        EXPECT_DOUBLE_EQ(e.mm, c.stored);
        EXPECT_EQ(e.error.empty() ? std::string() : std::string(info.message_prefix) + e.error, c.message);
        const bool rewrite = e.error.empty() && repopulates_after_validate(c.field, c.mode);
        EXPECT_EQ(rewrite ? length_text(c.mode, e.mm) : std::string(c.typed), c.shown);
    }
}

}  // namespace
}  // namespace enclavio
