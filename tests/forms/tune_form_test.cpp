// The port-length-for-a-tuning window model: solving on the main window's
// design, the length as the field shows it, Apply through the field's own
// handling, and the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/budget.hpp"
#include "forms/main_form.hpp"
#include "forms/tune_form.hpp"

namespace enclavio {
namespace {

class TuneFormTest : public ::testing::Test {
protected:
    NullView view;
    MainForm main{view, "", "/home/builder"};
    TuneForm tune{main};

    // The start-up design with no settings file, or with a saved unit mode.
    void start(UnitMode mode = UnitMode::Metric) {
        LoadedSettings settings;
        if (mode != UnitMode::Metric) settings.units = std::string(unit_mode_literal(mode));
        main.preset_settings = settings;
        main.startup();
    }
    const std::string& label27() const { return main.s.main.results.label27.caption; }
    static std::string tune_caption(double hz) { return "Tune " + number_text(hz) + "hz"; }
};

TEST_F(TuneFormTest, StartupDesignGivesBackItsOwnLength) {
    start();
    const double own = tuning_unrounded(main.s.design);
    EXPECT_NEAR(own, 29.4384, 1e-4);
    const TuneAnswer a = tune_port(main.s, own);
    ASSERT_TRUE(a.solved) << a.message;
    EXPECT_NEAR(a.length, 823, 0.1);
    EXPECT_EQ(a.text, " 823");
    EXPECT_EQ(a.applied, 823);
    EXPECT_TRUE(a.note.empty());
}

TEST_F(TuneFormTest, LengthForARoundTuningInEachUnitMode) {
    struct Case {
        UnitMode mode;
        const char* text;  // as the port length field shows it
        const char* length;  // Label3
    };
    const Case cases[] = {
        {UnitMode::Metric, " 826", "826 mm"},
        {UnitMode::MetricCm, "82.6", "82.6 cm"},
        {UnitMode::Inches, "2' 8 1/2", "2' 8 1/2 inches"},
        {UnitMode::DecimalInches, " 32.52", "32.52 inches"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(unit_mode_literal(c.mode)));
        NullView v;
        MainForm m(v, "", "");
        m.preset_settings = LoadedSettings{};
        m.preset_settings->units = std::string(unit_mode_literal(c.mode));
        m.startup();
        const TuneAnswer a = tune_port(m.s, 29.4);
        ASSERT_TRUE(a.solved) << a.message;
        EXPECT_NEAR(a.length, 826.08477, 1e-4);
        EXPECT_EQ(a.text, c.text);
        TuneForm form(m);
        form.Text1_Change("29.4");
        EXPECT_EQ(form.state().length, c.length);
        EXPECT_TRUE(form.state().apply_enabled);
        EXPECT_TRUE(form.state().message.empty());
    }
}

// Solve, Apply, analyse: the tuning label shows the target, for every port-end
// treatment and unit mode; the field holds the length as typed, accepted.
TEST_F(TuneFormTest, ApplyRoundTripShowsTheTarget) {
    const UnitMode modes[] = {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches};
    const Flange flanges[] = {Flange::None, Flange::One, Flange::Two};
    const char* targets[] = {"25", "27.3", "29.4", "31.05", "33.8", "36.6", "41.7"};
    for (UnitMode mode : modes) {
        for (Flange flange : flanges) {
            for (const char* target : targets) {
                SCOPED_TRACE(::testing::Message() << unit_mode_literal(mode) << " " << flange_word(flange) << " "
                                                  << target << " hz");
                NullView v;
                MainForm m(v, "", "");
                m.preset_settings = LoadedSettings{};
                m.preset_settings->units = std::string(unit_mode_literal(mode));
                m.startup();
                m.run_flange(flange);
                TuneForm form(m);
                form.Form_Show();
                form.Text1_Change(target);
                ASSERT_TRUE(form.state().apply_enabled) << form.state().message;
                const TuneAnswer a = form.state().answer;
                EXPECT_TRUE(a.note.empty()) << a.note;
                EXPECT_LE(std::fabs(a.applied - a.length), 1.5875 + 1e-9);  // at most a sixteenth of an inch

                ASSERT_TRUE(form.Command1_Click());
                const TextField& field = m.s.main.text[1];
                EXPECT_EQ(field.text, a.text);
                EXPECT_FALSE(field.pending);
                EXPECT_EQ(field.fore, colours::black);
                EXPECT_EQ(m.s.design.portlength, a.applied);
                EXPECT_EQ(m.s.main.results.label27.caption, tune_caption(truncate_to(std::stod(target), 1)));
            }
        }
    }
}

TEST_F(TuneFormTest, RoundingNoteWhenTheFieldCannotKeepTheTarget) {
    // A short port: one millimetre moves the tuning by more than 0.1 hz.
    start();
    TuneForm form(main);
    form.Text1_Change("53");
    const TuneState& st = form.state();
    ASSERT_TRUE(st.apply_enabled);
    EXPECT_FALSE(st.refused);
    EXPECT_EQ(st.length, "168 mm");
    EXPECT_EQ(st.message, "Rounded to a whole millimetre, this length tunes the box to 52.9 hz.");
    ASSERT_TRUE(form.Command1_Click());
    EXPECT_EQ(label27(), tune_caption(52.9));
    EXPECT_EQ(st.answer.tuning, 52.9);
}

TEST_F(TuneFormTest, RefusalsKeepApplyDisabledAndTheDesignUnchanged) {
    struct Case {
        const char* what;
        const char* ports;
        const char* target;
        const char* message;
    };
    const Case cases[] = {
        {"too low for the box", "2", "10",
         "The box is too small for this port at 10 hz: no port length gives that tuning. "
         "A smaller port diameter or fewer ports will help."},
        {"no ports", "0", "29.4", "There are no ports to tune. Set the number of ports first."},
        {"no target", "2", "", "The tuning frequency must be above 0 hz."},
        {"not a number", "2", "abc", "The tuning frequency must be above 0 hz."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NullView v;
        MainForm m(v, "", "");
        m.preset_settings = LoadedSettings{};
        m.startup();
        m.change(5, c.ports);
        const double length = m.s.design.portlength;
        const std::string caption = m.s.main.results.label27.caption;
        TuneForm form(m);
        form.Text1_Change(c.target);
        EXPECT_FALSE(form.state().apply_enabled);
        EXPECT_TRUE(form.state().refused);
        EXPECT_EQ(form.state().message, c.message);
        EXPECT_TRUE(form.state().length.empty());
        EXPECT_FALSE(form.Command1_Click());
        EXPECT_EQ(m.s.design.portlength, length);
        EXPECT_EQ(m.s.main.text[1].text, "823");
        EXPECT_EQ(m.s.main.results.label27.caption, caption);
    }
}

TEST_F(TuneFormTest, ShowingStartsFromTheShownTuningAndKeepsATypedTarget) {
    start();
    tune.Form_Show();
    EXPECT_EQ(tune.state().target, "29.4");
    EXPECT_EQ(tune.state().length, "826 mm");
    tune.Text1_Change("31");
    EXPECT_TRUE(tune.Command2_Click());  // Cancel changes nothing
    EXPECT_EQ(main.s.main.text[1].text, "823");

    // The design changes while the window is hidden: the next showing solves again.
    main.change(5, "1");
    tune.Form_Show();
    EXPECT_EQ(tune.state().target, "31");
    EXPECT_EQ(tune.state().answer.length, tune_port(main.s, 31).length);
    EXPECT_LT(tune.state().answer.length, 500);
}

TEST_F(TuneFormTest, NoPortsAtStartLeavesTheTargetEmpty) {
    start();
    main.change(5, "0");
    tune.Form_Show();
    EXPECT_EQ(tune.state().target, "");
    EXPECT_EQ(tune.state().message, "There are no ports to tune. Set the number of ports first.");
}

TEST_F(TuneFormTest, SolvesWithTheBracingAndCountsTheAnalysisUses) {
    start();
    main.s.bracing.edge_manual = true;
    main.s.bracing.edge_text = "4";
    main.change(10, "2");
    const TuneAnswer a = tune_port(main.s, 30);
    ASSERT_TRUE(a.solved) << a.message;
    TuneForm form(main);
    form.Text1_Change("30");
    ASSERT_TRUE(form.Command1_Click());
    EXPECT_EQ(label27(), tune_caption(30));
    EXPECT_NEAR(tuning_unrounded(main.s.design), 30, 0.1);
}

TEST_F(TuneFormTest, MenuItemShowsTheWindow) {
    struct Recording : NullView {
        std::vector<Window> shown;
        void show_modal(Window w) override { shown.push_back(w); }
    } v;
    MainForm m(v, "", "");
    m.mnu_tune_Click();
    ASSERT_EQ(v.shown.size(), 1u);
    EXPECT_EQ(v.shown[0], Window::frmTune);
}

}  // namespace
}  // namespace enclavio
