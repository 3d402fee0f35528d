// The Sheet Layout window's behaviour, driven without a display: settings
// remembered as named values, bad input refused, and the layout kept up to
// date with the settings and the design.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/cutting_list_form.hpp"
#include "forms/sheet_layout_form.hpp"

namespace enclavio {
namespace {

class SheetLayoutFormTest : public ::testing::Test, public NullView {
protected:
    SheetLayoutFormTest() {
        s.design.boxdepth = 500;
        s.design.boxwidth = 400;
        s.design.boxheight = 600;
        s.design.boxthickness = 18;
        s.design.doublefront = 0;
    }
    void show_message(std::string_view text) override { messages.emplace_back(text); }
    void show_modeless(Window w) override { modeless.push_back(w); }

    int pieces() const {
        int n = 0;
        for (const auto& sheet : form->layout().sheets) n += static_cast<int>(sheet.placements.size());
        return n;
    }

    Session s;
    std::vector<std::string> messages;
    std::vector<Window> modeless;
    std::optional<SheetLayoutForm> form;
};

TEST_F(SheetLayoutFormTest, SettingsRoundTripThroughNamedValues) {
    const SheetSettings settings[] = {
        {},
        {{2438.4, 1219.2, 0.1, 12.5, false}, 8, true},
        {{1524, 1524, 0, 0, true}, 2, false},
        {{9999.9999, 0.5, 50, 0.2, true}, 1, true},
    };
    for (const SheetSettings& written : settings) {
        KeyValues values{{"recent.1", "/home/a.ecv"}};
        write_sheet_settings(values, written);
        EXPECT_EQ(values.front(), (std::pair<std::string, std::string>{"recent.1", "/home/a.ecv"}));
        EXPECT_EQ(read_sheet_settings(values), written) << key_value_text(values);
        // Written again over themselves, the values stay one line each.
        write_sheet_settings(values, written);
        EXPECT_EQ(values.size(), 8u);
    }
    KeyValues values;
    write_sheet_settings(values, {{2500, 1250, 3.2, 0, true}, 2, false});
    EXPECT_EQ(key_value_text(values),
              "sheet.across=2500\r\nsheet.along=1250\r\nsheet.kerf=3.2\r\nsheet.trim=0\r\nsheet.turn=yes\r\n"
              "sheet.boxes=2\r\nsheet.allowance=no\r\n");
}

// What a damaged or foreign settings file may hold: each value that cannot be
// read keeps its default, and a board that cannot be used falls back whole.
TEST_F(SheetLayoutFormTest, UnreadableStoredSettingsKeepTheirDefaults) {
    const struct {
        KeyValues stored;
        SheetSettings expected;
    } rows[] = {
        {{}, {}},
        {{{"sheet.kerf", "abc"}, {"sheet.boxes", "3"}}, {{2440, 1220, 3.2, 0, true}, 3, false}},
        {{{"sheet.boxes", "9"}, {"sheet.allowance", "maybe"}, {"sheet.turn", "no"}},
         {{2440, 1220, 3.2, 0, false}, 1, false}},
        {{{"sheet.boxes", "2.5"}, {"sheet.allowance", "yes"}}, {{}, 1, true}},
        {{{"sheet.boxes", "0"}, {"sheet.across", "-5"}}, {}},
        {{{"sheet.across", "1000"}, {"sheet.trim", "500"}}, {}},  // nothing left after trim
        {{{"sheet.across", "20000"}, {"sheet.along", "610"}}, {}},
        {{{"sheet.kerf", "51"}, {"sheet.turn", "no"}}, {{2440, 1220, 3.2, 0, false}, 1, false}},
        {{{"sheet.across", "1220"}, {"sheet.along", "610"}, {"sheet.trim", "1e1"}},
         {{1220, 610, 3.2, 0, true}, 1, false}},
    };
    for (const auto& r : rows) EXPECT_EQ(read_sheet_settings(r.stored), r.expected) << key_value_text(r.stored);
}

TEST_F(SheetLayoutFormTest, OpensWithTheRememberedSettingsAndStoresNothingUntilOneChanges) {
    write_sheet_settings(s.settings_values, {{1220, 610, 3.2, 0, true}, 1, false});
    const KeyValues stored = s.settings_values;
    form.emplace(s, *this);
    EXPECT_EQ(form->board_index(), 3);
    EXPECT_EQ(form->layout().board.across, 1220);
    EXPECT_EQ(form->layout().sheets.size(), 3u);  // the fewest on the small board
    EXPECT_EQ(s.settings_values, stored);

    Session fresh;
    SheetLayoutForm untouched(fresh, *this);
    untouched.select_board(0);  // already the board in use
    untouched.set_turning(true);
    EXPECT_TRUE(fresh.settings_values.empty());
}

// Each refusal names what is wrong; the settings, the stored values and the
// layout stay as they were.
TEST_F(SheetLayoutFormTest, BadInputIsRefusedWithAMessageAndNothingStored) {
    form.emplace(s, *this);
    form->select_board(SheetLayoutForm::kCustomBoard);
    const struct {
        SheetField field;
        const char* text;
        const char* message;
    } rows[] = {
        {SheetField::Kerf, "abc", "The kerf must be a plain number of millimetres, such as 3.2."},
        {SheetField::Kerf, "-1", "The kerf must be a plain number of millimetres, such as 3.2."},
        {SheetField::Kerf, "3,2", "The kerf must be a plain number of millimetres, such as 3.2."},
        {SheetField::Kerf, "", "The kerf must be a plain number of millimetres, such as 3.2."},
        {SheetField::Kerf, "50.1", "The kerf must be from 0 to 50 mm."},
        {SheetField::Trim, "1/8", "The trim must be a plain number of millimetres, such as 0 or 5."},
        {SheetField::Trim, "610", "The trim must be 0 or more and leave some of the sheet."},
        {SheetField::Across, "8'", "The sheet's size across must be a plain number of millimetres, such as 2440."},
        {SheetField::Along, "1e3", "The sheet's size along must be a plain number of millimetres, such as 1220."},
        {SheetField::Along, "0", "The sheet must be more than 0 and at most 10000 mm each way."},
        {SheetField::Across, "10000.1", "The sheet must be more than 0 and at most 10000 mm each way."},
    };
    for (const auto& r : rows) {
        messages.clear();
        const SheetSettings before = form->settings();
        const int made = form->layouts_made();
        EXPECT_FALSE(form->enter(r.field, r.text)) << r.text;
        EXPECT_EQ(messages, std::vector<std::string>{r.message}) << r.text;
        EXPECT_EQ(form->settings(), before);
        EXPECT_EQ(form->layouts_made(), made);
        EXPECT_TRUE(s.settings_values.empty());
    }
    messages.clear();
    EXPECT_FALSE(form->set_boxes(0));
    EXPECT_FALSE(form->set_boxes(9));
    EXPECT_EQ(messages, (std::vector<std::string>(2, "The number of boxes must be from 1 to 8.")));
    EXPECT_TRUE(s.settings_values.empty());

    // A trim the next preset cannot take keeps the board as it was.
    ASSERT_TRUE(form->enter(SheetField::Trim, "400"));
    messages.clear();
    form->select_board(3);  // 1220 x 610
    EXPECT_EQ(messages, std::vector<std::string>{"The trim must be 0 or more and leave some of the sheet."});
    EXPECT_EQ(form->settings().board.across, 2440);
    EXPECT_EQ(form->board_index(), 0);
}

// Every accepted change lays out again at once and is remembered.
TEST_F(SheetLayoutFormTest, EachSettingLaysOutAgainAndIsRemembered) {
    form.emplace(s, *this);
    const double exact_top = form->layout().pieces[0].first;
    ASSERT_EQ(pieces(), 7);
    ASSERT_EQ(form->layout().sheets.size(), 1u);

    form->set_boxes(2);
    EXPECT_EQ(pieces(), 14);
    form->set_allowance(true);
    EXPECT_GT(form->layout().pieces[0].first, exact_top);
    form->set_turning(false);
    EXPECT_FALSE(form->layout().board.turning);
    form->select_board(2);  // 2800 x 2070
    EXPECT_EQ(form->layout().board.along, 2070);
    EXPECT_TRUE(form->enter(SheetField::Kerf, " 4 "));
    EXPECT_EQ(form->layout().board.kerf, 4);
    EXPECT_TRUE(form->enter(SheetField::Trim, "10"));
    EXPECT_EQ(form->layout().board.trim, 10);
    EXPECT_TRUE(messages.empty());

    // The size fields count only for a custom board; typing a preset's size
    // there keeps it custom.
    EXPECT_FALSE(form->size_fields_enabled());
    EXPECT_FALSE(form->enter(SheetField::Across, "1000"));
    form->select_board(SheetLayoutForm::kCustomBoard);
    EXPECT_EQ(form->field_text(SheetField::Across), "2800");
    EXPECT_TRUE(form->enter(SheetField::Across, "1000"));
    EXPECT_TRUE(form->enter(SheetField::Along, "1000.5"));
    EXPECT_EQ(form->board_index(), SheetLayoutForm::kCustomBoard);

    EXPECT_EQ(read_sheet_settings(s.settings_values), (SheetSettings{{1000, 1000.5, 4, 10, false}, 2, true}));
    SheetLayoutForm reopened(s, *this);
    EXPECT_EQ(reopened.settings(), form->settings());
    EXPECT_EQ(reopened.board_index(), SheetLayoutForm::kCustomBoard);
}

// A change made in the main window or the bracing window reaches an open
// layout; the unit mode changes only its words.
TEST_F(SheetLayoutFormTest, DesignChangesReachTheLayout) {
    form.emplace(s, *this);
    const int made = form->layouts_made();
    EXPECT_FALSE(form->design_changed());
    EXPECT_EQ(form->layouts_made(), made);

    const struct {
        const char* what;
        void (*change)(Session&);
        int pieces;
        bool relaid;
    } rows[] = {
        {"width", [](Session& x) { x.design.boxwidth = 450; }, 7, true},
        {"double front", [](Session& x) { x.design.doublefront = 1; }, 8, true},
        {"three shelf braces", [](Session& x) { x.bracing.shelf_count_text = "3"; }, 10, true},
        {"no shelf brace", [](Session& x) { x.bracing.shelf_count_text = "0"; }, 7, true},
        {"inches", [](Session& x) { x.mode = UnitMode::Inches; }, 7, false},
        {"no sizes", [](Session& x) { x.design.boxheight = 1; }, 0, true},
        {"sizes again", [](Session& x) { x.design.boxheight = 600; }, 7, true},
    };
    for (const auto& r : rows) {
        const int before = form->layouts_made();
        r.change(s);
        EXPECT_TRUE(form->design_changed()) << r.what;
        EXPECT_EQ(form->layouts_made(), before + (r.relaid ? 1 : 0)) << r.what;
        EXPECT_EQ(pieces(), r.pieces) << r.what;
        EXPECT_EQ(form->mode(), s.mode);
    }
    EXPECT_EQ(form->layout().pieces[0].first, 450);
    s.design.boxheight = 1;
    form->design_changed();
    EXPECT_EQ(form->summary(), "There are no panels to lay out.");
}

TEST_F(SheetLayoutFormTest, SummaryAndRefusals) {
    form.emplace(s, *this);
    EXPECT_EQ(form->summary().rfind("1 sheet (fewest possible). Board used: ", 0), 0u) << form->summary();
    s.design.boxwidth = 1300;  // a top panel wider than a 1220 x 610 board either way
    form->design_changed();
    form->select_board(3);
    EXPECT_EQ(form->summary(), "Top panel 1300 x 482 mm is larger than the board after trim (1220 x 610 mm).");
}

TEST_F(SheetLayoutFormTest, TheCuttingListOpensTheLayoutBesideTheMainWindow) {
    CuttingForm cutting(s, *this);
    s.cutting.banner = true;
    cutting.Command3_Click();
    EXPECT_FALSE(s.cutting.banner);
    EXPECT_EQ(modeless, std::vector<Window>{Window::SheetLayout});
}

}  // namespace
}  // namespace enclavio
