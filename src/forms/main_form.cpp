#include "forms/main_form.hpp"
#include "forms/project_io.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "forms/cutting_list_form.hpp"
#include "forms/main_fields.hpp"
#include "forms/project_file_form.hpp"
#include "storage/settings.hpp"

namespace enclavio {

namespace {

// Texts the main window's fields hold before anything reads them.
struct DesignText {
    MainField field;
    const char* text;
};
constexpr DesignText kDesignTexts[] = {
    {MainField::Depth, "400"},      {MainField::Width, "300"},        {MainField::Height, "700"},
    {MainField::Thickness, "19"},   {MainField::PortLength, "823"},   {MainField::PortDiameter, "86"},
    {MainField::PortWall, "2"},     {MainField::Ports, "2"},          {MainField::DriverDepth, "30"},
    {MainField::DriverDown, "200"}, {MainField::DriverSideways, "2"}, {MainField::Drivers, "1"},
    {MainField::Volume, "Text9"},
};

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
    session.appdata_folder = std::move(appdata_folder);
    for (const auto& d : kDesignTexts) session.main.text[d.field].text = d.text;
    session.design.doublefront = session.main.check3 ? 1 : 0;
}

// ---- Start-up and shut-down ----------------------------------------------------

void MainForm::startup() {
    // The cutting list, units, report and notes windows start from their
    // initial state; the units window selects "metric".
    set_unit_mode(UnitMode::Metric);
    session.main.graph.range = 1000;

    session.main.combo_items.clear();
    for (const auto& size : driver_sizes()) session.main.combo_items.emplace_back(size.text);
    Combo1_Click(1);

    session.projectname = "default";

    // Settings: every line present is applied; a missing line keeps its default.
    session.lastfolder = home_folder_;
    std::string savedunits;
    const LoadedSettings settings =
        preset_settings ? *preset_settings : load_settings(settings_path_to_read(session.appdata_folder));
    if (settings.lastfolder) session.lastfolder = *settings.lastfolder;
    if (settings.flange) {
        if (const auto f = flange_from_word(*settings.flange)) run_flange(*f);
    }
    if (settings.range) {
        if (*settings.range == "1000") mnu_onekhz_Click();
        else if (*settings.range == "2000") mnu_twokhz_Click();
    }
    if (settings.shownums) session.main.graph.shownums = *settings.shownums == "show";
    if (settings.highlight) session.main.graph.highlight = *settings.highlight == "highlight";
    if (settings.units) savedunits = *settings.units;
    session.settings_values = settings.extra;

    check_notes();
    files_windows_load(session);
    session.main.caption = main_caption(session.projectname);
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
    out.lastfolder = folder_for_settings(session.lastfolder);
    out.flange = session.main.flange;
    out.range = session.main.graph.range;
    out.shownums = session.main.graph.shownums;
    out.highlight = session.main.graph.highlight;
    out.mode = session.mode;
    out.extra = session.settings_values;
    // The program's folder is made when first needed; a settings file that
    // cannot be written is simply not updated.
    std::error_code ec;
    if (!session.appdata_folder.empty()) std::filesystem::create_directories(session.appdata_folder, ec);
    (void)save_settings(settings_path(session.appdata_folder), out);
}

// ---- Validate and populate -------------------------------------------------------

void MainForm::validate(LengthField f) {
    const LengthFieldInfo& info = length_field(f);
    TextField& field = session.main.text[main_field(f)];
    const LengthEntry entry = length_from_text(session.mode, field.text);
    session.design.*info.member = entry.mm;
    if (!entry.error.empty()) {
        view_.show_message(std::string(info.message_prefix) + entry.error);
        return;  // the field stays pending and red
    }
    field.pending = false;
    field.fore = colours::black;
    if (repopulates_after_validate(f, session.mode)) populate(f);
}

void MainForm::populate(LengthField f) {
    FlagScope populating(session.main.populating);
    session.main.text[main_field(f)].text = length_text(session.mode, session.design.*length_field(f).member);
}

void MainForm::validateboxvol() {
    session.design.boxvol = volume_from_text(session.mode, session.main.text[MainField::Volume].text);
}

void MainForm::populateboxvol() {
    TextField& field = session.main.text[MainField::Volume];
    {
        FlagScope populating(session.main.populating);
        field.text = volume_text(session.mode, session.design.boxvol);
    }
    field.pending = false;
    field.fore = colours::black;
}

void MainForm::validateall() {
    // A field still showing exactly what populate wrote for its stored value
    // keeps that value: reading the rounded text back would move it (823 mm
    // shown as 2' 8 3/8 would become 822.325 mm, and the tuning with it).
    for (const auto& info : length_fields()) {
        TextField& field = session.main.text[main_field(info.field)];
        if (field.text == length_text(session.mode, session.design.*info.member)) {
            field.pending = false;
            field.fore = colours::black;
            continue;
        }
        validate(info.field);
    }
    if (session.main.text[MainField::Volume].text != volume_text(session.mode, session.design.boxvol)) validateboxvol();
}

void MainForm::populateall() {
    {
        FlagScope populating(session.main.populating);
        for (const auto& info : length_fields()) populate(info.field);
        populateboxvol();
    }
    res_wall2wall();
}

// ---- Field events ------------------------------------------------------------------

void MainForm::change(MainField f, std::string text) {
    TextField& field = session.main.text[f];
    field.text = std::move(text);

    if (const auto length = length_field_of(f)) {
        if (is_box_dimension(f)) field.back = colours::light_orange;
        if (session.main.populating) return;
        field.pending = true;
        if (session.mode != UnitMode::Metric) {
            field.fore = colours::red;
            return;
        }
        validate(*length);
        res_wall2wall();
        return;
    }

    switch (f) {
        case MainField::Volume:
            if (session.main.populating) return;
            field.back = colours::light_orange;
            field.pending = true;
            field.fore = colours::red;
            return;
        case MainField::Ports: {
            // Without ports the port fields have nothing to say.
            const bool ports = std::fabs(numeric_value(field.text)) != 0;
            for (MainField port : {MainField::PortLength, MainField::PortDiameter, MainField::PortWall}) {
                session.main.text[port].enabled = ports;
                session.main.text[port].back = ports ? colours::white : colours::light_grey;
            }
            session.main.port_labels_enabled = ports;
            res_wall2wall();
            return;
        }
        case MainField::Drivers: res_wall2wall(); return;
        default: return;  // the length fields, handled above
    }
}

void MainForm::set_text(MainField f, std::string text) {
    // Setting a field to the text it already holds is no change.
    if (session.main.text[f].text == text) return;
    change(f, std::move(text));
}

void MainForm::keypress(MainField f, int key) {
    if (key != kEnterKey) return;
    if (const auto length = length_field_of(f)) {
        validate(*length);
        if (*length == LengthField::Depth && (session.mode == UnitMode::Metric || session.mode == UnitMode::MetricCm)) {
            populate(LengthField::Depth);
        }
        res_wall2wall();
        return;
    }
    if (f == MainField::Volume) {
        validateboxvol();
        populateboxvol();
        res_wall2wall();
    }
}

void MainForm::lost_focus(MainField f) {
    if (!session.main.text[f].pending) return;
    if (length_field_of(f) || f == MainField::Volume) keypress(f, kEnterKey);
}

void MainForm::dblclick(MainField f) {
    switch (f) {
        case MainField::Depth: Text6_DblClick(); break;
        case MainField::Width: Text7_DblClick(); break;
        case MainField::Height: Text8_DblClick(); break;
        case MainField::Volume: Text9_DblClick(); break;
        default: break;  // the other fields have no double click
    }
}

void MainForm::Check3_Click(bool checked) {
    session.main.check3 = checked;
    session.design.doublefront = checked ? 1 : 0;
    Text9_DblClick();
    res_wall2wall();
}

void MainForm::Combo1_Click(int index) {
    const auto& sizes = driver_sizes();
    if (index >= 0 && index < static_cast<int>(sizes.size())) {
        session.main.combo_index = index;
        session.main.combo_text = std::string(sizes[static_cast<std::size_t>(index)].text);
        session.design.driversize = session.main.combo_text;
        session.design.drivervolume = sizes[static_cast<std::size_t>(index)].volume;
        session.design.driverdepth = sizes[static_cast<std::size_t>(index)].depth;
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
    session.main.where = false;
    view_.refresh();
}

void MainForm::Picture3_Click() { view_.show_modal(Window::frmComments); }

// ---- Calculator ----------------------------------------------------------------------

namespace {
// The calculator's marks of edited fields go once it has solved the box.
void clear_edit_marks(MainState& m) {
    for (MainField f : {MainField::Depth, MainField::Width, MainField::Height, MainField::Volume})
        m.text[f].back = colours::white;
}
}  // namespace

void MainForm::Text9_DblClick() {
    if (compute_volume(session.design)) clear_edit_marks(session.main);
    populateboxvol();
    res_wall2wall();
}

void MainForm::solve_box(BoxDimension dimension, LengthField field) {
    const SolveResult r = solve_dimension(session.design, dimension);
    if (!r.solved) {
        if (!r.message.empty()) view_.show_message(r.message);
        return;
    }
    populate(field);
    clear_edit_marks(session.main);
    res_wall2wall();
}

void MainForm::Text6_DblClick() { solve_box(BoxDimension::Depth, LengthField::Depth); }

void MainForm::Text7_DblClick() { solve_box(BoxDimension::Width, LengthField::Width); }

void MainForm::Text8_DblClick() { solve_box(BoxDimension::Height, LengthField::Height); }

// ---- Analysis --------------------------------------------------------------------------

AnalysisInputs analysis_inputs(const Session& session) {
    AnalysisInputs in;
    in.ports_text = session.main.text[MainField::Ports].text;
    in.drivers_text = session.main.text[MainField::Drivers].text;
    in.mode = session.mode;
    in.flange = session.main.flange;
    in.graph = session.main.graph;
    in.bracing = session.bracing;
    return in;
}

void MainForm::res_wall2wall() {
    const AnalysisInputs in = analysis_inputs(session);
    enclavio::res_wall2wall(session.design, in, session.main.graph_model, session.main.results);
    // Every analysis brings the results panel to the front.
    session.main.where = false;
    view_.refresh();
}

// ---- Units and notes ---------------------------------------------------------------------

void MainForm::set_unit_mode(UnitMode mode) { session.mode = mode; }

void MainForm::check_notes() {
    session.notes.hasnotes = std::any_of(session.notes.lines.begin(), session.notes.lines.end(),
                                         [](const std::string& line) { return !is_blank(line); });
    session.main.notes_picture = session.notes.hasnotes;
}

// ---- Menus ---------------------------------------------------------------------------------

void MainForm::run_flange(Flange f) {
    session.main.flange = f;
    session.main.flange_caption = std::string(flange_menu_caption(f));
    res_wall2wall();
}

void MainForm::mnu_noflange_Click() { run_flange(Flange::None); }
void MainForm::mnu_oneflange_Click() { run_flange(Flange::One); }
void MainForm::mnu_twoflange_Click() { run_flange(Flange::Two); }

void MainForm::mnu_onekhz_Click() {
    session.main.graph.range = 1000;
    res_wall2wall();
}

void MainForm::mnu_twokhz_Click() {
    session.main.graph.range = 2000;
    res_wall2wall();
}

void MainForm::mnu_shownums_Click() {
    session.main.graph.shownums = !session.main.graph.shownums;
    res_wall2wall();
}

void MainForm::mnu_highlight_Click() {
    session.main.graph.highlight = !session.main.graph.highlight;
    res_wall2wall();
}

void MainForm::mnu_units_Click() {
    view_.show_modal(Window::frmUnits);
    populateall();
}

void MainForm::mnu_where_Click() {
    session.main.where = !session.main.where;
    view_.refresh();
}

void MainForm::mnu_notes_Click() { view_.show_modal(Window::frmComments); }

void MainForm::mnu_report_Click() {
    session.report.check1_enabled = !session.cutting.show_exact;
    check_notes();
    session.report.check6_enabled = session.notes.hasnotes;
    view_.refresh();
    view_.show_modal(Window::frmReport);
}

void MainForm::mnu_panels_Click() {
    session.main.where = true;
    prepare_cutting_list(session);
    view_.refresh();
    view_.show_modal(Window::Form3);
}

void MainForm::mnu_save_Click() {
    validateall();
    save_window_prepare(session);
    view_.refresh();
    view_.show_modal(Window::Form2);
}

void MainForm::mnu_open_Click() {
    open_window_prepare(session);
    view_.show_modal(Window::Form5);
    // Only a project actually loaded refreshes the design: a cancelled or
    // refused open leaves everything as it was.
    if (!session.files.opened) return;
    finish_project_open(*this);
}

void MainForm::mnu_porting_Click() { view_.show_modal(Window::Form8); }

void MainForm::mnu_bracing_Click() {
    session.bracing_window.picture_double = session.design.doublefront == 1;
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
