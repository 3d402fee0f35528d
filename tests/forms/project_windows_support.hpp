// Shared by the tests of the project, notes and report windows: a view that
// records what the models ask of their window, and a main window started in a
// temporary folder.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "../support/temp_folder.hpp"

#include "forms/main_form.hpp"
#include "forms/project_file_form.hpp"
#include "forms/project_io.hpp"
#include "forms/view.hpp"
#include "storage/project.hpp"

namespace enclavio::project_testing {

class RecordingView : public FormView {
public:
    std::vector<std::string> messages;
    std::vector<Window> modals;
    std::map<Window, std::function<void()>> on_modal;

    void show_message(std::string_view text) override { messages.emplace_back(text); }
    bool ask_yes_no(std::string_view, std::string_view) override { return false; }
    void show_modal(Window w) override {
        modals.push_back(w);
        if (auto it = on_modal.find(w); it != on_modal.end()) it->second();
    }
    void print_window() override {}
    void open_url(std::string_view) override {}
    bool open_file(std::string_view path) override {
        opened_files.emplace_back(path);
        return desktop_opens_files;
    }
    void refresh() override {}

    std::vector<std::string> opened_files;
    bool desktop_opens_files = true;
};

// A main window started with no settings file, its program folder and home
// below `root`.
struct StartedMain {
    RecordingView view;
    MainForm form;
    StartedMain(const test_support::TempFolder& root) : form(view, root.file("app"), root.str()) {
        form.startup();
        view.messages.clear();
    }
};

// Starts `main` as with a settings file that holds only the unit mode `mode`
// (none: no settings file at all), reading and writing no file.
inline void start_without_files(MainForm& main, std::optional<UnitMode> mode = std::nullopt) {
    main.preset_settings = LoadedSettings{};
    if (mode) main.preset_settings->units = std::string(unit_mode_literal(*mode));
    main.startup();
}

// Opens (Open menu) or saves (Save As menu) `name` in `folder` the way the
// user does: type the name, press the first button. True when the window closed.
inline bool through_menu(StartedMain& m, FileForm::Kind kind, const std::string& folder, const std::string& name) {
    bool closed = false;
    const Window w = kind == FileForm::Kind::Open ? Window::Form5 : Window::Form2;
    m.view.on_modal[w] = [&m, &closed, kind, folder, name] {
        FileForm form(m.form, m.view, kind);
        form.Dir1_Change(folder);
        form.Text1_Change(name);
        closed = form.Command1_Click();
    };
    kind == FileForm::Kind::Open ? m.form.mnu_open_Click() : m.form.mnu_save_Click();
    return closed;
}

// Every field away from its start-up value, a single front, both port ends
// flanged and notes with empty and blank lines; then shown in `mode`.
inline void change_every_field(MainForm& f, UnitMode mode) {
    f.set_unit_mode(UnitMode::Metric);
    f.populateall();
    using F = MainField;
    const std::pair<MainField, const char*> typed[] = {
        {F::Depth, "455"},    {F::Width, "333"},      {F::Height, "612"},
        {F::Thickness, "18"}, {F::PortLength, "400"}, {F::PortDiameter, "75"},
        {F::PortWall, "3"},   {F::DriverDown, "150"}, {F::DriverSideways, "5"}};
    for (const auto& [n, text] : typed) f.change(n, text);
    f.Combo1_Click(2);                       // 12 inch
    f.change(MainField::DriverDepth, "41");  // typed after the size, so not the size's default
    f.set_text(MainField::Drivers, "2");
    f.set_text(MainField::Ports, "1");
    f.Check3_Click(false);
    f.mnu_twoflange_Click();
    f.Text9_DblClick();
    f.session.notes.lines = {"Driver: the big one", "", "   ",      "Birch ply from the yard", "",
                             "  indented  ",        "", "last line"};
    f.check_notes();
    f.set_unit_mode(mode);
    f.populateall();
}

// The session's project as saved, but for the volume: that is worked out again
// from the dimensions on opening, so it must match the recomputed one and is
// then replaced by `file`'s.
inline ProjectData project_but_volume(const Session& s, const ProjectData& file) {
    ProjectData p = project_from_session(s);
    BoxDesign recomputed = s.design;
    EXPECT_TRUE(compute_volume(recomputed));
    EXPECT_EQ(p.boxvol, recomputed.boxvol);
    p.boxvol = file.boxvol;
    return p;
}

}  // namespace enclavio::project_testing
