// The bracing window: automatic or typed volumes, the colours and enabled
// states that go with each choice, and the note about typed values.
#include <gtest/gtest.h>

#include <vector>

#include "forms/bracing_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;

class BracingFormTest : public ::testing::Test {
protected:
    TempFolder root;
    StartedMain m{root};
    BracingForm form{m.form.session};
};

// Each part's options: manual enables its field and greys its automatic
// volume; the note shows while either part is manual.
TEST_F(BracingFormTest, OptionsEnableTheFieldsAndShowTheNote) {
    const Colour grey{128, 128, 128}, dark_blue{0, 0, 192};
    const struct {
        void (BracingForm::*click)();
        bool edge_manual, shelf_manual;
    } steps[] = {
        {&BracingForm::Option2_Click, true, false},
        {&BracingForm::option4_Click, true, true},
        {&BracingForm::Option1_Click, false, true},
        {&BracingForm::option3_Click, false, false},
    };
    form.Option1_Click();  // the labels keep their first colour until a click
    form.option3_Click();
    for (const auto& st : steps) {
        (form.*st.click)();
        EXPECT_EQ(form.text2().enabled, st.edge_manual);
        EXPECT_EQ(form.text3().enabled, st.shelf_manual);
        EXPECT_EQ(form.label2().colour, st.edge_manual ? grey : dark_blue);
        EXPECT_EQ(form.label3().colour, st.shelf_manual ? grey : dark_blue);
        EXPECT_EQ(form.note_visible(), st.edge_manual || st.shelf_manual);
    }
}

TEST_F(BracingFormTest, TypedValuesCountOnlyWhileManualAndSurviveSwitchingBack) {
    const double& volume = m.form.session.design.bracingvolume;
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
