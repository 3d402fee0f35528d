// The units window: which option sets which mode, its captions, and the
// colours of the imperial entry rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "forms/units_form.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;

class UnitsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("enclavio-units-form-" + std::to_string(rd()));
        fs::create_directories(dir_);
        main_ = std::make_unique<MainForm>(view_, dir_.string(), dir_.string());
        main_->startup();
    }
    void TearDown() override {
        main_.reset();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    NullView view_;
    fs::path dir_;
    std::unique_ptr<MainForm> main_;
};

TEST(UnitsFormTables, OptionsMapToModesWithExactCaptions) {
    struct Row {
        const char* control;
        UnitMode mode;
        const char* caption;
    };
    const Row rows[] = {
        {"Option1", UnitMode::Metric, "Metric - mm (default).  example    405"},
        {"Option4", UnitMode::MetricCm, "Metric - cm.  example    40.5"},
        {"Option2", UnitMode::Inches,
         "Imperial - Fractional  - feet, inches and fractions of an inch.  example    1' 3 15/16"},
        {"Option3", UnitMode::DecimalInches, "Imperial - Decimal inches.  example    15.94"},
    };
    ASSERT_EQ(unit_options().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].control);
        EXPECT_EQ(unit_options()[i].control, rows[i].control);
        EXPECT_EQ(unit_options()[i].mode, rows[i].mode);
        EXPECT_EQ(unit_options()[i].caption, rows[i].caption);
        EXPECT_EQ(unit_option(rows[i].mode).control, rows[i].control);
    }
}

TEST(UnitsFormTables, RuleLabelsKeepEveryBlank) {
    std::set<std::string_view> controls;
    for (const UnitRule& r : unit_rules()) controls.insert(r.control);
    EXPECT_EQ(controls, (std::set<std::string_view>{"Label3", "Label4", "Label6", "Label7", "Label8", "Label9",
                                                    "Label10", "Label11", "Label15"}));
    auto caption = [](std::string_view control) {
        for (const UnitRule& r : unit_rules())
            if (r.control == control) return r.caption;
        return std::string_view{};
    };
    EXPECT_EQ(caption("Label4"),
              "Feet, inches and fractions allowed, but without decimals eg  1/4     3 9\\16     6' 10 1/2 ");
    EXPECT_EQ(caption("Label3"), "Decimal inches are allowed, but without  feet or fractions eg 6.25 or 61.25");
    EXPECT_EQ(caption("Label8"), "\"\\\" is converted to \"/\" and is not allowed at start or end of field");
    EXPECT_EQ(caption("Label11"), "Allowable fractions: 1/2  1/4  1/8  1/16");
    EXPECT_EQ(caption("Label7"), "Allowable characters 0 thru 9 .  / \\  and space");
    EXPECT_EQ(caption("Label10"), "Fractions of an inch must contain a single / or \\ symbol");
    EXPECT_EQ(kUnitsRulesCaption, "Rules for entering Imperial Measurements");
}

TEST(UnitsFormTables, RulesGreyInMetricAndBlueInImperial) {
    struct Row {
        UnitMode mode;
        Colour frame, labels;
    };
    const Row rows[] = {
        {UnitMode::Metric, {128, 128, 128}, {128, 128, 128}},
        {UnitMode::MetricCm, {128, 128, 128}, {128, 128, 128}},
        {UnitMode::Inches, {0, 0, 0}, {55, 106, 240}},
        {UnitMode::DecimalInches, {0, 0, 0}, {55, 106, 240}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(unit_mode_literal(r.mode)));
        EXPECT_EQ(unit_rule_colours(r.mode).frame, r.frame);
        EXPECT_EQ(unit_rule_colours(r.mode).labels, r.labels);
    }
}

TEST_F(UnitsFormTest, EachOptionSetsItsModeAndNothingElse) {
    UnitsForm form(*main_);
    EXPECT_EQ(form.selected(), UnitMode::Metric);
    const BoxDesign before = main_->s.design;
    const std::string depth_text = main_->s.main.text[6].text;

    struct Click {
        void (UnitsForm::*handler)();
        UnitMode mode;
    };
    const Click clicks[] = {{&UnitsForm::Option3_Click, UnitMode::DecimalInches},
                            {&UnitsForm::Option4_Click, UnitMode::MetricCm},
                            {&UnitsForm::Option2_Click, UnitMode::Inches},
                            {&UnitsForm::Option2_Click, UnitMode::Inches},
                            {&UnitsForm::Option1_Click, UnitMode::Metric}};
    for (const Click& c : clicks) {
        (form.*c.handler)();
        EXPECT_EQ(main_->s.mode, c.mode);
        EXPECT_EQ(form.selected(), c.mode);
        EXPECT_EQ(form.rule_colours().labels, unit_rule_colours(c.mode).labels);
        // The field texts follow only at the populateall after the window.
        EXPECT_EQ(main_->s.main.text[6].text, depth_text);
        EXPECT_EQ(main_->s.design.boxdepth, before.boxdepth);
        EXPECT_EQ(main_->s.design.boxvol, before.boxvol);
    }
}

TEST_F(UnitsFormTest, DecimalInchesThenPopulateShowsInchesWithStoredMillimetresUnchanged) {
    UnitsForm form(*main_);
    form.Option3_Click();
    main_->populateall();
    EXPECT_EQ(main_->s.main.text[6].text, " 15.75");
    EXPECT_DOUBLE_EQ(main_->s.design.boxdepth, 400);
    form.Option1_Click();
    main_->populateall();
    EXPECT_EQ(main_->s.main.text[6].text, " 400");
}

}  // namespace
}  // namespace enclavio
