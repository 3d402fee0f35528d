// The curves and figures: absolute levels against textbook formulas, the
// figures against the curves they are read from.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "drivers.hpp"
#include "response/curves.hpp"
#include "response/fit.hpp"

namespace enclavio {
namespace {

using fixture::sealed;
using fixture::ten_inch;
using fixture::vented;

constexpr double kPi = std::numbers::pi;
constexpr double kRhoC2 = kAirDensity * kAirSoundSpeed * kAirSoundSpeed;

// The boxes the figures are checked in, for the 10 inch driver.
const struct {
    const char* what;
    BoxAcoustics box;
} kBoxes[] = {
    {"vented 45 l at 29.4 hz", vented(45.4, 29.4)},
    {"vented 25 l at 40 hz", vented(25, 40)},
    {"vented 120 l at 20 hz", vented(120, 20)},
    {"sealed 30 l", sealed(30)},
    {"sealed 8 l", sealed(8)},
};

TEST(Curves, LogSpacedFrequencies) {
    const struct {
        FrequencySpan span;
        std::vector<double> hz;
    } cases[] = {
        {{10, 1000, 3}, {10, 100, 1000}},
        {{20, 20, 1}, {20}},
        {{10, 500, 0}, {}},
        {{0, 500, 10}, {}},
        {{10, -5, 10}, {}},
        {{10, HUGE_VAL, 10}, {}},
        {{10, 500, kMaxSpanPoints + 1}, {}},
    };
    for (const auto& c : cases) {
        const std::vector<double> hz = log_spaced(c.span);
        ASSERT_EQ(hz.size(), c.hz.size());
        for (std::size_t i = 0; i < hz.size(); ++i) EXPECT_NEAR(hz[i], c.hz[i], 1e-12 * c.hz[i]);
    }
    // Both ends exactly, the steps one ratio apart, downwards too.
    for (FrequencySpan span : {FrequencySpan{}, FrequencySpan{10, 500, 400}, FrequencySpan{500, 10, 7}}) {
        const std::vector<double> hz = log_spaced(span);
        ASSERT_EQ(hz.size(), static_cast<std::size_t>(span.points));
        EXPECT_EQ(hz.front(), span.from);
        EXPECT_EQ(hz.back(), span.to);
        const double ratio = hz[1] / hz[0];
        for (std::size_t i = 1; i < hz.size(); ++i) EXPECT_NEAR(hz[i] / hz[i - 1], ratio, 1e-12);
    }
}

// Far above resonance the level is the reference efficiency's:
// 112.1 dB + 10 log10(4 pi^2 Fs^3 Vas / (c^3 Qes)) at 1 W and 1 m.
TEST(Curves, ReferenceSensitivity) {
    const struct {
        double count, power;
        Wiring wiring;
        BoxAcoustics box;
    } cases[] = {
        {1, 1, Wiring::Parallel, vented(45, 30)},
        {2, 1, Wiring::Parallel, vented(90, 30)},
        {4, 1, Wiring::Series, sealed(100)},
        {1, 100, Wiring::Parallel, sealed(20)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        DriverParameters p = ten_inch();
        p.count = c.count;
        p.power = c.power;
        p.wiring = c.wiring;
        const auto m = response_model(p, c.box);
        ASSERT_TRUE(m);
        const double vas = c.count * p.vas * 1e-3;
        const double efficiency = 4 * kPi * kPi * std::pow(p.fs, 3) * vas / (std::pow(kAirSoundSpeed, 3) * p.qes);
        const double expected = 112.1 + 10 * std::log10(efficiency) + 10 * std::log10(c.power);
        EXPECT_NEAR(response_at(*m, 20000).spl_db, expected, 0.1);
        EXPECT_NEAR(response_figures(*m).sensitivity_db, expected, 0.1);
    }
}

// Towards 0 hz the cone stands still against its springs: the driver's own
// and the box's air in a sealed box, the driver's alone in a vented one
// (the port lets the air out). Peak displacement sqrt 2 Bl I / k.
TEST(Curves, ExcursionApproachesStaticDisplacement) {
    for (double power : {1.0, 50.0}) {
        for (const auto& b : kBoxes) {
            SCOPED_TRACE(b.what);
            DriverParameters p = ten_inch();
            p.power = power;
            const auto m = response_model(p, b.box);
            ASSERT_TRUE(m);
            const double sd = p.sd * 1e-4, vas = p.vas * 1e-3, vb = b.box.working_volume * 1e-3;
            const double cms = vas / (kRhoC2 * sd * sd);
            const double ws = 2 * kPi * p.fs;
            const double mms = 1 / (ws * ws * cms);
            const double bl = std::sqrt(ws * mms * p.re / p.qes);
            const double force = std::numbers::sqrt2 * bl * std::sqrt(power / p.re);
            const double stiffness = 1 / cms + (b.box.vented() ? 0 : kRhoC2 * sd * sd / vb);
            const double expected_mm = 1e3 * force / stiffness;
            EXPECT_NEAR(response_at(*m, 0.01).excursion_mm, expected_mm, 1e-6 * expected_mm);
            if (!b.box.vented()) {
                EXPECT_NEAR(response_at(*m, 2).excursion_mm, expected_mm, 0.01 * expected_mm);
            }
        }
    }
}

// F3 and F10 lie on the curve, and above them it never falls below.
TEST(Figures, F3AndF10AreTheLastCrossings) {
    for (const auto& b : kBoxes) {
        SCOPED_TRACE(b.what);
        const auto m = response_model(ten_inch(), b.box);
        ASSERT_TRUE(m);
        const ResponseFigures f = response_figures(*m);
        for (const auto& [db, hz] : {std::pair{-3.0, f.f3}, std::pair{-10.0, f.f10}}) {
            ASSERT_TRUE(hz);
            EXPECT_NEAR(relative_level_db(*m, *hz), db, 1e-9);
            EXPECT_LT(relative_level_db(*m, *hz * 0.999), db);
            for (double above : log_spaced({*hz * 1.0001, *hz * 100, 2000})) {
                EXPECT_GE(relative_level_db(*m, above), db) << above;
            }
        }
        EXPECT_LT(*f.f10, *f.f3);
    }
}

// The peak is the curve's highest point; a sealed box of Qtc 1 peaks by
// 10 log10(4/3) dB at fc sqrt 2.
TEST(Figures, PeakIsTheHighestPoint) {
    for (const auto& b : kBoxes) {
        SCOPED_TRACE(b.what);
        const auto m = response_model(ten_inch(), b.box);
        ASSERT_TRUE(m);
        double sampled = -1e9;
        for (double hz : log_spaced({1, 2000, 20000})) sampled = std::max(sampled, relative_level_db(*m, hz));
        const auto peak = response_peak(*m);
        if (sampled > 1e-6) {
            ASSERT_TRUE(peak);
            EXPECT_GE(peak->value, sampled - 1e-12);
            EXPECT_NEAR(peak->value, sampled, 1e-4);
            EXPECT_NEAR(relative_level_db(*m, peak->hz), peak->value, 1e-9);
        } else {
            EXPECT_FALSE(peak);
        }
    }
    const double qts = 1 / std::sqrt(2.0);  // Qtc 1 with alpha = 1
    const DriverParameters p = fixture::with_qts(qts);
    const auto m = response_model(p, sealed(p.vas));
    const auto peak = response_peak(*m);
    ASSERT_TRUE(peak);
    EXPECT_NEAR(peak->value, 10 * std::log10(4.0 / 3), 1e-9);
    EXPECT_NEAR(peak->hz, p.fs * 2, 1e-6);
}

// At high power the excursion passes Xmax: the range's ends are where it
// equals Xmax; the highest power at 20 hz gives Xmax there exactly.
TEST(Figures, ExcursionLimits) {
    for (const auto& b : kBoxes) {
        for (double power : {1.0, 100.0, 400.0}) {
            SCOPED_TRACE(std::string(b.what) + ", " + std::to_string(power) + " W");
            DriverParameters p = ten_inch();
            p.power = power;
            const auto m = response_model(p, b.box);
            ASSERT_TRUE(m);
            const ResponseFigures f = response_figures(*m);
            for (const FrequencyRange& r : f.over_xmax) {
                if (r.from > 0) {
                    EXPECT_NEAR(response_at(*m, r.from).excursion_mm, p.xmax, 1e-6);
                } else {
                    EXPECT_GT(response_at(*m, 0.01).excursion_mm, p.xmax);
                }
                EXPECT_NEAR(response_at(*m, r.to).excursion_mm, p.xmax, 1e-6);
                EXPECT_GT(response_at(*m, r.from > 0 ? std::sqrt(r.from * r.to) : r.to / 2).excursion_mm, p.xmax);
            }
            // Every sampled frequency past Xmax lies in a range.
            for (double hz : log_spaced({1, 500, 500})) {
                bool inside = false;
                for (const FrequencyRange& r : f.over_xmax) inside = inside || (hz >= r.from && hz <= r.to);
                EXPECT_EQ(response_at(*m, hz).excursion_mm > p.xmax, inside) << hz;
            }
            ASSERT_TRUE(f.max_power_at_20hz);
            p.power = *f.max_power_at_20hz;
            EXPECT_NEAR(response_at(*response_model(p, b.box), 20).excursion_mm, p.xmax, 1e-9);
        }
    }
    DriverParameters p = ten_inch();
    p.xmax = 0;
    const ResponseFigures f = response_figures(*response_model(p, vented(45, 30)));
    EXPECT_TRUE(f.over_xmax.empty());
    EXPECT_FALSE(f.max_power_at_20hz);
}

// The highest port air speed below 100 hz, none in a sealed box.
TEST(Figures, PortVelocity) {
    for (const auto& b : kBoxes) {
        SCOPED_TRACE(b.what);
        const auto m = response_model(ten_inch(), b.box);
        const ResponseFigures f = response_figures(*m);
        if (!b.box.vented()) {
            EXPECT_FALSE(f.port_velocity);
            EXPECT_EQ(response_at(*m, 30).port_velocity_m_s, 0);
            continue;
        }
        double sampled = 0;
        for (double hz : log_spaced({0.5, 100, 20000}))
            sampled = std::max(sampled, response_at(*m, hz).port_velocity_m_s);
        ASSERT_TRUE(f.port_velocity);
        EXPECT_NEAR(f.port_velocity->value, sampled, 1e-6 * sampled);
        EXPECT_NEAR(response_at(*m, f.port_velocity->hz).port_velocity_m_s, f.port_velocity->value, 1e-9);
        EXPECT_LE(f.port_velocity->hz, kPortSpeedSpan);
    }
}

// Group delay is the slope of the phase; the impedance peaks in a sealed box
// at Re (1 + Qms / Qes), at its resonance.
TEST(Curves, GroupDelayAndImpedance) {
    for (const auto& b : kBoxes) {
        SCOPED_TRACE(b.what);
        const auto m = response_model(ten_inch(), b.box);
        for (double hz : {12.0, 25.0, 31.0, 47.0, 90.0, 300.0}) {
            const double step = hz * 1e-5;
            const double slope = std::arg(m->pressure.at(hz + step) / m->pressure.at(hz - step)) / (4 * kPi * step);
            EXPECT_NEAR(response_at(*m, hz).group_delay_ms, -1e3 * slope, 1e-6 * 1e3 / hz);
        }
    }
    const DriverParameters p = ten_inch();
    const double alpha = p.vas / 30;
    const auto m = response_model(p, sealed(30));
    EXPECT_NEAR(response_at(*m, p.fs * std::sqrt(1 + alpha)).impedance_ohm, p.re * (1 + p.qms / p.qes), 1e-9);
}

// Sizes far from any real driver or box give finite figures or none, and
// the fits come back with an answer or a reason.
TEST(Figures, FarFetchedInputs) {
    for (double scale : {1e-9, 1.0, 1e9}) {
        for (double volume : {1e-9, 50.0, 1e9}) {
            for (double sd : {1e-6, 1e6}) {
                DriverParameters p = ten_inch();
                p.fs *= scale;
                p.vas *= scale;
                p.sd = sd;
                for (const BoxAcoustics& box : {vented(volume, p.fs), sealed(volume)}) {
                    SCOPED_TRACE(std::to_string(scale) + " " + std::to_string(volume) + " " + std::to_string(sd));
                    const auto m = response_model(p, box);
                    ASSERT_TRUE(m);
                    const ResponseFigures f = response_figures(*m);
                    EXPECT_TRUE(std::isfinite(f.sensitivity_db));
                    for (const auto& hz : {f.f3, f.f10}) EXPECT_TRUE(!hz || std::isfinite(*hz));
                    EXPECT_TRUE(!f.peak || std::isfinite(f.peak->value));
                    for (const ResponsePoint& r : response_curves(*m, {10, 500, 20})) {
                        EXPECT_FALSE(std::isnan(r.spl_db) || std::isnan(r.excursion_mm) || std::isnan(r.impedance_ohm));
                    }
                    const Fit fit = fit_tuning(p, volume);
                    EXPECT_TRUE(fit.found ? std::isfinite(fit.f3) : !fit.reason.empty());
                }
            }
        }
    }
}

}  // namespace
}  // namespace enclavio
