// The units window: which option sets which mode, the colours of the imperial
// entry rules, and the main window's texts after the switch.
#include <gtest/gtest.h>

#include "forms/units_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

using namespace project_testing;

class UnitsFormTest : public ::testing::Test {
protected:
    TempFolder root;
    StartedMain m{root};
    UnitsForm form{m.form};
    Session& s = m.form.s;
};

TEST_F(UnitsFormTest, EachOptionSetsItsModeAndRuleColoursAndNothingElse) {
    const Colour grey{128, 128, 128}, black{0, 0, 0}, blue{55, 106, 240};
    struct Click {
        void (UnitsForm::*handler)();
        UnitMode mode;
        Colour frame, labels;
    };
    const Click clicks[] = {{&UnitsForm::Option3_Click, UnitMode::DecimalInches, black, blue},
                            {&UnitsForm::Option4_Click, UnitMode::MetricCm, grey, grey},
                            {&UnitsForm::Option2_Click, UnitMode::Inches, black, blue},
                            {&UnitsForm::Option2_Click, UnitMode::Inches, black, blue},
                            {&UnitsForm::Option1_Click, UnitMode::Metric, grey, grey}};
    EXPECT_EQ(form.selected(), UnitMode::Metric);
    const BoxDesign before = s.design;
    for (const Click& c : clicks) {
        SCOPED_TRACE(std::string(unit_mode_literal(c.mode)));
        (form.*c.handler)();
        EXPECT_EQ(s.mode, c.mode);
        EXPECT_EQ(unit_option(c.mode).mode, c.mode);
        EXPECT_EQ(form.rule_colours().frame, c.frame);
        EXPECT_EQ(form.rule_colours().labels, c.labels);
        // The field texts follow only at the populateall after the window.
        EXPECT_EQ(s.main.text[6].text, "400");
        EXPECT_EQ(s.design.boxdepth, before.boxdepth);
        EXPECT_EQ(s.design.boxvol, before.boxvol);
    }
}

TEST_F(UnitsFormTest, DecimalInchesThenBackToMetric) {
    form.Option3_Click();
    m.form.populateall();
    EXPECT_EQ(s.main.text[6].text, " 15.75");
    EXPECT_EQ(s.main.text[9].text, " 2.1");
    EXPECT_EQ(mode_captions(s.mode).frame1, "Box Dimensions (inches external) and Calculator");
    EXPECT_EQ(mode_captions(s.mode).label15, "Internal Volume (cu.ft)");
    EXPECT_DOUBLE_EQ(s.design.boxdepth, 400);
    form.Option1_Click();
    m.form.populateall();
    EXPECT_EQ(s.main.text[6].text, " 400");
}

TEST_F(UnitsFormTest, APendingFieldIsRewrittenFromItsStoredValueAndStaysPending) {
    form.Option2_Click();
    m.form.populateall();
    m.form.change(8, "2'");
    form.Option1_Click();
    m.form.populateall();
    EXPECT_EQ(s.main.text[8].text, " 700");
    EXPECT_TRUE(s.main.text[8].pending);
    EXPECT_EQ(s.main.text[8].fore, colours::red);
    EXPECT_EQ(s.main.text[9].text, " 59.4");
}

}  // namespace
}  // namespace enclavio
