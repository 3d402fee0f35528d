// The cutting list window's behaviour, driven without a display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/cutting_list_form.hpp"
#include "forms/workshop_sheet.hpp"
#include "project_windows_support.hpp"
#include "storage/files.hpp"

namespace enclavio {
namespace {

constexpr int kTop = static_cast<int>(PanelKind::Top);

class CuttingFormTest : public ::testing::Test, public NullView {
protected:
    CuttingFormTest() { s.design.boxdepth = s.design.boxwidth = s.design.boxheight = 500, s.design.boxthickness = 18; }
    void open(bool double_front) {
        s.design.doublefront = double_front ? 1 : 0;
        prepare_cutting_list(s);
    }
    void expect_initial_options() {
        EXPECT_TRUE(c.show_exact);
        for (const auto& tip : c.tooltips) EXPECT_EQ(tip, "");
        EXPECT_FALSE(c.banner);
        EXPECT_FALSE(c.timer);
    }

    // The view: records the print question and whether the banner showed then.
    bool ask_yes_no(std::string_view title, std::string_view text) override {
        questions.push_back(std::string(title) + "|" + std::string(text));
        banner_when_asked.push_back(s.cutting.banner);
        return answer;
    }
    void print_window() override { ++prints; }
    void show_message(std::string_view text) override { messages.emplace_back(text); }

    Session s;
    const CuttingState& c = s.cutting;
    CuttingForm form{s, *this};
    bool answer = false;
    int prints = 0;
    std::vector<std::string> questions;
    std::vector<bool> banner_when_asked;
    std::vector<std::string> messages;
};

TEST_F(CuttingFormTest, FirstOpeningWithSingleFront) {
    EXPECT_EQ(c.picture, PanelPicture::FrontDoubleBlank);  // before the first opening
    open(false);
    EXPECT_EQ(view_arrow(c.view), "<--");
    EXPECT_EQ(c.picture, PanelPicture::FrontSingle);
    EXPECT_FALSE(c.list.front_inner_visible);
    expect_initial_options();
}

// Allowance shows the trimming hints and a banner. The first tick hides the banner
// (the timer runs on); Exact, Print and OK hide it at once. Print asks first.
TEST_F(CuttingFormTest, AllowanceShowsHintsAndABannerThatTickExactPrintAndOkHide) {
    open(false);
    const std::string exact = c.list.panel_lines[kTop];
    form.Option2_Click();
    EXPECT_FALSE(c.show_exact);
    for (int i = 0; i < kPanelCount; ++i) EXPECT_EQ(c.tooltips[i], trimming_hints()[i]);
    EXPECT_EQ(c.banner_text, "\rPlace mouse over panel text to see which edges need trimming with router");
    EXPECT_NE(c.list.panel_lines[kTop], exact);
    const std::pair<void (CuttingForm::*)(), bool> steps[] = {{&CuttingForm::Timer1_Timer, false},
                                                              {&CuttingForm::Option1_Click, false},
                                                              {&CuttingForm::Command1_Click, false},
                                                              {&CuttingForm::Command2_Click, false},
                                                              {&CuttingForm::Command1_Click, true}};
    for (const auto& [handler, yes] : steps) {
        form.Option2_Click();
        ASSERT_TRUE(c.banner && c.timer);
        answer = yes;
        (form.*handler)();
        EXPECT_FALSE(c.banner);
        EXPECT_EQ(c.timer, handler == &CuttingForm::Timer1_Timer);
    }
    EXPECT_EQ(questions, std::vector<std::string>(
                             2, "Would you like me to ...|Print Panel Details form using current printer settings?"));
    EXPECT_EQ(banner_when_asked, std::vector<bool>(2, false));  // the banner is not printed
    EXPECT_EQ(prints, 1);
    EXPECT_FALSE(c.show_exact);  // printing keeps the option
    form.Option1_Click();
    expect_initial_options();
    EXPECT_EQ(c.list.panel_lines[kTop], exact);
}

TEST_F(CuttingFormTest, BackViewSurvivesReopeningWithOtherFront) {
    open(true);
    EXPECT_EQ(c.picture, PanelPicture::FrontDouble);
    form.Label16_Click();
    EXPECT_EQ(view_arrow(c.view), "-->");
    EXPECT_EQ(c.picture, PanelPicture::Back);
    form.Command2_Click();

    open(false);  // front type changed in the main window
    EXPECT_EQ(view_arrow(c.view), "-->");
    EXPECT_EQ(c.picture, PanelPicture::Back);
    EXPECT_FALSE(c.list.front_inner_visible);

    form.Picture1_Click();  // the picture flips like the arrow
    EXPECT_EQ(view_arrow(c.view), "<--");
    EXPECT_EQ(c.picture, PanelPicture::FrontSingle);
}

TEST_F(CuttingFormTest, TitleBarCloseDiscardsState) {
    open(true);
    form.Option2_Click();
    form.Label16_Click();
    form.discard();
    const CuttingState fresh;
    expect_initial_options();
    EXPECT_EQ(c.view, fresh.view);
    EXPECT_EQ(c.picture, fresh.picture);

    open(true);  // the next opening starts from scratch
    EXPECT_EQ(c.picture, PanelPicture::FrontDouble);
}

// The workshop sheet holds the list as the window shows it: the inner front
// only with a double front, the hints only with the allowance.
TEST_F(CuttingFormTest, WorkshopSheetFollowsTheListAsShown) {
    struct Case {
        bool double_front, allowance;
        std::size_t panels;
    };
    for (const Case& k : {Case{false, false, 7}, Case{true, false, 8}, Case{true, true, 8}}) {
        open(k.double_front);
        if (k.allowance) form.Option2_Click();
        else form.Option1_Click();
        s.projectname = "sub.ecv";
        const WorkshopSheet sheet = workshop_sheet(s, "8 December 2026");
        EXPECT_EQ(sheet.title, "Workshop sheet - sub.ecv");
        EXPECT_EQ(sheet.date, "Date: 8 December 2026");
        EXPECT_EQ(sheet.finished, c.list.finished_line);
        EXPECT_EQ(sheet.heading, k.allowance ? "Panel dimensions include 5  mm allowance on any edges to be "
                                               "trimmed after gluing"
                                             : "Panel dimensions show finished size");
        ASSERT_EQ(sheet.panels.size(), k.panels);
        EXPECT_EQ(sheet.panels[0].line, c.list.panel_lines[kTop]);
        EXPECT_EQ(sheet.panels[0].hint, k.allowance ? std::string(trimming_hints()[kTop]) : "");
        EXPECT_EQ(sheet.panels.back().line, c.list.panel_lines[static_cast<int>(PanelKind::ShelfBrace)]);
        EXPECT_EQ(sheet.drawings[0].picture, k.double_front ? PanelPicture::FrontDouble : PanelPicture::FrontSingle);
        EXPECT_EQ(sheet.drawings[1].picture, PanelPicture::Back);
    }
    EXPECT_EQ(export_file_name(s, ".pdf"), "sub.pdf");
    s.projectname = "default";
    EXPECT_EQ(export_file_name(s, ".csv"), "default.csv");
}

TEST_F(CuttingFormTest, CsvIsSavedOrTheFailureSaysWhy) {
    test_support::TempFolder folder;
    open(true);
    form.Option2_Click();
    const std::string path = folder.file("box.csv");
    form.save_csv(path);
    EXPECT_EQ(read_whole_file(path), cutting_csv(s.design, s.mode, false));
    EXPECT_TRUE(messages.empty());
    const std::string nowhere = folder.file("missing/box.csv");
    form.save_csv(nowhere);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("Unable to save " + nowhere + ": ")) << messages[0];
}

}  // namespace
}  // namespace enclavio
