#include "response/curves.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace enclavio {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kSqrt2 = std::numbers::sqrt2;

// |T(j w)|^2 as a ratio of two polynomials in v = (w / w0)^2, each divided
// by its largest coefficient so that the roots are found near 1, not near
// 1e12. value(v) gives the true |T|^2 back.
struct PowerRatio {
    Polynomial num, den;
    double scale = 1;  // |T|^2 = scale num(v) / den(v)
    double w0 = 1;

    PowerRatio(const Transfer& t, double w0_) : w0(w0_) {
        num = t.num.scaled(w0).power_on_imaginary_axis();
        den = t.den.scaled(w0).power_on_imaginary_axis();
        const double n = largest(num), d = largest(den);
        num = (1 / n) * num;
        den = (1 / d) * den;
        scale = n / d;
    }
    double v_of(double hz) const { return std::pow(kTwoPi * hz / w0, 2); }
    double hz_of(double v) const { return w0 * std::sqrt(v) / kTwoPi; }
    double value(double v) const { return scale * num(v) / den(v); }
    // num - (level / scale) den: positive where |T|^2 is above `level`.
    Polynomial above(double level) const { return num - (level / scale) * den; }
    // Zero where |T|^2 has a maximum or minimum.
    Polynomial turns() const { return num.derivative() * den - num * den.derivative(); }

    static double largest(const Polynomial& p) {
        double m = 0;
        for (int k = 0; k <= p.degree(); ++k) m = std::max(m, std::fabs(p.coefficient(k)));
        return m > 0 ? m : 1;
    }
};

// |z|^2 without the scaling std::norm does through std::abs: the values here
// are far from overflow.
double power(std::complex<double> z) { return z.real() * z.real() + z.imag() * z.imag(); }

// The drivers' own resonance, the unit the polynomials are solved in.
double driver_w0(const ResponseModel& m) { return 1 / std::sqrt(m.circuit.mas * m.circuit.cas); }

// The highest value of |T|^2 over (0, v_end]: at a turning point or at v_end.
std::optional<AtFrequency> highest_below(const PowerRatio& r, double v_end) {
    std::optional<AtFrequency> best;
    auto consider = [&](double v) {
        const double value = r.value(v);
        if (std::isfinite(value) && (!best || value > best->value)) best = AtFrequency{value, r.hz_of(v)};
    };
    for (double v : sign_changes(r.turns(), 0, v_end)) consider(v);
    consider(v_end);
    return best;
}

}  // namespace

std::vector<double> log_spaced(const FrequencySpan& span) {
    std::vector<double> hz;
    const auto usable_end = [](double f) { return f > 0 && std::isfinite(f); };
    if (span.points < 1 || span.points > kMaxSpanPoints || !usable_end(span.from) || !usable_end(span.to)) return hz;
    hz.reserve(static_cast<std::size_t>(span.points));
    hz.push_back(span.from);
    if (span.points == 1) return hz;
    const double step = std::log(span.to / span.from) / (span.points - 1);
    for (int i = 1; i + 1 < span.points; ++i) hz.push_back(span.from * std::exp(step * i));
    hz.push_back(span.to);
    return hz;
}

double ResponsePoint::of(Quantity q) const {
    switch (q) {
        case Quantity::Spl: return spl_db;
        case Quantity::GroupDelay: return group_delay_ms;
        case Quantity::Excursion: return excursion_mm;
        case Quantity::PortVelocity: return port_velocity_m_s;
        case Quantity::Impedance: return impedance_ohm;
    }
    return 0;
}

namespace {

// The curves' values at any frequency, with the derivatives the group delay
// needs worked out once.
class PointEvaluator {
public:
    explicit PointEvaluator(const ResponseModel& m)
        : m_(m), den_slope_(m.pressure.den.derivative()), num_slope_(m.pressure.num.derivative()) {}

    ResponsePoint at(double hz) const {
        const double w = kTwoPi * hz;
        // Pressure, excursion and port flow share one denominator.
        const std::complex<double> d = m_.pressure.den.at_imaginary(w);
        const std::complex<double> n = m_.pressure.num.at_imaginary(w);
        const double dd = power(d);
        const auto magnitude = [&](const Polynomial& num) { return std::sqrt(power(num.at_imaginary(w)) / dd); };
        ResponsePoint r;
        r.hz = hz;
        r.spl_db = 10 * std::log10(power(n) / dd / (kReferencePressure * kReferencePressure));
        // Group delay -d(arg p)/dw = Re(D'/D - N'/N) at s = j w.
        const auto real_ratio = [](std::complex<double> a, std::complex<double> b) {
            return (a * std::conj(b)).real() / power(b);
        };
        r.group_delay_ms =
            1e3 * (real_ratio(den_slope_.at_imaginary(w), d) - real_ratio(num_slope_.at_imaginary(w), n));
        r.excursion_mm = 1e3 * kSqrt2 * magnitude(m_.excursion.num);
        if (m_.port_area > 0) r.port_velocity_m_s = kSqrt2 * magnitude(m_.port_flow.num) / m_.port_area;
        r.impedance_ohm = std::sqrt(power(m_.impedance.num.at_imaginary(w)) / power(m_.impedance.den.at_imaginary(w)));
        return r;
    }

private:
    const ResponseModel& m_;
    Polynomial den_slope_, num_slope_;
};

}  // namespace

ResponsePoint response_at(const ResponseModel& m, double hz) { return PointEvaluator(m).at(hz); }

std::vector<ResponsePoint> response_curves(const ResponseModel& m, const FrequencySpan& span) {
    const PointEvaluator evaluator(m);
    std::vector<ResponsePoint> points;
    const std::vector<double> hz = log_spaced(span);
    points.reserve(hz.size());
    for (double f : hz) points.push_back(evaluator.at(f));
    return points;
}

double relative_level_db(const ResponseModel& m, double hz) {
    return 20 * std::log10(std::abs(m.pressure.at(hz)) / m.high_frequency_pressure);
}

namespace {

std::optional<double> level_frequency(const PowerRatio& r, const ResponseModel& m, double db) {
    const double g = m.high_frequency_pressure;
    const Polynomial q = r.above(g * g * std::pow(10, db / 10));
    // Far above resonance the level is above `db`; the highest crossing is the answer.
    const auto v = highest_sign_change(q, 0, root_bound(q));
    if (!v) return std::nullopt;
    return r.hz_of(*v);
}

LevelTurns level_turns(const PowerRatio& r, const ResponseModel& m) {
    const Polynomial turns = r.turns();
    const double g2 = m.high_frequency_pressure * m.high_frequency_pressure;
    LevelTurns out;
    for (double v : sign_changes(turns, 0, root_bound(turns))) {
        const double value = r.value(v);
        if (std::isfinite(value) && value > 0) out.turn[out.count++] = {10 * std::log10(value / g2), r.hz_of(v)};
    }
    return out;
}

}  // namespace

std::optional<double> level_frequency(const ResponseModel& m, double db) {
    return level_frequency(PowerRatio(m.pressure, driver_w0(m)), m, db);
}

LevelTurns level_turns(const ResponseModel& m) { return level_turns(PowerRatio(m.pressure, driver_w0(m)), m); }

LevelShape level_shape(const ResponseModel& m, double no_f3_above_db) {
    const PowerRatio r(m.pressure, driver_w0(m));
    LevelShape shape{level_turns(r, m), std::nullopt};
    for (const AtFrequency& t : shape.turns) {
        if (t.value > no_f3_above_db) return shape;
    }
    shape.f3 = level_frequency(r, m, -3);
    return shape;
}

std::optional<AtFrequency> response_peak(const LevelTurns& turns) {
    std::optional<AtFrequency> top;
    for (const AtFrequency& t : turns) {
        if (!top || t.value > top->value) top = t;
    }
    // A maximally flat response touches its high-frequency level from below;
    // rounding must not make that a peak.
    constexpr double kFlat = 1e-8;  // dB
    if (!top || !(top->value > kFlat)) return std::nullopt;
    return top;
}

std::optional<AtFrequency> response_peak(const ResponseModel& m) { return response_peak(level_turns(m)); }

double highest_level_db(const ResponseModel& m) {
    const auto peak = response_peak(m);
    return peak ? peak->value : 0;
}

ResponseFigures response_figures(const ResponseModel& m) {
    ResponseFigures f;
    f.sensitivity_db = 20 * std::log10(m.high_frequency_pressure / kReferencePressure);
    f.f3 = level_frequency(m, -3);
    f.f10 = level_frequency(m, -10);
    f.peak = response_peak(m);

    const double w0 = driver_w0(m);
    if (m.xmax > 0) {
        // Peak excursion above Xmax: RMS^2 above Xmax^2 / 2.
        const PowerRatio x(m.excursion, w0);
        const Polynomial q = x.above(m.xmax * m.xmax / 2);
        const Roots roots = sign_changes(q, 0, root_bound(q));
        bool over = q(0) > 0;
        double from = 0;
        for (double v : roots) {
            if (over) f.over_xmax.push_back({from, x.hz_of(v)});
            else from = x.hz_of(v);
            over = !over;
        }
        const double at20 = kSqrt2 * std::abs(m.excursion.at(kPowerCheckFrequency));
        if (at20 > 0) f.max_power_at_20hz = m.power * std::pow(m.xmax / at20, 2);
    }
    if (m.port_area > 0) {
        const PowerRatio u(m.port_flow, w0);
        if (auto top = highest_below(u, u.v_of(kPortSpeedSpan))) {
            f.port_velocity = AtFrequency{kSqrt2 * std::sqrt(top->value) / m.port_area, top->hz};
        }
    }
    return f;
}

}  // namespace enclavio
