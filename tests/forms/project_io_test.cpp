// Saving a project from the session and opening it again through the project
// windows and the main window's Open menu.
#include <gtest/gtest.h>

#include "forms/files_form.hpp"
#include "forms/project_io.hpp"
#include "project_windows_support.hpp"
#include "storage/storage.hpp"

namespace enclavio {
namespace {

using namespace project_testing;

// Opens `name` in `folder` the way the user does: Open menu, type the name,
// press "&Open".
void open_through_menu(StartedMain& m, const std::string& folder, const std::string& name) {
    m.view.on_modal[Window::Form5] = [&m, folder, name] {
        FileForm open(m.form, m.view, FileForm::Kind::Open);
        open.Dir1_Change(folder);
        open.Text1_Change(name);
        open.Command1_Click();
    };
    m.form.mnu_open_Click();
}

// Saves under `name` in `folder` the way the user does: Save As menu, type the
// name, press "&Save". True when the window closed.
bool save_through_menu(StartedMain& m, const std::string& folder, const std::string& name) {
    bool closed = false;
    m.view.on_modal[Window::Form2] = [&m, &closed, folder, name] {
        FileForm save(m.form, m.view, FileForm::Kind::Save);
        save.Dir1_Change(folder);
        save.Text1_Change(name);
        closed = save.Command1_Click();
    };
    m.form.mnu_save_Click();
    return closed;
}

const std::array<std::string, 8> kNotes{"Driver: the big one", "", "   ", "Birch ply from the yard",
                                        "", "  indented  ", "", "last line"};

// Every field away from its start-up value, a single front, both port ends
// flanged and notes with empty and blank lines between them.
void change_everything(MainForm& f) {
    f.set_unit_mode(UnitMode::Metric);
    f.populateall();
    const std::pair<int, const char*> typed[] = {
        {6, "455"}, {7, "333"}, {8, "612"}, {4, "18"}, {1, "400"}, {2, "75"},
        {3, "3"},   {12, "150"}, {13, "5"},
    };
    for (const auto& [n, text] : typed) f.change(n, text);
    f.Combo1_Click(2);  // 12 inch
    f.change(11, "41"); // typed after the size, so not the size's default
    f.set_text(10, "2");
    f.set_text(5, "1");
    f.Check3_Click(false);
    f.mnu_twoflange_Click();
    f.Text9_DblClick();
    f.s.notes.lines = kNotes;
    f.check_notes();
}

struct RoundTripCase {
    const char* name;
    UnitMode saved_in;
    UnitMode opened_in;
};

class ProjectRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProjectRoundTrip, ReopenedProjectIsTheSavedOne) {
    const RoundTripCase& c = GetParam();
    TempFolder root;
    StartedMain a(root);
    change_everything(a.form);
    a.form.set_unit_mode(c.saved_in);
    a.form.populateall();
    ASSERT_TRUE(save_through_menu(a, root.str(), "round"));
    EXPECT_TRUE(a.view.messages.empty());
    // The file holds the session as the Save As menu left it.
    const std::string bytes = get_bytes(root.file("round.ecv"));
    EXPECT_EQ(bytes, project_file_text(project_from_session(a.form.s)));

    StartedMain b(root);
    b.form.set_unit_mode(c.opened_in);
    b.form.populateall();
    open_through_menu(b, root.str(), "round.ecv");
    EXPECT_TRUE(b.view.messages.empty());

    const Session& s = b.form.s;
    EXPECT_TRUE(s.files.opened);
    // Everything comes back; only the volume is worked out again from the
    // dimensions, where the file holds it as the field showed it.
    const ProjectData in_file = parse_project_text(bytes);
    ProjectData loaded = project_from_session(s);
    BoxDesign recomputed = s.design;
    ASSERT_TRUE(compute_volume(recomputed));
    EXPECT_EQ(loaded.boxvol, recomputed.boxvol);
    loaded.boxvol = in_file.boxvol;
    EXPECT_EQ(loaded, in_file);
    EXPECT_NEAR(s.design.boxdepth, 455, 1);
    EXPECT_NEAR(s.design.driverdepth, 41, 1);
    EXPECT_EQ(s.mode, c.opened_in);
    EXPECT_EQ(s.design.drivervolume, 2.5);
    EXPECT_EQ(s.main.combo_index, 2);
    EXPECT_EQ(s.design.doublefront, 0);
    EXPECT_FALSE(s.main.check3);
    EXPECT_EQ(s.main.flange, Flange::Two);
    EXPECT_EQ(s.notes.lines, kNotes);
    EXPECT_TRUE(s.main.notes_picture);
    EXPECT_EQ(s.projectname, "round.ecv");
    EXPECT_EQ(s.main.caption, "Enclavio - round.ecv");
    EXPECT_EQ(s.lastfolder, root.str());
    EXPECT_EQ(s.projectpath, root.file("round.ecv"));
    EXPECT_EQ(s.main.text[5].text, "1");
    EXPECT_EQ(s.main.text[10].text, "2");
    // The fields show the loaded sizes in the unit mode of the reopening run.
    EXPECT_EQ(s.main.text[6].text, length_text(c.opened_in, s.design.boxdepth));

    // Saved again in the mode it was first saved in, the file is the same
    // but for the volume line.
    b.form.set_unit_mode(c.saved_in);
    b.form.populateall();
    ASSERT_TRUE(save_through_menu(b, root.str(), "again"));
    ProjectData again = parse_project_text(get_bytes(root.file("again.ecv")));
    again.boxvol = in_file.boxvol;
    EXPECT_EQ(again, in_file);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ProjectRoundTrip,
    ::testing::Values(RoundTripCase{"MetricToInches", UnitMode::Metric, UnitMode::Inches},
                      RoundTripCase{"InchesToMetric", UnitMode::Inches, UnitMode::Metric},
                      RoundTripCase{"CmToDecimalInches", UnitMode::MetricCm, UnitMode::DecimalInches}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFile, StartUpDesignIsTwentyFourCrLfLines) {
    TempFolder root;
    StartedMain m(root);
    ASSERT_TRUE(save_through_menu(m, root.str(), "start"));
    // The volume as its field shows it: Save As reads every field first.
    const std::string expected =
        "400\r\n300\r\n700\r\n59.4\r\n30\r\n200\r\n2\r\n1\r\n823\r\n86\r\n2\r\n19\r\n2\r\n"
        "10 inch\r\ndouble\r\noneflange\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    EXPECT_EQ(get_bytes(root.file("start.ecv")), expected);
}

TEST(ProjectFile, SavedNotesAndFieldTextsAreVerbatim) {
    TempFolder root;
    StartedMain m(root);
    m.form.set_text(10, " 2 drivers");
    m.form.s.notes.lines = kNotes;
    ASSERT_TRUE(save_through_menu(m, root.str(), "notes"));
    const auto lines = split_lines(get_bytes(root.file("notes.ecv")));
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[7], " 2 drivers");
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(lines[16 + i], kNotes[i]) << i;
}

// Files written by hand or by other versions: each loads tolerantly.
struct TolerantCase {
    const char* name;
    std::string bytes;
    std::function<void(const Session&)> check;
};

std::string lines_of(std::vector<std::string> lines, const char* end = "\r\n") {
    std::string out;
    for (const auto& l : lines) out += l + end;
    return out;
}

std::vector<std::string> full_file() {
    return {"500", "310", "620", "60", "77", "210", "3", "1", "700", "80", "2", "18",
            "2", "10 inch", "double", "oneflange", "n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8"};
}

std::vector<std::string> with_line(int n, std::string text) {
    auto lines = full_file();
    lines[static_cast<std::size_t>(n - 1)] = std::move(text);
    return lines;
}

std::vector<std::string> first_lines(std::size_t n) {
    auto lines = full_file();
    lines.resize(n);
    return lines;
}

class TolerantLoad : public ::testing::TestWithParam<TolerantCase> {};

TEST_P(TolerantLoad, Loads) {
    TempFolder root;
    StartedMain m(root);
    put_bytes(root.file("p.ecv"), GetParam().bytes);
    open_through_menu(m, root.str(), "p");
    EXPECT_TRUE(m.view.messages.empty());
    EXPECT_TRUE(m.form.s.files.opened);
    EXPECT_EQ(m.form.s.main.caption, "Enclavio - p.ecv");
    GetParam().check(m.form.s);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TolerantLoad,
    ::testing::Values(
        TolerantCase{"SixteenLines",
                     lines_of(first_lines(16)),
                     [](const Session& s) {
                         for (const auto& l : s.notes.lines) EXPECT_EQ(l, "");
                         EXPECT_FALSE(s.notes.hasnotes);
                         EXPECT_FALSE(s.main.notes_picture);
                         EXPECT_EQ(s.design.boxdepth, 500);
                     }},
        TolerantCase{"CapitalDouble", lines_of(with_line(15, "Double")),
                     [](const Session& s) {
                         EXPECT_FALSE(s.main.check3);
                         EXPECT_EQ(s.design.doublefront, 0);
                     }},
        TolerantCase{"NumberWithTrailingLetters", lines_of(with_line(1, "  12.5abc")),
                     [](const Session& s) { EXPECT_EQ(s.design.boxdepth, 12.5); }},
        TolerantCase{"NegativeNumber", lines_of(with_line(2, "-18")),
                     [](const Session& s) { EXPECT_EQ(s.design.boxwidth, 18); }},
        TolerantCase{"LineFeedsOnly", lines_of(full_file(), "\n"),
                     [](const Session& s) {
                         EXPECT_EQ(s.design.boxheight, 620);
                         EXPECT_EQ(s.notes.lines[7], "n8");
                         EXPECT_TRUE(s.main.check3);
                     }},
        TolerantCase{"ListedDriverSizeKeepsSavedDepth", lines_of(with_line(14, " 8 inch")),
                     [](const Session& s) {
                         EXPECT_EQ(s.main.combo_index, 0);
                         EXPECT_EQ(s.main.combo_text, " 8 inch");
                         EXPECT_EQ(s.design.drivervolume, 1);
                         EXPECT_EQ(s.design.driverdepth, 77);
                         EXPECT_EQ(s.main.text[11].text, " 77");
                     }},
        TolerantCase{"UnknownDriverSizeKeepsDisplacement", lines_of(with_line(14, "21 inch")),
                     [](const Session& s) {
                         EXPECT_EQ(s.main.combo_index, -1);
                         EXPECT_EQ(s.main.combo_text, "21 inch");
                         EXPECT_EQ(s.design.driversize, "21 inch");
                         EXPECT_EQ(s.design.drivervolume, 1.5);  // the start-up 10 inch
                         EXPECT_EQ(s.design.driverdepth, 77);
                     }},
        TolerantCase{"NoPorts", lines_of(with_line(13, "0")),
                     [](const Session& s) {
                         EXPECT_FALSE(s.main.text[1].enabled);
                         EXPECT_FALSE(s.main.port_labels_enabled);
                     }},
        TolerantCase{"EmptyFile", "",
                     [](const Session& s) {
                         EXPECT_EQ(s.design.boxdepth, 0);
                         EXPECT_EQ(s.main.text[5].text, "");
                         EXPECT_EQ(s.main.text[10].text, "");
                         EXPECT_EQ(s.main.combo_text, "");
                         EXPECT_FALSE(s.main.check3);
                         EXPECT_EQ(s.main.flange, Flange::One);  // unchanged
                         EXPECT_EQ(s.projectflange, "");
                     }},
        TolerantCase{"NoFlangeWord", lines_of(with_line(16, "noflange")),
                     [](const Session& s) {
                         EXPECT_EQ(s.main.flange, Flange::None);
                         EXPECT_EQ(s.main.flange_caption, "&Port Flanges=0");
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

// What the session shows before an open that must change nothing.
struct Snapshot {
    ProjectData project;
    std::string caption, projectname, lastfolder, projectflange;
    bool notes_picture;
    explicit Snapshot(const Session& s)
        : project(project_from_session(s)), caption(s.main.caption), projectname(s.projectname),
          lastfolder(s.lastfolder), projectflange(s.projectflange), notes_picture(s.main.notes_picture) {}
    void expect_same(const Session& s) const {
        EXPECT_EQ(project_from_session(s), project);
        EXPECT_EQ(s.main.caption, caption);
        EXPECT_EQ(s.projectname, projectname);
        EXPECT_EQ(s.lastfolder, lastfolder);
        EXPECT_EQ(s.projectflange, projectflange);
        EXPECT_EQ(s.main.notes_picture, notes_picture);
        EXPECT_FALSE(s.files.opened);
    }
};

TEST(OpenFailure, UnreadableFileChangesNothing) {
    struct Case {
        const char* what;
        std::function<void(const TempFolder&)> prepare;
    };
    const Case cases[] = {
        {"missing", [](const TempFolder&) {}},
        {"a folder", [](const TempFolder& root) { fs::create_directory(root.file("p.ecv")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder root;
        c.prepare(root);
        StartedMain m(root);
        m.form.s.notes.lines[2] = "keep me";
        m.form.check_notes();
        m.form.mnu_twoflange_Click();
        const Snapshot before(m.form.s);

        bool closed = true;
        m.view.on_modal[Window::Form5] = [&] {
            FileForm open(m.form, m.view, FileForm::Kind::Open);
            open.Text1_Change("p");
            closed = open.Command1_Click();
        };
        m.form.mnu_open_Click();
        EXPECT_FALSE(closed);
        ASSERT_EQ(m.view.messages.size(), 1u);
        EXPECT_EQ(m.view.messages[0], "Unable to open " + root.file("p.ecv"));
        before.expect_same(m.form.s);
    }
}

TEST(OpenFailure, CancelChangesNothing) {
    TempFolder root;
    StartedMain m(root);
    put_bytes(root.file("p.ecv"), lines_of(full_file()));
    open_through_menu(m, root.str(), "p");
    ASSERT_TRUE(m.form.s.files.opened);
    m.form.mnu_noflange_Click();
    const Snapshot before(m.form.s);

    m.view.on_modal[Window::Form5] = [&] {
        FileForm open(m.form, m.view, FileForm::Kind::Open);
        open.Text1_Change("p");
        EXPECT_TRUE(open.Command2_Click());
    };
    m.form.mnu_open_Click();
    before.expect_same(m.form.s);
    EXPECT_EQ(m.form.s.main.flange, Flange::None);
}

TEST(ProjectFolder, OfPath) {
    EXPECT_EQ(project_folder({"box.ecv", "/home/ann/box.ecv"}), "/home/ann");
    EXPECT_EQ(project_folder({"box.ecv", "/box.ecv"}), "/");
    EXPECT_EQ(project_folder({".ecv", "/tmp/x/.ecv"}), "/tmp/x");
}

}  // namespace
}  // namespace enclavio
