#include "response/fit.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "response/curves.hpp"
#include "response/model.hpp"
#include "units/units.hpp"

namespace enclavio {

namespace {

constexpr int kTuningSteps = 32;              // the first look over the tunings, about 19% apart
constexpr int kFinerSteps = 8;                // where the look changes between two tunings, about 2.2% apart
constexpr double kEdgeTolerance = 1e-10;      // of the log of a tuning at an edge
constexpr int kMinimiserSteps = 40;           // at most, to the lowest F3 between two tunings
constexpr double kMinimiserTolerance = 1e-8;  // of the log of a tuning
constexpr int kGoldenSteps = 12;              // golden-section steps to the lowest F3 between two volumes
constexpr int kVolumeSteps = 34;              // the first look over the volumes, about 30% apart
constexpr double kVolumeTolerance = 1e-7;     // of the log of a volume
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

// What one tuning gives: accepted with its F3, or rejected for its peak or
// for a sag too near -3 dB.
enum class Verdict { Accepted, Peaks, Sags };

struct Trial {
    double fb = 0;
    Verdict verdict = Verdict::Peaks;
    double f3 = kInfinity;   // hz; infinity when rejected
    double peak = 0;         // dB above the level far above resonance; 0 without a peak
    double sag = kInfinity;  // dB: the lowest turn of the level above F3; infinity without one
    bool ok() const { return verdict == Verdict::Accepted; }
    // How far past the ripple, or past the sag margin: above 0 when rejected
    // for that cause. Continuous in the tuning, for finding the edges.
    double peak_excess() const { return peak - kFitRippleDb; }
    double sag_excess() const { return -3 + kFitSagMarginDb - sag; }
};

Trial try_tuning(const DriverParameters& p, double volume, double fb) {
    // The pressure depends on neither the number of ports nor their diameter.
    BoxAcoustics box;
    box.working_volume = volume;
    box.tuning = fb;
    box.port_count = 1;
    box.port_diameter = 1;
    const LevelShape shape = level_shape(unchecked_response_model(p, box, ModelParts::PressureOnly), kFitRippleDb);
    Trial t;
    t.fb = fb;
    if (const auto peak = response_peak(shape.turns)) t.peak = peak->value;
    if (shape.f3) {
        for (const AtFrequency& turn : shape.turns) {
            if (turn.hz > *shape.f3) t.sag = std::min(t.sag, turn.value);
        }
    }
    if (t.peak_excess() > 0 || !shape.f3) return t;
    t.verdict = Verdict::Sags;
    if (t.sag_excess() > 0) return t;
    t.verdict = Verdict::Accepted;
    t.f3 = *shape.f3;
    return t;
}

// Between two tunings of the first look, something may happen that the look
// does not see: a change of verdict, or an F3 that jumps (a sag crossing
// -3 dB). Accepted tunings may lie between two rejected for different causes.
bool worth_a_closer_look(const Trial& a, const Trial& b) {
    if (a.verdict != b.verdict) return true;
    constexpr double kJump = 1.15;
    return a.ok() && std::max(a.f3, b.f3) > kJump * std::min(a.f3, b.f3);
}

// The accepted tuning at the edge between `ok` and `rejected`, found on the
// measure that rejects it, which changes smoothly with the tuning (or by
// halving where a tuning is rejected for the other cause).
Trial edge(const DriverParameters& p, double volume, const Trial& ok, const Trial& rejected) {
    const Verdict cause = rejected.verdict;
    const auto excess = [&](const Trial& t) {
        if (t.ok()) return std::min(cause == Verdict::Peaks ? t.peak_excess() : t.sag_excess(), 0.0);
        if (t.verdict != cause) return kInfinity;
        return cause == Verdict::Peaks ? t.peak_excess() : t.sag_excess();
    };
    Trial last = ok;
    const auto measure = [&](double x) {
        const Trial t = try_tuning(p, volume, std::exp(x));
        if (t.ok()) last = t;
        return excess(t);
    };
    const double x =
        edge_of(measure, std::log(rejected.fb), excess(rejected), std::log(ok.fb), excess(ok), kEdgeTolerance);
    const Trial t = try_tuning(p, volume, std::exp(x));
    return t.ok() ? t : last;
}

// The lowest F3 between two tunings, by Brent's method on a log scale:
// parabolic steps where F3 is smooth, golden-section steps where not.
Trial lowest_between(const DriverParameters& p, double volume, double lo, double hi) {
    const double golden = (3 - std::sqrt(5.0)) / 2;
    double a = std::log(lo), b = std::log(hi);
    double x = a + golden * (b - a), w = x, v = x;
    Trial best = try_tuning(p, volume, std::exp(x));
    double fw = best.f3, fv = best.f3;
    double step = 0, last_step = 0;
    for (int i = 0; i < kMinimiserSteps; ++i) {
        const double middle = (a + b) / 2;
        const double tolerance = kMinimiserTolerance;
        if (std::fabs(x - middle) <= 2 * tolerance - (b - a) / 2) break;
        bool parabolic = false;
        if (std::fabs(last_step) > tolerance && std::isfinite(best.f3) && std::isfinite(fw) && std::isfinite(fv)) {
            double r = (x - w) * (best.f3 - fv), q = (x - v) * (best.f3 - fw);
            double pp = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0) pp = -pp;
            q = std::fabs(q);
            if (std::fabs(pp) < std::fabs(0.5 * q * last_step) && pp > q * (a - x) && pp < q * (b - x)) {
                last_step = step;
                step = pp / q;
                parabolic = true;
            }
        }
        if (!parabolic) {
            last_step = x >= middle ? a - x : b - x;
            step = golden * last_step;
        }
        const double u = std::fabs(step) >= tolerance ? x + step : x + std::copysign(tolerance, step);
        const Trial tu = try_tuning(p, volume, std::exp(u));
        if (tu.f3 <= best.f3) {
            (u >= x ? a : b) = x;
            v = w, fv = fw;
            w = x, fw = best.f3;
            x = u, best = tu;
        } else {
            (u < x ? a : b) = u;
            if (tu.f3 <= fw || w == x) {
                v = w, fv = fw;
                w = u, fw = tu.f3;
            } else if (tu.f3 <= fv || v == x || v == w) {
                v = u, fv = tu.f3;
            }
        }
    }
    return best;
}

// The tuning with the lowest F3 that is accepted, if any: a look over the
// whole range, a closer look where it changes, then within the steps either
// side of the best, up to the edges where tunings are rejected.
std::optional<Trial> best_tuning(const DriverParameters& p, double volume) {
    const double ratio = std::pow(kHighestTuningRatio / kLowestTuningRatio, 1.0 / (kTuningSteps - 1));
    std::vector<Trial> look;
    look.reserve(kTuningSteps * 2);
    for (int k = 0; k < kTuningSteps; ++k) {
        look.push_back(try_tuning(p, volume, p.fs * kLowestTuningRatio * std::pow(ratio, k)));
    }
    for (int k = 0; k + 1 < kTuningSteps; ++k) {
        if (!worth_a_closer_look(look[k], look[k + 1])) continue;
        for (int j = 1; j < kFinerSteps; ++j) {
            look.push_back(try_tuning(p, volume, look[k].fb * std::pow(ratio, static_cast<double>(j) / kFinerSteps)));
        }
    }
    std::sort(look.begin(), look.end(), [](const Trial& a, const Trial& b) { return a.fb < b.fb; });
    int best = -1;
    for (int k = 0; k < static_cast<int>(look.size()); ++k) {
        if (look[k].ok() && (best < 0 || look[k].f3 < look[best].f3)) best = k;
    }
    if (best < 0) return std::nullopt;

    Trial answer = look[best];
    double lo = answer.fb, hi = answer.fb;
    for (int side : {-1, 1}) {
        const int k = best + side;
        if (k < 0 || k >= static_cast<int>(look.size())) continue;
        const Trial end = look[k].ok() ? look[k] : edge(p, volume, look[best], look[k]);
        (side < 0 ? lo : hi) = end.fb;
        if (end.f3 < answer.f3) answer = end;
    }
    if (lo < hi) {
        const Trial inside = lowest_between(p, volume, lo, hi);
        if (inside.ok() && inside.f3 < answer.f3) answer = inside;
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
    for (int i = 0; i < kGoldenSteps && a < b; ++i) {
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
    // Rounded up to a tenth, so that the figure given can be reached.
    return refuse("No working volume gives an F3 of " + plain_text(target_f3) +
                  " hz or lower with this driver; the lowest it reaches is " +
                  plain_text(std::ceil(best.f3() * 10) / 10) + " hz.");
}

}  // namespace enclavio
