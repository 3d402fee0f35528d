#include "response/driver.hpp"

#include <cmath>
#include <numbers>

namespace enclavio {

namespace {

constexpr std::string_view kParameterNames[] = {"Fs", "Qes",  "Qms",   "Vas", "Re",
                                                "Sd", "Xmax", "Power", "QL",  "Drivers"};

bool above_zero(double v) { return v > 0 && std::isfinite(v); }

}  // namespace

std::string_view driver_parameter_name(DriverParameter p) { return kParameterNames[static_cast<int>(p)]; }

std::vector<DriverParameter> missing_parameters(const DriverParameters& p) {
    const struct {
        DriverParameter parameter;
        bool present;
    } checks[] = {
        {DriverParameter::Fs, above_zero(p.fs)},
        {DriverParameter::Qes, above_zero(p.qes)},
        {DriverParameter::Qms, above_zero(p.qms)},
        {DriverParameter::Vas, above_zero(p.vas)},
        {DriverParameter::Re, above_zero(p.re)},
        {DriverParameter::Sd, above_zero(p.sd)},
        {DriverParameter::Xmax, p.xmax >= 0 && std::isfinite(p.xmax)},
        {DriverParameter::Power, above_zero(p.power)},
        {DriverParameter::QL, above_zero(p.ql)},
        {DriverParameter::Count, above_zero(p.count)},
    };
    std::vector<DriverParameter> missing;
    for (const auto& c : checks) {
        if (!c.present) missing.push_back(c.parameter);
    }
    return missing;
}

std::string missing_text(const std::vector<DriverParameter>& missing) {
    if (missing.empty()) return {};
    std::string text;
    for (std::size_t i = 0; i < missing.size(); ++i) {
        if (i > 0) text += i + 1 == missing.size() ? " and " : ", ";
        text += driver_parameter_name(missing[i]);
    }
    return text + (missing.size() == 1 ? " is missing." : " are missing.");
}

double total_q(const DriverParameters& p) { return p.qes * p.qms / (p.qes + p.qms); }

DriverElements driver_elements(const DriverParameters& p) {
    const double n = p.count;
    const double sd = p.sd * 1e-4;    // cm^2 to m^2
    const double vas = p.vas * 1e-3;  // litres to m^3
    const double ws = 2 * std::numbers::pi * p.fs;
    // One driver.
    const double cms = vas / (kAirDensity * kAirSoundSpeed * kAirSoundSpeed * sd * sd);
    const double mms = 1 / (ws * ws * cms);
    const double bl = std::sqrt(ws * mms * p.re / p.qes);
    const double rms = ws * mms / p.qms;
    // N of them as one: Sd, Vas and Mms N times, so Cms / N; Fs, Qes and Qms unchanged.
    DriverElements d;
    d.sd = n * sd;
    d.cms = cms / n;
    d.mms = n * mms;
    d.rms = n * rms;
    d.bl = p.wiring == Wiring::Parallel ? bl : n * bl;
    d.re = p.wiring == Wiring::Parallel ? p.re / n : n * p.re;
    d.e = std::sqrt(p.power * d.re);
    return d;
}

}  // namespace enclavio
