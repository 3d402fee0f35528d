#include "forms/main_form.hpp"
#include "forms/project_io.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "forms/cutting_list_form.hpp"
#include "forms/project_file_form.hpp"
#include "storage/settings.hpp"

namespace enclavio {

namespace {

constexpr int kEnter = 13;

// Texts the main window's fields hold before anything reads them.
struct DesignText {
    int control;
    const char* text;
};
constexpr DesignText kDesignTexts[] = {
    {6, "400"}, {7, "300"}, {8, "700"},  {4, "19"}, {1, "823"}, {2, "86"},    {3, "2"},
    {5, "2"},   {11, "30"}, {12, "200"}, {13, "2"}, {10, "1"},  {9, "Text9"},
};

constexpr int kPortsControl = 5;
constexpr int kDriversControl = 10;
constexpr int kVolumeControl = 9;

std::optional<LengthField> field_of_control(int n) {
    for (const auto& info : length_fields()) {
        if (MainForm::control_of(info.field) == n) return info.field;
    }
    return std::nullopt;
}

bool is_box_dimension(LengthField f) {
    return f == LengthField::Depth || f == LengthField::Width || f == LengthField::Height;
}

bool is_blank(const std::string& line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' '; });
}

// Sets a flag for the length of a scope and puts back what it was.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};

}  // namespace

MainForm::MainForm(FormView& view, std::string appdata_folder, std::string home_folder)
    : view_(view), home_folder_(std::move(home_folder)) {
    s.appdata_folder = std::move(appdata_folder);
    for (const auto& d : kDesignTexts) s.main.text[d.control].text = d.text;
    s.design.doublefront = s.main.check3 ? 1 : 0;
}

int MainForm::control_of(LengthField f) {
    const std::string_view name = length_field(f).control;  // "Text6"
    int n = 0;
    for (char c : name) {
        if (c >= '0' && c <= '9') n = n * 10 + (c - '0');
    }
    return n;
}

// ---- Start-up and shut-down ----------------------------------------------------

void MainForm::startup() {
    // The cutting list, units, report and notes windows start from their
    // initial state; the units window selects "metric".
    set_unit_mode(UnitMode::Metric);
    s.main.graph.range = 1000;

    s.main.combo_items.clear();
    for (const auto& size : driver_sizes()) s.main.combo_items.emplace_back(size.text);
    Combo1_Click(1);

    s.projectname = "default";

    // Settings: every line present is applied; a missing line keeps its default.
    s.lastfolder = home_folder_;
    std::string savedunits;
    const LoadedSettings settings =
        preset_settings ? *preset_settings : load_settings(settings_path_to_read(s.appdata_folder));
    if (settings.lastfolder) s.lastfolder = *settings.lastfolder;
    if (settings.flange) {
        if (const auto f = flange_from_word(*settings.flange)) run_flange(*f);
    }
    if (settings.range) {
        if (*settings.range == "1000") mnu_onekhz_Click();
        else if (*settings.range == "2000") mnu_twokhz_Click();
    }
    if (settings.shownums) s.main.graph.shownums = *settings.shownums == "show";
    if (settings.highlight) s.main.graph.highlight = *settings.highlight == "highlight";
    if (settings.units) savedunits = *settings.units;
    s.settings_values = settings.extra;

    check_notes();
    files_windows_load(s);
    s.main.caption = main_caption(s.projectname);
    validateall();
    Text9_DblClick();

    if (!savedunits.empty()) {
        if (const auto mode = unit_mode_from_literal(savedunits)) set_unit_mode(*mode);
        populateall();
    }
    view_.refresh();
}

void MainForm::shutdown() {
    SettingsToSave out;
    out.lastfolder = folder_for_settings(s.lastfolder);
    out.flange = s.main.flange;
    out.range = s.main.graph.range;
    out.shownums = s.main.graph.shownums;
    out.highlight = s.main.graph.highlight;
    out.mode = s.mode;
    out.extra = s.settings_values;
    // The program's folder is made when first needed; a settings file that
    // cannot be written is simply not updated.
    std::error_code ec;
    if (!s.appdata_folder.empty()) std::filesystem::create_directories(s.appdata_folder, ec);
    (void)save_settings(settings_path(s.appdata_folder), out);
}

// ---- Validate and populate -------------------------------------------------------

void MainForm::validate(LengthField f) {
    const LengthFieldInfo& info = length_field(f);
    TextField& field = s.main.text[control_of(f)];
    const LengthEntry entry = length_from_text(s.mode, field.text);
    s.design.*info.member = entry.mm;
    if (!entry.error.empty()) {
        view_.show_message(std::string(info.message_prefix) + entry.error);
        return;  // the field stays pending and red
    }
    field.pending = false;
    field.fore = colours::black;
    if (repopulates_after_validate(f, s.mode)) populate(f);
}

void MainForm::populate(LengthField f) {
    FlagScope populating(s.main.populating);
    s.main.text[control_of(f)].text = length_text(s.mode, s.design.*length_field(f).member);
}

void MainForm::validateboxvol() { s.design.boxvol = volume_from_text(s.mode, s.main.text[kVolumeControl].text); }

void MainForm::populateboxvol() {
    TextField& field = s.main.text[kVolumeControl];
    {
        FlagScope populating(s.main.populating);
        field.text = volume_text(s.mode, s.design.boxvol);
    }
    field.pending = false;
    field.fore = colours::black;
}

void MainForm::validateall() {
    // A field still showing exactly what populate wrote for its stored value
    // keeps that value: reading the rounded text back would move it (823 mm
    // shown as 2' 8 3/8 would become 822.325 mm, and the tuning with it).
    for (const auto& info : length_fields()) {
        TextField& field = s.main.text[control_of(info.field)];
        if (field.text == length_text(s.mode, s.design.*info.member)) {
            field.pending = false;
            field.fore = colours::black;
            continue;
        }
        validate(info.field);
    }
    if (s.main.text[kVolumeControl].text != volume_text(s.mode, s.design.boxvol)) validateboxvol();
}

void MainForm::populateall() {
    {
        FlagScope populating(s.main.populating);
        for (const auto& info : length_fields()) populate(info.field);
        populateboxvol();
    }
    res_wall2wall();
}

// ---- Field events ------------------------------------------------------------------

void MainForm::change(int n, std::string text) {
    if (n < 1 || n > 13) return;
    TextField& field = s.main.text[n];
    field.text = std::move(text);

    if (const auto f = field_of_control(n)) {
        if (is_box_dimension(*f)) field.back = colours::light_orange;
        if (s.main.populating) return;
        field.pending = true;
        if (s.mode != UnitMode::Metric) {
            field.fore = colours::red;
            return;
        }
        validate(*f);
        res_wall2wall();
        return;
    }

    if (n == kVolumeControl) {
        if (s.main.populating) return;
        field.back = colours::light_orange;
        field.pending = true;
        field.fore = colours::red;
        return;
    }

    if (n == kPortsControl) {
        const bool ports = std::fabs(numeric_value(field.text)) != 0;
        for (int port : {1, 2, 3}) {
            s.main.text[port].enabled = ports;
            s.main.text[port].back = ports ? colours::white : colours::light_grey;
        }
        s.main.port_labels_enabled = ports;
        res_wall2wall();
        return;
    }

    if (n == kDriversControl) res_wall2wall();
}

void MainForm::set_text(int n, std::string text) {
    if (n < 1 || n > 13) return;
    // Setting a field to the text it already holds is no change.
    if (s.main.text[n].text == text) return;
    change(n, std::move(text));
}

void MainForm::keypress(int n, int key) {
    if (key != kEnter) return;
    if (const auto f = field_of_control(n)) {
        validate(*f);
        if (*f == LengthField::Depth && (s.mode == UnitMode::Metric || s.mode == UnitMode::MetricCm)) {
            populate(LengthField::Depth);
        }
        res_wall2wall();
        return;
    }
    if (n == kVolumeControl) {
        validateboxvol();
        populateboxvol();
        res_wall2wall();
    }
}

void MainForm::lost_focus(int n) {
    if (n < 1 || n > 13) return;
    if (!s.main.text[n].pending) return;
    if (field_of_control(n) || n == kVolumeControl) keypress(n, kEnter);
}

void MainForm::dblclick(int n) {
    switch (n) {
        case 6: Text6_DblClick(); break;
        case 7: Text7_DblClick(); break;
        case 8: Text8_DblClick(); break;
        case 9: Text9_DblClick(); break;
        default: break;
    }
}

void MainForm::Check3_Click(bool checked) {
    s.main.check3 = checked;
    s.design.doublefront = checked ? 1 : 0;
    Text9_DblClick();
    res_wall2wall();
}

void MainForm::Combo1_Click(int index) {
    const auto& sizes = driver_sizes();
    if (index >= 0 && index < static_cast<int>(sizes.size())) {
        s.main.combo_index = index;
        s.main.combo_text = std::string(sizes[static_cast<std::size_t>(index)].text);
        s.design.driversize = s.main.combo_text;
        s.design.drivervolume = sizes[static_cast<std::size_t>(index)].volume;
        s.design.driverdepth = sizes[static_cast<std::size_t>(index)].depth;
    }
    populate(LengthField::DriverDepth);
    res_wall2wall();
}

void MainForm::Command1_Click() {
    populate(LengthField::Width);
    populate(LengthField::Height);
    view_.refresh();
}

void MainForm::Picture2_Click() {
    s.main.where = false;
    view_.refresh();
}

void MainForm::Picture3_Click() { view_.show_modal(Window::frmComments); }

// ---- Calculator ----------------------------------------------------------------------

namespace {
void clear_edit_marks(MainState& m) {
    for (int n = 6; n <= 9; ++n) m.text[n].back = colours::white;
}
}  // namespace

void MainForm::Text9_DblClick() {
    if (compute_volume(s.design)) clear_edit_marks(s.main);
    populateboxvol();
    res_wall2wall();
}

void MainForm::Text6_DblClick() {
    const SolveResult r = solve_depth(s.design);
    if (!r.solved) {
        if (!r.message.empty()) view_.show_message(r.message);
        return;
    }
    populate(LengthField::Depth);
    clear_edit_marks(s.main);
    res_wall2wall();
}

void MainForm::Text7_DblClick() {
    const SolveResult r = solve_width(s.design);
    if (!r.solved) {
        if (!r.message.empty()) view_.show_message(r.message);
        return;
    }
    populate(LengthField::Width);
    clear_edit_marks(s.main);
    res_wall2wall();
}

void MainForm::Text8_DblClick() {
    const SolveResult r = solve_height(s.design);
    if (!r.solved) {
        if (!r.message.empty()) view_.show_message(r.message);
        return;
    }
    populate(LengthField::Height);
    clear_edit_marks(s.main);
    res_wall2wall();
}

// ---- Analysis --------------------------------------------------------------------------

AnalysisInputs analysis_inputs(const Session& s) {
    AnalysisInputs in;
    in.ports_text = s.main.text[kPortsControl].text;
    in.drivers_text = s.main.text[kDriversControl].text;
    in.mode = s.mode;
    in.flange = s.main.flange;
    in.graph = s.main.graph;
    in.bracing = s.bracing;
    return in;
}

void MainForm::res_wall2wall() {
    const AnalysisInputs in = analysis_inputs(s);
    enclavio::res_wall2wall(s.design, in, s.main.graph_model, s.main.results);
    // Every analysis brings the results panel to the front.
    s.main.where = false;
    view_.refresh();
}

// ---- Units and notes ---------------------------------------------------------------------

void MainForm::set_unit_mode(UnitMode mode) { s.mode = mode; }

void MainForm::check_notes() {
    s.notes.hasnotes = std::any_of(s.notes.lines.begin(), s.notes.lines.end(),
                                   [](const std::string& line) { return !is_blank(line); });
    s.main.notes_picture = s.notes.hasnotes;
}

// ---- Menus ---------------------------------------------------------------------------------

void MainForm::run_flange(Flange f) {
    s.main.flange = f;
    s.main.flange_caption = std::string(flange_menu_caption(f));
    res_wall2wall();
}

void MainForm::mnu_noflange_Click() { run_flange(Flange::None); }
void MainForm::mnu_oneflange_Click() { run_flange(Flange::One); }
void MainForm::mnu_twoflange_Click() { run_flange(Flange::Two); }

void MainForm::mnu_onekhz_Click() {
    s.main.graph.range = 1000;
    res_wall2wall();
}

void MainForm::mnu_twokhz_Click() {
    s.main.graph.range = 2000;
    res_wall2wall();
}

void MainForm::mnu_shownums_Click() {
    s.main.graph.shownums = !s.main.graph.shownums;
    res_wall2wall();
}

void MainForm::mnu_highlight_Click() {
    s.main.graph.highlight = !s.main.graph.highlight;
    res_wall2wall();
}

void MainForm::mnu_units_Click() {
    view_.show_modal(Window::frmUnits);
    populateall();
}

void MainForm::mnu_where_Click() {
    s.main.where = !s.main.where;
    view_.refresh();
}

void MainForm::mnu_notes_Click() { view_.show_modal(Window::frmComments); }

void MainForm::mnu_report_Click() {
    s.report.check1_enabled = !s.cutting.show_exact;
    check_notes();
    s.report.check6_enabled = s.notes.hasnotes;
    view_.refresh();
    view_.show_modal(Window::frmReport);
}

void MainForm::mnu_panels_Click() {
    s.main.where = true;
    prepare_cutting_list(s);
    view_.refresh();
    view_.show_modal(Window::Form3);
}

void MainForm::mnu_save_Click() {
    validateall();
    save_window_prepare(s);
    view_.refresh();
    view_.show_modal(Window::Form2);
}

void MainForm::mnu_open_Click() {
    open_window_prepare(s);
    view_.show_modal(Window::Form5);
    // Only a project actually loaded refreshes the design: a cancelled or
    // refused open leaves everything as it was.
    if (!s.files.opened) return;
    finish_project_open(*this);
}

void MainForm::mnu_porting_Click() { view_.show_modal(Window::Form8); }

void MainForm::mnu_bracing_Click() {
    s.bracing_window.picture_double = s.design.doublefront == 1;
    view_.show_modal(Window::Form7);
    res_wall2wall();
}

void MainForm::mnu_tune_Click() { view_.show_modal(Window::frmTune); }

void MainForm::mnu_about_Click() { view_.show_modal(Window::frmAbout); }

void MainForm::mnu_print_Click() {
    if (view_.ask_yes_no("Would you like me to ...", "Print this form using current printer settings?")) {
        view_.print_window();
    }
}

}  // namespace enclavio
