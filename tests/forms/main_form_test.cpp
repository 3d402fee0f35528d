// The main window's behaviour, driven without a window through a recording view.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "forms/main_form.hpp"
#include "storage/storage.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;

// Records what the model asks of its window; modal windows run a hook.
class RecordingView : public FormView {
public:
    std::vector<std::string> messages;
    std::vector<Window> modals;
    std::vector<std::pair<std::string, std::string>> questions;
    bool answer = false;
    int prints = 0;
    int refreshes = 0;
    std::map<Window, std::function<void()>> on_modal;

    void show_message(std::string_view text) override { messages.emplace_back(text); }
    bool ask_yes_no(std::string_view title, std::string_view text) override {
        questions.emplace_back(title, text);
        return answer;
    }
    void show_modal(Window w) override {
        modals.push_back(w);
        if (auto it = on_modal.find(w); it != on_modal.end()) it->second();
    }
    void print_window() override { ++prints; }
    void open_url(std::string_view) override {}
    void refresh() override { ++refreshes; }
};

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("enclavio-main-form-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string str() const { return path_.string(); }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

private:
    fs::path path_;
};

class MainFormTest : public ::testing::Test {
protected:
    TempFolder appdata;
    RecordingView view;
    MainForm form{view, appdata.str() + "/app", "/home/builder"};

    const std::string& text(int n) const { return form.s.main.text[n].text; }
    const TextField& field(int n) const { return form.s.main.text[n]; }
    void start() { form.startup(); }
    void switch_units(UnitMode m) {
        view.on_modal[Window::frmUnits] = [this, m] { form.set_unit_mode(m); };
        form.mnu_units_Click();
    }
    void type(int n, const std::string& t) { form.change(n, t); }
    void enter(int n) { form.keypress(n, 13); }
};

TEST_F(MainFormTest, StartupWithoutSettingsShowsTheDesignTimeDesign) {
    start();
    EXPECT_EQ(form.s.main.caption, "Enclavio - default");
    EXPECT_EQ(form.s.mode, UnitMode::Metric);
    const std::map<int, std::string> expected{
        {6, "400"}, {7, "300"}, {8, "700"}, {4, "19"},  {1, "823"},  {2, "86"},  {3, "2"},
        {5, "2"},   {12, "200"}, {13, "2"}, {10, "1"}, {11, " 30"}, {9, " 59.4"},
    };
    for (const auto& [n, t] : expected) EXPECT_EQ(text(n), t) << "Text" << n;
    for (int n = 1; n <= 13; ++n) {
        EXPECT_FALSE(field(n).pending) << "Text" << n;
        EXPECT_EQ(field(n).fore, colours::black) << "Text" << n;
        EXPECT_EQ(field(n).back, colours::white) << "Text" << n;
    }
    EXPECT_NEAR(form.s.design.boxvol, 59.491292, 1e-9);
    EXPECT_EQ(form.s.design.doublefront, 1);
    EXPECT_EQ(form.s.main.combo_index, 1);
    EXPECT_EQ(form.s.main.combo_items.size(), 5u);
    EXPECT_EQ(form.s.design.driversize, "10 inch");
    EXPECT_EQ(form.s.main.flange_caption, "&Port Flanges-1");
    EXPECT_EQ(form.s.main.flange, Flange::One);
    EXPECT_EQ(form.s.main.graph.range, 1000);
    EXPECT_FALSE(form.s.main.graph.shownums);
    EXPECT_TRUE(form.s.main.graph.highlight);
    EXPECT_EQ(form.s.lastfolder, "/home/builder");
    EXPECT_EQ(form.s.projectname, "default");
    EXPECT_FALSE(form.s.main.where);
    EXPECT_FALSE(form.s.main.notes_picture);
    EXPECT_EQ(form.s.main.results.label27.caption, "Tune  29.4hz");
    EXPECT_EQ(form.s.main.results.label28.caption, "Driver =  1.5 litres       Total =  14 litres");
    EXPECT_TRUE(view.messages.empty());
}

struct SettingsCase {
    const char* name;
    const char* file;
    UnitMode mode;
    const char* depth_text;
    const char* volume_text;
    Flange flange;
    const char* flange_caption;
    int range;
    bool shownums, highlight;
    const char* lastfolder;
};

class MainFormSettings : public MainFormTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(MainFormSettings, StartupAppliesTheSettingsFile) {
    const SettingsCase& c = GetParam();
    fs::create_directories(appdata.str() + "/app");
    appdata.write("app/enclavio.ini", c.file);
    start();
    EXPECT_EQ(form.s.mode, c.mode);
    EXPECT_EQ(text(6), c.depth_text);
    EXPECT_EQ(text(9), c.volume_text);
    EXPECT_EQ(form.s.main.flange, c.flange);
    EXPECT_EQ(form.s.main.flange_caption, c.flange_caption);
    EXPECT_EQ(form.s.main.graph.range, c.range);
    EXPECT_EQ(form.s.main.graph.shownums, c.shownums);
    EXPECT_EQ(form.s.main.graph.highlight, c.highlight);
    EXPECT_EQ(form.s.lastfolder, c.lastfolder);
    EXPECT_NEAR(form.s.design.boxdepth, 400, 1e-9);  // stored millimetres never change
    EXPECT_TRUE(view.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainFormSettings,
    ::testing::Values(
        SettingsCase{"Inches", "/p\r\ntwoflange\r\n2000\r\nshow\r\nnohighlight\r\ninches\r\n", UnitMode::Inches,
                     "1' 3 3/4", " 2.1", Flange::Two, "&Port Flanges=2", 2000, true, false, "/p"},
        SettingsCase{"CapitalShow", "/p\r\noneflange\r\n1000\r\nShow\r\nhighlight\r\nmetric\r\n", UnitMode::Metric,
                     " 400", " 59.4", Flange::One, "&Port Flanges=1", 1000, false, true, "/p"},
        SettingsCase{"FiveLines", "/q\r\nnoflange\r\n1000\r\nnoshow\r\nhighlight\r\n", UnitMode::Metric, "400",
                     " 59.4", Flange::None, "&Port Flanges=0", 1000, false, true, "/q"},
        SettingsCase{"UnknownWords", "/r\r\nOneflange\r\n3000\r\nx\r\nHighlight\r\nfurlongs\r\n", UnitMode::Metric,
                     " 400", " 59.4", Flange::One, "&Port Flanges-1", 1000, false, false, "/r"},
        SettingsCase{"MetricCm", "/s\r\noneflange\r\n1000\r\nnoshow\r\nhighlight\r\nmetric-cm\r\n",
                     UnitMode::MetricCm, "40", " 59.4", Flange::One, "&Port Flanges=1", 1000, false, true, "/s"},
        SettingsCase{"OneLine", "/t\r\n", UnitMode::Metric, "400", " 59.4", Flange::One, "&Port Flanges-1",
                     1000, false, true, "/t"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, ShutdownWritesTheSixSettingsLinesIntoANewFolder) {
    start();
    form.mnu_twoflange_Click();
    form.mnu_twokhz_Click();
    form.mnu_shownums_Click();
    switch_units(UnitMode::DecimalInches);
    form.shutdown();
    const auto bytes = read_whole_file(appdata.str() + "/app/enclavio.ini");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "/home/builder\r\ntwoflange\r\n2000\r\nshow\r\nhighlight\r\ndecimalinches\r\n");
}

// ---- Typing and Enter in each unit mode ------------------------------------------------

struct EntryCase {
    const char* name;
    UnitMode mode;
    int control;
    const char* typed;
    const char* shown;  // after Enter
    double stored;
    const char* message;  // empty: none
};

class MainFormEntry : public MainFormTest, public ::testing::WithParamInterface<EntryCase> {};

double stored_value(const MainForm& f, int control) {
    if (control == 9) return f.s.design.boxvol;
    for (const auto& info : length_fields()) {
        if (MainForm::control_of(info.field) == control) return f.s.design.*info.member;
    }
    return -1;
}

TEST_P(MainFormEntry, EnterValidatesStoresAndShows) {
    const EntryCase& c = GetParam();
    start();
    switch_units(c.mode);
    view.messages.clear();
    type(c.control, c.typed);
    enter(c.control);
    EXPECT_EQ(text(c.control), c.shown);
    EXPECT_NEAR(stored_value(form, c.control), c.stored, 1e-6);
    const bool failed = *c.message != '\0';
    if (failed) {
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0], c.message);
    } else {
        EXPECT_TRUE(view.messages.empty());
    }
    EXPECT_EQ(field(c.control).pending, failed);
    EXPECT_EQ(field(c.control).fore, failed ? colours::red : colours::black);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MainFormEntry,
    ::testing::Values(
        EntryCase{"MetricDepthRounds", UnitMode::Metric, 6, "400.6", " 401", 400.6, ""},
        EntryCase{"MetricWidthKeepsText", UnitMode::Metric, 7, "300.6", "300.6", 300.6, ""},
        EntryCase{"MetricNegative", UnitMode::Metric, 7, "-250", "-250", 250, ""},
        EntryCase{"MetricTrailingLetters", UnitMode::Metric, 12, "12abc", "12abc", 12, ""},
        EntryCase{"CmDepth", UnitMode::MetricCm, 6, "40.5", "40.5", 405, ""},
        EntryCase{"CmDepthRoundsHalfUp", UnitMode::MetricCm, 6, "40.55", "40.6", 405.5, ""},
        EntryCase{"CmWidthKeepsText", UnitMode::MetricCm, 7, "30.55", "30.55", 305.5, ""},
        EntryCase{"InchesDepth", UnitMode::Inches, 6, "1' 3 3/4", "1' 3 3/4", 400.05, ""},
        EntryCase{"InchesWidthBadFraction", UnitMode::Inches, 7, "3 5/3", "3 5/3", 0,
                  "Boxwidth field contains incorrect format: - Allowable fractions are 1/2 1/4 1/8 1/16"},
        EntryCase{"InchesEmptyHeight", UnitMode::Inches, 8, "", "0", 0, ""},
        EntryCase{"InchesPortRewritten", UnitMode::Inches, 1, "32.4", "2' 8 3/8", 822.96, ""},
        EntryCase{"DecimalWidthKeepsText", UnitMode::DecimalInches, 7, "15.94", "15.94", 404.876, ""},
        EntryCase{"DecimalDepthRewritten", UnitMode::DecimalInches, 6, "15.94", " 15.94", 404.876, ""},
        EntryCase{"InchesVolume", UnitMode::Inches, 9, "2.1", " 2.1", 59.4653778, ""},
        EntryCase{"MetricVolume", UnitMode::Metric, 9, "47.25", " 47.2", 47.25, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, TypingOutsideMetricMarksThePendingFieldUntilEnter) {
    start();
    switch_units(UnitMode::Inches);
    type(7, "12");
    EXPECT_TRUE(field(7).pending);
    EXPECT_EQ(field(7).fore, colours::red);
    EXPECT_EQ(field(7).back, colours::light_orange);
    EXPECT_DOUBLE_EQ(form.s.design.boxwidth, 300);
    enter(7);
    EXPECT_NEAR(form.s.design.boxwidth, 304.8, 1e-9);
    EXPECT_EQ(text(7), "1'");
    EXPECT_FALSE(field(7).pending);
    EXPECT_EQ(field(7).fore, colours::black);
    EXPECT_EQ(field(7).back, colours::light_orange);  // until the next calculation
    form.dblclick(9);
    for (int n = 6; n <= 9; ++n) EXPECT_EQ(field(n).back, colours::white) << "Text" << n;
}

TEST_F(MainFormTest, TypingInMetricValidatesAtOnce) {
    start();
    type(8, "650");
    EXPECT_DOUBLE_EQ(form.s.design.boxheight, 650);
    EXPECT_FALSE(field(8).pending);
    EXPECT_EQ(field(8).fore, colours::black);
    EXPECT_EQ(field(8).back, colours::light_orange);
    EXPECT_EQ(text(9), " 59.4");  // the volume waits for a double click
    type(4, "18");
    EXPECT_DOUBLE_EQ(form.s.design.boxthickness, 18);
    EXPECT_EQ(field(4).back, colours::white);
}

TEST_F(MainFormTest, VolumeTypingIsPendingInEveryMode) {
    start();
    type(9, "70");
    EXPECT_TRUE(field(9).pending);
    EXPECT_EQ(field(9).fore, colours::red);
    EXPECT_EQ(field(9).back, colours::light_orange);
    EXPECT_NEAR(form.s.design.boxvol, 59.491292, 1e-9);
    form.lost_focus(9);
    EXPECT_DOUBLE_EQ(form.s.design.boxvol, 70);
    EXPECT_EQ(text(9), " 70");
    EXPECT_FALSE(field(9).pending);
}

TEST_F(MainFormTest, LeavingAPendingFieldRepeatsTheMessageUntilItParses) {
    start();
    switch_units(UnitMode::Inches);
    view.messages.clear();
    type(7, "3 5/3");
    form.lost_focus(7);
    form.lost_focus(7);
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_TRUE(field(7).pending);
    type(7, "12");
    form.lost_focus(7);
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_FALSE(field(7).pending);
    form.lost_focus(7);  // nothing pending: nothing happens
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(text(7), "1'");
}

TEST_F(MainFormTest, UnitSwitchRewritesAPendingFieldFromItsStoredValue) {
    start();
    switch_units(UnitMode::Inches);
    type(8, "2'");
    switch_units(UnitMode::Metric);
    EXPECT_EQ(text(8), " 700");
    EXPECT_TRUE(field(8).pending);
    EXPECT_EQ(field(8).fore, colours::red);
    EXPECT_EQ(text(6), " 400");
    EXPECT_EQ(text(9), " 59.4");
}

TEST_F(MainFormTest, DecimalInchesCaptionsAndTexts) {
    start();
    switch_units(UnitMode::DecimalInches);
    EXPECT_EQ(text(6), " 15.75");
    EXPECT_EQ(text(9), " 2.1");
    EXPECT_EQ(mode_captions(form.s.mode).frame1, "Box Dimensions (inches external) and Calculator");
    EXPECT_EQ(mode_captions(form.s.mode).label15, "Internal Volume (cu.ft)");
}

// ---- Counts, driver size, front -----------------------------------------------------------

TEST_F(MainFormTest, NumberOfPortsGreysOrEnablesThePortFields) {
    start();
    const std::vector<std::pair<std::string, bool>> cases{
        {"0", false}, {"0.0", false}, {"abc", false}, {"-2", true}, {"", false}, {"1.5", true}};
    for (const auto& [t, enabled] : cases) {
        type(5, t);
        for (int n : {1, 2, 3}) {
            EXPECT_EQ(field(n).enabled, enabled) << t;
            EXPECT_EQ(field(n).back, enabled ? colours::white : colours::light_grey) << t;
        }
        EXPECT_EQ(form.s.main.port_labels_enabled, enabled) << t;
        EXPECT_EQ(form.s.main.results.resonance[1].enabled, enabled) << t;
        EXPECT_EQ(text(5), t);  // never rewritten
    }
    type(5, "0");
    EXPECT_EQ(form.s.main.results.label27.caption, "Tune  0hz");
}

TEST_F(MainFormTest, DriverCountChangeAnalyses) {
    start();
    type(10, "2");
    EXPECT_EQ(form.s.main.results.label28.caption, "Driver =  3 litres       Total =  15.5 litres");
}

TEST_F(MainFormTest, DriverSizeSetsDepthAndVolume) {
    start();
    type(11, "80");
    form.Combo1_Click(3);
    EXPECT_EQ(text(11), " 45");
    EXPECT_DOUBLE_EQ(form.s.design.driverdepth, 45);
    EXPECT_DOUBLE_EQ(form.s.design.drivervolume, 4);
    EXPECT_EQ(form.s.design.driversize, "15 inch");
    EXPECT_EQ(form.s.main.combo_text, "15 inch");
    form.Combo1_Click(-1);  // no selection: only redisplays
    EXPECT_DOUBLE_EQ(form.s.design.drivervolume, 4);
    EXPECT_EQ(form.s.main.combo_index, 3);
}

TEST_F(MainFormTest, DoubleFrontToggleRecomputesTheVolume) {
    start();
    type(7, "320");  // marks the box fields as edited
    form.Check3_Click(false);
    EXPECT_EQ(form.s.design.doublefront, 0);
    EXPECT_EQ(text(9), " 67.5");
    EXPECT_EQ(field(7).back, colours::white);
    type(7, "300");
    form.Check3_Click(false);
    EXPECT_EQ(text(9), " 62.7");
    form.Check3_Click(true);
    EXPECT_EQ(text(9), " 59.4");
}

TEST_F(MainFormTest, MinRedisplaysWidthAndHeight) {
    start();
    EXPECT_EQ(text(7), "300");
    form.Command1_Click();
    EXPECT_EQ(text(7), " 300");
    EXPECT_EQ(text(8), " 700");
    EXPECT_EQ(text(6), "400");
}

// ---- Calculator ----------------------------------------------------------------------------

TEST_F(MainFormTest, SolversShowTheirRefusalAndChangeNothing) {
    start();
    type(9, "0.5");
    enter(9);
    type(8, "650");
    struct Case {
        int control;
        const char* message;
    };
    const Case cases[] = {
        {6, "Can't find box depth when volume < 1 or has not been correctly validated"},
        {7, "Can't find box width when volume < 1 or has not been correctly validated"},
        {8, "Can't find box height when volume < 1 or has not been correctly validated"},
    };
    for (const auto& c : cases) {
        view.messages.clear();
        const BoxDesign before = form.s.design;
        form.dblclick(c.control);
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0], c.message);
        EXPECT_DOUBLE_EQ(form.s.design.boxdepth, before.boxdepth);
        EXPECT_DOUBLE_EQ(form.s.design.boxwidth, before.boxwidth);
        EXPECT_DOUBLE_EQ(form.s.design.boxheight, before.boxheight);
        EXPECT_EQ(field(9).back, colours::light_orange);
        EXPECT_EQ(field(8).back, colours::light_orange);
    }
}

TEST_F(MainFormTest, SolversStoreShowAndClearTheEditMarks) {
    start();
    type(9, "50");
    enter(9);
    form.dblclick(8);
    EXPECT_DOUBLE_EQ(form.s.design.boxheight, 594);
    EXPECT_EQ(text(8), " 594");
    EXPECT_EQ(text(9), " 50");  // the asked-for volume stays
    for (int n = 6; n <= 9; ++n) EXPECT_EQ(field(n).back, colours::white);

    type(9, "59.491292");
    enter(9);
    type(8, "700");
    form.dblclick(6);
    EXPECT_DOUBLE_EQ(form.s.design.boxdepth, 400);
    EXPECT_EQ(text(6), " 400");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(MainFormTest, ZeroWidthGivesZeroVolumeWithoutClearingMarks) {
    start();
    switch_units(UnitMode::Inches);
    type(7, "1/3");
    enter(7);
    EXPECT_EQ(form.s.design.boxwidth, 0);
    form.dblclick(9);
    EXPECT_EQ(text(9), " 0");
    EXPECT_EQ(field(7).back, colours::light_orange);
}

// ---- Menus ---------------------------------------------------------------------------------

TEST_F(MainFormTest, FlangeItemsSetCaptionAndTuning) {
    start();
    const struct {
        void (MainForm::*click)();
        const char* caption;
        const char* tune;
    } steps[] = {
        {&MainForm::mnu_noflange_Click, "&Port Flanges=0", "Tune  29.6hz"},
        {&MainForm::mnu_twoflange_Click, "&Port Flanges=2", "Tune  29.2hz"},
        {&MainForm::mnu_oneflange_Click, "&Port Flanges=1", "Tune  29.4hz"},
        {&MainForm::mnu_oneflange_Click, "&Port Flanges=1", "Tune  29.4hz"},
    };
    EXPECT_EQ(form.s.main.flange_caption, "&Port Flanges-1");
    for (const auto& st : steps) {
        (form.*st.click)();
        EXPECT_EQ(form.s.main.flange_caption, st.caption);
        EXPECT_EQ(form.s.main.results.label27.caption, st.tune);
    }
}

TEST_F(MainFormTest, GraphMenusSetOptionsAndRedraw) {
    start();
    form.mnu_twokhz_Click();
    EXPECT_EQ(form.s.main.graph.range, 2000);
    form.mnu_onekhz_Click();
    EXPECT_EQ(form.s.main.graph.range, 1000);
    form.mnu_shownums_Click();
    EXPECT_TRUE(form.s.main.graph.shownums);
    EXPECT_EQ(form.s.main.results.resonance[3].caption, "(3) Box top to bottom resonance  259 hz");
    form.mnu_highlight_Click();
    EXPECT_FALSE(form.s.main.graph.highlight);
    form.mnu_shownums_Click();
    EXPECT_EQ(form.s.main.results.resonance[3].caption, "Box top to bottom resonance  259 hz");
}

TEST_F(MainFormTest, WhereToMeasureToggles) {
    start();
    form.mnu_where_Click();
    EXPECT_TRUE(form.s.main.where);
    form.mnu_where_Click();
    EXPECT_FALSE(form.s.main.where);
    form.mnu_where_Click();
    form.Picture2_Click();
    EXPECT_FALSE(form.s.main.where);
    form.mnu_where_Click();
    type(10, "1");  // any analysis brings the results back
    EXPECT_FALSE(form.s.main.where);
}

TEST_F(MainFormTest, MenusOpenTheirWindows) {
    start();
    view.modals.clear();
    form.mnu_notes_Click();
    form.Picture3_Click();
    form.mnu_porting_Click();
    form.mnu_about_Click();
    EXPECT_EQ(view.modals,
              (std::vector<Window>{Window::frmComments, Window::frmComments, Window::Form8, Window::frmAbout}));
}

TEST_F(MainFormTest, CuttingListShowsTheWhereToMeasurePicture) {
    start();
    bool where_while_shown = false;
    view.on_modal[Window::Form3] = [&] { where_while_shown = form.s.main.where; };
    form.mnu_panels_Click();
    EXPECT_TRUE(where_while_shown);
    EXPECT_TRUE(form.s.main.where);
}

TEST_F(MainFormTest, ReportWindowEnablesItsChecksFirst) {
    start();
    form.s.notes.lines[3] = "   ";
    form.s.cutting.show_exact = false;
    form.mnu_report_Click();
    EXPECT_TRUE(form.s.report.check1_enabled);
    EXPECT_FALSE(form.s.report.check6_enabled);
    EXPECT_FALSE(form.s.main.notes_picture);
    form.s.notes.lines[7] = " birch ply ";
    form.s.cutting.show_exact = true;
    form.mnu_report_Click();
    EXPECT_FALSE(form.s.report.check1_enabled);
    EXPECT_TRUE(form.s.report.check6_enabled);
    EXPECT_TRUE(form.s.main.notes_picture);
    EXPECT_EQ(view.modals.back(), Window::frmReport);
}

TEST_F(MainFormTest, SaveValidatesEveryFieldBeforeTheWindow) {
    start();
    switch_units(UnitMode::Inches);
    type(7, "1'");  // pending, not yet stored
    double width_when_shown = 0;
    std::string name_when_shown;
    view.on_modal[Window::Form2] = [&] {
        width_when_shown = form.s.design.boxwidth;
        name_when_shown = form.s.files.save.name;
    };
    form.mnu_save_Click();
    EXPECT_NEAR(width_when_shown, 304.8, 1e-9);
    EXPECT_EQ(name_when_shown, "default");
}

TEST_F(MainFormTest, OpenRefreshesTheDesignOnlyWhenAProjectWasLoaded) {
    start();
    // A load: the open window stores the file's values and keyword.
    view.on_modal[Window::Form5] = [&] {
        form.s.design.boxdepth = 500;
        form.s.design.boxvol = 1;
        form.s.projectflange = "twoflange";
        form.s.files.opened = true;
    };
    form.mnu_open_Click();
    EXPECT_EQ(text(6), " 500");
    EXPECT_EQ(form.s.main.flange, Flange::Two);
    EXPECT_EQ(form.s.main.flange_caption, "&Port Flanges=2");
    EXPECT_NEAR(form.s.design.boxvol, 262 * 662 * 443 / 1e6, 1e-9);  // recomputed
    EXPECT_EQ(text(9), " 76.8");

    // Cancelled: nothing is reloaded, the earlier project's flange is not re-applied.
    form.mnu_noflange_Click();
    type(8, "650");
    type(9, "80");
    view.on_modal[Window::Form5] = [] {};
    form.mnu_open_Click();
    EXPECT_EQ(form.s.main.flange, Flange::None);
    EXPECT_EQ(text(8), "650");
    EXPECT_EQ(text(9), "80");
    EXPECT_TRUE(field(9).pending);
}

TEST_F(MainFormTest, BracingWindowGetsTheFrontPictureAndAnalysesAfter) {
    start();
    form.Check3_Click(false);
    bool picture_double = true;
    view.on_modal[Window::Form7] = [&] {
        picture_double = form.s.bracing_window.picture_double;
        form.s.bracing.edge_manual = true;
        form.s.bracing.edge_text = "10";
    };
    form.mnu_bracing_Click();
    EXPECT_FALSE(picture_double);
    EXPECT_NEAR(form.s.design.bracingvolume, 10 + 0.696369, 1e-9);
}

TEST_F(MainFormTest, PrintAsksFirst) {
    start();
    form.mnu_print_Click();
    EXPECT_EQ(view.prints, 0);
    view.answer = true;
    form.mnu_print_Click();
    EXPECT_EQ(view.prints, 1);
    ASSERT_EQ(view.questions.size(), 2u);
    EXPECT_EQ(view.questions[0].first, "Would you like me to ...");
    EXPECT_EQ(view.questions[0].second, "Print this form using current printer settings?");
}

TEST_F(MainFormTest, ProgrammaticTextRunsTheChangeHandling) {
    start();
    form.set_text(5, "0");
    EXPECT_FALSE(field(1).enabled);
    const int refreshes = view.refreshes;
    form.set_text(5, "0");  // the same text is no change
    EXPECT_EQ(view.refreshes, refreshes);
    form.set_text(5, "1");
    EXPECT_TRUE(field(1).enabled);
}

TEST_F(MainFormTest, PopulateSetsThePopulatingFlagOnlyWhileWriting) {
    start();
    EXPECT_FALSE(form.s.main.populating);
    form.populateall();
    EXPECT_FALSE(form.s.main.populating);
    form.s.main.populating = true;  // a rewrite in progress: Change does nothing
    type(7, "123");
    EXPECT_FALSE(field(7).pending);
    EXPECT_DOUBLE_EQ(form.s.design.boxwidth, 300);
}

}  // namespace
}  // namespace enclavio
