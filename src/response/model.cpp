#include "response/model.hpp"

#include <cmath>
#include <numbers>

#include "analysis/budget.hpp"

namespace enclavio {

BoxAcoustics box_acoustics(const BoxDesign& analysed) {
    BoxAcoustics box;
    box.working_volume = analysed.workingvolume;
    box.tuning = tuning_unrounded(analysed);
    box.port_count = analysed.portcount;
    box.port_diameter = analysed.portdiameter;
    return box;
}

std::complex<double> Transfer::at(double hz) const {
    const std::complex<double> s(0, 2 * std::numbers::pi * hz);
    return num(s) / den(s);
}

std::string why_no_response(const DriverParameters& p, const BoxAcoustics& box) {
    const auto missing = missing_parameters(p);
    if (!missing.empty()) return missing_text(missing);
    if (!(box.working_volume > 0) || !std::isfinite(box.working_volume)) return "The box has no working volume.";
    if (!std::isfinite(box.tuning) || !std::isfinite(box.port_count) || !std::isfinite(box.port_diameter)) {
        return "The box has no tuning.";
    }
    return {};
}

namespace {

Circuit circuit_of(const DriverElements& d, const DriverParameters& p, const BoxAcoustics& box) {
    Circuit c;
    const double sd2 = d.sd * d.sd;
    c.pg = d.e * d.bl / (d.sd * d.re);
    c.rae = d.bl * d.bl / (sd2 * d.re);
    c.ras = d.rms / sd2;
    c.mas = d.mms / sd2;
    c.cas = d.cms * sd2;
    c.cab = box.working_volume * 1e-3 / (kAirDensity * kAirSoundSpeed * kAirSoundSpeed);
    if (box.vented()) {
        const double wb = 2 * std::numbers::pi * box.tuning;
        c.map = 1 / (wb * wb * c.cab);
        c.ral = p.ql / (wb * c.cab);
    }
    return c;
}

}  // namespace

std::optional<ResponseModel> response_model(const DriverParameters& p, const BoxAcoustics& box) {
    if (!why_no_response(p, box).empty()) return std::nullopt;
    return unchecked_response_model(p, box);
}

ResponseModel unchecked_response_model(const DriverParameters& p, const BoxAcoustics& box, ModelParts parts) {
    ResponseModel m;
    m.driver = driver_elements(p);
    m.power = p.power;
    m.xmax = p.xmax * 1e-3;
    m.circuit = circuit_of(m.driver, p, box);
    m.vented = box.vented();
    const Circuit& c = m.circuit;

    // The cone's volume velocity U flows through the driver's series branch
    // (Rae + Ras, Mas, Cas) into the box, where it divides between the air
    // spring Cab, the port Map and the leak Ral, all at the box pressure pb.
    // What radiates is the cone's flow minus what the port and the leak
    // return: the flow into Cab, s Cab pb. With A = s Z_driver and B = s Y_box:
    //   U = pg s B / (s^2 + A B),  pb = pg s^2 / (s^2 + A B).
    const Polynomial a{1 / c.cas, c.rae + c.ras, c.mas};
    const double k = kAirDensity / (2 * std::numbers::pi * kListeningDistance);  // p = k s U_radiated
    const double sd = m.driver.sd;
    const double motor = m.driver.bl * m.driver.bl / (sd * sd);  // (Bl / Sd)^2
    const Polynomial mechanical{1 / c.cas, c.ras, c.mas};        // the series branch without the motor
    const double re = m.driver.re;
    // Far above resonance the mass alone limits the cone: p = k pg / Mas.
    m.high_frequency_pressure = k * c.pg / c.mas;
    if (m.vented) {
        const Polynomial b{1 / c.map, 1 / c.ral, c.cab};
        const Polynomial s2{0, 0, 1};
        const Polynomial d = s2 + a * b;
        m.pressure = {k * c.cab * c.pg * Polynomial{0, 0, 0, 0, 1}, d};
        if (parts == ModelParts::PressureOnly) return m;
        m.excursion = {(c.pg / sd) * b, d};                    // U / (s Sd)
        m.port_flow = {(c.pg / c.map) * Polynomial{0, 1}, d};  // pb / (s Map)
        // Z = Re + (Bl/Sd)^2 / (Z_mechanical + Z_box), Z_box = s / B.
        const Polynomial z = mechanical * b + s2;
        m.impedance = {re * z + motor * (Polynomial{0, 1} * b), z};
        m.port_area = box.port_count * std::numbers::pi * std::pow(box.port_diameter * 1e-3 / 2, 2);
    } else {
        // B = s^2 Cab: the factor s^2 cancels throughout.
        const Polynomial d = Polynomial{1} + c.cab * a;
        m.pressure = {k * c.cab * c.pg * Polynomial{0, 0, 1}, d};
        if (parts == ModelParts::PressureOnly) return m;
        m.excursion = {Polynomial{c.pg * c.cab / sd}, d};
        m.port_flow = {Polynomial{}, d};
        const Polynomial z = Polynomial{1} + c.cab * mechanical;
        m.impedance = {re * z + motor * c.cab * Polynomial{0, 1}, z};
    }
    return m;
}

std::optional<ResponseModel> response_model(const DriverParameters& p, const BoxDesign& analysed) {
    return response_model(p, box_acoustics(analysed));
}

}  // namespace enclavio
