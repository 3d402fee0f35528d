// frmTune, "Port length for a tuning": the port length that tunes the box to a
// chosen frequency, worked out as the user types and put into the port length
// field on Apply. The command-line program's `tune` uses the same answer.
#pragma once

#include <string>
#include <string_view>

#include "forms/main_form.hpp"
#include "forms/session.hpp"

namespace enclavio {

inline constexpr std::string_view kTuneMenuCaption = "Port length for a &tuning...";
inline constexpr std::string_view kTuneCaption = "Port length for a tuning";
inline constexpr std::string_view kTuneTargetCaption = "Target tuning (hz)";
inline constexpr std::string_view kTuneLengthCaption = "Port length";
inline constexpr std::string_view kTuneApplyCaption = "&Apply";
inline constexpr std::string_view kTuneCancelCaption = "&Cancel";

// The port length for a target tuning, as the port length field would take it.
struct TuneAnswer {
    bool solved = false;
    std::string message;  // why there is no length, when not solved
    double length = 0;    // the exact length, mm
    // The length as the field shows it in the unit mode: the nearest the field
    // can show, or the one on the other side when only that keeps the shown
    // tuning on the target.
    std::string text;
    double applied = 0;  // mm that the field reads back from `text`
    double tuning = 0;   // the tuning shown after Apply (truncated to 0.1 hz)
    // Set when rounding the length to the field's units moves the shown
    // tuning away from the target.
    std::string note;
};

// Solves on the session's design and analysis inputs, then checks the tuning
// that the length as shown gives by running the analysis on a copy.
TuneAnswer tune_port(const Session& s, double target_hz);

// What the window shows.
struct TuneState {
    std::string target;          // Text1
    std::string length;          // Label3: the length with its unit, or empty
    std::string message;         // Label4: the refusal, or the rounding note
    bool refused = true;         // Label4 holds a refusal (red) rather than a note
    bool apply_enabled = false;  // Command1
    TuneAnswer answer;
};

class TuneForm {
public:
    explicit TuneForm(MainForm& main) : main_(main) {}

    // Each showing: an empty target becomes the tuning shown now; the length
    // is worked out again, since the design may have changed.
    void Form_Show();
    // Every keystroke in the target field solves at once.
    void Text1_Change(std::string text);
    // "&Apply": types the length into the port length field and presses
    // Enter there (validation, analysis). True when the window should hide.
    bool Command1_Click();
    // "&Cancel": nothing changes.
    bool Command2_Click() { return true; }

    const TuneState& state() const { return state_; }

private:
    void solve();

    MainForm& main_;
    TuneState state_;
};

}  // namespace enclavio
