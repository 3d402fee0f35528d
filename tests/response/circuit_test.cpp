// The circuit of the drivers in the box against Small's response functions.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "drivers.hpp"
#include "response/alignment.hpp"
#include "response/curves.hpp"

namespace enclavio {
namespace {

using fixture::with_qts;

// The pressure relative to its level far above resonance, as a complex number.
std::complex<double> normalised(const ResponseModel& m, double hz) {
    return m.pressure.at(hz) / m.high_frequency_pressure;
}

// Largest relative difference between the circuit and a reference function
// at 300 frequencies from 1 hz to 5 khz.
template <class Reference>
double worst_difference(const ResponseModel& m, Reference reference) {
    double worst = 0;
    for (double hz : log_spaced({1, 5000, 300})) {
        const std::complex<double> g = reference(hz);
        worst = std::max(worst, std::abs(normalised(m, hz) - g) / std::abs(g));
    }
    return worst;
}

struct Alignment {
    const char* what;
    double qts, alpha, h, ql;
};

constexpr Alignment kVentedAlignments[] = {
    {"B4", 0.383, 1.414, 1.0, 1000},
    {"QB3, leaky", 0.3, 2.5, 1.3, 7},
    {"large box, low tuning", 0.45, 0.4, 0.6, 15},
    {"small box, high tuning", 0.25, 5, 2.2, 3},
    {"high Q driver", 0.7, 0.3, 0.5, 7},
};

struct Drivers {
    double count;
    Wiring wiring;
};
constexpr Drivers kDrivers[] = {
    {1, Wiring::Parallel}, {2, Wiring::Parallel}, {2, Wiring::Series}, {4, Wiring::Parallel}, {4, Wiring::Series},
};

TEST(Circuit, VentedBoxIsSmallsFourthOrderFunction) {
    for (const Alignment& a : kVentedAlignments) {
        for (const Drivers& n : kDrivers) {
            SCOPED_TRACE(std::string(a.what) + ", " + std::to_string(static_cast<int>(n.count)) + " drivers");
            DriverParameters p = with_qts(a.qts);
            p.ql = a.ql;
            p.count = n.count;
            p.wiring = n.wiring;
            const double volume = n.count * p.vas / a.alpha;
            const auto m = response_model(p, fixture::vented(volume, a.h * p.fs));
            ASSERT_TRUE(m);
            ASSERT_TRUE(m->vented);
            const VentedAlignment g{p.fs, a.h * p.fs, a.alpha, a.qts, a.ql};
            EXPECT_LT(worst_difference(*m, [&](double hz) { return vented_box_function(g, hz); }), 1e-12);
        }
    }
}

// No ports, or ports that give no tuning: the sealed second-order function.
TEST(Circuit, SealedBoxIsTheSecondOrderFunction) {
    const BoxAcoustics boxes[] = {fixture::sealed(1), {1, 30, 0, 86}, {1, 0, 2, 86}, {1, 30, 2, 0}};
    for (const Alignment& a : kVentedAlignments) {
        for (const Drivers& n : kDrivers) {
            for (BoxAcoustics box : boxes) {
                SCOPED_TRACE(std::string(a.what) + ", " + std::to_string(static_cast<int>(n.count)) + " drivers");
                DriverParameters p = with_qts(a.qts);
                p.count = n.count;
                p.wiring = n.wiring;
                box.working_volume = n.count * p.vas / a.alpha;
                const auto m = response_model(p, box);
                ASSERT_TRUE(m);
                EXPECT_FALSE(m->vented);
                const SealedAlignment s = sealed_alignment(p.fs, a.qts, a.alpha);
                EXPECT_LT(worst_difference(*m, [&](double hz) { return sealed_box_function(s, hz); }), 1e-12);
            }
        }
    }
}

// alpha = 1: the circuit's own resonance and Q are Fs sqrt 2 and Qts sqrt 2;
// with Qts = 0.5 that is the maximally flat box, half power at its resonance.
TEST(Circuit, SealedBoxOfAlphaOne) {
    for (double qts : {0.3, 0.5, 0.9}) {
        SCOPED_TRACE(qts);
        const DriverParameters p = with_qts(qts);
        const auto m = response_model(p, fixture::sealed(p.vas));
        ASSERT_TRUE(m);
        // Denominator d0 + d1 s + d2 s^2: wc^2 = d0 / d2, Q = sqrt(d0 d2) / d1.
        const Polynomial& d = m->pressure.den;
        ASSERT_EQ(d.degree(), 2);
        const double fc = std::sqrt(d.coefficient(0) / d.coefficient(2)) / (2 * std::numbers::pi);
        const double qtc = std::sqrt(d.coefficient(0) * d.coefficient(2)) / d.coefficient(1);
        EXPECT_NEAR(fc, p.fs * std::sqrt(2.0), 1e-9);
        EXPECT_NEAR(qtc, qts * std::sqrt(2.0), 1e-12);
        if (qts == 0.5) {
            EXPECT_NEAR(*level_frequency(*m, -10 * std::log10(2.0)), fc, 1e-9);
            EXPECT_FALSE(response_peak(*m));
        }
    }
}

// Wired in parallel or in series, N drivers take the same power and give the
// same pressure; the impedance far above resonance is Re / N or N Re.
TEST(Circuit, WiringChangesTheImpedanceOnly) {
    for (double count : {1.0, 2.0, 4.0}) {
        SCOPED_TRACE(count);
        DriverParameters p = fixture::ten_inch();
        p.count = count;
        const auto parallel = response_model(p, fixture::vented(50 * count, 30));
        p.wiring = Wiring::Series;
        const auto series = response_model(p, fixture::vented(50 * count, 30));
        ASSERT_TRUE(parallel && series);
        for (double hz : {15.0, 30.0, 60.0, 200.0}) {
            const ResponsePoint a = response_at(*parallel, hz), b = response_at(*series, hz);
            EXPECT_NEAR(a.spl_db, b.spl_db, 1e-9);
            EXPECT_NEAR(a.excursion_mm, b.excursion_mm, 1e-9);
            EXPECT_NEAR(a.port_velocity_m_s, b.port_velocity_m_s, 1e-9);
        }
        EXPECT_NEAR(response_at(*parallel, 1e6).impedance_ohm, p.re / count, 1e-6);
        EXPECT_NEAR(response_at(*series, 1e6).impedance_ohm, p.re * count, 1e-6);
    }
}

}  // namespace
}  // namespace enclavio
