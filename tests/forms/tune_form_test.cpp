// The port-length-for-a-tuning window model: solving on the main window's
// design, the length as the field shows it, Apply through the field's own
// handling, and the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "analysis/budget.hpp"
#include "forms/main_form.hpp"
#include "forms/tune_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

// The start-up design with no settings file, or with a saved unit mode.
struct Started {
    NullView view;
    MainForm main{view, "", ""};
    explicit Started(std::optional<UnitMode> mode = {}) { project_testing::start_without_files(main, mode); }
};

std::string tune_caption(double hz) { return "Tune " + number_text(hz) + "hz"; }

TEST(TuneForm, StartupDesignGivesBackItsOwnLengthAndARoundTuningItsOwn) {
    Started st;
    const double own = tuning_unrounded(st.main.session.design);
    EXPECT_NEAR(own, 29.4384, 1e-4);
    const TuneAnswer a = tune_port(st.main.session, own);
    ASSERT_TRUE(a.solved) << a.message;
    EXPECT_NEAR(a.length, 823, 0.1);
    EXPECT_EQ(a.text, " 823");
    EXPECT_TRUE(a.note.empty());
    TuneForm form(st.main);
    form.Text1_Change("29.4");
    EXPECT_NEAR(form.state().answer.length, 826.08477, 1e-4);
    EXPECT_EQ(form.state().length, "826 mm");
    EXPECT_TRUE(form.state().apply_enabled);
}

// Solve, Apply, analyse: the tuning label shows the target, for every port-end
// treatment and unit mode; the field holds the length as typed, accepted.
TEST(TuneForm, ApplyRoundTripShowsTheTarget) {
    for (UnitMode mode : {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches}) {
        for (Flange flange : {Flange::None, Flange::One, Flange::Two}) {
            for (const char* target : {"25", "41.7"}) {
                SCOPED_TRACE(::testing::Message()
                             << unit_mode_literal(mode) << " " << flange_word(flange) << " " << target << " hz");
                Started st(mode);
                MainForm& m = st.main;
                m.run_flange(flange);
                TuneForm form(m);
                form.Form_Show();
                form.Text1_Change(target);
                ASSERT_TRUE(form.state().apply_enabled) << form.state().message;
                const TuneAnswer a = form.state().answer;
                EXPECT_TRUE(a.note.empty()) << a.note;
                EXPECT_LE(std::fabs(a.applied - a.length), 1.5875 + 1e-9);  // at most a sixteenth of an inch
                ASSERT_TRUE(form.Command1_Click());
                const TextField& field = m.session.main.text[MainField::PortLength];
                EXPECT_EQ(field.text, a.text);
                EXPECT_FALSE(field.pending);
                EXPECT_EQ(field.fore, colours::black);
                EXPECT_EQ(m.session.design.portlength, a.applied);
                EXPECT_EQ(m.session.main.results.tuning_line.caption, tune_caption(truncate_to(std::stod(target), 1)));
            }
        }
    }
}

// Too low or too high a tuning and no ports are refused: Apply stays off,
// Cancel changes nothing.
TEST(TuneForm, RefusalsAndCancelLeaveThePortAlone) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"2", "10",
         "The box is too small for this port at 10 hz: no port length gives that tuning. "
         "A smaller port diameter or fewer ports will help."},
        {"0", "29.4", "There are no ports to tune. Set the number of ports first."},
        {"2", "100",
         "A tuning of 100 hz is too high for this port: even the shortest port tunes the box to 95.8 hz. "
         "A larger port diameter or more ports will help."},
    };
    for (const auto& [ports, target, message] : cases) {
        SCOPED_TRACE(message);
        Started st;
        st.main.change(MainField::Ports, ports);
        TuneForm form(st.main);
        form.Text1_Change(target);
        EXPECT_FALSE(form.state().apply_enabled);
        EXPECT_EQ(form.state().message, message);
        EXPECT_FALSE(form.Command1_Click());
        EXPECT_TRUE(form.Command2_Click());
        EXPECT_EQ(st.main.session.design.portlength, 823);
        EXPECT_EQ(st.main.session.main.text[MainField::PortLength].text, "823");
    }
}

// Showing starts from the shown tuning; later showings keep a typed target and solve again.
TEST(TuneForm, ShowingStartsFromTheShownTuningAndKeepsATypedTarget) {
    Started st;
    TuneForm tune(st.main);
    tune.Form_Show();
    EXPECT_EQ(tune.state().target, "29.4");
    tune.Text1_Change("31");
    st.main.change(MainField::Ports, "1");
    tune.Form_Show();
    EXPECT_EQ(tune.state().target, "31");
    EXPECT_EQ(tune.state().answer.length, tune_port(st.main.session, 31).length);
}

}  // namespace
}  // namespace enclavio
