// The driver and response window model: entries in every unit mode, refusals,
// the parameters stored with the project, and the fits' Apply landing on the
// volume and tuning they promise, or changing nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "forms/main_form.hpp"
#include "forms/project_io.hpp"
#include "forms/response_form.hpp"
#include "project_windows_support.hpp"
#include "storage/project.hpp"
#include "storage/settings.hpp"

namespace enclavio {
namespace {

class RecordingView : public NullView {
public:
    std::vector<std::string> messages;
    void show_message(std::string_view text) override { messages.emplace_back(text); }
};

struct Started {
    RecordingView view;
    MainForm main{view, "", ""};
    RecordingView window_view;
    ResponseForm form{main, window_view};
    explicit Started(UnitMode mode = UnitMode::Metric) {
        project_testing::start_without_files(main, mode);
        form.design_changed();
    }
    // A 10 inch subwoofer driver typed in metric figures.
    void type_ten_inch() {
        const std::pair<DriverParameter, const char*> typed[] = {
            {DriverParameter::Fs, "28"},   {DriverParameter::Qes, "0.42"}, {DriverParameter::Qms, "6"},
            {DriverParameter::Vas, "60"},  {DriverParameter::Re, "3.6"},   {DriverParameter::Sd, "340"},
            {DriverParameter::Xmax, "11"},
        };
        for (const auto& [p, text] : typed) {
            form.parameter_change(p, parameter_text(p, main.session.mode, metric(p, text)));
        }
    }
    static DriverParameters metric(DriverParameter p, const char* text) {
        DriverParameters values;
        values.*driver_parameter(p).member = std::stod(text);
        return values;
    }
};

const UnitMode kModes[] = {UnitMode::Metric, UnitMode::MetricCm, UnitMode::Inches, UnitMode::DecimalInches};

TEST(ResponseForm, EmptyParametersShowOnlyWhatIsMissing) {
    Started st;
    const ResponseState& r = st.form.state();
    EXPECT_EQ(r.missing, "Fs, Qes, Qms, Vas, Re and Sd are missing.");
    EXPECT_TRUE(r.curves.empty());
    EXPECT_TRUE(r.figure_lines.empty());
    EXPECT_FALSE(r.tune.can_apply);
    EXPECT_EQ(r.tune.reason, "Fs, Qes, Qms, Vas, Re and Sd are missing.");
    EXPECT_EQ(r.entries[ResponseForm::entry_index(DriverParameter::Power)].text, "1");
    EXPECT_EQ(r.entries[ResponseForm::entry_index(DriverParameter::QL)].text, "7");
    EXPECT_TRUE(st.main.session.project_values.empty());
}

// Each entry reads the mode's unit and stores hz, litres, cm2 and mm.
TEST(ResponseForm, EntriesInEveryUnitMode) {
    const struct {
        UnitMode mode;
        DriverParameter p;
        const char* text;
        double stored;
    } cases[] = {
        {UnitMode::Metric, DriverParameter::Vas, "60", 60},
        {UnitMode::MetricCm, DriverParameter::Vas, "60", 60},
        {UnitMode::Inches, DriverParameter::Vas, "2", 2 * 28.316846592},
        {UnitMode::DecimalInches, DriverParameter::Vas, "1.5", 1.5 * 28.316846592},
        {UnitMode::Metric, DriverParameter::Sd, "340", 340},
        {UnitMode::Inches, DriverParameter::Sd, "50", 50 * 6.4516},
        {UnitMode::Metric, DriverParameter::Xmax, "11", 11},
        {UnitMode::MetricCm, DriverParameter::Xmax, "11", 11},
        {UnitMode::DecimalInches, DriverParameter::Xmax, "0.5", 12.7},
        {UnitMode::Inches, DriverParameter::Fs, " 28 ", 28},
        {UnitMode::Inches, DriverParameter::Re, "3.6", 3.6},
        {UnitMode::Metric, DriverParameter::Xmax, "0", 0},
        {UnitMode::Metric, DriverParameter::Power, "100", 100},
        {UnitMode::Metric, DriverParameter::Power, "", 1},
        {UnitMode::Inches, DriverParameter::QL, "", 7},
        {UnitMode::Inches, DriverParameter::QL, "15", 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << unit_mode_literal(c.mode) << " " << driver_parameter_name(c.p) << " \"" << c.text << "\"");
        Started st(c.mode);
        st.form.parameter_change(c.p, c.text);
        const ResponseState& r = st.form.state();
        EXPECT_FALSE(r.entries[ResponseForm::entry_index(c.p)].bad);
        EXPECT_NEAR(r.parameters.*driver_parameter(c.p).member, c.stored, 1e-9 * c.stored);
        EXPECT_NEAR(driver_parameters_from(st.main.session.project_values).*driver_parameter(c.p).member, c.stored,
                    1e-9 * c.stored);
        st.form.parameter_done(c.p);
        EXPECT_TRUE(st.window_view.messages.empty());
    }
}

// A refused text keeps the stored value, turns the entry red and is
// explained when the user leaves it.
TEST(ResponseForm, RefusalsStoreNothing) {
    const struct {
        DriverParameter p;
        const char* text;
        const char* message;
    } cases[] = {
        {DriverParameter::Fs, "0", "Fs must be a number above 0."},
        {DriverParameter::Fs, "-28", "Fs must be a number above 0."},
        {DriverParameter::Qes, "abc", "Qes must be a number above 0."},
        {DriverParameter::Vas, "60 litres", "Vas must be a number above 0."},
        {DriverParameter::Sd, "1e999", "Sd must be a number above 0."},
        {DriverParameter::Xmax, "-1", "Xmax must be a number, 0 or above."},
        {DriverParameter::Power, "0", "Power must be a number above 0."},
        {DriverParameter::QL, "nan", "QL must be a number above 0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Started st;
        st.type_ten_inch();
        const DriverParameters before = st.form.state().parameters;
        const KeyValues stored = st.main.session.project_values;
        const auto curves = st.form.state().curves.size();
        st.form.parameter_change(c.p, c.text);
        const ParameterField& field = st.form.state().entries[ResponseForm::entry_index(c.p)];
        EXPECT_TRUE(field.bad);
        EXPECT_EQ(field.text, c.text);
        EXPECT_EQ(st.form.state().parameters, before);
        EXPECT_EQ(st.main.session.project_values, stored);
        EXPECT_EQ(st.form.state().curves.size(), curves);
        EXPECT_TRUE(st.window_view.messages.empty());
        st.form.parameter_done(c.p);
        ASSERT_EQ(st.window_view.messages.size(), 1u);
        EXPECT_EQ(st.window_view.messages[0], c.message);
    }
}

TEST(ResponseForm, CurvesAndFiguresFollowParametersAndDesign) {
    Started st;
    st.type_ten_inch();
    const ResponseState& r = st.form.state();
    EXPECT_TRUE(r.missing.empty());
    ASSERT_EQ(r.curves.size(), static_cast<std::size_t>(kGraphPoints));
    EXPECT_DOUBLE_EQ(r.curves.front().hz, 10);
    EXPECT_NEAR(r.curves.back().hz, 500, 1e-9);
    EXPECT_TRUE(r.vented);
    ASSERT_TRUE(r.figures.f3);
    const double f3 = *r.figures.f3;
    EXPECT_EQ(r.drivers, "1 driver");

    // Two drivers: the same box is half as large for them.
    st.main.change(MainField::Drivers, "2");
    st.form.design_changed();
    EXPECT_EQ(r.drivers, "2 drivers in parallel");
    ASSERT_TRUE(r.figures.f3);
    EXPECT_NE(*r.figures.f3, f3);

    // No ports: a sealed box, no port air speed.
    st.main.change(MainField::Ports, "0");
    st.form.design_changed();
    EXPECT_FALSE(r.vented);
    EXPECT_FALSE(r.figures.port_velocity);
    EXPECT_EQ(r.curves[0].port_velocity_m_s, 0);
}

// The entries show the stored values in each mode's unit; a mode change
// re-shows them and keeps the stored values exactly.
TEST(ResponseForm, ModeChangeReshowsEntries) {
    Started st;
    st.type_ten_inch();
    const DriverParameters before = st.form.state().parameters;
    st.main.set_unit_mode(UnitMode::Inches);
    st.main.populateall();
    st.form.design_changed();
    const ResponseState& r = st.form.state();
    EXPECT_EQ(r.entries[ResponseForm::entry_index(DriverParameter::Vas)].text, "2.11888");
    EXPECT_EQ(r.entries[ResponseForm::entry_index(DriverParameter::Sd)].text, "52.7001");
    EXPECT_EQ(r.entries[ResponseForm::entry_index(DriverParameter::Xmax)].text, "0.433071");
    EXPECT_EQ(r.parameters, before);
}

// Saved after the 24 lines in metric units, read back into a new session;
// a project without parameters stays 24 lines.
TEST(ResponseForm, SaveAndOpenRoundTrip) {
    Started plain;
    const std::string plain_text = project_file_text(project_from_session(plain.main.session));
    EXPECT_EQ(std::count(plain_text.begin(), plain_text.end(), '\n'), 24);

    Started st;
    st.type_ten_inch();
    st.main.set_unit_mode(UnitMode::Inches);
    st.form.design_changed();
    st.form.parameter_change(DriverParameter::Power, "50");
    st.form.wiring_click(Wiring::Series);
    const std::string text = project_file_text(project_from_session(st.main.session));
    const std::string tail = text.substr(plain_text.size());
    EXPECT_NE(tail.find("driver.fs=28\r\n"), std::string::npos) << tail;
    EXPECT_NE(tail.find("driver.vas=60\r\n"), std::string::npos) << tail;
    EXPECT_NE(tail.find("driver.sd=340\r\n"), std::string::npos) << tail;
    EXPECT_NE(tail.find("driver.xmax=11\r\n"), std::string::npos) << tail;
    EXPECT_NE(tail.find("driver.power=50\r\n"), std::string::npos) << tail;
    EXPECT_NE(tail.find("driver.wiring=series\r\n"), std::string::npos) << tail;
    EXPECT_EQ(tail.find("driver.ql"), std::string::npos) << tail;

    Started other;
    load_project(other.main, parse_project_text(text + "driver.qes=bad\r\ngarbage\r\n"), {"x.ecv", "/tmp/x.ecv"});
    other.main.populateall();
    other.form.design_changed();
    DriverParameters expected = st.form.state().parameters;
    expected.count = other.form.state().parameters.count;
    EXPECT_EQ(other.form.state().parameters.fs, expected.fs);
    EXPECT_EQ(other.form.state().parameters.qes, 0);  // the damaged line is ignored
    EXPECT_EQ(other.form.state().parameters.vas, expected.vas);
    EXPECT_EQ(other.form.state().parameters.power, 50);
    EXPECT_EQ(other.form.state().wiring, Wiring::Series);
    EXPECT_EQ(other.form.state().entries[ResponseForm::entry_index(DriverParameter::Sd)].text, "340");

    // Opening a project without a driver empties the entries.
    load_project(other.main, parse_project_text(plain_text), {"y.ecv", "/tmp/y.ecv"});
    other.form.design_changed();
    EXPECT_EQ(other.form.state().parameters.fs, 0);
    EXPECT_EQ(other.form.state().entries[0].text, "");
}

// Apply types into the fields; the main window then shows the fit's tuning
// and (for the box) its working volume, in every unit mode.
TEST(ResponseForm, ApplyLandsOnTheFitInEveryUnitMode) {
    for (UnitMode mode : kModes) {
        SCOPED_TRACE(unit_mode_literal(mode));
        {
            Started st(mode);
            st.type_ten_inch();
            const FitView tune = st.form.state().tune;
            ASSERT_TRUE(tune.can_apply) << tune.reason;
            ASSERT_TRUE(st.form.apply_tune());
            const BoxDesign& d = st.main.session.design;
            EXPECT_NEAR(d.tunefrequency, tune.fit.fit.tuning, 0.1);
            EXPECT_NEAR(d.workingvolume, tune.fit.fit.working_volume, 0.005 * d.workingvolume);
            EXPECT_FALSE(st.main.session.main.text[MainField::PortLength].pending);
            EXPECT_TRUE(st.view.messages.empty());
            // Tuning the tuned box again changes nothing the field shows.
            const std::string length = st.main.session.main.text[MainField::PortLength].text;
            ASSERT_TRUE(st.form.apply_tune());
            EXPECT_EQ(st.main.session.main.text[MainField::PortLength].text, length);
        }
        for (const char* target : {"22", "25"}) {
            SCOPED_TRACE(target);
            Started st(mode);
            st.type_ten_inch();
            st.form.target_change(target);
            const FitView box = st.form.state().box;
            ASSERT_TRUE(box.can_apply) << box.reason;
            ASSERT_TRUE(st.form.apply_box());
            const BoxDesign& d = st.main.session.design;
            EXPECT_NEAR(d.workingvolume, box.fit.fit.working_volume, 0.01 * box.fit.fit.working_volume);
            EXPECT_NEAR(d.tunefrequency, box.fit.fit.tuning, 0.1);
            EXPECT_NEAR(d.boxwidth, 300, 1e-9);
            EXPECT_NEAR(d.boxheight, 700, 1e-9);
            EXPECT_TRUE(st.view.messages.empty());
            ASSERT_TRUE(st.form.state().figures.f3);
            EXPECT_NEAR(*st.form.state().figures.f3, std::stod(target), 0.03 * std::stod(target));
        }
    }
}

// Where there is no fit, Apply says why and the design and its fields stay.
TEST(ResponseForm, NoFitChangesNothing) {
    const struct {
        const char* name;
        void (*setup)(Started&);
        bool box;  // Apply of the box fit, else of the tuning
        const char* message;
    } cases[] = {
        {"box too small", [](Started& st) { st.form.parameter_change(DriverParameter::Vas, "2000"); }, false,
         "No tuning keeps the response within 0.5 dB: the box is too small for this driver."},
        {"unreachable target", [](Started& st) { st.form.target_change("5"); }, true, nullptr},
        {"no target", [](Started&) {}, true, "Type the F3 the box is to reach."},
        {"no ports",
         [](Started& st) {
             st.main.change(MainField::Ports, "0");
             st.form.target_change("30");
         },
         true, "There are no ports to tune. Set the number of ports first."},
        {"no ports to tune", [](Started& st) { st.main.change(MainField::Ports, "0"); }, false, nullptr},
        {"missing", [](Started& st) { st.form.parameter_change(DriverParameter::Fs, ""); }, false, "Fs is missing."},
        {"port too long", [](Started& st) { st.form.target_change("32"); }, true,
         "The port would be longer than the box's longest inner dimension."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Started st;
        st.type_ten_inch();
        c.setup(st);
        st.form.design_changed();
        const BoxDesign before = st.main.session.design;
        const MainState texts = st.main.session.main;
        st.window_view.messages.clear();
        EXPECT_FALSE(c.box ? st.form.apply_box() : st.form.apply_tune());
        ASSERT_EQ(st.window_view.messages.size(), 1u);
        if (c.message) {
            EXPECT_EQ(st.window_view.messages[0], c.message);
        }
        EXPECT_EQ(st.main.session.design.boxdepth, before.boxdepth);
        EXPECT_EQ(st.main.session.design.portlength, before.portlength);
        EXPECT_EQ(st.main.session.design.boxvol, before.boxvol);
        for (MainField f : kMainFields)
            EXPECT_EQ(st.main.session.main.text[f].text, texts.text[f].text) << control_name(f);
        EXPECT_TRUE(st.view.messages.empty());
    }
}

}  // namespace
}  // namespace enclavio
