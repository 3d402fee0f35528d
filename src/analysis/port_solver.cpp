#include "analysis/port_solver.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/budget.hpp"

namespace enclavio {

namespace {

// The analysis tunes only a port longer than this (mm).
constexpr double kShortestPort = 5;

// The design as the analysis would leave it with a port `length` long.
BoxDesign with_port_length(const BoxDesign& d, const AnalysisInputs& in, double length) {
    BoxDesign t = d;
    t.portlength = length;
    compute_volume_budget(t, in);
    t.endcorrection = end_correction(in.flange);
    return t;
}

// Real roots of a x^2 + b x + c = 0, ascending; computed so that neither root
// loses its digits to cancellation.
std::vector<double> quadratic_roots(double a, double b, double c) {
    std::vector<double> roots;
    if (a == 0) {
        if (b != 0) roots.push_back(-c / b);
        return roots;
    }
    const double disc = b * b - 4 * a * c;
    if (!(disc >= 0)) return roots;
    const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
    roots.push_back(q / a);
    if (q != 0) roots.push_back(c / q);
    std::sort(roots.begin(), roots.end());
    return roots;
}

PortSolveResult refuse(std::string message) {
    PortSolveResult r;
    r.message = std::move(message);
    return r;
}

}  // namespace

PortSolveResult find_port_length(const BoxDesign& d, const AnalysisInputs& in, double target_hz) {
    // Counts, bracing and the end correction exactly as the analysis takes them.
    const BoxDesign base = with_port_length(d, in, d.portlength);
    if (base.portcount == 0) {
        return refuse("There are no ports to tune. Set the number of ports first.");
    }
    if (!(target_hz > 0) || !std::isfinite(target_hz)) {
        return refuse("The tuning frequency must be above 0 hz.");
    }
    if (!(base.portdiameter > 0)) {
        return refuse("The port diameter must be above 0 before a port length can be found.");
    }

    const double diameter = base.portdiameter;
    const double wall = base.portwallthickness;
    const double ports = base.portcount;
    // Working volume falls by `a` litres for each millimetre of port length;
    // `b` is what it would be with ports of no length (the part of each port
    // inside the front panel or panels added back).
    const double a = port_volume_of(ports, 1.0, diameter, wall);
    const double b = base.boxvol - component_volume(port_volume_of(ports, port_inside_length(base, 0), diameter, wall),
                                                    base.bracingvolume, base.drivercount, base.drivervolume);
    const double e = effective_port_length(0, base.endcorrection, diameter);  // end correction, mm
    const double k = tuning_numerator(diameter, ports) / (target_hz * target_hz);

    // (L + e) (b - a L) = k. The shorter root is the usual port, on the side
    // where a longer port tunes lower. The longer root exists only because
    // the ports then take so much of the box that a longer one tunes higher:
    // it is an answer only while the ports still fit inside the box.
    BoxDesign inside = base;
    compute_inner_dimensions(inside);
    const double longest_inside = std::max({inside.innerdepth, inside.innerwidth, inside.innerheight});
    const std::vector<double> roots = quadratic_roots(a, a * e - b, k - e * b);
    for (std::size_t i = 0; i < roots.size(); ++i) {
        const double length = roots[i];
        if (!std::isfinite(length) || !(length > kShortestPort)) continue;
        const bool ports_fill_the_box = i > 0;
        if (ports_fill_the_box && !(length <= longest_inside)) continue;
        if (!(with_port_length(base, in, length).workingvolume > 0)) continue;
        PortSolveResult r;
        r.solved = true;
        r.length = length;
        return r;
    }

    // No length: the target is above what even the shortest port the analysis
    // tunes gives, or below what any port the box can hold gives.
    const BoxDesign shortest =
        with_port_length(base, in, std::nextafter(kShortestPort, std::numeric_limits<double>::infinity()));
    if (const double highest = tuning_unrounded(shortest); highest > 0 && target_hz > highest) {
        return refuse("A tuning of " + plain_text(target_hz) +
                      " hz is too high for this port: even the shortest port tunes the box to" +
                      number_text(tuning_frequency(shortest)) + " hz. A larger port diameter or more ports will help.");
    }
    return refuse("The box is too small for this port at " + plain_text(target_hz) +
                  " hz: no port length gives that tuning. A smaller port diameter or fewer "
                  "ports will help.");
}

PortSolveResult solve_port_length(BoxDesign& d, const AnalysisInputs& in, double target_hz) {
    PortSolveResult r = find_port_length(d, in, target_hz);
    if (r.solved) d.portlength = r.length;
    return r;
}

}  // namespace enclavio
