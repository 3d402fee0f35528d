// The notes window: eight lines, the notes picture follows them at "&OK".
#include <gtest/gtest.h>

#include "forms/notes_form.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;

TEST(Notes, PictureShowsAtOkWhenAnyLineHasText) {
    struct Case {
        const char* name;
        std::array<std::string, 8> lines;
        bool hasnotes;
    };
    const Case cases[] = {
        {"all empty", {}, false},
        {"blanks only", {"   ", " ", "", "", "", "", "", "  "}, false},
        {"tab is not a blank", {"\t", "", "", "", "", "", "", ""}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        StartedMain m(root);
        NotesForm notes(m.form, m.view);
        for (int n = 0; n <= 9; ++n) notes.Text_Change(n, n >= 1 && n <= 8 ? c.lines[n - 1] : "x");
        EXPECT_FALSE(m.form.session.main.notes_picture);  // typing alone leaves the picture
        EXPECT_TRUE(notes.Command1_Click());
        EXPECT_EQ(m.form.session.notes.hasnotes, c.hasnotes);
        EXPECT_EQ(m.form.session.main.notes_picture, c.hasnotes);
        EXPECT_EQ(m.form.session.notes.lines, c.lines);  // kept exactly as typed
    }
}

TEST(Notes, ClearThenOkHidesThePictureAndTheFrameActsLikeOk) {
    TempFolder root;
    StartedMain m(root);
    NotesForm notes(m.form, m.view);
    notes.Text_Change(3, "keep");
    EXPECT_TRUE(notes.Form_Close());
    ASSERT_TRUE(m.form.session.main.notes_picture);

    notes.Command2_Click();
    for (const auto& line : m.form.session.notes.lines) EXPECT_EQ(line, "");
    EXPECT_TRUE(m.form.session.main.notes_picture);  // until "&OK"
    notes.Command1_Click();
    EXPECT_FALSE(m.form.session.main.notes_picture);
}

}  // namespace
}  // namespace enclavio
