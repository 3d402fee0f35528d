// Designing the box for the driver: the tuning with the lowest F3 for a
// working volume, and the smallest working volume that reaches a target F3.
#pragma once

#include <string>

#include "response/driver.hpp"

namespace enclavio {

// How far the response may rise above its level far above resonance.
inline constexpr double kFitRippleDb = 0.5;

// How near -3 dB the response may sag above its F3. A response that sags to
// just above -3 dB in its pass band has its F3 below the sag, and the least
// change (a field's rounding) takes the sag below -3 dB and the F3 up past
// it, often by an octave; the fits keep this far from that edge.
inline constexpr double kFitSagMarginDb = 0.1;

// The tunings searched, as multiples of the drivers' Fs.
inline constexpr double kLowestTuningRatio = 0.05;
inline constexpr double kHighestTuningRatio = 10;

// The working volumes searched for a target F3, as multiples of the Vas of
// all drivers together.
inline constexpr double kSmallestVolumeRatio = 0.01;
inline constexpr double kLargestVolumeRatio = 50;

struct Fit {
    bool found = false;
    double working_volume = 0;  // litres
    double tuning = 0;          // hz
    double f3 = 0;              // hz
    std::string reason;         // why there is none, when not found
};

// "Tune this box": for the working volume, the tuning (between 0.05 and 10
// times Fs) with the lowest F3 whose response never rises more than 0.5 dB
// above its level far above resonance (nor sags to within 0.1 dB of -3 dB
// above its F3).
Fit fit_tuning(const DriverParameters& p, double working_volume);

// "Box for a target F3": the smallest working volume (between Vas / 100 and
// 50 Vas) whose fit_tuning has an F3 of at most `target_f3`, with that tuning.
Fit fit_volume(const DriverParameters& p, double target_f3);

}  // namespace enclavio
