// The bracing window: automatic or typed volumes, the colours and enabled
// states that go with each choice, and the note about typed values.
#include <gtest/gtest.h>

#include <vector>

#include "forms/bracing_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

using namespace project_testing;

class BracingFormTest : public ::testing::Test {
protected:
    TempFolder root;
    StartedMain m{root};
    BracingForm form{m.form.s};
};

constexpr Colour kSilver{192, 192, 192}, kLightGrey{224, 224, 224}, kPureBlue{0, 0, 255}, kDarkBlue{0, 0, 192},
    kGrey{128, 128, 128};

TEST_F(BracingFormTest, ManualEnablesTheFieldAndGreysTheAutomaticVolume) {
    struct Part {
        void (BracingForm::*manual)();
        void (BracingForm::*automatic)();
        TextField (BracingForm::*field)() const;
        ResultLabel (BracingForm::*label)() const;
    };
    const Part parts[] = {
        {&BracingForm::Option2_Click, &BracingForm::Option1_Click, &BracingForm::text2, &BracingForm::label2},
        {&BracingForm::option4_Click, &BracingForm::option3_Click, &BracingForm::text3, &BracingForm::label3},
    };
    // Until an option is clicked the volume labels keep their first colour.
    EXPECT_EQ(form.label2().colour, kPureBlue);
    EXPECT_EQ(form.label3().colour, kPureBlue);
    for (const Part& p : parts) {
        EXPECT_FALSE((form.*p.field)().enabled);
        (form.*p.manual)();
        TextField f = (form.*p.field)();
        EXPECT_TRUE(f.enabled);
        EXPECT_EQ(f.fore, kPureBlue);
        EXPECT_EQ(f.back, colours::white);
        EXPECT_EQ((form.*p.label)().colour, kGrey);

        (form.*p.automatic)();
        f = (form.*p.field)();
        EXPECT_FALSE(f.enabled);
        EXPECT_EQ(f.fore, kSilver);
        EXPECT_EQ(f.back, kLightGrey);
        EXPECT_EQ((form.*p.label)().colour, kDarkBlue);
    }
}

TEST_F(BracingFormTest, NoteShowsWhileEitherPartIsManual) {
    const std::vector<std::pair<void (BracingForm::*)(), bool>> steps = {
        {&BracingForm::Option1_Click, false}, {&BracingForm::option4_Click, true},
        {&BracingForm::Option2_Click, true},  {&BracingForm::option3_Click, true},
        {&BracingForm::Option1_Click, false}, {&BracingForm::Option2_Click, true},
        {&BracingForm::Option2_Click, true},  {&BracingForm::Option1_Click, false},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        (form.*steps[i].first)();
        EXPECT_EQ(form.note_visible(), steps[i].second) << "after step " << i;
    }
}

TEST_F(BracingFormTest, TypedValuesCountOnlyWhileManualAndSurviveSwitchingBack) {
    const double& volume = m.form.s.design.bracingvolume;
    form.Option2_Click();
    form.Text2_Change("3");
    m.form.res_wall2wall();
    EXPECT_NEAR(volume, 3 + 0.696369, 1e-9);

    form.Option1_Click();
    m.form.res_wall2wall();
    EXPECT_NEAR(volume, 2.608225, 1e-9);
    EXPECT_EQ(form.text2().text, "3");
}

}  // namespace
}  // namespace enclavio
