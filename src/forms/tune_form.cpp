#include "forms/tune_form.hpp"

#include <optional>
#include <utility>

#include "analysis/port_solver.hpp"
#include "forms/main_fields.hpp"

namespace enclavio {

namespace {

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

namespace {

struct Shown {
    std::string text;   // as the field shows it
    double mm = 0;      // as the field reads it back
    double tuning = 0;  // the tuning the analysis shows with that length
};

// The analysis of the design with the port length the field would hold.
std::optional<Shown> shown_length(const Session& s, const AnalysisInputs& in, std::string text) {
    const LengthEntry back = length_from_text(s.mode, text);
    if (!back.error.empty()) return std::nullopt;
    BoxDesign d = s.design;
    d.portlength = back.mm;
    Graph graph;
    Results results;
    res_wall2wall(d, in, graph, results);
    return Shown{std::move(text), back.mm, d.tunefrequency};
}

// The length the field shows next to `mm` on the shorter (direction -1) or
// longer (+1) side, found by asking the field's own formatting.
std::optional<std::string> next_shown_text(UnitMode mode, double mm, int direction) {
    constexpr double kProbe = 0.05;  // mm; finer than any unit's step
    constexpr int kProbes = 60;      // 3 mm: past a sixteenth of an inch
    for (int k = 1; k <= kProbes; ++k) {
        const double probe = mm + direction * kProbe * k;
        if (!(probe > 0)) break;
        std::string text = length_text(mode, probe);
        const LengthEntry back = length_from_text(mode, text);
        if (!back.error.empty()) break;
        if (direction < 0 ? back.mm < mm : back.mm > mm) return text;
    }
    return std::nullopt;
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

    // The field shows whole millimetres, sixteenths or hundredths of an inch,
    // and the tuning label shows tenths cut off, not rounded. The nearest
    // length the field can show comes first; when it moves the shown tuning
    // off the target, the one on the other side of the exact length is taken
    // if it keeps the target, or if the nearest is too short to tune at all.
    std::optional<Shown> shown = shown_length(s, in, length_text(s.mode, r.length));
    if (!shown) {
        // Only a length far beyond any box gets here.
        a.message = "The port length of " + plain_text(r.length) + " mm cannot be shown in these units.";
        return a;
    }
    const double wanted = truncate_to(target_hz, 1);
    if (shown->tuning != wanted && shown->mm != r.length) {
        const int direction = shown->mm > r.length ? -1 : 1;
        if (const auto text = next_shown_text(s.mode, shown->mm, direction)) {
            auto other = shown_length(s, in, *text);
            if (other && (other->tuning == wanted || (shown->tuning == 0 && other->tuning > 0)))
                shown = std::move(other);
        }
    }
    a.text = shown->text;
    a.applied = shown->mm;
    a.tuning = shown->tuning;
    if (a.tuning != wanted) {
        a.note = "Rounded to " + std::string(rounding_step(s.mode)) + ", this length tunes the box to" +
                 number_text(a.tuning) + " hz.";
    }
    a.solved = true;
    return a;
}

void TuneForm::solve() {
    const Session& s = main_.session;
    state_.answer = tune_port(s, numeric_value(state_.target));
    const TuneAnswer& a = state_.answer;
    state_.apply_enabled = a.solved;
    state_.refused = !a.solved;
    state_.length = a.solved ? without_leading_blanks(a.text) + std::string(unit_suffix(s.mode)) : std::string();
    state_.message = a.solved ? a.note : a.message;
}

void TuneForm::Form_Show() {
    const BoxDesign& d = main_.session.design;
    if (state_.target.empty() && d.tunefrequency > 0) state_.target = plain_text(d.tunefrequency);
    solve();
}

void TuneForm::Text1_Change(std::string text) {
    state_.target = std::move(text);
    solve();
}

bool TuneForm::Command1_Click() {
    if (!state_.apply_enabled) return false;
    main_.change(MainField::PortLength, state_.answer.text);
    main_.keypress(MainField::PortLength, kEnterKey);
    return true;
}

}  // namespace enclavio
