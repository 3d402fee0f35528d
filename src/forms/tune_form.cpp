#include "forms/tune_form.hpp"

#include <utility>

#include "analysis/port_solver.hpp"

namespace enclavio {

namespace {

constexpr int kPortLengthControl = 1;
constexpr int kEnter = 13;

// How finely the port length field shows a length in each unit mode.
std::string_view rounding_step(UnitMode mode) {
    switch (mode) {
        case UnitMode::Inches: return "a sixteenth of an inch";
        case UnitMode::DecimalInches: return "a hundredth of an inch";
        case UnitMode::Metric:
        case UnitMode::MetricCm: break;
    }
    return "a whole millimetre";
}

std::string without_leading_blanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

TuneAnswer tune_port(const Session& s, double target_hz) {
    TuneAnswer a;
    const AnalysisInputs in = analysis_inputs(s);
    const PortSolveResult r = find_port_length(s.design, in, target_hz);
    if (!r.solved) {
        a.message = r.message;
        return a;
    }
    a.length = r.length;
    a.text = length_text(s.mode, r.length);
    const LengthEntry back = length_from_text(s.mode, a.text);
    if (!back.error.empty()) {
        // Only a length far beyond any box gets here.
        a.message = "The port length of " + plain_text(r.length) + " mm cannot be shown in these units.";
        return a;
    }
    a.applied = back.mm;

    // The analysis of the design with the length as the field will hold it.
    BoxDesign rounded = s.design;
    rounded.portlength = a.applied;
    Graph graph;
    Results results;
    res_wall2wall(rounded, in, graph, results);
    a.tuning = rounded.tunefrequency;
    if (a.tuning != truncate_to(target_hz, 1)) {
        a.note = "Rounded to " + std::string(rounding_step(s.mode)) + ", this length tunes the box to" +
                 number_text(a.tuning) + " hz.";
    }
    a.solved = true;
    return a;
}

void TuneForm::solve() {
    const Session& s = main_.s;
    state_.answer = tune_port(s, numeric_value(state_.target));
    const TuneAnswer& a = state_.answer;
    state_.apply_enabled = a.solved;
    state_.refused = !a.solved;
    state_.length = a.solved ? without_leading_blanks(a.text) + std::string(unit_suffix(s.mode)) : std::string();
    state_.message = a.solved ? a.note : a.message;
}

void TuneForm::Form_Show() {
    const BoxDesign& d = main_.s.design;
    if (state_.target.empty() && d.tunefrequency > 0) state_.target = plain_text(d.tunefrequency);
    solve();
}

void TuneForm::Text1_Change(std::string text) {
    state_.target = std::move(text);
    solve();
}

bool TuneForm::Command1_Click() {
    if (!state_.apply_enabled) return false;
    main_.change(kPortLengthControl, state_.answer.text);
    main_.keypress(kPortLengthControl, kEnter);
    return true;
}

}  // namespace enclavio
