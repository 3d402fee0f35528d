// The main window's behaviour, driven without a window through a recording view.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "../support/files.hpp"
#include "forms/main_form.hpp"
#include "project_windows_support.hpp"
#include "storage/project.hpp"
#include "storage/settings.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;
namespace fs = std::filesystem;

class MainFormTest : public ::testing::Test {
protected:
    TempFolder root;
    RecordingView view;
    MainForm form{view, root.file("app"), root.str()};

    const std::string& text(MainField f) const { return form.session.main.text[f].text; }
    const TextField& field(MainField f) const { return form.session.main.text[f]; }
    void switch_units(UnitMode m) {
        view.on_modal[Window::frmUnits] = [this, m] { form.set_unit_mode(m); };
        form.mnu_units_Click();
        view.messages.clear();
    }
    void type(MainField f, const std::string& t) { form.change(f, t); }
    void enter(MainField f) { form.keypress(f, kEnterKey); }
};

// Each measured length has one field, named as its control; the counts and
// the internal volume show no length.
TEST(MainFields, EachLengthHasItsField) {
    using L = LengthField;
    const std::pair<LengthField, const char*> lengths[] = {
        {L::Depth, "Text6"},       {L::Width, "Text7"},           {L::Height, "Text8"},   {L::Thickness, "Text4"},
        {L::PortLength, "Text1"},  {L::PortDiameter, "Text2"},    {L::PortWall, "Text3"}, {L::DriverDepth, "Text11"},
        {L::DriverDown, "Text12"}, {L::DriverSideways, "Text13"},
    };
    for (const auto& [length, control] : lengths) {
        EXPECT_EQ(control_name(main_field(length)), control);
        EXPECT_EQ(length_field_of(main_field(length)), length) << control;
    }
    for (MainField f : {MainField::Ports, MainField::Volume, MainField::Drivers})
        EXPECT_EQ(length_field_of(f), std::nullopt) << control_name(f);
}

TEST_F(MainFormTest, StartupWithoutSettingsShowsTheDesignTimeDesign) {
    form.startup();
    EXPECT_EQ(form.session.main.caption, "Enclavio - default");
    using F = MainField;
    const std::map<MainField, std::string> expected{
        {F::Depth, "400"},      {F::Width, "300"},        {F::Height, "700"}, {F::Thickness, "19"},
        {F::PortLength, "823"}, {F::PortDiameter, "86"},  {F::PortWall, "2"}, {F::Ports, "2"},
        {F::DriverDown, "200"}, {F::DriverSideways, "2"}, {F::Drivers, "1"},  {F::DriverDepth, " 30"},
        {F::Volume, " 59.4"},
    };
    ASSERT_EQ(expected.size(), kMainFields.size());
    for (const auto& [f, t] : expected) {
        SCOPED_TRACE(control_name(f));
        EXPECT_EQ(text(f), t);
        EXPECT_FALSE(field(f).pending);
        EXPECT_EQ(field(f).fore, colours::black);
        EXPECT_EQ(field(f).back, colours::white);
    }
    EXPECT_NEAR(form.session.design.boxvol, 59.491292, 1e-9);
    EXPECT_EQ(form.session.main.results.tuning_line.caption, "Tune  29.4hz");
    EXPECT_TRUE(view.messages.empty());
}

// Until the first calculation each result label shows its own control name;
// start-up's analysis replaces every one of them.
TEST_F(MainFormTest, ResultLabelsShowTheirControlNamesUntilTheFirstAnalysis) {
    const char* const resonance_labels[] = {"Label7", "Label21", "Label8",  "Label22", "Label20",
                                            "Label9", "Label17", "Label10", "Label23"};
    const Results& r = form.session.main.results;
    for (int n = 1; n <= kResonanceCount; ++n) {
        EXPECT_EQ(resonance_label_name(n), resonance_labels[n - 1]);
        EXPECT_EQ(r.resonance[n].caption, resonance_labels[n - 1]);
    }
    EXPECT_EQ(r.driver_and_total_line.caption, "Label28");
    EXPECT_EQ(form.session.cutting.list.finished_line, "Label12");
    form.startup();
    for (int n = 1; n <= kResonanceCount; ++n) EXPECT_NE(r.resonance[n].caption, resonance_labels[n - 1]);
    EXPECT_NE(r.driver_and_total_line.caption, "Label28");
}

TEST_F(MainFormTest, StartupAppliesTheSettingsFile) {
    struct Case {
        const char* file;
        UnitMode mode;
        const char* depth_text;
        const char* volume_text;
        const char* flange_caption;
        int range;
        bool shownums, highlight;
    };
    const Case cases[] = {
        {"/p\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n", UnitMode::Inches, "1' 3 3/4", " 2.1",
         "&Port Flanges=2", 2000, true, false},
        // Five lines, no unit mode; words are matched exactly, so "Show" is not "show".
        {"/q\r\nnoflange\r\n1000\r\nShow\r\nhighlight\r\n", UnitMode::Metric, "400", " 59.4", "&Port Flanges=0", 1000,
         false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TempFolder dir;
        fs::create_directories(dir.file("app"));
        put_bytes(dir.file("app/enclavio.ini"), c.file);
        RecordingView v;
        MainForm f(v, dir.file("app"), dir.str());
        f.startup();
        EXPECT_EQ(f.session.mode, c.mode);
        EXPECT_EQ(f.session.main.text[MainField::Depth].text, c.depth_text);
        EXPECT_EQ(f.session.main.text[MainField::Volume].text, c.volume_text);
        EXPECT_EQ(f.session.main.flange_caption, c.flange_caption);
        EXPECT_EQ(f.session.main.graph.range, c.range);
        EXPECT_EQ(f.session.main.graph.shownums, c.shownums);
        EXPECT_EQ(f.session.main.graph.highlight, c.highlight);
        EXPECT_NEAR(f.session.design.boxdepth, 400, 1e-9);
        EXPECT_TRUE(v.messages.empty());
    }
}

TEST_F(MainFormTest, ShutdownWritesTheSixSettingsLines) {
    form.startup();
    form.mnu_twoflange_Click();
    form.mnu_twokhz_Click();
    form.mnu_shownums_Click();
    switch_units(UnitMode::DecimalInches);
    form.shutdown();
    EXPECT_EQ(get_bytes(root.file("app/enclavio.ini")),
              root.str() + "\r\ntwoflange\r\n2000\r\nshow\r\nhighlight\r\ndecimalinches\r\n");
}

// Opening Save As runs validateall; a field still showing what populate wrote
// keeps its stored value, so a cancelled Save As changes nothing, in any mode
// (823 mm shown as 2' 8 3/8 used to become 822.325 mm, 400.6 mm shown as 401
// became 401).
TEST_F(MainFormTest, CancelledSaveAsKeepsTheStoredDesign) {
    for (UnitMode mode : {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches}) {
        SCOPED_TRACE(std::string(unit_mode_literal(mode)));
        RecordingView v;
        MainForm f(v, root.file("app"), root.str());
        f.startup();
        f.change(MainField::Depth, "400.6");
        f.change(MainField::DriverSideways, "2.3");
        f.Text9_DblClick();
        f.set_unit_mode(mode);
        f.populateall();
        const ProjectData before = project_from_session(f.session);
        const Results results = f.session.main.results;
        v.on_modal[Window::Form2] = [&] { FileForm(f, v, FileForm::Kind::Save).Command2_Click(); };
        f.mnu_save_Click();
        EXPECT_EQ(project_from_session(f.session), before);
        EXPECT_EQ(f.session.main.results.tuning_line.caption, results.tuning_line.caption);
        for (int n = 1; n <= kResonanceCount; ++n)
            EXPECT_EQ(f.session.main.results.resonance[n].caption, results.resonance[n].caption);
        EXPECT_TRUE(v.messages.empty());
    }
}

// ---- Typing and Enter in each unit mode ------------------------------------------------

double stored_value(const MainForm& f, MainField field) {
    if (field == MainField::Volume) return f.session.design.boxvol;
    if (const auto length = length_field_of(field)) return f.session.design.*length_field(*length).member;
    return -1;
}

TEST_F(MainFormTest, EnterValidatesStoresAndShows) {
    struct Case {
        UnitMode mode;
        MainField control;
        const char* typed;
        const char* shown;  // after Enter
        double stored;
        const char* message;  // empty: none
    };
    const Case cases[] = {
        {UnitMode::Metric, MainField::Depth, "400.6", " 401", 400.6, ""},
        {UnitMode::Metric, MainField::Width, "300.6", "300.6", 300.6, ""},
        {UnitMode::MetricCm, MainField::Depth, "40.55", "40.6", 405.5, ""},
        {UnitMode::Inches, MainField::Width, "3 5/3", "3 5/3", 0,
         "Boxwidth field contains incorrect format: - Allowable fractions are 1/2 1/4 1/8 1/16"},
        {UnitMode::DecimalInches, MainField::Width, "15.94", "15.94", 404.876, ""},
        {UnitMode::DecimalInches, MainField::Depth, "15.94", " 15.94", 404.876, ""},
    };
    form.startup();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(unit_mode_literal(c.mode)) + " " + control_name(c.control) + " " + c.typed);
        switch_units(c.mode);
        type(c.control, c.typed);
        enter(c.control);
        EXPECT_EQ(text(c.control), c.shown);
        EXPECT_NEAR(stored_value(form, c.control), c.stored, 1e-6);
        const bool failed = *c.message != '\0';
        EXPECT_EQ(view.messages, failed ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(field(c.control).pending, failed);
        EXPECT_EQ(field(c.control).fore, failed ? colours::red : colours::black);
    }
}

// Inches wait for Enter (red until then); a metric length is stored as typed.
// Either way the field is marked orange until the next calculation.
TEST_F(MainFormTest, PendingUntilEnterOrLostFocusAndTheEditMarkUntilACalculation) {
    form.startup();
    type(MainField::Height, "650");
    EXPECT_FALSE(field(MainField::Height).pending);
    EXPECT_EQ(form.session.design.boxheight, 650);
    EXPECT_EQ(field(MainField::Height).back, colours::light_orange);
    EXPECT_EQ(text(MainField::Volume), " 59.4");  // the volume waits for a double click
    switch_units(UnitMode::Inches);
    type(MainField::Width, "3 5/3");
    EXPECT_TRUE(field(MainField::Width).pending);
    EXPECT_EQ(field(MainField::Width).fore, colours::red);
    form.lost_focus(MainField::Width);
    form.lost_focus(MainField::Width);
    EXPECT_EQ(view.messages.size(), 2u);
    type(MainField::Width, "12");
    form.lost_focus(MainField::Width);
    form.lost_focus(MainField::Width);  // nothing pending: nothing happens
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_FALSE(field(MainField::Width).pending);
    EXPECT_EQ(text(MainField::Width), "1'");
    EXPECT_NEAR(form.session.design.boxwidth, 304.8, 1e-9);
    form.dblclick(MainField::Volume);
    for (MainField f : {MainField::Depth, MainField::Width, MainField::Height, MainField::Volume})
        EXPECT_EQ(field(f).back, colours::white) << control_name(f);
}

// ---- Counts, driver size, front -----------------------------------------------------------

TEST_F(MainFormTest, NumberOfPortsGreysOrEnablesThePortFields) {
    form.startup();
    const std::pair<std::string, bool> cases[] = {{"0", false}, {"abc", false}, {"-2", true}, {"1.5", true}};
    for (const auto& [t, enabled] : cases) {
        type(MainField::Ports, t);
        for (MainField n : {MainField::PortLength, MainField::PortDiameter, MainField::PortWall}) {
            EXPECT_EQ(field(n).enabled, enabled) << t;
            EXPECT_EQ(field(n).back, enabled ? colours::white : colours::light_grey) << t;
        }
        EXPECT_EQ(form.session.main.port_labels_enabled, enabled) << t;
        EXPECT_EQ(text(MainField::Ports), t);  // never rewritten
    }
}

TEST_F(MainFormTest, DriverSizeFrontAndMin) {
    form.startup();
    type(MainField::DriverDepth, "80");
    form.Combo1_Click(3);
    EXPECT_EQ(text(MainField::DriverDepth), " 45");
    EXPECT_DOUBLE_EQ(form.session.design.drivervolume, 4);
    EXPECT_EQ(form.session.design.driversize, "15 inch");
    form.Combo1_Click(-1);  // no selection: only redisplays
    EXPECT_EQ(form.session.main.combo_index, 3);

    type(MainField::Width, "300");
    form.Check3_Click(false);
    EXPECT_EQ(text(MainField::Volume), " 62.7");
    EXPECT_EQ(field(MainField::Width).back, colours::white);
    form.Check3_Click(true);
    EXPECT_EQ(text(MainField::Volume), " 59.4");

    form.Command1_Click();
    EXPECT_EQ(text(MainField::Width), " 300");
    EXPECT_EQ(text(MainField::Height), " 700");
    EXPECT_EQ(text(MainField::Depth), "400");
}

// ---- Calculator ----------------------------------------------------------------------------

TEST_F(MainFormTest, SolversRefuseASmallVolumeThenStoreShowAndClearTheEditMarks) {
    form.startup();
    type(MainField::Volume, "0.5");
    enter(MainField::Volume);
    type(MainField::Height, "650");
    const std::pair<MainField, const char*> cases[] = {
        {MainField::Depth, "Can't find box depth when volume < 1 or has not been correctly validated"},
        {MainField::Width, "Can't find box width when volume < 1 or has not been correctly validated"},
        {MainField::Height, "Can't find box height when volume < 1 or has not been correctly validated"},
    };
    for (const auto& [control, message] : cases) {
        view.messages.clear();
        const BoxDesign before = form.session.design;
        form.dblclick(control);
        EXPECT_EQ(view.messages, std::vector<std::string>{message});
        EXPECT_DOUBLE_EQ(form.session.design.boxdepth, before.boxdepth);
        EXPECT_DOUBLE_EQ(form.session.design.boxwidth, before.boxwidth);
        EXPECT_DOUBLE_EQ(form.session.design.boxheight, before.boxheight);
        EXPECT_EQ(field(MainField::Height).back, colours::light_orange);
    }
    type(MainField::Volume, "50");
    enter(MainField::Volume);
    form.dblclick(MainField::Height);
    EXPECT_EQ(text(MainField::Height), " 594");
    EXPECT_EQ(text(MainField::Volume), " 50");  // the asked-for volume stays
    for (MainField f : {MainField::Depth, MainField::Width, MainField::Height, MainField::Volume})
        EXPECT_EQ(field(f).back, colours::white) << control_name(f);
}

// ---- Menus ---------------------------------------------------------------------------------

TEST_F(MainFormTest, FlangeItemsSetCaptionAndTuning) {
    form.startup();
    const struct {
        void (MainForm::*click)();
        const char* caption;
        const char* tune;
    } steps[] = {
        {&MainForm::mnu_noflange_Click, "&Port Flanges=0", "Tune  29.6hz"},
        {&MainForm::mnu_twoflange_Click, "&Port Flanges=2", "Tune  29.2hz"},
        {&MainForm::mnu_oneflange_Click, "&Port Flanges=1", "Tune  29.4hz"},
    };
    EXPECT_EQ(form.session.main.flange_caption, "&Port Flanges-1");
    for (const auto& st : steps) {
        (form.*st.click)();
        EXPECT_EQ(form.session.main.flange_caption, st.caption);
        EXPECT_EQ(form.session.main.results.tuning_line.caption, st.tune);
    }
}

// Each menu item opens its window on a fresh start-up: `before` readies the main
// window, `shown` runs while the window is up, `after` checks the main window.
TEST_F(MainFormTest, MenuItemsOpenTheirWindows) {
    using F = MainForm&;
    const struct {
        void (MainForm::*click)();
        Window window;
        std::function<void(F)> before, shown, after;
    } items[] = {
        {&MainForm::mnu_notes_Click, Window::frmComments, {}, {}, {}},
        {&MainForm::Picture3_Click, Window::frmComments, {}, {}, {}},
        {&MainForm::mnu_porting_Click, Window::Form8, {}, {}, {}},
        {&MainForm::mnu_about_Click, Window::frmAbout, {}, {}, {}},
        // Where the panels go shows with the cutting list; any analysis hides it.
        {&MainForm::mnu_panels_Click,
         Window::Form3,
         {},
         [](F f) { EXPECT_TRUE(f.session.main.where); },
         [](F f) {
             f.change(MainField::Drivers, "1");
             EXPECT_FALSE(f.session.main.where);
         }},
        // Save As validates every field first: the pending 1' is stored before the window shows.
        {&MainForm::mnu_save_Click,
         Window::Form2,
         [](F f) { f.set_unit_mode(UnitMode::Inches), f.change(MainField::Width, "1'"); },
         [](F f) { EXPECT_NEAR(f.session.design.boxwidth, 304.8, 1e-9); },
         {}},
        // A load stores the file's values and keyword; the main window is refreshed from them.
        {&MainForm::mnu_open_Click,
         Window::Form5,
         {},
         [](F f) {
             f.session.design.boxdepth = 500, f.session.design.boxvol = 1;
             f.session.projectflange = "twoflange", f.session.files.opened = true;
         },
         [](F f) {
             EXPECT_EQ(f.session.main.text[MainField::Depth].text, " 500");
             EXPECT_EQ(f.session.main.flange_caption, "&Port Flanges=2");
             EXPECT_EQ(f.session.main.text[MainField::Volume].text, " 76.8");  // recomputed
         }},
        // The bracing window gets the front picture; the main window analyses after.
        {&MainForm::mnu_bracing_Click, Window::Form7, [](F f) { f.Check3_Click(false); },
         [](F f) {
             EXPECT_FALSE(f.session.bracing_window.picture_double);
             f.session.bracing.edge_manual = true, f.session.bracing.edge_text = "10";
         },
         [](F f) { EXPECT_NEAR(f.session.design.bracingvolume, 10 + 0.696369, 1e-9); }},
    };
    for (const auto& it : items) {
        RecordingView v;
        MainForm f(v, root.file("app"), root.str());
        f.startup();
        if (it.before) it.before(f);
        v.on_modal[it.window] = [&] {
            if (it.shown) it.shown(f);
        };
        (f.*it.click)();
        EXPECT_EQ(v.modals, std::vector<Window>{it.window}) << static_cast<int>(it.window);
        if (it.after) it.after(f);
    }
}

// ---- Settings kept across start-ups -------------------------------------------------------

// The first mark says the file is UTF-8; a second is the folder's first
// character, which the next start-up lost when the written file began with it.
TEST(MainFormSettings, FolderStartingWithAByteOrderMarkSurvivesRestarts) {
    const struct {
        std::string file, lastfolder;
    } cases[] = {
        {"\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},  // two marks, nothing else
        {"\xEF\xBB\xBF\xEF\xBB\xBF/home/ann\r\nnoflange\r\n", "\xEF\xBB\xBF/home/ann"},
    };
    for (const auto& c : cases) {
        TempFolder root;
        const std::string app = root.file("app");
        std::filesystem::create_directories(app);
        put_bytes(settings_path(app), c.file);
        for (int run = 1; run <= 2; ++run) {
            RecordingView view;
            MainForm form(view, app, root.str());
            form.startup();
            EXPECT_EQ(form.session.lastfolder, c.lastfolder) << c.lastfolder << ", start-up " << run;
            form.shutdown();
        }
    }
}

// Earlier builds kept enclavio.ini one folder deeper. While the program's
// folder has none, start-up reads that one; shut-down writes the program's
// folder, leaves the earlier file as it was, and the next start-up reads the new.
TEST(MainFormSettings, EarlierNestedSettingsAreReadOnceAndLeftInPlace) {
    TempFolder root;
    const std::string app = root.file("app"), earlier = root.file("app/Enclavio");
    std::filesystem::create_directories(earlier);
    const std::string earlier_file = "/boxes\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n";
    put_bytes(settings_path(earlier), earlier_file);
    for (int run = 1; run <= 2; ++run) {
        RecordingView view;
        MainForm form(view, app, root.str());
        form.startup();
        EXPECT_EQ(form.session.lastfolder, run == 1 ? "/boxes" : "/moved") << "start-up " << run;
        EXPECT_EQ(form.session.mode, UnitMode::Inches) << "start-up " << run;
        EXPECT_EQ(form.session.main.flange, Flange::Two) << "start-up " << run;
        form.session.lastfolder = "/moved";
        form.shutdown();
    }
    EXPECT_EQ(get_bytes(settings_path(app)), "/moved\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n");
    EXPECT_EQ(get_bytes(settings_path(earlier)), earlier_file);
}

}  // namespace
}  // namespace enclavio
