// The units window: which option sets which mode, the colours of the imperial
// entry rules, and the main window's texts after the switch.
#include <gtest/gtest.h>

#include "forms/units_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;

class UnitsFormTest : public ::testing::Test {
protected:
    TempFolder root;
    StartedMain m{root};
    UnitsForm form{m.form};
    Session& s = m.form.session;
};

// Each option sets its mode and the imperial rules' colours; the field texts
// follow only at the populateall after the window.
TEST_F(UnitsFormTest, EachOptionSetsItsModeAndRuleColoursOnly) {
    const Colour grey{128, 128, 128}, black{0, 0, 0}, blue{55, 106, 240};
    const std::tuple<void (UnitsForm::*)(), UnitMode, Colour, Colour> clicks[] = {
        {&UnitsForm::Option3_Click, UnitMode::DecimalInches, black, blue},
        {&UnitsForm::Option4_Click, UnitMode::MetricCm, grey, grey},
        {&UnitsForm::Option2_Click, UnitMode::Inches, black, blue},
        {&UnitsForm::Option1_Click, UnitMode::Metric, grey, grey}};
    for (const auto& [handler, mode, frame, labels] : clicks) {
        (form.*handler)();
        EXPECT_EQ(s.mode, mode);
        EXPECT_EQ(form.rule_colours().frame, frame);
        EXPECT_EQ(form.rule_colours().labels, labels);
        EXPECT_EQ(s.main.text[MainField::Depth].text, "400");
    }
}

TEST_F(UnitsFormTest, DecimalInchesThenBackToMetric) {
    form.Option3_Click();
    m.form.populateall();
    EXPECT_EQ(s.main.text[MainField::Depth].text, " 15.75");
    EXPECT_EQ(s.main.text[MainField::Volume].text, " 2.1");
    EXPECT_DOUBLE_EQ(s.design.boxdepth, 400);
    form.Option1_Click();
    m.form.populateall();
    EXPECT_EQ(s.main.text[MainField::Depth].text, " 400");
}

TEST_F(UnitsFormTest, APendingFieldIsRewrittenFromItsStoredValueAndStaysPending) {
    form.Option2_Click();
    m.form.populateall();
    m.form.change(MainField::Height, "2'");
    form.Option1_Click();
    m.form.populateall();
    EXPECT_EQ(s.main.text[MainField::Height].text, " 700");
    EXPECT_TRUE(s.main.text[MainField::Height].pending);
    EXPECT_EQ(s.main.text[MainField::Height].fore, colours::red);
    EXPECT_EQ(s.main.text[MainField::Volume].text, " 59.4");
}

}  // namespace
}  // namespace enclavio
