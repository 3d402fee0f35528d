#include "analysis/budget.hpp"

#include <cmath>

namespace enclavio {

int front_panels(const BoxDesign& d) { return d.doublefront == 1 ? 2 : 1; }

void compute_inner_dimensions(BoxDesign& d) {
    const double t = d.boxthickness;
    d.innerwidth = finite_or_zero(d.boxwidth - 2 * t);
    d.innerheight = finite_or_zero(d.boxheight - 2 * t);
    d.innerdepth = finite_or_zero(d.boxdepth - (d.doublefront + 2) * t);
}

double port_inside_length(const BoxDesign& d, double portlength) {
    return portlength - front_panels(d) * d.boxthickness;
}

double port_volume_of(double portcount, double inside, double diameter, double wall) {
    const double r = diameter / 2 + wall;  // the port wall takes up volume too
    return ((portcount * inside) * kPiValue) * (r * r) / kMm3PerLitre;
}

double port_volume(const BoxDesign& d, double portcount) {
    if (d.portlength > 0 && d.portdiameter > 0) {
        return port_volume_of(portcount, port_inside_length(d, d.portlength), d.portdiameter, d.portwallthickness);
    }
    return 0;
}

BracingVolumes bracing_volumes(const BoxDesign& d, const BracingChoices& choices) {
    const double t = d.boxthickness;
    BracingVolumes b;
    b.edge = ((((4 * d.boxheight + 4 * d.boxwidth) + 4 * d.boxdepth) - 16 * t) * (t * t)) / kMm3PerLitre;
    const double braces = numeric_value(choices.shelf_count_text);
    b.shelf = ((((3 * d.boxwidth + 3 * d.boxdepth) - 9 * t) * (t * t)) / kMm3PerLitre) * braces;
    const double edge_part = choices.edge_manual ? numeric_value(choices.edge_text) : b.edge;
    const double shelf_part = choices.shelf_manual ? numeric_value(choices.shelf_text) : b.shelf;
    b.volume = shelf_part + edge_part;
    return b;
}

double component_volume(double ports, double bracing, double drivercount, double drivervolume) {
    return (ports + bracing) + drivercount * drivervolume;
}

double working_volume(double boxvol, double componentvolume) {
    const double w = boxvol - componentvolume;
    return w >= 0 ? w : 0;  // also 0 when absurd inputs leave no number at all
}

void compute_volume_budget(BoxDesign& d, const AnalysisInputs& in) {
    d.portcount = std::fabs(numeric_value(in.ports_text));
    d.drivercount = std::fabs(numeric_value(in.drivers_text));
    const double ports = port_volume(d, d.portcount);
    const BracingVolumes b = bracing_volumes(d, in.bracing);
    const double components = component_volume(ports, b.volume, d.drivercount, d.drivervolume);
    // Sizes beyond any real box overflow a double: such a volume is stored as
    // 0, and components that overflow leave no working volume.
    d.portvolume = finite_or_zero(ports);
    d.edgebracing = finite_or_zero(b.edge);
    d.shelfbracing = finite_or_zero(b.shelf);
    d.bracingvolume = finite_or_zero(b.volume);
    d.componentvolume = finite_or_zero(components);
    d.workingvolume = finite_or_zero(working_volume(d.boxvol, components));
}

double tuning_numerator(double diameter, double portcount) {
    return (kTuningConstant * (diameter * diameter)) * portcount;
}

double effective_port_length(double portlength, double endcorrection, double diameter) {
    return portlength + endcorrection * diameter;
}

double tuning_unrounded(const BoxDesign& d) {
    if (d.portlength > 5 && d.portdiameter > 0 && d.workingvolume > 0) {
        const double numerator = tuning_numerator(d.portdiameter, d.portcount);
        const double denominator =
            effective_port_length(d.portlength, d.endcorrection, d.portdiameter) * d.workingvolume;
        return std::sqrt(std::fabs(numerator / denominator));
    }
    return 0;
}

double tuning_frequency(const BoxDesign& d) { return finite_or_zero(truncate_to(tuning_unrounded(d), 1)); }

namespace {
std::optional<std::int16_t> narrow(double f) {
    // Written so that NaN is refused as well.
    if (!(f <= 32767.0 && f >= -32768.0)) return std::nullopt;
    return static_cast<std::int16_t>(f);
}
}  // namespace

std::optional<std::int16_t> half_wave_frequency(double path) {
    return narrow(truncate_to(500 * (kSpeedOfSound / path), 0));
}

std::optional<std::int16_t> driver_frequency(double path) {
    return narrow(2 * truncate_to(250 * (kSpeedOfSound / path), 0));
}

}  // namespace enclavio
