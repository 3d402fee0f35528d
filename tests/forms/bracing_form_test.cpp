// The bracing window: automatic or typed volumes, the colours and enabled
// states that go with each choice, and the note about typed values.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "forms/bracing_form.hpp"
#include "forms/main_form.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;

class BracingFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("enclavio-bracing-form-" + std::to_string(rd()));
        fs::create_directories(dir_);
        main_ = std::make_unique<MainForm>(view_, dir_.string(), dir_.string());
        main_->startup();
        form_ = std::make_unique<BracingForm>(main_->s);
    }
    void TearDown() override {
        form_.reset();
        main_.reset();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    NullView view_;
    fs::path dir_;
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<BracingForm> form_;
};

constexpr Colour kSilver{192, 192, 192}, kLightGrey{224, 224, 224}, kPureBlue{0, 0, 255}, kDarkBlue{0, 0, 192},
    kGrey{128, 128, 128};

TEST_F(BracingFormTest, StartState) {
    for (const TextField& f : {form_->text2(), form_->text3()}) {
        EXPECT_FALSE(f.enabled);
        EXPECT_EQ(f.text, "0");
        EXPECT_EQ(f.fore, kSilver);
        EXPECT_EQ(f.back, kLightGrey);
    }
    EXPECT_EQ(form_->text1().text, "1");
    EXPECT_EQ(form_->text1().fore, kDarkBlue);
    // Until an option is clicked the volume labels keep their first colour.
    EXPECT_EQ(form_->label2().colour, kPureBlue);
    EXPECT_EQ(form_->label3().colour, kPureBlue);
    EXPECT_FALSE(form_->note_visible());
    // The start-up analysis has already put its volumes in the labels.
    EXPECT_EQ(form_->label2().caption, " 1.91");
    EXPECT_EQ(form_->label3().caption, " .69");
}

TEST_F(BracingFormTest, ManualEnablesTheFieldAndGreysTheAutomaticVolume) {
    struct Part {
        const char* name;
        void (BracingForm::*manual)();
        void (BracingForm::*automatic)();
        TextField (BracingForm::*field)() const;
        ResultLabel (BracingForm::*label)() const;
    };
    const Part parts[] = {
        {"edge", &BracingForm::Option2_Click, &BracingForm::Option1_Click, &BracingForm::text2, &BracingForm::label2},
        {"shelf", &BracingForm::option4_Click, &BracingForm::option3_Click, &BracingForm::text3, &BracingForm::label3},
    };
    for (const Part& p : parts) {
        SCOPED_TRACE(p.name);
        (form_.get()->*p.manual)();
        TextField f = (form_.get()->*p.field)();
        EXPECT_TRUE(f.enabled);
        EXPECT_EQ(f.fore, kPureBlue);
        EXPECT_EQ(f.back, colours::white);
        EXPECT_EQ((form_.get()->*p.label)().colour, kGrey);

        (form_.get()->*p.automatic)();
        f = (form_.get()->*p.field)();
        EXPECT_FALSE(f.enabled);
        EXPECT_EQ(f.fore, kSilver);
        EXPECT_EQ(f.back, kLightGrey);
        EXPECT_EQ((form_.get()->*p.label)().colour, kDarkBlue);
    }
}

TEST_F(BracingFormTest, NoteShowsWhileEitherPartIsManual) {
    using H = void (BracingForm::*)();
    struct Step {
        H click;
        bool note;
    };
    const std::vector<Step> steps = {
        {&BracingForm::Option1_Click, false}, {&BracingForm::option4_Click, true},
        {&BracingForm::Option2_Click, true},  {&BracingForm::option3_Click, true},
        {&BracingForm::Option1_Click, false}, {&BracingForm::Option2_Click, true},
        {&BracingForm::Option2_Click, true},  {&BracingForm::Option1_Click, false},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        (form_.get()->*steps[i].click)();
        EXPECT_EQ(form_->note_visible(), steps[i].note) << "after step " << i;
    }
}

TEST_F(BracingFormTest, TypedValuesCountOnlyWhileManualAndSurviveSwitchingBack) {
    Session& s = main_->s;
    EXPECT_NEAR(s.design.bracingvolume, 2.608225, 1e-9);

    form_->Option2_Click();
    form_->Text2_Change("3");
    main_->res_wall2wall();
    EXPECT_NEAR(s.design.bracingvolume, 3 + 0.696369, 1e-9);

    form_->option4_Click();
    form_->Text3_Change("0.5");
    main_->res_wall2wall();
    EXPECT_NEAR(s.design.bracingvolume, 3.5, 1e-9);

    form_->Option1_Click();
    form_->option3_Click();
    main_->res_wall2wall();
    EXPECT_NEAR(s.design.bracingvolume, 2.608225, 1e-9);
    EXPECT_EQ(form_->text2().text, "3");
    EXPECT_EQ(form_->text3().text, "0.5");
}

TEST_F(BracingFormTest, ShelfBraceCountFollowsIntoTheAutomaticVolume) {
    struct Row {
        const char* count;
        const char* caption;
    };
    const Row rows[] = {{"0", " 0"}, {"2", " 1.39"}, {"abc", " 0"}, {"1", " .69"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.count);
        form_->Text1_Change(r.count);
        main_->res_wall2wall();
        EXPECT_EQ(form_->label3().caption, r.caption);
        EXPECT_EQ(form_->text1().text, r.count);
    }
}

}  // namespace
}  // namespace enclavio
