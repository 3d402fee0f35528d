// The cutting list window's behaviour, driven without a display.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "forms/cutting_form.hpp"
#include "forms/main_form.hpp"

namespace enclavio {
namespace {

// Remembers what the model asked of its window.
class RecordingView : public FormView {
public:
    explicit RecordingView(const Session* s = nullptr) : s_(s) {}
    void show_message(std::string_view text) override { messages.emplace_back(text); }
    bool ask_yes_no(std::string_view title, std::string_view text) override {
        questions.push_back(std::string(title) + "|" + std::string(text));
        if (s_) banner_when_asked.push_back(s_->cutting.banner || s_->cutting.timer);
        return answer;
    }
    void show_modal(Window w) override { modals.push_back(w); }
    void print_window() override { ++prints; }
    void open_url(std::string_view url) override { urls.emplace_back(url); }
    void refresh() override { ++refreshes; }

    bool answer = false;
    std::vector<std::string> messages, questions, urls;
    std::vector<Window> modals;
    std::vector<bool> banner_when_asked;
    int prints = 0, refreshes = 0;

private:
    const Session* s_;
};

Session session_with(bool double_front) {
    Session s;
    s.design.boxdepth = 500;
    s.design.boxwidth = 400;
    s.design.boxheight = 600;
    s.design.boxthickness = 18;
    s.design.doublefront = double_front ? 1 : 0;
    return s;
}

constexpr int idx(PanelKind k) { return static_cast<int>(k); }

TEST(CuttingForm, FirstOpeningWithSingleFront) {
    Session s = session_with(false);
    EXPECT_EQ(s.cutting.picture, PanelPicture::FrontDoubleBlank);  // before the first opening
    prepare_cutting_list(s);
    const CuttingState& c = s.cutting;
    EXPECT_EQ(c.arrow, "<--");
    EXPECT_EQ(c.picture, PanelPicture::FrontSingle);
    EXPECT_TRUE(c.show_exact);
    EXPECT_FALSE(c.list.front_inner_visible);
    EXPECT_EQ(c.list.panel_lines[idx(PanelKind::Top)], "Top panel  400 mm wide    482 mm deep");
    EXPECT_EQ(c.list.panel_lines[idx(PanelKind::ShelfBrace)], "Shelf brace  374 mm wide    474 mm deep");
    for (const auto& tip : c.tooltips) EXPECT_EQ(tip, "");
    EXPECT_FALSE(c.banner);
    EXPECT_FALSE(c.timer);
}

TEST(CuttingForm, OpeningFollowsModeAndFrontType) {
    Session s = session_with(true);
    s.mode = UnitMode::MetricCm;
    prepare_cutting_list(s);
    EXPECT_EQ(s.cutting.picture, PanelPicture::FrontDouble);
    EXPECT_TRUE(s.cutting.list.front_inner_visible);
    EXPECT_EQ(s.cutting.list.panel_lines[idx(PanelKind::ShelfBrace)], "Shelf brace  37.4 cm wide    45.6 cm deep");
}

TEST(CuttingForm, AllowanceOptionShowsHintsBannerAndTimer) {
    Session s = session_with(false);
    RecordingView view;
    CuttingForm form(s, view);
    prepare_cutting_list(s);

    form.Option2_Click();
    const CuttingState& c = s.cutting;
    EXPECT_FALSE(c.show_exact);
    for (int i = 0; i < kPanelCount; ++i) EXPECT_EQ(c.tooltips[i], trimming_hints()[i]);
    ASSERT_FALSE(c.banner_text.empty());
    EXPECT_EQ(c.banner_text[0], '\x0d');
    EXPECT_EQ(c.banner_text.substr(1), "Place mouse over panel text to see which edges need trimming with router");
    EXPECT_TRUE(c.banner);
    EXPECT_TRUE(c.timer);
    EXPECT_EQ(c.list.panel_lines[idx(PanelKind::Top)], "Top panel  410 mm wide (10 extra)    487 mm deep (5 extra)");
    EXPECT_GT(view.refreshes, 0);

    // The first tick hides the banner; the timer runs on.
    form.Timer1_Timer();
    EXPECT_FALSE(c.banner);
    EXPECT_TRUE(c.timer);
    form.Timer1_Timer();
    EXPECT_FALSE(c.banner);

    // Back to exact sizes: hints gone, timer stopped.
    form.Option1_Click();
    EXPECT_TRUE(c.show_exact);
    for (const auto& tip : c.tooltips) EXPECT_EQ(tip, "");
    EXPECT_FALSE(c.timer);
    EXPECT_EQ(c.list.panel_lines[idx(PanelKind::Top)], "Top panel  400 mm wide    482 mm deep");
}

TEST(CuttingForm, BannerHiddenAtOnceByExactPrintAndOk) {
    using Handler = void (CuttingForm::*)();
    for (Handler h : {&CuttingForm::Option1_Click, &CuttingForm::Command1_Click, &CuttingForm::Command2_Click}) {
        Session s = session_with(false);
        RecordingView view;
        CuttingForm form(s, view);
        prepare_cutting_list(s);
        form.Option2_Click();
        ASSERT_TRUE(s.cutting.banner);
        (form.*h)();
        EXPECT_FALSE(s.cutting.banner);
        EXPECT_FALSE(s.cutting.timer);
    }
}

TEST(CuttingForm, PrintAsksFirst) {
    for (bool yes : {true, false}) {
        Session s = session_with(false);
        RecordingView view(&s);
        view.answer = yes;
        CuttingForm form(s, view);
        prepare_cutting_list(s);
        form.Option2_Click();
        form.Command1_Click();
        ASSERT_EQ(view.questions.size(), 1u);
        EXPECT_EQ(view.questions[0],
                  "Would you like me to ...|Print Panel Details form using current printer settings?");
        EXPECT_FALSE(view.banner_when_asked.at(0));  // the banner is not printed
        EXPECT_EQ(view.prints, yes ? 1 : 0);
        EXPECT_FALSE(s.cutting.show_exact);  // the option is kept
    }
}

TEST(CuttingForm, BackViewSurvivesReopeningWithOtherFront) {
    Session s = session_with(true);
    RecordingView view;
    CuttingForm form(s, view);
    prepare_cutting_list(s);
    EXPECT_EQ(s.cutting.picture, PanelPicture::FrontDouble);

    form.Label16_Click();
    EXPECT_EQ(s.cutting.arrow, "-->");
    EXPECT_EQ(s.cutting.picture, PanelPicture::Back);
    form.Command2_Click();

    s.design.doublefront = 0;  // front type changed in the main window
    prepare_cutting_list(s);
    EXPECT_EQ(s.cutting.arrow, "-->");
    EXPECT_EQ(s.cutting.picture, PanelPicture::Back);
    EXPECT_FALSE(s.cutting.list.front_inner_visible);

    form.Picture1_Click();  // the picture flips like the arrow
    EXPECT_EQ(s.cutting.arrow, "<--");
    EXPECT_EQ(s.cutting.picture, PanelPicture::FrontSingle);
}

TEST(CuttingForm, TitleBarCloseDiscardsState) {
    Session s = session_with(true);
    RecordingView view;
    CuttingForm form(s, view);
    prepare_cutting_list(s);
    form.Option2_Click();
    form.Label16_Click();

    form.discard();
    const CuttingState fresh;
    EXPECT_TRUE(s.cutting.show_exact);
    EXPECT_EQ(s.cutting.arrow, fresh.arrow);
    EXPECT_EQ(s.cutting.picture, fresh.picture);
    EXPECT_EQ(s.cutting.tooltips, fresh.tooltips);
    EXPECT_EQ(s.cutting.list.finished_line, fresh.list.finished_line);
    EXPECT_FALSE(s.cutting.banner);
    EXPECT_FALSE(s.cutting.timer);

    prepare_cutting_list(s);  // next opening starts from scratch
    EXPECT_EQ(s.cutting.picture, PanelPicture::FrontDouble);
    EXPECT_EQ(s.cutting.list.panel_lines[idx(PanelKind::Top)], "Top panel  400 mm wide    482 mm deep");
}

TEST(CuttingForm, FlatBoxKeepsPreviousTexts) {
    Session s = session_with(false);
    s.design.boxheight = 1;
    prepare_cutting_list(s);
    EXPECT_EQ(s.cutting.list.finished_line, "Label12");
    EXPECT_EQ(s.cutting.list.panel_lines[idx(PanelKind::Top)], "Top panel");

    s.design.boxheight = 600;
    prepare_cutting_list(s);
    const CuttingList before = s.cutting.list;
    s.design.boxwidth = 0;
    s.mode = UnitMode::Inches;
    prepare_cutting_list(s);
    EXPECT_EQ(s.cutting.list.finished_line, before.finished_line);
    EXPECT_EQ(s.cutting.list.panel_lines, before.panel_lines);
}

TEST(CuttingForm, LinkOpensAssemblyPage) {
    Session s = session_with(false);
    RecordingView view;
    CuttingForm form(s, view);
    form.Label10_Click();
    ASSERT_EQ(view.urls.size(), 1u);
    EXPECT_EQ(view.urls[0], "https://enclavio.example.org/speaker-building.htm");
    EXPECT_EQ(std::string(kAssemblyLinkCaption), "enclavio.example.org/speaker-building.htm");
}

TEST(CuttingForm, MainMenuOpensCuttingList) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("enclavio_cutting_form_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    RecordingView view;
    MainForm main(view, dir.string(), dir.string());
    main.startup();
    main.s.main.where = false;
    main.mnu_panels_Click();
    EXPECT_TRUE(main.s.main.where);
    ASSERT_FALSE(view.modals.empty());
    EXPECT_EQ(view.modals.back(), Window::Form3);
    EXPECT_EQ(main.s.cutting.list.finished_line.rfind("Finished size ", 0), 0u);

    CuttingForm form(main, view);  // over the main window's session
    form.Option2_Click();
    EXPECT_FALSE(main.s.cutting.show_exact);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace enclavio
