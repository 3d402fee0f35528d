// frmUnits, "Units of measurement": choosing the unit mode. The window is
// loaded hidden when the program starts and its selected option always matches
// the current unit mode; the rules for imperial entry are greyed while a metric
// mode is chosen.
#pragma once

#include <array>
#include <string_view>

#include "analysis/analysis.hpp"
#include "forms/main_form.hpp"
#include "units/units.hpp"

namespace enclavio {

inline constexpr std::string_view kUnitsCaption = "Units of measurement";
inline constexpr std::string_view kUnitsOkCaption = "&OK";
inline constexpr std::string_view kUnitsRulesFrame = "Frame2";
inline constexpr std::string_view kUnitsRulesCaption = "Rules for entering Imperial Measurements";

// The four options, top to bottom as the window lists them.
struct UnitOption {
    std::string_view control;  // "Option1"
    std::string_view caption;
    UnitMode mode;
};
const std::array<UnitOption, 4>& unit_options();
// The option that goes with a mode ("Option1" for "metric", ...).
const UnitOption& unit_option(UnitMode mode);

// The nine rule labels inside Frame2, top to bottom.
struct UnitRule {
    std::string_view control;  // "Label4"
    std::string_view caption;
};
const std::array<UnitRule, 9>& unit_rules();

// Text colours of the rules frame and its labels in a mode: grey in the metric
// modes; a black frame caption and blue labels in the imperial modes.
struct UnitRuleColours {
    Colour frame;
    Colour labels;
};
UnitRuleColours unit_rule_colours(UnitMode mode);

class UnitsForm {
public:
    explicit UnitsForm(MainForm& main) : main_(main) {}

    // Option1 to Option4 Click: set the unit mode with its suffixes and the
    // main window's captions. Field texts follow at the next populateall.
    void Option_Click(UnitMode mode);
    void Option1_Click() { Option_Click(UnitMode::Metric); }
    void Option4_Click() { Option_Click(UnitMode::MetricCm); }
    void Option2_Click() { Option_Click(UnitMode::Inches); }
    void Option3_Click() { Option_Click(UnitMode::DecimalInches); }

    // The option selected now, and the rule colours that go with it.
    UnitMode selected() const { return main_.session.mode; }
    UnitRuleColours rule_colours() const { return unit_rule_colours(selected()); }

private:
    MainForm& main_;
};

}  // namespace enclavio
