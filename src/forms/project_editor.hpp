// The main window as an editor of one project: the caption's modified mark,
// Save, Save As and Open with the question before changes are lost, the
// recent projects, undo and redo of design changes, and the results as text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/main_form.hpp"
#include "forms/session.hpp"

namespace enclavio {

// ---- Recent projects ------------------------------------------------------------

inline constexpr std::size_t kRecentProjectCount = 8;

// The paths kept as "recent.1" (the most recent) to "recent.8" among the
// settings' named values; gaps and repeats are skipped.
std::vector<std::string> recent_projects(const KeyValues& settings);
// Writes the list back as "recent.1" ..., the first eight only; keys of
// entries no longer there are removed.
void set_recent_projects(KeyValues& settings, const std::vector<std::string>& paths);
// The list with `path` first and no other copy of it, at most eight long.
std::vector<std::string> with_recent(std::vector<std::string> list, const std::string& path);

// ---- Undo ------------------------------------------------------------------------

// What an undo step puts back: the stored design with everything that feeds
// the analysis, and the fields as they were shown.
struct DesignState {
    BoxDesign design;
    MainFieldTexts text;
    UnitMode mode = UnitMode::Metric;  // the mode the field texts were written in
    int combo_index = -1;
    std::string combo_text;
    bool check3 = true;
    bool port_labels_enabled = true;
    Flange flange = Flange::One;
    std::string flange_caption;
    BracingChoices bracing;
    std::array<std::string, 8> notes;
    KeyValues project_values;  // the named values saved with the project (driver parameters ...)
    std::string key;           // the project's file text and bracing: equal keys, same design
    std::size_t document = 0;  // which opened project it belongs to
};

// The file a state belongs to: changed by Save As, replaced by an open.
struct EditedDocument {
    std::string projectname;
    std::string projectpath;
    std::string projectflange;
    std::string baseline;  // the file text as last saved or opened (or at start-up)
};

class ProjectEditor {
public:
    explicit ProjectEditor(MainForm& main);

    // The design now shown is unmodified and the history starts here: after
    // start-up, or after a project opened at start-up.
    void start();

    // After any event of the main window. A change that reached the design
    // becomes an undo step; `field` is the field whose event ran (none for
    // any other event), and `typing` says the event was a
    // keystroke: keystrokes in one field make one step until something else
    // happens. A field left pending (typed but not yet stored) makes none.
    // Brings the caption's mark up to date.
    void after_change(std::optional<MainField> field = std::nullopt, bool typing = false);

    bool modified() const;
    bool can_undo() const { return at_ > 0; }
    bool can_redo() const { return at_ + 1 < states_.size(); }
    void undo();
    void redo();

    // "&Save": writes the project to its file without asking; a project never
    // saved ("default") goes to the save window instead. True when written.
    bool save();
    // "&Save As...": the save window. True when it wrote the project.
    bool save_as();
    // "&Open...": asks about unsaved changes, then the open window.
    void open();
    // A project of the recent list: asks about unsaved changes and opens it;
    // one that cannot be read is refused and dropped from the list.
    void open_recent(const std::string& path);
    // A project named when the program starts: opened as the open window
    // would, becoming the start of the history.
    bool open_at_startup(std::string_view path);

    // Before the window closes (or another project replaces this one): true
    // when nothing changed, or the user saved or discarded the changes; false
    // when the user cancelled, or the save failed.
    bool may_discard_changes();

    std::vector<std::string> recent() const;

    // The results panel's lines and the main sizes, one a line.
    std::string results_text() const;
    void copy_results();

    // The caption for the project's name and modified state.
    std::string caption() const;

private:
    DesignState capture() const;
    void restore(const DesignState& state);
    void push(DesignState state);
    void opened_project();
    void saved_project();
    void remember(const std::string& path);
    void update_caption();
    std::string current_key() const;

    MainForm& main_;
    std::vector<DesignState> states_;
    std::size_t at_ = 0;
    std::vector<EditedDocument> documents_;
    std::size_t document_ = 0;
    std::optional<MainField> typing_field_;  // the field whose keystrokes make the top step
};

}  // namespace enclavio
