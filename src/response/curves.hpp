// What the model predicts over frequency: the curves the graphs draw and the
// figures read from them, the figures solved on the model's exact functions.
#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "response/model.hpp"

namespace enclavio {

// The span the curves are drawn over: `points` frequencies spaced evenly on a
// log scale, both ends included.
struct FrequencySpan {
    double from = 10;  // hz
    double to = 500;   // hz
    int points = 200;
};
// Empty when points is not 1 to kMaxSpanPoints or an end is not a number
// above 0; just `from` for 1 point.
inline constexpr int kMaxSpanPoints = 100000;
std::vector<double> log_spaced(const FrequencySpan& span);

enum class Quantity { Spl, GroupDelay, Excursion, PortVelocity, Impedance };
inline constexpr int kQuantityCount = 5;

// The prediction at one frequency. Peak values are the amplitude of the sine,
// sqrt 2 times the RMS value.
struct ResponsePoint {
    double hz = 0;
    double spl_db = 0;             // dB re 20 uPa at 1 m for the input power
    double group_delay_ms = 0;     // of the pressure
    double excursion_mm = 0;       // peak cone excursion
    double port_velocity_m_s = 0;  // peak air speed in the ports, 0 in a sealed box
    double impedance_ohm = 0;      // magnitude of the input impedance
    double of(Quantity q) const;
};

ResponsePoint response_at(const ResponseModel& m, double hz);
std::vector<ResponsePoint> response_curves(const ResponseModel& m, const FrequencySpan& span = {});

// The level at `hz` relative to the level far above resonance, dB.
double relative_level_db(const ResponseModel& m, double hz);

// The lowest frequency above which the level, relative to its level far above
// resonance, never falls below `db` (a negative number): F3 for -3, F10 for -10.
std::optional<double> level_frequency(const ResponseModel& m, double db);

// A value and the frequency it is found at.
struct AtFrequency {
    double value = 0;
    double hz = 0;
};

// The level's turning points, its maxima and minima, relative to the level
// far above resonance (dB), in frequency order.
struct LevelTurns {
    std::array<AtFrequency, Polynomial::kMaxDegree> turn{};  // value in dB
    int count = 0;
    const AtFrequency* begin() const { return turn.data(); }
    const AtFrequency* end() const { return turn.data() + count; }
};
LevelTurns level_turns(const ResponseModel& m);

// The turning points and F3, worked out together at less cost than apart;
// F3 is left out (none) when the level rises more than `no_f3_above_db`
// above its level far above resonance.
struct LevelShape {
    LevelTurns turns;
    std::optional<double> f3;
};
LevelShape level_shape(const ResponseModel& m, double no_f3_above_db = HUGE_VAL);

// The highest level above the level far above resonance (dB) and where; none
// when the level never rises above it.
std::optional<AtFrequency> response_peak(const ResponseModel& m);
std::optional<AtFrequency> response_peak(const LevelTurns& turns);

// The highest level relative to the level far above resonance, dB: 0 when
// the level never rises above it. Continuous as the box changes.
double highest_level_db(const ResponseModel& m);

// The frequencies between which the peak excursion passes Xmax; `from` is 0
// when it does from the lowest frequencies on.
struct FrequencyRange {
    double from = 0, to = 0;  // hz
};

inline constexpr double kPortSpeedSpan = 100;       // hz: port air speed is looked at below this
inline constexpr double kPortNoiseSpeed = 17;       // m/s: where port noise usually starts
inline constexpr double kPowerCheckFrequency = 20;  // hz

struct ResponseFigures {
    double sensitivity_db = 0;                 // SPL far above resonance for the input power
    std::optional<double> f3, f10;             // hz
    std::optional<AtFrequency> peak;           // dB above the level far above resonance
    std::vector<FrequencyRange> over_xmax;     // empty without Xmax or when never passed
    std::optional<AtFrequency> port_velocity;  // peak m/s below 100 hz; none when sealed
    std::optional<double> max_power_at_20hz;   // W without passing Xmax; none without Xmax
};
ResponseFigures response_figures(const ResponseModel& m);

}  // namespace enclavio
