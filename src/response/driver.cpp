#include "response/driver.hpp"

#include <charconv>
#include <cmath>
#include <numbers>
#include <system_error>

namespace enclavio {

namespace {

bool above_zero(double v) { return v > 0 && std::isfinite(v); }
bool acceptable(const DriverParameterInfo& info, double v) {
    return info.may_be_zero ? v >= 0 && std::isfinite(v) : above_zero(v);
}

constexpr double kCm2PerSquareInch = kMmPerInch * kMmPerInch / 100;

// How many stored units one shown unit is, in the inch modes.
double imperial_factor(DriverParameter p) {
    switch (p) {
        case DriverParameter::Vas: return 1 / kCuFtPerLitre;
        case DriverParameter::Sd: return kCm2PerSquareInch;
        case DriverParameter::Xmax: return kMmPerInch;
        default: return 1;
    }
}

}  // namespace

const std::array<DriverParameterInfo, kDriverParameterCount>& driver_parameters() {
    static const std::array<DriverParameterInfo, kDriverParameterCount> table{{
        {DriverParameter::Fs, "Fs", "fs", &DriverParameters::fs, false},
        {DriverParameter::Qes, "Qes", "qes", &DriverParameters::qes, false},
        {DriverParameter::Qms, "Qms", "qms", &DriverParameters::qms, false},
        {DriverParameter::Vas, "Vas", "vas", &DriverParameters::vas, false},
        {DriverParameter::Re, "Re", "re", &DriverParameters::re, false},
        {DriverParameter::Sd, "Sd", "sd", &DriverParameters::sd, false},
        {DriverParameter::Xmax, "Xmax", "xmax", &DriverParameters::xmax, true},
        {DriverParameter::Power, "Power", "power", &DriverParameters::power, false},
        {DriverParameter::QL, "QL", "ql", &DriverParameters::ql, false},
        {DriverParameter::Count, "Number of drivers", "", &DriverParameters::count, false},
    }};
    return table;
}

const DriverParameterInfo& driver_parameter(DriverParameter p) {
    return driver_parameters()[static_cast<std::size_t>(p)];
}

std::string_view driver_parameter_name(DriverParameter p) { return driver_parameter(p).name; }

std::string_view wiring_word(Wiring w) { return w == Wiring::Series ? "series" : "parallel"; }

std::optional<Wiring> wiring_from_word(std::string_view word) {
    if (word == "parallel") return Wiring::Parallel;
    if (word == "series") return Wiring::Series;
    return std::nullopt;
}

std::vector<DriverParameter> missing_parameters(const DriverParameters& p) {
    std::vector<DriverParameter> missing;
    for (const DriverParameterInfo& info : driver_parameters()) {
        if (!acceptable(info, p.*info.member)) missing.push_back(info.parameter);
    }
    return missing;
}

std::string_view parameter_unit(DriverParameter p, UnitMode mode) {
    const bool inches = is_imperial(mode);
    switch (p) {
        case DriverParameter::Fs: return "hz";
        case DriverParameter::Vas: return inches ? "cu.ft" : "litres";
        case DriverParameter::Re: return "ohm";
        case DriverParameter::Sd: return inches ? "sq.in" : "cm2";
        case DriverParameter::Xmax: return inches ? "inches" : "mm";
        case DriverParameter::Power: return "W";
        default: return "";
    }
}

double shown_value(DriverParameter p, UnitMode mode, double stored) {
    return is_imperial(mode) ? stored / imperial_factor(p) : stored;
}

double stored_value(DriverParameter p, UnitMode mode, double shown) {
    return is_imperial(mode) ? shown * imperial_factor(p) : shown;
}

ParameterEntry read_parameter(DriverParameter p, UnitMode mode, std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const DriverParameterInfo& info = driver_parameter(p);
    const std::string error =
        std::string(info.name) + (info.may_be_zero ? " must be a number, 0 or above." : " must be a number above 0.");
    double shown = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), shown);
    if (ec != std::errc() || end != text.data() + text.size()) return {0, error};
    const double stored = stored_value(p, mode, shown);
    if (!acceptable(info, stored)) return {0, error};
    return {stored, ""};
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
