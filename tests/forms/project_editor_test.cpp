// The main window as an editor: modified mark, the close question, Save,
// undo and redo of each kind of change, recent projects, a project named at
// start-up, and the desktop program's command line.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../support/files.hpp"
#include "forms/bracing_form.hpp"
#include "forms/desktop_options.hpp"
#include "forms/project_editor.hpp"
#include "project_windows_support.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;
namespace fs = std::filesystem;

// Answers the close question from a queue and keeps what it was asked.
class AnsweringView : public RecordingView {
public:
    std::deque<SaveAnswer> answers;
    std::vector<std::string> questions;
    std::string clipboard;
    SaveAnswer ask_save_changes(std::string_view text) override {
        questions.emplace_back(text);
        if (answers.empty()) return SaveAnswer::Cancel;
        const SaveAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void set_clipboard_text(std::string_view text) override { clipboard = text; }
};

class ProjectEditorTest : public ::testing::Test {
protected:
    TempFolder root;
    AnsweringView view;
    MainForm form{view, root.file("app"), root.str()};
    ProjectEditor editor{form};

    void SetUp() override {
        form.startup();
        editor.start();
        view.messages.clear();
    }
    // One field event as the window reports it.
    void type(MainField f, const std::string& text) {
        form.change(f, text);
        editor.after_change(f, true);
    }
    void enter(MainField f) {
        form.keypress(f, kEnterKey);
        editor.after_change(f);
    }
    template <class F>
    void run(F&& handler) {
        handler();
        editor.after_change();
    }
    // Saves through the save window as `name` in the temporary folder.
    bool save_as(const std::string& name) {
        view.on_modal[Window::Form2] = [this, name] {
            FileForm save(form, view, FileForm::Kind::Save);
            save.Dir1_Change(root.str());
            save.Text1_Change(name);
            save.Command1_Click();
        };
        const bool saved = editor.save_as();
        view.on_modal.erase(Window::Form2);
        return saved;
    }
    void write_project_file(const std::string& name, double depth) {
        ProjectData p = project_from_session(form.session);
        p.boxdepth = depth;
        ASSERT_TRUE(write_project(root.file(name), p));
    }
    // Everything an undo step must give back, as the window shows it.
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (const TextField& field : form.session.main.text) out.push_back(field.text);
        for (int n = 1; n <= kResonanceCount; ++n) out.push_back(form.session.main.results.resonance[n].caption);
        const Results& r = form.session.main.results;
        for (const ResultLabel* l :
             {&r.ports_and_bracing_line, &r.driver_and_total_line, &r.working_volume_line, &r.tuning_line})
            out.push_back(l->caption);
        out.push_back(form.session.main.combo_text);
        out.push_back(form.session.main.check3 ? "double" : "single");
        out.push_back(form.session.main.flange_caption);
        out.push_back(form.session.bracing.shelf_count_text);
        out.push_back(form.session.main.caption);
        return out;
    }
};

TEST_F(ProjectEditorTest, TheCaptionIsMarkedWhileTheDesignOrTheNotesDifferFromTheFile) {
    EXPECT_EQ(form.session.main.caption, "Enclavio - default");
    EXPECT_FALSE(editor.modified());
    type(MainField::Depth, "45");
    type(MainField::Depth, "450");
    EXPECT_EQ(form.session.main.caption, "Enclavio - default*");
    type(MainField::Depth, "400");  // back to the start-up design
    EXPECT_EQ(form.session.main.caption, "Enclavio - default");

    // Units, graph options and the where-to-measure picture are no change.
    view.on_modal[Window::frmUnits] = [this] { form.set_unit_mode(UnitMode::Inches); };
    run([this] { form.mnu_units_Click(); });
    run([this] { form.mnu_shownums_Click(); });
    run([this] { form.mnu_where_Click(); });
    EXPECT_FALSE(editor.modified());

    run([this] { form.session.notes.lines[3] = "Birch ply"; });
    EXPECT_EQ(form.session.main.caption, "Enclavio - default*");

    ASSERT_TRUE(save_as("box"));
    EXPECT_EQ(form.session.main.caption, "Enclavio - box.ecv");
    form.change(MainField::Width, "1' 2");  // typed, not yet stored
    editor.after_change(MainField::Width, true);
    EXPECT_EQ(form.session.main.caption, "Enclavio - box.ecv");
    enter(MainField::Width);
    EXPECT_EQ(form.session.main.caption, "Enclavio - box.ecv*");
}

TEST_F(ProjectEditorTest, TheCloseQuestionSavesDiscardsOrCancels) {
    ASSERT_TRUE(save_as("box"));
    const std::string saved = get_bytes(root.file("box.ecv"));
    EXPECT_TRUE(editor.may_discard_changes());  // nothing changed: no question
    EXPECT_TRUE(view.questions.empty());

    struct Case {
        SaveAnswer answer;
        bool may_close;
        bool file_changed;
        bool still_modified;
    };
    const Case cases[] = {
        {SaveAnswer::Cancel, false, false, true},
        {SaveAnswer::Discard, true, false, true},
        {SaveAnswer::Save, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        put_bytes(root.file("box.ecv"), saved);
        editor.save();  // the file and the design agree again
        type(MainField::Height, "650");
        const auto before = shown();
        view.questions.clear();
        view.answers = {c.answer};
        EXPECT_EQ(editor.may_discard_changes(), c.may_close);
        EXPECT_EQ(view.questions, std::vector<std::string>{"Save changes to box.ecv?"});
        EXPECT_EQ(get_bytes(root.file("box.ecv")) != saved, c.file_changed);
        EXPECT_EQ(editor.modified(), c.still_modified);
        EXPECT_EQ(form.session.design.boxheight, 650);  // the design is kept in every case
        if (c.answer != SaveAnswer::Save) {
            EXPECT_EQ(shown(), before);
        }
        type(MainField::Height, "700");
    }

    // Opening another project asks first; Cancel keeps this one.
    write_project_file("other.ecv", 512);
    type(MainField::Height, "640");
    view.answers = {SaveAnswer::Cancel};
    editor.open_recent(root.file("other.ecv"));
    EXPECT_EQ(form.session.projectname, "box.ecv");
    EXPECT_EQ(form.session.design.boxheight, 640);
    view.answers = {SaveAnswer::Discard};
    editor.open_recent(root.file("other.ecv"));
    EXPECT_EQ(form.session.projectname, "other.ecv");
    EXPECT_EQ(form.session.design.boxdepth, 512);
    EXPECT_FALSE(editor.modified());
}

TEST_F(ProjectEditorTest, SaveWritesTheProjectsFileWithoutAsking) {
    // Never saved: Save is Save As (the save window, here cancelled).
    type(MainField::Depth, "420");
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(view.modals, std::vector<Window>{Window::Form2});
    EXPECT_TRUE(editor.modified());

    ASSERT_TRUE(save_as("box"));
    view.modals.clear();
    type(MainField::Depth, "430");
    EXPECT_TRUE(editor.save());
    EXPECT_TRUE(view.modals.empty());
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(get_bytes(root.file("box.ecv")), project_file_text(project_from_session(form.session)));
    EXPECT_EQ(read_project(root.file("box.ecv"))->boxdepth, 430);
    EXPECT_EQ(form.session.main.caption, "Enclavio - box.ecv");

    // A file that cannot be written is reported, and the changes stay marked.
    fs::remove(root.file("box.ecv"));
    fs::create_directory(root.file("box.ecv"));
    type(MainField::Depth, "440");
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(view.messages, std::vector<std::string>{"Unable to save " + root.file("box.ecv")});
    EXPECT_EQ(form.session.main.caption, "Enclavio - box.ecv*");
}

TEST_F(ProjectEditorTest, UndoAndRedoStepThroughEachKindOfChangeBackToTheStartUpDesign) {
    write_project_file("opened.ecv", 555);
    const auto start = shown();
    struct Step {
        const char* what;
        std::function<void()> act;
    };
    const std::vector<Step> steps = {
        {"typed field, one step for its keystrokes and Enter",
         [this] {
             type(MainField::Depth, "4");
             type(MainField::Depth, "45");
             type(MainField::Depth, "451");
             enter(MainField::Depth);  // shows " 451"
         }},
        {"volume stored on Enter",
         [this] {
             type(MainField::Volume, "7");
             type(MainField::Volume, "70");  // pending until Enter
             enter(MainField::Volume);
         }},
        {"solver", [this] { run([this] { form.dblclick(MainField::Width); }); }},
        {"driver size", [this] { run([this] { form.Combo1_Click(3); }); }},
        {"Min after a width typed with decimals",
         [this] {
             type(MainField::Width, "300.6");
             run([this] { form.Command1_Click(); });
         }},
        {"front check box", [this] { run([this] { form.Check3_Click(false); }); }},
        {"flange", [this] { run([this] { form.mnu_twoflange_Click(); }); }},
        {"bracing window's OK",
         [this] {
             view.on_modal[Window::Form7] = [this] { BracingForm(form.session).Text1_Change("3"); };
             run([this] { form.mnu_bracing_Click(); });
         }},
        {"opened project", [this] { editor.open_recent(root.file("opened.ecv")); }},
    };
    std::vector<std::vector<std::string>> states{start};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        view.answers = {SaveAnswer::Discard};
        step.act();
        EXPECT_NE(shown(), states.back());
        // Min makes its own step after the typed width's.
        if (std::string(step.what).rfind("Min", 0) == 0) {
            editor.undo();
            states.push_back(shown());
            editor.redo();
        }
        states.push_back(shown());
    }
    EXPECT_EQ(form.session.projectname, "opened.ecv");
    EXPECT_EQ(form.session.design.boxdepth, 555);

    // Back to the start, through every state on the way.
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(editor.can_undo()) << i;
        editor.undo();
        EXPECT_EQ(shown(), states[i - 1]) << i;
    }
    EXPECT_FALSE(editor.can_undo());
    EXPECT_EQ(shown(), start);
    EXPECT_EQ(form.session.projectname, "default");
    EXPECT_FALSE(editor.modified());
    for (std::size_t i = 1; i < states.size(); ++i) {
        editor.redo();
        EXPECT_EQ(shown(), states[i]) << i;
    }
    EXPECT_FALSE(editor.can_redo());
    EXPECT_FALSE(editor.modified());  // the opened project as opened

    // A new change after an undo ends the redo steps.
    editor.undo();
    type(MainField::DriverSideways, "9");
    EXPECT_FALSE(editor.can_redo());
}

TEST_F(ProjectEditorTest, UndoShowsStoredValuesInTheUnitsOfToday) {
    type(MainField::Depth, "450");
    view.on_modal[Window::frmUnits] = [this] { form.set_unit_mode(UnitMode::Inches); };
    run([this] { form.mnu_units_Click(); });
    editor.undo();
    EXPECT_EQ(form.session.design.boxdepth, 400);
    EXPECT_EQ(form.session.main.text[MainField::Depth].text, length_text(UnitMode::Inches, 400));
    EXPECT_EQ(form.session.mode, UnitMode::Inches);
    editor.redo();
    EXPECT_EQ(form.session.main.text[MainField::Depth].text, length_text(UnitMode::Inches, 450));
}

TEST_F(ProjectEditorTest, RecentProjectsSurviveARestartAndAMissingOneIsDropped) {
    for (const char* name : {"a", "b", "c"}) ASSERT_TRUE(save_as(name));
    write_project_file("d.ecv", 410);
    editor.open_recent(root.file("d.ecv"));  // not yet in the list: opened all the same
    ASSERT_TRUE(save_as("b"));               // saved again: to the front, once
    const std::vector<std::string> expected{root.file("b.ecv"), root.file("d.ecv"), root.file("c.ecv"),
                                            root.file("a.ecv")};
    EXPECT_EQ(editor.recent(), expected);
    form.shutdown();

    AnsweringView view2;
    MainForm again(view2, root.file("app"), root.str());
    again.startup();
    ProjectEditor editor2(again);
    editor2.start();
    EXPECT_EQ(editor2.recent(), expected);

    fs::remove(root.file("c.ecv"));
    editor2.open_recent(root.file("c.ecv"));
    EXPECT_EQ(view2.messages, std::vector<std::string>{"Unable to open " + root.file("c.ecv")});
    EXPECT_TRUE(view2.questions.empty());
    EXPECT_EQ(again.session.projectname, "default");
    EXPECT_EQ(editor2.recent(), (std::vector<std::string>{root.file("b.ecv"), root.file("d.ecv"), root.file("a.ecv")}));

    // Eight at most, the most recent first.
    std::vector<std::string> list;
    for (int n = 1; n <= 10; ++n) list = with_recent(list, "/p/" + std::to_string(n) + ".ecv");
    ASSERT_EQ(list.size(), kRecentProjectCount);
    EXPECT_EQ(list.front(), "/p/10.ecv");
    EXPECT_EQ(list.back(), "/p/3.ecv");
    KeyValues settings{{"recent.1", "/x.ecv"}, {"recent.3", "/y.ecv"}, {"recent.4", "/x.ecv"}, {"other", "1"}};
    EXPECT_EQ(recent_projects(settings), (std::vector<std::string>{"/x.ecv", "/y.ecv"}));
    set_recent_projects(settings, {"/z.ecv"});
    EXPECT_EQ(settings, (KeyValues{{"recent.1", "/z.ecv"}, {"other", "1"}}));
}

TEST_F(ProjectEditorTest, AProjectNamedAtStartUpOpensAsTheOpenWindowWould) {
    write_project_file("sub.v2.ecv", 480);  // the name as given, dots and all
    EXPECT_TRUE(editor.open_at_startup(root.file("sub.v2.ecv")));
    EXPECT_EQ(form.session.projectname, "sub.v2.ecv");
    EXPECT_EQ(form.session.design.boxdepth, 480);
    EXPECT_EQ(form.session.main.text[MainField::Depth].text, " 480");
    EXPECT_EQ(form.session.main.caption, "Enclavio - sub.v2.ecv");
    EXPECT_EQ(form.session.lastfolder, root.str());
    EXPECT_FALSE(editor.can_undo());  // the history starts with it
    EXPECT_EQ(editor.recent(), std::vector<std::string>{root.file("sub.v2.ecv")});

    EXPECT_FALSE(editor.open_at_startup(root.file("nosuch.ecv")));
    EXPECT_EQ(view.messages, std::vector<std::string>{"Unable to open " + root.file("nosuch.ecv")});
    EXPECT_EQ(form.session.projectname, "sub.v2.ecv");
}

TEST_F(ProjectEditorTest, CopyResultsPutsTheResultsAndTheMainSizesOnTheClipboard) {
    run([this] { editor.copy_results(); });
    const Results& r = form.session.main.results;
    for (const std::string& line :
         {std::string("Enclavio - default\n"),
          std::string("Finished size  300 mm wide    700 mm high  400 mm deep - Panel thickness  19 mm"),
          std::string("Internal Volume:  59.4 litres\n"),
          std::string("Ports: 2, Internal Diameter 86 mm, Length 823 mm"), std::string("Driver: 10 inch, No. 1\n"),
          r.resonance[1].caption + "\n", r.resonance[9].caption + "\n", r.ports_and_bracing_line.caption + "\n",
          r.driver_and_total_line.caption + "\n",
          r.working_volume_line.caption + "   " + r.tuning_line.caption + "\n"}) {
        EXPECT_NE(view.clipboard.find(line), std::string::npos) << line << "\nin\n" << view.clipboard;
    }
}

TEST(DesktopArguments, HelpVersionAProjectOrAMistake) {
    using A = DesktopCommand::Action;
    struct Case {
        std::vector<std::string> args;
        bool others_allowed;
        A action;
        std::string project;
    };
    const Case cases[] = {
        {{}, false, A::Run, ""},
        {{"sub.ecv"}, false, A::Run, "sub.ecv"},
        {{"--help"}, false, A::Help, ""},
        {{"-h"}, false, A::Help, ""},
        {{"sub.ecv", "--version"}, false, A::Version, ""},
        {{"-platform", "offscreen", "--help"}, true, A::Help, ""},
        {{"-platform", "offscreen"}, true, A::Run, "offscreen"},  // the toolkit takes them out later
        {{"--", "--help"}, false, A::Run, "--help"},
        {{"-"}, false, A::Run, "-"},
        {{"--bogus"}, false, A::UsageError, ""},
        {{"a.ecv", "b.ecv"}, false, A::UsageError, ""},
    };
    for (const Case& c : cases) {
        const DesktopCommand got = parse_desktop_arguments(c.args, c.others_allowed);
        EXPECT_EQ(got.action, c.action) << testing::PrintToString(c.args);
        EXPECT_EQ(got.project, c.project) << testing::PrintToString(c.args);
    }
    EXPECT_EQ(desktop_usage_error(parse_desktop_arguments({"--bogus"}).error),
              "enclavio: unrecognized option '--bogus'\nTry 'enclavio --help' for more information.\n");
    for (const std::string& text : {desktop_help(), desktop_version()}) {
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            EXPECT_LE(end - start, 79u) << text.substr(start, end - start);
            start = end + 1;
        }
    }
    EXPECT_NE(desktop_help().find("Report bugs to: feedback@enclavio.example.org\n"), std::string::npos);
    EXPECT_EQ(desktop_version().rfind("enclavio (Enclavio) 3.3\n", 0), 0u);
}

}  // namespace
}  // namespace enclavio
