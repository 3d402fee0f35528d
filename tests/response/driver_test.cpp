// The driver's parameters: what is missing, and entries as typed.
#include <gtest/gtest.h>

#include <cmath>

#include "drivers.hpp"

namespace enclavio {
namespace {

TEST(Model, MissingParameters) {
    const auto with = [](void (*edit)(DriverParameters&)) {
        DriverParameters p = fixture::ten_inch();
        edit(p);
        return p;
    };
    const struct {
        DriverParameters p;
        const char* text;
    } cases[] = {
        {fixture::ten_inch(), ""},
        {DriverParameters{}, "Fs, Qes, Qms, Vas, Re and Sd are missing."},
        {with([](DriverParameters& p) { p.vas = 0; }), "Vas is missing."},
        {with([](DriverParameters& p) { p.fs = -28; }), "Fs is missing."},
        {with([](DriverParameters& p) { p.sd = std::nan(""); }), "Sd is missing."},
        {with([](DriverParameters& p) { p.qes = HUGE_VAL; }), "Qes is missing."},
        {with([](DriverParameters& p) { p.xmax = 0; }), ""},
        {with([](DriverParameters& p) { p.xmax = -1; }), "Xmax is missing."},
        {with([](DriverParameters& p) { p.power = 0, p.ql = 0, p.count = 0; }),
         "Power, QL and Number of drivers are missing."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(missing_text(missing_parameters(c.p)), c.text);
        EXPECT_EQ(why_no_response(c.p, fixture::vented(45, 30)), c.text);
        EXPECT_EQ(response_model(c.p, fixture::vented(45, 30)).has_value(), std::string(c.text).empty());
    }
    for (double volume : {0.0, -3.0, std::nan("")}) {
        EXPECT_EQ(why_no_response(fixture::ten_inch(), fixture::vented(volume, 30)), "The box has no working volume.");
    }
}

TEST(Driver, ParameterEntries) {
    const struct {
        DriverParameter p;
        UnitMode mode;
        const char* text;
        double value;
        const char* error;
    } cases[] = {
        {DriverParameter::Fs, UnitMode::Metric, "28", 28, ""},
        {DriverParameter::Fs, UnitMode::Inches, " 28.5 ", 28.5, ""},
        {DriverParameter::Fs, UnitMode::Metric, "", 0, ""},
        {DriverParameter::Fs, UnitMode::Metric, "   ", 0, ""},
        {DriverParameter::Fs, UnitMode::Metric, "0", 0, "Fs must be a number above 0."},
        {DriverParameter::Qes, UnitMode::Metric, "-0.4", 0, "Qes must be a number above 0."},
        {DriverParameter::Re, UnitMode::Metric, "3.6 ohm", 0, "Re must be a number above 0."},
        {DriverParameter::Re, UnitMode::Metric, "1e999", 0, "Re must be a number above 0."},
        {DriverParameter::Vas, UnitMode::Metric, "60", 60, ""},
        {DriverParameter::Vas, UnitMode::DecimalInches, "2", 2 / kCuFtPerLitre, ""},
        {DriverParameter::Sd, UnitMode::MetricCm, "340", 340, ""},
        {DriverParameter::Sd, UnitMode::Inches, "50", 50 * 6.4516, ""},
        {DriverParameter::Xmax, UnitMode::Inches, "0.5", 12.7, ""},
        {DriverParameter::Xmax, UnitMode::Metric, "0", 0, ""},
        {DriverParameter::Xmax, UnitMode::Metric, "-1", 0, "Xmax must be a number, 0 or above."},
        {DriverParameter::QL, UnitMode::Metric, "7", 7, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ParameterEntry e = read_parameter(c.p, c.mode, c.text);
        EXPECT_NEAR(e.value, c.value, 1e-9 * c.value);
        EXPECT_EQ(e.error, c.error);
        if (e.error.empty() && c.value > 0) {
            EXPECT_NEAR(shown_value(c.p, c.mode, e.value), std::stod(c.text), 1e-12);
        }
    }
    const struct {
        DriverParameter p;
        const char *metric, *inches;
    } units[] = {
        {DriverParameter::Fs, "hz", "hz"},         {DriverParameter::Qes, "", ""},
        {DriverParameter::Vas, "litres", "cu.ft"}, {DriverParameter::Re, "ohm", "ohm"},
        {DriverParameter::Sd, "cm2", "sq.in"},     {DriverParameter::Xmax, "mm", "inches"},
        {DriverParameter::Power, "W", "W"},
    };
    for (const auto& u : units) {
        EXPECT_EQ(parameter_unit(u.p, UnitMode::MetricCm), u.metric);
        EXPECT_EQ(parameter_unit(u.p, UnitMode::DecimalInches), u.inches);
    }
    for (Wiring w : {Wiring::Parallel, Wiring::Series}) EXPECT_EQ(wiring_from_word(wiring_word(w)), w);
    EXPECT_FALSE(wiring_from_word("Series"));
    for (const DriverParameterInfo& info : driver_parameters()) {
        EXPECT_EQ(&driver_parameter(info.parameter), &info);
    }
}

}  // namespace
}  // namespace enclavio
