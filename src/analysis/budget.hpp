// The volume budget and tuning rules of the analysis, shared by the analysis
// run and by the port-length solver so that each formula has one home.
#pragma once

#include <cstdint>
#include <optional>

#include "analysis/inputs.hpp"
#include "design/design.hpp"

namespace enclavio {

inline constexpr double kSpeedOfSound = 344.0;      // metres per second
inline constexpr double kPiValue = 3.14159265359;   // the 12-digit value the volumes use
inline constexpr double kTuningConstant = 2356.25;  // mm and litres in, hertz out

// The inside of the box: width and height less two panels, depth less the
// back and the front panel or panels.
void compute_inner_dimensions(BoxDesign& d);

// Number of front panels a port passes through: 2 with a doubled front, else 1.
int front_panels(const BoxDesign& d);

// Length of one port that lies inside the box, for a port `portlength` long.
double port_inside_length(const BoxDesign& d, double portlength);

// Volume (litres) of `portcount` ports whose inside part is `inside` mm long,
// measured over the outer radius (diameter / 2 + wall).
double port_volume_of(double portcount, double inside, double diameter, double wall);

// The port volume of the design as the analysis takes it: 0 unless both the
// port length and the diameter are above 0.
double port_volume(const BoxDesign& d, double portcount);

struct BracingVolumes {
    double edge = 0;    // automatic edge bracing
    double shelf = 0;   // automatic shelf bracing, all shelf braces together
    double volume = 0;  // what is deducted: automatic or typed, per part
};
BracingVolumes bracing_volumes(const BoxDesign& d, const BracingChoices& choices);

// (ports + bracing) + drivers.
double component_volume(double ports, double bracing, double drivercount, double drivervolume);
// boxvol - components, never below 0 (nor NaN).
double working_volume(double boxvol, double componentvolume);

// The volume steps of one analysis run: counts from the field texts, port,
// bracing, component and working volumes, all written into the design.
void compute_volume_budget(BoxDesign& d, const AnalysisInputs& in);

// Tuning: numerator (TUNING_CONSTANT x D^2) x ports, and the effective length.
double tuning_numerator(double diameter, double portcount);
double effective_port_length(double portlength, double endcorrection, double diameter);

// The tuning frequency before it is truncated to one decimal, from the
// design's port, portcount, endcorrection and workingvolume; 0 when the port
// is 5 mm or shorter, has no diameter, or there is no working volume.
double tuning_unrounded(const BoxDesign& d);
// The tuning frequency as shown: truncated to one decimal.
double tuning_frequency(const BoxDesign& d);

// Standing-wave frequencies for a path of `path` mm; empty when the value does
// not fit a 16-bit signed integer.
std::optional<std::int16_t> half_wave_frequency(double path);
std::optional<std::int16_t> driver_frequency(double path);

}  // namespace enclavio
