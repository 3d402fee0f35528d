#include "forms/bracing_form.hpp"

namespace enclavio {

namespace {

// A typed volume box: greyed and disabled while its part is automatic. The
// typed text stays in it either way.
TextField volume_field(const std::string& text, bool manual) {
    TextField f;
    f.text = text;
    f.enabled = manual;
    f.fore = manual ? colours::pure_blue : colours::silver;
    f.back = manual ? colours::white : colours::light_grey;
    return f;
}

// The label showing an automatic volume: dark blue while it is used, grey
// while the typed value replaces it.
Colour auto_label_colour(bool manual) { return manual ? colours::grey : colours::dark_blue; }

}  // namespace

void BracingForm::Option1_Click() {
    s_.bracing.edge_manual = false;
    s_.bracing_window.edge_label = auto_label_colour(false);
    bracewarning();
}

void BracingForm::Option2_Click() {
    s_.bracing.edge_manual = true;
    s_.bracing_window.edge_label = auto_label_colour(true);
    bracewarning();
}

void BracingForm::option3_Click() {
    s_.bracing.shelf_manual = false;
    s_.bracing_window.shelf_label = auto_label_colour(false);
    bracewarning();
}

void BracingForm::option4_Click() {
    s_.bracing.shelf_manual = true;
    s_.bracing_window.shelf_label = auto_label_colour(true);
    bracewarning();
}

void BracingForm::bracewarning() { s_.bracing_window.note = s_.bracing.edge_manual || s_.bracing.shelf_manual; }

TextField BracingForm::text1() const {
    TextField f;
    f.text = s_.bracing.shelf_count_text;
    f.fore = kShelfCountColour;
    return f;
}

TextField BracingForm::text2() const { return volume_field(s_.bracing.edge_text, s_.bracing.edge_manual); }
TextField BracingForm::text3() const { return volume_field(s_.bracing.shelf_text, s_.bracing.shelf_manual); }

ResultLabel BracingForm::label2() const { return {s_.main.results.edge_caption, s_.bracing_window.edge_label, true}; }

ResultLabel BracingForm::label3() const { return {s_.main.results.shelf_caption, s_.bracing_window.shelf_label, true}; }

}  // namespace enclavio
