#include "forms/response_form.hpp"

#include <cmath>
#include <cstdio>
#include <utility>

#include "forms/main_fields.hpp"
#include "forms/tune_form.hpp"
#include "storage/project.hpp"

namespace enclavio {

namespace {

constexpr std::string_view kKeyPrefix = "driver.";

// A figure with a fixed number of decimals: "27.4".
std::string decimals_text(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// A parameter as an entry shows it: six significant digits, so that a value
// converted to cubic feet or inches does not trail binary noise.
std::string entry_number_text(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    const std::string text = buffer;
    return text.find('e') == std::string::npos ? text : plain_text(value);
}

std::string without_leading_blanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string volume_caption(UnitMode mode, double litres) {
    return without_leading_blanks(volume_text(mode, litres)) + std::string(volume_suffix(mode));
}

std::string length_caption(UnitMode mode, double mm) {
    return without_leading_blanks(length_text(mode, mm)) + std::string(unit_suffix(mode));
}

std::string hz_text(double hz) { return decimals_text(hz, 1) + " hz"; }

bool has_default(DriverParameter p) { return p == DriverParameter::Power || p == DriverParameter::QL; }

bool is_blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// What a fit would make of the box: its working volume, tuning and F3.
std::vector<std::string> fit_lines(UnitMode mode, const Fit& fit) {
    return {"Working volume " + volume_caption(mode, fit.working_volume), "Tuning " + hz_text(fit.tuning),
            "F3 " + hz_text(fit.f3)};
}

}  // namespace

// ---- Stored with the project ------------------------------------------------------

std::string driver_value_key(DriverParameter p) {
    return std::string(kKeyPrefix) + std::string(driver_parameter(p).key);
}

DriverParameters driver_parameters_from(const KeyValues& values) {
    DriverParameters p;
    for (DriverParameter parameter : kParameterEntries) {
        const auto text = find_value(values, driver_value_key(parameter));
        if (!text) continue;
        // Stored in the metric units, which the metric entries take as typed.
        const ParameterEntry entry = read_parameter(parameter, UnitMode::Metric, *text);
        if (!entry.error.empty() || is_blank(*text)) continue;
        p.*driver_parameter(parameter).member = entry.value;
    }
    if (const auto word = find_value(values, kWiringKey)) {
        if (const auto wiring = wiring_from_word(*word)) p.wiring = *wiring;
    }
    return p;
}

void store_driver_parameters(KeyValues& values, const DriverParameters& p) {
    const DriverParameters defaults;
    for (DriverParameter parameter : kParameterEntries) {
        const auto member = driver_parameter(parameter).member;
        const std::string key = driver_value_key(parameter);
        if (p.*member == defaults.*member) {
            remove_value(values, key);
        } else {
            set_value(values, key, general_number_text(p.*member));
        }
    }
    if (p.wiring == defaults.wiring) {
        remove_value(values, kWiringKey);
    } else {
        set_value(values, kWiringKey, wiring_word(p.wiring));
    }
}

KeyValues driver_values(const KeyValues& values) {
    KeyValues driver;
    for (const auto& value : values) {
        if (value.first.rfind(kKeyPrefix, 0) == 0) driver.push_back(value);
    }
    return driver;
}

std::string parameter_text(DriverParameter p, UnitMode mode, const DriverParameters& values) {
    const double stored = values.*driver_parameter(p).member;
    if (stored == 0) return {};
    return entry_number_text(shown_value(p, mode, stored));
}

// ---- The window ------------------------------------------------------------------------

ResponseForm::ResponseForm(MainForm& main, FormView& view) : main_(main), view_(view) {}

int ResponseForm::entry_index(DriverParameter p) {
    for (int i = 0; i < kParameterEntryCount; ++i) {
        if (kParameterEntries[static_cast<std::size_t>(i)] == p) return i;
    }
    return -1;
}

void ResponseForm::load_entries() {
    const Session& s = main_.session;
    state_.mode = s.mode;
    for (int i = 0; i < kParameterEntryCount; ++i) {
        ParameterField& field = state_.entries[static_cast<std::size_t>(i)];
        field.text = parameter_text(kParameterEntries[static_cast<std::size_t>(i)], s.mode, state_.parameters);
        field.bad = false;
        field.error.clear();
    }
    shown_values_ = driver_values(s.project_values);
}

void ResponseForm::store() {
    store_driver_parameters(main_.session.project_values, state_.parameters);
    shown_values_ = driver_values(main_.session.project_values);
}

void ResponseForm::design_changed() {
    const Session& s = main_.session;
    // A project opened (or its values otherwise replaced) brings its own
    // parameters; a new unit mode shows the stored ones in its units.
    if (!loaded_ || driver_values(s.project_values) != shown_values_) {
        state_.parameters = driver_parameters_from(s.project_values);
        state_.wiring = state_.parameters.wiring;
        load_entries();
        loaded_ = true;
    } else if (s.mode != state_.mode) {
        load_entries();
    }
    recompute();
}

void ResponseForm::parameter_change(DriverParameter p, std::string text) {
    const int index = entry_index(p);
    if (index < 0) return;
    ParameterField& field = state_.entries[static_cast<std::size_t>(index)];
    field.text = std::move(text);
    double value = 0;
    if (has_default(p) && is_blank(field.text)) {
        // An empty power or QL entry means its default.
        value = DriverParameters{}.*driver_parameter(p).member;
    } else {
        const ParameterEntry entry = read_parameter(p, state_.mode, field.text);
        if (!entry.error.empty()) {
            field.bad = true;
            field.error = entry.error;
            return;
        }
        value = entry.value;
    }
    field.bad = false;
    field.error.clear();
    state_.parameters.*driver_parameter(p).member = value;
    store();
    recompute();
}

void ResponseForm::parameter_done(DriverParameter p) {
    const int index = entry_index(p);
    if (index < 0) return;
    const ParameterField& field = state_.entries[static_cast<std::size_t>(index)];
    if (field.bad) view_.show_message(field.error);
}

void ResponseForm::wiring_click(Wiring w) {
    state_.wiring = w;
    state_.parameters.wiring = w;
    store();
    recompute();
}

void ResponseForm::target_change(std::string text) {
    state_.target_f3 = std::move(text);
    recompute_box_fit();
}

void ResponseForm::recompute() {
    const Session& s = main_.session;
    ResponseState& st = state_;
    st.parameters.count = s.design.drivercount;
    st.parameters.wiring = st.wiring;
    const DriverParameters& p = st.parameters;

    const std::string count = plain_text(p.count);
    st.drivers = count + (p.count == 1 ? " driver" : " drivers");
    if (p.count > 1) st.drivers += std::string(" in ") + std::string(wiring_word(p.wiring));

    const BoxAcoustics box = box_acoustics(s.design);
    st.vented = box.vented();
    st.missing = why_no_response(p, box);
    st.curves.clear();
    st.figures = {};
    st.figure_lines.clear();
    st.current_lines.clear();

    st.current_lines.push_back("Working volume " + volume_caption(s.mode, box.working_volume));
    st.current_lines.push_back(box.vented() ? "Tuning " + hz_text(box.tuning) : std::string("Sealed: no tuned port"));

    if (st.missing.empty()) {
        const std::optional<ResponseModel> model = response_model(p, box);
        if (model) {
            st.curves = response_curves(*model, {10, 500, kGraphPoints});
            st.figures = response_figures(*model);
            const ResponseFigures& f = st.figures;
            const auto or_none = [](const std::optional<double>& hz) {
                return hz ? hz_text(*hz) : std::string("none");
            };
            st.current_lines.push_back("F3 " + or_none(f.f3));
            st.figure_lines.push_back("Level far above resonance " + decimals_text(f.sensitivity_db, 1) + " dB at " +
                                      plain_text(p.power) + " W, 1 m");
            st.figure_lines.push_back("F3 " + or_none(f.f3) + ",  F10 " + or_none(f.f10));
            st.figure_lines.push_back(f.peak
                                          ? "Peak +" + decimals_text(f.peak->value, 1) + " dB at " + hz_text(f.peak->hz)
                                          : std::string("No peak above the level far above resonance"));
            if (p.xmax <= 0) {
                st.figure_lines.emplace_back("Xmax not given: excursion not checked");
            } else if (f.over_xmax.empty()) {
                st.figure_lines.emplace_back("Excursion within Xmax from 10 hz up");
            } else {
                std::string line = "Excursion passes Xmax";
                for (std::size_t i = 0; i < f.over_xmax.size(); ++i) {
                    const FrequencyRange& r = f.over_xmax[i];
                    line += i == 0 ? " " : ", ";
                    line += r.from <= 0 ? "below " + hz_text(r.to)
                                        : "from " + decimals_text(r.from, 1) + " to " + hz_text(r.to);
                }
                st.figure_lines.push_back(line);
            }
            if (f.port_velocity) {
                st.figure_lines.push_back("Port air speed up to " + decimals_text(f.port_velocity->value, 1) +
                                          " m/s at " + hz_text(f.port_velocity->hz) + " (below 100 hz)");
            }
            if (f.max_power_at_20hz) {
                st.figure_lines.push_back("Power within Xmax at 20 hz: up to " +
                                          entry_number_text(std::round(*f.max_power_at_20hz * 10) / 10) + " W");
            }
        }
    }

    // Tune this box.
    FitView& tune = st.tune;
    tune = {};
    if (const std::vector<DriverParameter> missing = missing_parameters(p); !missing.empty()) {
        tune.reason = missing_text(missing);
    } else {
        tune.fit = tune_this_box(p, s.design, analysis_inputs(s));
        if (!tune.fit.fit.found) {
            tune.reason = tune.fit.fit.reason;
        } else {
            tune.lines = fit_lines(s.mode, tune.fit.fit);
            if (tune.fit.box.solved) {
                tune.lines.push_back("Port length " + length_caption(s.mode, tune.fit.box.port_length));
            } else {
                tune.reason = tune.fit.box.reason;
            }
        }
    }
    tune.can_apply = tune.fit.can_apply();
    recompute_box_fit();
}

void ResponseForm::recompute_box_fit() {
    const Session& s = main_.session;
    ResponseState& st = state_;
    FitView& box = st.box;
    box = {};
    const std::vector<DriverParameter> missing = missing_parameters(st.parameters);
    if (!missing.empty()) {
        box.reason = missing_text(missing);
        return;
    }
    if (is_blank(st.target_f3)) {
        box.reason = "Type the F3 the box is to reach.";
        return;
    }
    const ParameterEntry target = read_parameter(DriverParameter::Fs, UnitMode::Metric, st.target_f3);
    if (!target.error.empty()) {
        box.reason = "The target F3 must be a number above 0.";
        return;
    }
    box.fit = box_for_target(st.parameters, s.design, analysis_inputs(s), target.value);
    if (!box.fit.fit.found) {
        box.reason = box.fit.fit.reason;
        return;
    }
    box.lines = fit_lines(s.mode, box.fit.fit);
    if (box.fit.box.solved) {
        box.lines.push_back("Depth " + length_caption(s.mode, box.fit.box.depth));
        box.lines.push_back("Port length " + length_caption(s.mode, box.fit.box.port_length));
    } else {
        box.reason = box.fit.box.reason;
    }
    box.can_apply = box.fit.can_apply();
}

namespace {

// Types the port length that gives `tuning` into its field and presses Enter,
// as the tuning window's Apply does. Empty when it could; else why not.
std::string type_port_length(MainForm& m, double tuning) {
    const TuneAnswer answer = tune_port(m.session, tuning);
    if (!answer.solved) return answer.message;
    m.change(MainField::PortLength, answer.text);
    m.keypress(MainField::PortLength, kEnterKey);
    return {};
}

// The new depth, the internal volume worked out from the dimensions (the
// volume field's double click), then the port length for the tuning.
std::string type_box(MainForm& m, double depth, double tuning) {
    m.change(MainField::Depth, length_text(m.session.mode, depth));
    m.keypress(MainField::Depth, kEnterKey);
    m.Text9_DblClick();
    return type_port_length(m, tuning);
}

}  // namespace

bool ResponseForm::apply_tune() {
    const FitView& tune = state_.tune;
    if (!tune.can_apply) {
        view_.show_message(tune.reason.empty() ? std::string("There is no tuning to apply.") : tune.reason);
        return false;
    }
    const double tuning = tune.fit.fit.tuning;
    if (const std::string why = type_port_length(main_, tuning); !why.empty()) {
        view_.show_message(why);
        return false;
    }
    design_changed();
    return true;
}

bool ResponseForm::apply_box() {
    const FitView& box = state_.box;
    if (!box.can_apply) {
        view_.show_message(box.reason.empty() ? std::string("There is no box to apply.") : box.reason);
        return false;
    }
    const double depth = box.fit.box.depth;
    const double tuning = box.fit.fit.tuning;
    // Tried first on a copy of the session: should any step be refused, the
    // main window is left exactly as it was.
    {
        NullView quiet;
        MainForm trial(quiet, main_.session.appdata_folder, "");
        trial.session = main_.session;
        if (const std::string why = type_box(trial, depth, tuning); !why.empty()) {
            view_.show_message(why);
            return false;
        }
    }
    (void)type_box(main_, depth, tuning);
    design_changed();
    return true;
}

}  // namespace enclavio
