#include "forms/project_editor.hpp"

#include <algorithm>
#include <utility>

#include "cutting/cutting.hpp"
#include "forms/project_io.hpp"
#include "storage/project.hpp"

namespace enclavio {

namespace {

// Enough steps back for any session at the bench; the oldest go first.
constexpr std::size_t kMaxUndoSteps = 500;

std::string recent_key(std::size_t n) { return "recent." + std::to_string(n); }

// What saving now would write: the modified mark compares this.
std::string file_text(const Session& s) { return project_file_text(project_from_session(s)); }

}  // namespace

// ---- Recent projects ------------------------------------------------------------

std::vector<std::string> recent_projects(const KeyValues& settings) {
    std::vector<std::string> list;
    for (std::size_t n = 1; n <= kRecentProjectCount; ++n) {
        const auto path = find_value(settings, recent_key(n));
        if (!path || path->empty()) continue;
        if (std::find(list.begin(), list.end(), *path) == list.end()) list.push_back(*path);
    }
    return list;
}

void set_recent_projects(KeyValues& settings, const std::vector<std::string>& paths) {
    for (std::size_t n = 1; n <= kRecentProjectCount; ++n) {
        if (n <= paths.size()) {
            set_value(settings, recent_key(n), paths[n - 1]);
        } else {
            remove_value(settings, recent_key(n));
        }
    }
}

std::vector<std::string> with_recent(std::vector<std::string> list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
    if (list.size() > kRecentProjectCount) list.resize(kRecentProjectCount);
    return list;
}

// ---- The editor ---------------------------------------------------------------------

ProjectEditor::ProjectEditor(MainForm& main) : main_(main) {}

void ProjectEditor::start() {
    const Session& s = main_.session;
    documents_.assign(1, EditedDocument{s.projectname, s.projectpath, s.projectflange, file_text(s)});
    document_ = 0;
    states_.assign(1, capture());
    at_ = 0;
    typing_field_.reset();
    update_caption();
}

std::string ProjectEditor::current_key() const {
    const Session& s = main_.session;
    const BracingChoices& b = s.bracing;
    // The file text holds the design, the counts, the driver size, the front,
    // the flange and the notes; the bracing choices and the driver's volume
    // feed the analysis too but are not saved.
    return file_text(s) + '\n' + (b.edge_manual ? "1" : "0") + b.edge_text + '\n' + (b.shelf_manual ? "1" : "0") +
           b.shelf_text + '\n' + b.shelf_count_text + '\n' + general_number_text(s.design.drivervolume);
}

DesignState ProjectEditor::capture() const {
    const Session& s = main_.session;
    DesignState state;
    state.design = s.design;
    state.text = s.main.text;
    state.mode = s.mode;
    state.combo_index = s.main.combo_index;
    state.combo_text = s.main.combo_text;
    state.check3 = s.main.check3;
    state.port_labels_enabled = s.main.port_labels_enabled;
    state.flange = s.main.flange;
    state.flange_caption = s.main.flange_caption;
    state.bracing = s.bracing;
    state.notes = s.notes.lines;
    state.project_values = s.project_values;
    state.key = current_key();
    state.document = document_;
    return state;
}

void ProjectEditor::restore(const DesignState& state) {
    Session& s = main_.session;
    if (state.document != document_ && state.document < documents_.size()) {
        // Back or forward across an open: the other project's name and file.
        const EditedDocument& d = documents_[state.document];
        document_ = state.document;
        s.projectname = d.projectname;
        s.projectpath = d.projectpath;
        s.projectflange = d.projectflange;
    }
    s.design = state.design;
    s.main.text = state.text;
    s.main.combo_index = state.combo_index;
    s.main.combo_text = state.combo_text;
    s.main.check3 = state.check3;
    s.main.port_labels_enabled = state.port_labels_enabled;
    s.main.flange = state.flange;
    s.main.flange_caption = state.flange_caption;
    s.bracing = state.bracing;
    s.notes.lines = state.notes;
    s.project_values = state.project_values;
    main_.check_notes();
    if (state.mode != s.mode) {
        // The units changed since: the stored values are shown in today's units.
        for (const auto& info : length_fields()) {
            TextField& field = s.main.text[main_field(info.field)];
            field.pending = false;
            field.fore = colours::black;
        }
        main_.populateall();  // analyses too
    } else {
        main_.res_wall2wall();
    }
    typing_field_.reset();
    update_caption();
}

void ProjectEditor::push(DesignState state) {
    states_.resize(at_ + 1);  // a new change ends the redo steps
    states_.push_back(std::move(state));
    if (states_.size() > kMaxUndoSteps + 1) states_.erase(states_.begin());
    at_ = states_.size() - 1;
}

void ProjectEditor::after_change(std::optional<MainField> field, bool typing) {
    if (states_.empty()) start();
    Session& s = main_.session;
    const bool pending = field && s.main.text[*field].pending;
    if (!pending) {
        DesignState now = capture();
        DesignState& top = states_[at_];
        const bool same_design = now.key == top.key && now.document == top.document;
        // Fields written in other units say nothing about a change; in the
        // same units a rewritten field ("Min", a solver) is one.
        const bool same_fields =
            now.mode != top.mode ||
            std::equal(now.text.begin(), now.text.end(), top.text.begin(), [](const TextField& a, const TextField& b) {
                return a.text == b.text && a.pending == b.pending;
            });
        // A field's own event that leaves the design as it was only rewrote
        // the field (Enter showing " 450" for "450"): no step of its own.
        if (same_design && (same_fields || field)) {
            top = std::move(now);  // keeps the step's fields in today's units
        } else if (typing && field == typing_field_ && at_ + 1 == states_.size() && at_ > 0) {
            top = std::move(now);  // the next keystroke of the same edit
        } else {
            push(std::move(now));
            typing_field_ = typing ? field : std::nullopt;
        }
        if (!typing) typing_field_.reset();
    }
    update_caption();
}

bool ProjectEditor::modified() const {
    if (documents_.empty()) return false;
    return file_text(main_.session) != documents_[document_].baseline;
}

void ProjectEditor::undo() {
    if (!can_undo()) return;
    --at_;
    restore(states_[at_]);
}

void ProjectEditor::redo() {
    if (!can_redo()) return;
    ++at_;
    restore(states_[at_]);
}

// ---- Files ------------------------------------------------------------------------

void ProjectEditor::saved_project() {
    Session& s = main_.session;
    EditedDocument& d = documents_[document_];
    d.projectname = s.projectname;
    d.projectpath = s.projectpath;
    d.baseline = file_text(s);
    remember(s.projectpath);
    update_caption();
}

void ProjectEditor::opened_project() {
    const Session& s = main_.session;
    documents_.push_back(EditedDocument{s.projectname, s.projectpath, s.projectflange, file_text(s)});
    document_ = documents_.size() - 1;
    push(capture());
    typing_field_.reset();
    remember(s.projectpath);
    update_caption();
}

bool ProjectEditor::save() {
    if (states_.empty()) start();
    Session& s = main_.session;
    if (s.projectpath.empty()) return save_as();
    // Fields typed but not yet stored are stored first, as the save window does.
    main_.validateall();
    after_change();
    if (!write_project(s.projectpath, project_from_session(s))) {
        main_.view().show_message("Unable to save " + s.projectpath);
        return false;
    }
    saved_project();
    return true;
}

bool ProjectEditor::save_as() {
    if (states_.empty()) start();
    main_.mnu_save_Click();
    after_change();
    if (!main_.session.files.saved) return false;
    saved_project();
    return true;
}

bool ProjectEditor::may_discard_changes() {
    if (!modified()) return true;
    switch (main_.view().ask_save_changes("Save changes to " + main_.session.projectname + "?")) {
        case SaveAnswer::Save: return save();
        case SaveAnswer::Discard: return true;
        case SaveAnswer::Cancel: return false;
    }
    return false;
}

void ProjectEditor::open() {
    if (states_.empty()) start();
    if (!may_discard_changes()) return;
    main_.mnu_open_Click();
    if (main_.session.files.opened) {
        opened_project();
    } else {
        after_change();
    }
}

void ProjectEditor::open_recent(const std::string& path) {
    if (states_.empty()) start();
    // A project that is gone is refused before anything is asked.
    if (!read_project(path)) {
        main_.view().show_message("Unable to open " + path);
        std::vector<std::string> list = recent();
        list.erase(std::remove(list.begin(), list.end(), path), list.end());
        set_recent_projects(main_.session.settings_values, list);
        return;
    }
    if (!may_discard_changes()) return;
    if (open_project_file(main_, path)) opened_project();
}

bool ProjectEditor::open_at_startup(std::string_view path) {
    if (!open_project_file(main_, path)) return false;
    remember(main_.session.projectpath);
    start();
    return true;
}

std::vector<std::string> ProjectEditor::recent() const { return recent_projects(main_.session.settings_values); }

void ProjectEditor::remember(const std::string& path) {
    if (path.empty()) return;
    set_recent_projects(main_.session.settings_values, with_recent(recent(), path));
}

// ---- Caption and results ----------------------------------------------------------

std::string ProjectEditor::caption() const { return main_caption(main_.session.projectname) + (modified() ? "*" : ""); }

void ProjectEditor::update_caption() { main_.session.main.caption = caption(); }

std::string ProjectEditor::results_text() const {
    const Session& s = main_.session;
    const auto& text = s.main.text;
    const Results& r = s.main.results;
    const std::string unit(unit_suffix(s.mode));
    std::string out = main_caption(s.projectname) + '\n';
    const BoxDesign& d = s.design;
    if (d.boxdepth > 1 && d.boxwidth > 1 && d.boxheight > 1) {
        CuttingList list;
        do_panels(d, s.mode, true, list);
        out += list.finished_line + '\n';
    }
    out += "Internal Volume: " + text[MainField::Volume].text + std::string(volume_suffix(s.mode)) + '\n';
    out += "Ports: " + text[MainField::Ports].text + ", Internal Diameter " + text[MainField::PortDiameter].text +
           unit + ", Length " + text[MainField::PortLength].text + unit + ", Wall Thickness " +
           text[MainField::PortWall].text + unit + '\n';
    out += "Driver: " + s.main.combo_text + ", No. " + text[MainField::Drivers].text + '\n';
    out += '\n';
    for (std::size_t n = 1; n <= kResonanceCount; ++n) out += r.resonance[n].caption + '\n';
    out += r.ports_and_bracing_line.caption + '\n';
    out += r.driver_and_total_line.caption + '\n';
    out += r.working_volume_line.caption + "   " + r.tuning_line.caption + '\n';
    return out;
}

void ProjectEditor::copy_results() { main_.view().set_clipboard_text(results_text()); }

}  // namespace enclavio
