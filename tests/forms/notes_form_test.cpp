// The notes window: eight lines, the notes picture follows them at "&OK".
#include <gtest/gtest.h>

#include "forms/notes_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

using namespace project_testing;

TEST(Notes, PictureShowsWhenAnyLineHasText) {
    struct Case {
        const char* name;
        std::array<std::string, 8> lines;
        bool hasnotes;
    };
    const Case cases[] = {
        {"all empty", {}, false},
        {"blanks only", {"   ", " ", "", "", "", "", "", "  "}, false},
        {"first line", {"birch", "", "", "", "", "", "", ""}, true},
        {"last line padded", {"", "", "", "", "", "", "", "  x  "}, true},
        {"tab is not a blank", {"\t", "", "", "", "", "", "", ""}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        StartedMain m(root);
        NotesForm notes(m.form, m.view);
        for (int n = 1; n <= 8; ++n) notes.Text_Change(n, c.lines[static_cast<std::size_t>(n - 1)]);
        // Typing alone leaves the picture as it was.
        EXPECT_FALSE(m.form.s.main.notes_picture);
        EXPECT_TRUE(notes.Command1_Click());
        EXPECT_EQ(m.form.s.notes.hasnotes, c.hasnotes);
        EXPECT_EQ(m.form.s.main.notes_picture, c.hasnotes);
        // The lines are kept exactly as typed.
        EXPECT_EQ(m.form.s.notes.lines, c.lines);
    }
}

TEST(Notes, ClearEmptiesEveryLineAndOkHidesThePicture) {
    TempFolder root;
    StartedMain m(root);
    NotesForm notes(m.form, m.view);
    notes.Text_Change(3, "keep");
    notes.Text_Change(8, "this");
    notes.Command1_Click();
    ASSERT_TRUE(m.form.s.main.notes_picture);

    notes.Command2_Click();
    for (const auto& line : m.form.s.notes.lines) EXPECT_EQ(line, "");
    EXPECT_TRUE(m.form.s.main.notes_picture);  // until "&OK"
    notes.Command1_Click();
    EXPECT_FALSE(m.form.s.main.notes_picture);
}

TEST(Notes, ClosingByTheFrameActsLikeOk) {
    TempFolder root;
    StartedMain m(root);
    NotesForm notes(m.form, m.view);
    notes.Text_Change(1, "typed");
    EXPECT_TRUE(notes.Form_Close());
    EXPECT_EQ(m.form.s.notes.lines[0], "typed");
    EXPECT_TRUE(m.form.s.main.notes_picture);
}

TEST(Notes, OnlyLinesOneToEight) {
    TempFolder root;
    StartedMain m(root);
    NotesForm notes(m.form, m.view);
    notes.Text_Change(0, "x");
    notes.Text_Change(9, "x");
    notes.Command1_Click();
    EXPECT_FALSE(m.form.s.notes.hasnotes);
}

}  // namespace
}  // namespace enclavio
