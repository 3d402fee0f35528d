#include "response/box_solver.hpp"

#include <algorithm>
#include <cmath>

#include "analysis/budget.hpp"
#include "analysis/port_solver.hpp"

namespace enclavio {

BoxDesign analysed_box(const BoxDesign& d, const AnalysisInputs& in, double port_length, std::optional<double> depth) {
    BoxDesign t = d;
    if (depth) {
        t.boxdepth = *depth;
        compute_volume(t);
    }
    t.portlength = port_length;
    compute_volume_budget(t, in);
    t.endcorrection = end_correction(in.flange);
    t.tunefrequency = tuning_frequency(t);
    return t;
}

BoxOutcome box_outcome(const BoxDesign& analysed) {
    return {analysed.workingvolume, tuning_unrounded(analysed), analysed.tunefrequency};
}

namespace {

BoxSolution refuse(std::string reason) {
    BoxSolution s;
    s.reason = std::move(reason);
    return s;
}

// The working volume before it is held at 0, so that it stays a straight
// line in the depth even where no volume is left.
double unheld_working_volume(const BoxDesign& analysed) { return analysed.boxvol - analysed.componentvolume; }

bool close(double a, double b) { return std::fabs(a - b) <= 1e-7 * std::max(std::fabs(a), std::fabs(b)); }

}  // namespace

BoxSolution solve_box(const BoxDesign& d, const AnalysisInputs& in, double working_volume, double tuning) {
    const BoxDesign base = analysed_box(d, in, d.portlength);
    if (base.portcount == 0) return refuse("There are no ports to tune. Set the number of ports first.");
    if (!(base.portdiameter > 0)) return refuse("The port diameter must be above 0 before a port length can be found.");
    if (!(working_volume > 0) || !std::isfinite(working_volume) || !(tuning > 0) || !std::isfinite(tuning)) {
        return refuse("The working volume and the tuning must be above 0.");
    }

    // The tuning in the working volume fixes the effective length of the port.
    const double effective = tuning_numerator(base.portdiameter, base.portcount) / (tuning * tuning * working_volume);
    const double length = effective - effective_port_length(0, base.endcorrection, base.portdiameter);
    if (!(length > 5) || !std::isfinite(length)) {
        return refuse(
            "No port length gives this tuning: the ports are too wide for it. A smaller port diameter or "
            "fewer ports will help.");
    }

    // The working volume is a straight line in the depth wherever there is
    // room inside: found from two depths that leave some, then solved.
    double near = std::max(d.boxdepth, 1.0);
    BoxDesign a = analysed_box(d, in, length, near);
    for (int i = 0; i < 64 && !(a.innerdepth > 0); ++i) a = analysed_box(d, in, length, near = 2 * near + 1);
    const double far = 2 * near + 1000;
    const BoxDesign b = analysed_box(d, in, length, far);
    const double slope = (unheld_working_volume(b) - unheld_working_volume(a)) / (far - near);
    if (!(a.innerdepth > 0) || !(slope > 0) || !std::isfinite(slope)) {
        return refuse("The box's width and height leave no room inside: no depth gives this volume.");
    }
    double depth = near + (working_volume - unheld_working_volume(a)) / slope;
    BoxDesign t = analysed_box(d, in, length, depth);
    depth += (working_volume - unheld_working_volume(t)) / slope;  // what rounding left over
    t = analysed_box(d, in, length, depth);
    if (!(depth >= 1) || !(t.innerdepth > 0)) {
        return refuse("No depth gives this working volume: the depth would leave no room inside the box.");
    }
    const double longest = std::max({t.innerdepth, t.innerwidth, t.innerheight});
    if (port_inside_length(t, length) > longest) {
        return refuse("The port would be longer than the box's longest inner dimension.");
    }
    // Apply types the port length through the port-length solver: a fit is
    // only offered where that solver, asked for this tuning in the box of this
    // depth, gives the same port.
    BoxDesign sized = d;
    sized.boxdepth = depth;
    compute_volume(sized);
    if (const PortSolveResult port = find_port_length(sized, in, tuning); !port.solved) {
        return refuse(port.message);
    } else if (std::fabs(port.length - length) > 1e-6 * std::max(1.0, length)) {
        return refuse("No depth and port length give this working volume and tuning.");
    }
    BoxSolution s;
    s.outcome = box_outcome(t);
    if (!close(s.outcome.working_volume, working_volume) || !close(s.outcome.tuning, tuning)) {
        return refuse("No depth and port length give this working volume and tuning.");
    }
    s.solved = true;
    s.depth = depth;
    s.port_length = length;
    return s;
}

}  // namespace enclavio
