#include "response/fit.hpp"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "response/curves.hpp"
#include "response/model.hpp"
#include "units/units.hpp"

namespace enclavio {

namespace {

constexpr int kTuningSteps = 32;          // the first look over the tunings, about 19% apart
constexpr int kGoldenSteps = 24;          // golden-section steps to the lowest F3 within a step
constexpr int kVolumeSteps = 34;          // the first look over the volumes, about 30% apart
constexpr double kEdgeTolerance = 1e-10;  // of the log of a tuning or volume
constexpr double kVolumeTolerance = 1e-7;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Narrows a bracket [out, in] of x, f(out) > 0 >= f(in), to `tolerance` by
// regula falsi with the Illinois step, bisecting when an end's value is not
// finite or the bracket has not halved in three steps. Returns the `in` end.
template <class F>
double edge_of(F f, double out, double f_out, double in, double f_in, double tolerance) {
    double width = std::fabs(in - out);
    int side = 0, since_halved = 0;
    for (int i = 0; i < 200 && std::fabs(in - out) > tolerance; ++i) {
        double x = 0.5 * (out + in);
        if (std::isfinite(f_out) && std::isfinite(f_in) && since_halved < 3) {
            const double t = (in * f_out - out * f_in) / (f_out - f_in);
            if (t > std::min(out, in) && t < std::max(out, in)) x = t;
        }
        const double fx = f(x);
        if (fx > 0) {
            out = x;
            f_out = fx;
            if (side == 1) f_in /= 2;
            side = 1;
        } else {
            in = x;
            f_in = fx;
            if (side == -1) f_out /= 2;
            side = -1;
        }
        if (std::fabs(in - out) <= width / 2) {
            width = std::fabs(in - out);
            since_halved = 0;
        } else {
            ++since_halved;
        }
    }
    return in;
}

// One box: tuned to `fb`, or rejected for rising too far.
struct Trial {
    double fb = 0;
    bool ok = false;
    double f3 = kInfinity;  // hz; infinity when rejected
};

ResponseModel tuned_model(const DriverParameters& p, double volume, double fb) {
    // The pressure depends on neither the number of ports nor their diameter.
    BoxAcoustics box;
    box.working_volume = volume;
    box.tuning = fb;
    box.port_count = 1;
    box.port_diameter = 1;
    return unchecked_response_model(p, box);
}

Trial try_tuning(const DriverParameters& p, double volume, double fb) {
    const ResponseModel m = tuned_model(p, volume, fb);
    Trial t;
    t.fb = fb;
    if (highest_level_db(m) > kFitRippleDb) return t;
    if (const auto f3 = level_frequency(m, -3)) {
        t.ok = true;
        t.f3 = *f3;
    }
    return t;
}

// The accepted tuning at the edge between `ok` and `rejected_fb`, where the
// response rises just 0.5 dB.
Trial edge(const DriverParameters& p, double volume, const Trial& ok, double rejected_fb) {
    const auto excess = [&](double x) { return highest_level_db(tuned_model(p, volume, std::exp(x))) - kFitRippleDb; };
    const double out = std::log(rejected_fb), in = std::log(ok.fb);
    const Trial t = try_tuning(p, volume, std::exp(edge_of(excess, out, excess(out), in, excess(in), kEdgeTolerance)));
    return t.ok ? t : ok;
}

// The lowest F3 between two tunings, by golden section on a log scale.
Trial lowest_between(const DriverParameters& p, double volume, double lo, double hi) {
    const double r = (std::sqrt(5.0) - 1) / 2;
    double a = std::log(lo), b = std::log(hi);
    double c = b - r * (b - a), d = a + r * (b - a);
    Trial tc = try_tuning(p, volume, std::exp(c)), td = try_tuning(p, volume, std::exp(d));
    for (int i = 0; i < kGoldenSteps; ++i) {
        if (tc.f3 <= td.f3) {
            b = d;
            d = c;
            td = tc;
            c = b - r * (b - a);
            tc = try_tuning(p, volume, std::exp(c));
        } else {
            a = c;
            c = d;
            tc = td;
            d = a + r * (b - a);
            td = try_tuning(p, volume, std::exp(d));
        }
    }
    return tc.f3 <= td.f3 ? tc : td;
}

// The tuning with the lowest F3 that stays within the ripple, if any: a look
// over the whole range, then within the steps either side of the best, up to
// the edge where the response starts to rise too far.
std::optional<Trial> best_tuning(const DriverParameters& p, double volume) {
    std::array<Trial, kTuningSteps> look;
    const double ratio = std::pow(kHighestTuningRatio / kLowestTuningRatio, 1.0 / (kTuningSteps - 1));
    int best = -1;
    for (int k = 0; k < kTuningSteps; ++k) {
        look[k] = try_tuning(p, volume, p.fs * kLowestTuningRatio * std::pow(ratio, k));
        if (look[k].ok && (best < 0 || look[k].f3 < look[best].f3)) best = k;
    }
    if (best < 0) return std::nullopt;

    Trial answer = look[best];
    double lo = look[best].fb, hi = look[best].fb;
    if (best > 0) {
        const Trial& below = look[best - 1];
        const Trial low = below.ok ? below : edge(p, volume, look[best], below.fb);
        lo = low.fb;
        if (low.f3 < answer.f3) answer = low;
    }
    if (best + 1 < kTuningSteps) {
        const Trial& above = look[best + 1];
        const Trial high = above.ok ? above : edge(p, volume, look[best], above.fb);
        hi = high.fb;
        if (high.f3 < answer.f3) answer = high;
    }
    if (lo < hi) {
        const Trial inside = lowest_between(p, volume, lo, hi);
        if (inside.ok && inside.f3 < answer.f3) answer = inside;
    }
    return answer;
}

std::string ripple_text() { return plain_text(kFitRippleDb) + " dB"; }

std::string no_box_reason() {
    return "No box and tuning keep the response of this driver within " + ripple_text() +
           ": its Qts is too high for a vented box.";
}

// Why no tuning suits the box: too small for the driver, or no box suits it.
std::string no_tuning_reason(const DriverParameters& p) {
    if (best_tuning(p, p.vas * p.count * kLargestVolumeRatio)) {
        return "No tuning keeps the response within " + ripple_text() + ": the box is too small for this driver.";
    }
    return no_box_reason();
}

Fit refuse(std::string reason) {
    Fit f;
    f.reason = std::move(reason);
    return f;
}

Fit found(double volume, const Trial& t) {
    Fit f;
    f.found = true;
    f.working_volume = volume;
    f.tuning = t.fb;
    f.f3 = t.f3;
    return f;
}

// The volume's F3 with its best tuning; infinity when it has none.
struct VolumeTrial {
    double volume = 0;
    std::optional<Trial> tuning;
    double f3() const { return tuning ? tuning->f3 : kInfinity; }
};

VolumeTrial try_volume(const DriverParameters& p, double volume) { return {volume, best_tuning(p, volume)}; }

// The smallest volume between `short_of` (F3 above the target) and `reaching`
// (F3 at most the target) that reaches it.
VolumeTrial smallest_reaching(const DriverParameters& p, double target, const VolumeTrial& short_of,
                              const VolumeTrial& reaching) {
    const auto excess = [&](double x) { return try_volume(p, std::exp(x)).f3() - target; };
    const double x = edge_of(excess, std::log(short_of.volume), short_of.f3() - target, std::log(reaching.volume),
                             reaching.f3() - target, kVolumeTolerance);
    VolumeTrial v = try_volume(p, std::exp(x));
    return v.f3() <= target ? v : reaching;
}

}  // namespace

Fit fit_tuning(const DriverParameters& p, double working_volume) {
    if (const auto missing = missing_parameters(p); !missing.empty()) return refuse(missing_text(missing));
    if (!(working_volume > 0) || !std::isfinite(working_volume)) return refuse("The box has no working volume.");
    const auto best = best_tuning(p, working_volume);
    if (!best) return refuse(no_tuning_reason(p));
    return found(working_volume, *best);
}

Fit fit_volume(const DriverParameters& p, double target_f3) {
    if (const auto missing = missing_parameters(p); !missing.empty()) return refuse(missing_text(missing));
    if (!(target_f3 > 0) || !std::isfinite(target_f3)) return refuse("The target F3 must be above 0 hz.");

    // Upwards from the smallest box: the first volume that reaches the target
    // ends the look, and the answer lies within the step below it.
    const double vas = p.vas * p.count;
    const double ratio = std::pow(kLargestVolumeRatio / kSmallestVolumeRatio, 1.0 / (kVolumeSteps - 1));
    std::vector<VolumeTrial> look;
    look.reserve(kVolumeSteps);
    int lowest = -1;
    for (int k = 0; k < kVolumeSteps; ++k) {
        look.push_back(try_volume(p, vas * kSmallestVolumeRatio * std::pow(ratio, k)));
        if (look[k].f3() <= target_f3) {
            if (k == 0) return found(look[k].volume, *look[k].tuning);
            const VolumeTrial v = smallest_reaching(p, target_f3, look[k - 1], look[k]);
            return found(v.volume, *v.tuning);
        }
        if (look[k].tuning && (lowest < 0 || look[k].f3() < look[lowest].f3())) lowest = k;
    }
    if (lowest < 0) return refuse(no_box_reason());

    // None of the steps reaches it; the lowest F3 may still lie between two.
    const VolumeTrial& below = look[lowest > 0 ? lowest - 1 : 0];
    double a = std::log(below.volume);
    double b = std::log(look[lowest + 1 < kVolumeSteps ? lowest + 1 : lowest].volume);
    VolumeTrial best = look[lowest];
    const double r = (std::sqrt(5.0) - 1) / 2;
    double c = b - r * (b - a), d = a + r * (b - a);
    VolumeTrial tc = try_volume(p, std::exp(c)), td = try_volume(p, std::exp(d));
    for (int i = 0; i < kGoldenSteps / 2 && a < b; ++i) {
        for (const VolumeTrial* t : {&tc, &td}) {
            if (t->f3() < best.f3()) best = *t;
        }
        if (best.f3() <= target_f3) {
            const VolumeTrial v = best.volume > below.volume ? smallest_reaching(p, target_f3, below, best) : best;
            return found(v.volume, *v.tuning);
        }
        if (tc.f3() <= td.f3()) {
            b = d;
            d = c;
            td = tc;
            c = b - r * (b - a);
            tc = try_volume(p, std::exp(c));
        } else {
            a = c;
            c = d;
            tc = td;
            d = a + r * (b - a);
            td = try_volume(p, std::exp(d));
        }
    }
    return refuse("No working volume gives an F3 of " + plain_text(target_f3) +
                  " hz or lower with this driver; the lowest it reaches is " +
                  plain_text(std::floor(best.f3() * 10) / 10) + " hz.");
}

}  // namespace enclavio
