// Form1's behaviour: start-up and shut-down, the validate/populate family, the
// field events, the calculator, the analysis run and the menu handlers. Plain
// code over Session and a FormView; the Qt window only binds widgets to it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "forms/main_fields.hpp"
#include "forms/session.hpp"
#include "forms/view.hpp"
#include "storage/settings.hpp"

namespace enclavio {

// What the analysis reads besides the design: the counts as typed, the unit
// mode, the flange, graph and bracing choices.
AnalysisInputs analysis_inputs(const Session& s);

class MainForm {
public:
    // appdata_folder: where enclavio.ini and report.txt live (created when
    // first needed); home_folder: the default for lastfolder.
    MainForm(FormView& view, std::string appdata_folder, std::string home_folder);

    Session session;
    // When set, start-up takes these lines instead of reading the settings
    // file (the command-line program starts as if there were none).
    std::optional<LoadedSettings> preset_settings;

    // Start-up (Form_Load) and shut-down (Form_Unload).
    void startup();
    void shutdown();

    // Field events of the thirteen fields.
    void change(MainField f, std::string text);  // the user changed the text to `text`
    void keypress(MainField f, int key);         // kEnterKey confirms the field
    void lost_focus(MainField f);
    void dblclick(MainField f);
    // Programmatic text change that runs the Change handling (project load).
    void set_text(MainField f, std::string text);

    void Check3_Click(bool checked);
    void Combo1_Click(int index);
    void Command1_Click();  // "Min"
    void Picture2_Click();  // where-to-measure picture
    void Picture3_Click();  // notes picture

    // Menus.
    void mnu_open_Click();
    void mnu_save_Click();
    void mnu_notes_Click();
    void mnu_report_Click();
    void mnu_noflange_Click();
    void mnu_oneflange_Click();
    void mnu_twoflange_Click();
    void mnu_panels_Click();
    void mnu_onekhz_Click();
    void mnu_twokhz_Click();
    void mnu_shownums_Click();
    void mnu_highlight_Click();
    void mnu_units_Click();
    void mnu_print_Click();
    void mnu_where_Click();
    void mnu_about_Click();
    void mnu_porting_Click();
    void mnu_bracing_Click();
    void mnu_tune_Click();  // "Port length for a &tuning..."
    void run_flange(Flange f);

    // The validate/populate family.
    void validate(LengthField f);
    void populate(LengthField f);
    void validateboxvol();
    void populateboxvol();
    void validateall();
    void populateall();

    // Calculator.
    void Text9_DblClick();
    void Text6_DblClick();
    void Text7_DblClick();
    void Text8_DblClick();

    void res_wall2wall();

    // The units window's option click: mode, suffixes and captions.
    void set_unit_mode(UnitMode mode);
    // Sets hasnotes and the notes picture from the notes lines.
    void check_notes();

    FormView& view() { return view_; }

private:
    // A double-click on a box dimension: solves it, shows it and updates the
    // results, or says why it cannot.
    void solve_box(BoxDimension dimension, LengthField field);

    FormView& view_;
    std::string home_folder_;
};

}  // namespace enclavio
