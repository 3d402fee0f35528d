// "Driver and Response": the driver's parameters, what the driver does in the
// box as the main window designs it (curves and figures), and the two designs
// for the driver with their Apply. Toolkit-free; the Qt window binds to it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/main_form.hpp"
#include "forms/session.hpp"
#include "forms/view.hpp"
#include "response/curves.hpp"
#include "response/design_fit.hpp"
#include "response/driver.hpp"
#include "storage/key_values.hpp"

namespace enclavio {

inline constexpr std::string_view kResponseMenuCaption = "&Response";
inline constexpr std::string_view kResponseItemCaption = "Driver and &Response...";
inline constexpr std::string_view kResponseCaption = "Driver and Response";
inline constexpr std::string_view kTuneFitCaption = "Tune this box";
inline constexpr std::string_view kBoxFitCaption = "Box for a target F3";
inline constexpr std::string_view kFitApplyCaption = "&Apply";
inline constexpr std::string_view kTargetF3Caption = "Target F3 (hz)";

// The parameters typed in the window: all but the number of drivers, which is
// the main window's.
inline constexpr int kParameterEntryCount = 9;
inline constexpr std::array<DriverParameter, kParameterEntryCount> kParameterEntries{
    DriverParameter::Fs, DriverParameter::Qes,  DriverParameter::Qms,   DriverParameter::Vas, DriverParameter::Re,
    DriverParameter::Sd, DriverParameter::Xmax, DriverParameter::Power, DriverParameter::QL};

// The points each curve is worked out at for the graphs.
inline constexpr int kGraphPoints = 400;

// ---- Stored with the project ------------------------------------------------------

// "driver.fs", ... for the parameters with a key; "driver.wiring".
std::string driver_value_key(DriverParameter p);
inline constexpr std::string_view kWiringKey = "driver.wiring";

// The parameters a project's named values hold, over the defaults (empty,
// power 1 W, QL 7, parallel). A value that is not a plain number its entry
// would take is ignored, as a damaged line is.
DriverParameters driver_parameters_from(const KeyValues& values);
// Writes the parameters in stored units (hz, litres, cm2, mm, W): those
// not given and those at their default are left out, so a project without a
// driver keeps its 24 lines.
void store_driver_parameters(KeyValues& values, const DriverParameters& p);
// The driver.* values alone, in order: what changes when the parameters do.
KeyValues driver_values(const KeyValues& values);

// A parameter's value as its entry shows it in the mode's unit ("" for
// nothing given).
std::string parameter_text(DriverParameter p, UnitMode mode, const DriverParameters& values);

// ---- The window ------------------------------------------------------------------------

struct ParameterField {
    std::string text;
    bool bad = false;   // red: not a value the entry takes; nothing stored
    std::string error;  // why, shown when the user leaves the entry
};

// One fit as the window shows it beside the current design.
struct FitView {
    std::vector<std::string> lines;  // working volume, tuning, F3, what Apply changes
    std::string reason;              // why there is none
    bool can_apply = false;
    DesignFit fit;
};

struct ResponseState {
    std::array<ParameterField, kParameterEntryCount> entries;
    Wiring wiring = Wiring::Parallel;
    std::string drivers;               // "1 driver", "2 drivers (parallel)"
    std::string target_f3;             // the target typed
    DriverParameters parameters;       // stored units; count from the main window
    UnitMode mode = UnitMode::Metric;  // the unit the entries show
    std::string missing;               // what stops a prediction; empty when there is one
    bool vented = false;               // the box has tuned ports
    std::vector<ResponsePoint> curves;
    ResponseFigures figures;
    std::vector<std::string> figure_lines;
    std::vector<std::string> current_lines;  // this box: working volume, tuning, F3
    FitView tune, box;
};

class ResponseForm {
public:
    ResponseForm(MainForm& main, FormView& view);

    // The design, the unit mode or the project may have changed: the entries
    // follow a project's parameters and the mode's units; everything is
    // worked out again.
    void design_changed();

    // Each keystroke in an entry: a value the entry takes is stored and
    // shown at once; any other leaves the stored value as it was.
    void parameter_change(DriverParameter p, std::string text);
    // Enter or leaving the entry: a refused text is explained.
    void parameter_done(DriverParameter p);
    void wiring_click(Wiring w);
    void target_change(std::string text);

    // "&Apply" of each fit: types its results into the main window's fields
    // as a user would. When there is no fit it says why and changes nothing.
    // True when the design changed.
    bool apply_tune();
    bool apply_box();

    const ResponseState& state() const { return state_; }
    static int entry_index(DriverParameter p);

private:
    void load_entries();
    void store();
    void recompute();
    void recompute_box_fit();

    MainForm& main_;
    FormView& view_;
    ResponseState state_;
    KeyValues shown_values_;  // the driver.* values the entries show
    bool loaded_ = false;
};

}  // namespace enclavio
