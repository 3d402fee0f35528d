#include "response/design_fit.hpp"

#include <cmath>

#include "analysis/port_solver.hpp"
#include "response/curves.hpp"

namespace enclavio {

DesignFit tune_this_box(const DriverParameters& p, const BoxDesign& d, const AnalysisInputs& in) {
    DesignFit answer;
    const BoxDesign now = analysed_box(d, in, d.portlength);
    answer.fit = fit_tuning(p, now.workingvolume);
    if (!answer.fit.found) return answer;
    // The port's length changes its volume and so the working volume; a few
    // rounds settle on the tuning that suits the volume it leaves, to well
    // within what the fit itself resolves.
    constexpr int kRounds = 12;
    constexpr double kSettled = 1e-6;  // relative change of the working volume
    for (int round = 0; round < kRounds; ++round) {
        const PortSolveResult port = find_port_length(d, in, answer.fit.tuning);
        answer.box = {};
        if (!port.solved) {
            answer.box.reason = port.message;
            return answer;
        }
        const BoxDesign t = analysed_box(d, in, port.length);
        answer.box.solved = true;
        answer.box.depth = d.boxdepth;
        answer.box.port_length = port.length;
        answer.box.outcome = box_outcome(t);
        if (std::fabs(t.workingvolume - answer.fit.working_volume) <= kSettled * answer.fit.working_volume) break;
        const Fit again = fit_tuning(p, t.workingvolume);
        if (!again.found) break;  // keep the last tuning that has one
        answer.fit = again;
    }
    // What the box gives with that port: its working volume, tuning and F3.
    answer.fit.working_volume = answer.box.outcome.working_volume;
    answer.fit.tuning = answer.box.outcome.tuning;
    const auto model = response_model(p, box_acoustics(analysed_box(d, in, answer.box.port_length)));
    if (const auto f3 = model ? level_frequency(*model, -3) : std::nullopt) answer.fit.f3 = *f3;
    return answer;
}

DesignFit box_for_target(const DriverParameters& p, const BoxDesign& d, const AnalysisInputs& in, double target_f3) {
    DesignFit answer;
    answer.fit = fit_volume(p, target_f3);
    if (answer.fit.found) answer.box = solve_box(d, in, answer.fit.working_volume, answer.fit.tuning);
    return answer;
}

}  // namespace enclavio
