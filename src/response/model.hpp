// The lumped model of the drivers in the box: the box as the drivers see it,
// and the transfer functions from the input voltage to the pressure at 1 m,
// the cone excursion, the port flow and the input impedance.
#pragma once

#include <complex>
#include <optional>
#include <string>

#include "design/design.hpp"
#include "response/driver.hpp"
#include "response/polynomial.hpp"

namespace enclavio {

// The box as the drivers see it, from an analysed design.
struct BoxAcoustics {
    double working_volume = 0;  // litres
    double tuning = 0;          // hz, before it is truncated for display; 0 when there is none
    double port_count = 0;      // may be fractional, as the analysis counts them
    double port_diameter = 0;   // mm, internal
    // Ported, with a diameter, and tuned; otherwise the box is sealed.
    bool vented() const { return port_count > 0 && port_diameter > 0 && tuning > 0; }
};

// Reads the working volume, the unrounded tuning and the ports of a design
// the analysis has run on (res_wall2wall or compute_volume_budget with the
// end correction set).
BoxAcoustics box_acoustics(const BoxDesign& analysed);

// The acoustic elements of the drivers in the box (SI units: Pa, m^3/s,
// acoustic ohms), the analogue circuit the transfer functions come from.
struct Circuit {
    double pg = 0;   // source pressure e Bl / (Sd Re), Pa RMS
    double rae = 0;  // Bl^2 / (Sd^2 Re), the motor's electrical damping
    double ras = 0;  // Rms / Sd^2
    double mas = 0;  // Mms / Sd^2
    double cas = 0;  // Cms Sd^2
    double cab = 0;  // Vb / (rho c^2)
    double map = 0;  // 1 / ((2 pi Fb)^2 Cab); 0 when sealed
    double ral = 0;  // QL / (2 pi Fb Cab); 0 when sealed
};

// A ratio of two polynomials in s = j 2 pi f.
struct Transfer {
    Polynomial num, den;
    std::complex<double> at(double hz) const;
};

struct ResponseModel {
    DriverElements driver;
    double power = 0;  // W, all drivers together
    double xmax = 0;   // m, one way; 0 when not given
    Circuit circuit;
    bool vented = false;
    double port_area = 0;  // m^2, all ports together; 0 when sealed
    // From the input voltage (RMS), all on one denominator except the impedance:
    Transfer pressure;                   // Pa RMS at 1 m, half space
    Transfer excursion;                  // cone displacement, m RMS
    Transfer port_flow;                  // volume velocity through all ports, m^3/s RMS; 0 when sealed
    Transfer impedance;                  // input impedance, ohm
    double high_frequency_pressure = 0;  // Pa RMS: the pressure's level far above resonance
};

// Empty text when a model can be made; else why not: the missing parameters,
// or a box with no working volume.
std::string why_no_response(const DriverParameters& p, const BoxAcoustics& box);

// The model, or nothing when why_no_response says why.
std::optional<ResponseModel> response_model(const DriverParameters& p, const BoxAcoustics& box);
std::optional<ResponseModel> response_model(const DriverParameters& p, const BoxDesign& analysed);

// The same when why_no_response is known to be empty; the fits, which try
// many boxes, need the pressure alone.
enum class ModelParts { All, PressureOnly };
ResponseModel unchecked_response_model(const DriverParameters& p, const BoxAcoustics& box,
                                       ModelParts parts = ModelParts::All);

}  // namespace enclavio
