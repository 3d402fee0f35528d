#include "forms/units_form.hpp"

namespace enclavio {

const std::array<UnitOption, 4>& unit_options() {
    static const std::array<UnitOption, 4> options{{
        {"Option1", "Metric - mm (default).  example    405", UnitMode::Metric},
        {"Option4", "Metric - cm.  example    40.5", UnitMode::MetricCm},
        {"Option2", "Imperial - Fractional  - feet, inches and fractions of an inch.  example    1' 3 15/16",
         UnitMode::Inches},
        {"Option3", "Imperial - Decimal inches.  example    15.94", UnitMode::DecimalInches},
    }};
    return options;
}

const UnitOption& unit_option(UnitMode mode) {
    for (const UnitOption& o : unit_options()) {
        if (o.mode == mode) return o;
    }
    return unit_options().front();
}

const std::array<UnitRule, 9>& unit_rules() {
    static const std::array<UnitRule, 9> rules{{
        {"Label4", "Feet, inches and fractions allowed, but without decimals eg  1/4     3 9\\16     6' 10 1/2 "},
        {"Label3", "Decimal inches are allowed, but without  feet or fractions eg 6.25 or 61.25"},
        {"Label6", "Feet must be immediately followed by the ' symbol. A following space is optional"},
        {"Label15", "Inches and fractions must be separated by a space"},
        {"Label9", "No spaces allowed in fractional part - allowed elsewhere"},
        {"Label10", "Fractions of an inch must contain a single / or \\ symbol"},
        {"Label8", "\"\\\" is converted to \"/\" and is not allowed at start or end of field"},
        {"Label11", "Allowable fractions: 1/2  1/4  1/8  1/16"},
        {"Label7", "Allowable characters 0 thru 9 .  / \\  and space"},
    }};
    return rules;
}

UnitRuleColours unit_rule_colours(UnitMode mode) {
    if (is_imperial(mode)) return {colours::black, colours::blue};
    return {colours::grey, colours::grey};
}

// The main window's frame captions follow the mode at once, while this window
// is still open.
void UnitsForm::Option_Click(UnitMode mode) {
    main_.set_unit_mode(mode);
    main_.view().refresh();
}

}  // namespace enclavio
