// The driver's published parameters, the check of what is missing, and the
// mechanical and electrical elements they give for one or several drivers
// acting together.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "units/units.hpp"

namespace enclavio {

// The air and the listening position the response is predicted for. The
// standing-wave resonances keep their own speed of sound (344 m/s).
inline constexpr double kAirDensity = 1.204;         // kg/m^3
inline constexpr double kAirSoundSpeed = 343.0;      // m/s
inline constexpr double kListeningDistance = 1.0;    // m, radiating into half space
inline constexpr double kReferencePressure = 20e-6;  // Pa, 0 dB SPL

enum class Wiring { Parallel, Series };

// One driver's parameters as its data sheet gives them, with the input power,
// the box losses and how many drivers share the box.
struct DriverParameters {
    double fs = 0;     // free-air resonance, hz
    double qes = 0;    // electrical Q
    double qms = 0;    // mechanical Q
    double vas = 0;    // equivalent compliance volume, litres
    double re = 0;     // voice-coil resistance, ohm
    double sd = 0;     // cone area, cm^2
    double xmax = 0;   // linear excursion, mm one way; 0 when not given
    double power = 1;  // input power, W, for all drivers together
    double ql = 7;     // box losses (leakage Q)
    Wiring wiring = Wiring::Parallel;
    double count = 1;  // number of drivers
    friend bool operator==(const DriverParameters&, const DriverParameters&) = default;
};

// The parameters by name, in the order the data sheet and the window list them.
enum class DriverParameter { Fs, Qes, Qms, Vas, Re, Sd, Xmax, Power, QL, Count };
inline constexpr int kDriverParameterCount = 10;

// How each parameter is named, stored and typed.
struct DriverParameterInfo {
    DriverParameter parameter;
    std::string_view name;             // "Fs", as messages name it
    std::string_view key;              // "fs": the command-line option and the project's key; empty for Count
    double DriverParameters::*member;  // &DriverParameters::fs
    bool may_be_zero;                  // Xmax alone: 0 when not given
};
const std::array<DriverParameterInfo, kDriverParameterCount>& driver_parameters();
const DriverParameterInfo& driver_parameter(DriverParameter p);
std::string_view driver_parameter_name(DriverParameter p);  // "Fs", "Qes", ...

// "parallel" or "series", and back (exactly).
std::string_view wiring_word(Wiring w);
std::optional<Wiring> wiring_from_word(std::string_view word);

// The parameters that stop a prediction: each when it is not above 0 (0 is
// what an empty entry holds), Xmax only when below 0. Not a number counts as
// missing. In the order of DriverParameter.
std::vector<DriverParameter> missing_parameters(const DriverParameters& p);

// One line naming them: "Fs is missing.", "Fs, Vas and Sd are missing."; empty
// when none.
std::string missing_text(const std::vector<DriverParameter>& missing);

// The unit a parameter is typed and shown in: in the inch modes Vas in cubic
// feet, Sd in square inches and Xmax in inches; the rest as stored (hz,
// litres, ohm, cm^2, mm, W). Empty for the Qs and the count.
std::string_view parameter_unit(DriverParameter p, UnitMode mode);  // "hz", "litres", "cu.ft", "cm2", "sq.in", ...
double shown_value(DriverParameter p, UnitMode mode, double stored);
double stored_value(DriverParameter p, UnitMode mode, double shown);

// A parameter as typed into its field, read in the mode's unit: an empty text
// is 0 (not given); otherwise the whole text, blanks aside, must be a number,
// above 0 (Xmax: 0 or above). On a bad text `error` says why and `value` is 0.
struct ParameterEntry {
    double value = 0;   // stored unit
    std::string error;  // "Fs must be a number above 0."
};
ParameterEntry read_parameter(DriverParameter p, UnitMode mode, std::string_view text);

// Total Q of the driver: Qes Qms / (Qes + Qms).
double total_q(const DriverParameters& p);

// The drivers acting as one, in SI units (m, kg, s, N, ohm): the cone area,
// compliance and moving mass of all drivers together, and the motor and
// resistance as the wiring makes them.
struct DriverElements {
    double sd = 0;   // m^2, N Sd
    double cms = 0;  // m/N, Vas / (rho c^2 Sd^2) of one driver, over N
    double mms = 0;  // kg, N Mms
    double rms = 0;  // N s/m, N Rms
    double bl = 0;   // T m: Bl in parallel, N Bl in series
    double re = 0;   // ohm: Re / N in parallel, N Re in series
    double e = 0;    // V RMS, sqrt(P Re) with Re as wired
};
// Assumes missing_parameters(p) is empty.
DriverElements driver_elements(const DriverParameters& p);

}  // namespace enclavio
