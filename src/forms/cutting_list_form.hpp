// Form3's behaviour: the cutting list window.
#pragma once

#include <string>
#include <string_view>

#include "forms/main_form.hpp"
#include "forms/session.hpp"
#include "forms/view.hpp"
#include "forms/workshop_sheet.hpp"

namespace enclavio {

// Before the window is shown (from the main menu or the report window): in the
// front view, put the front drawing for the current front type into Picture1;
// then do_panels.
void prepare_cutting_list(Session& s);

inline constexpr std::string_view kCuttingCaption = "Panel Details and Cutting List";
// Label14, shown with the allowance option: a carriage return, then the hint.
inline constexpr std::string_view kCuttingBanner =
    "\rPlace mouse over panel text to see which edges need trimming with router";
inline constexpr int kCuttingBannerMs = 8000;  // Timer1 interval
// Label10: the caption shown, and the address it opens.
inline constexpr std::string_view kAssemblyLinkCaption = "enclavio.example.org/speaker-building.htm";
inline constexpr std::string_view kAssemblyLinkUrl = "https://enclavio.example.org/speaker-building.htm";
// The arrow of Label16 for the view shown: "<--" front, "-->" back.
std::string_view view_arrow(PanelView view);

// The front drawing for the design's front type.
PanelPicture front_picture(const BoxDesign& d);

// The handlers of Form3 over Session::cutting. The window keeps its state while
// hidden; closing it by the title bar discards it (`discard`).
class CuttingForm {
public:
    CuttingForm(MainForm& main, FormView& view);
    CuttingForm(Session& s, FormView& view);

    void Option1_Click();   // "Show exact dimensions"
    void Option2_Click();   // sizes with trimming allowance
    void Timer1_Timer();    // hides the hint banner
    void Label16_Click();   // flips between front and back view
    void Picture1_Click();  // same as Label16_Click
    void Label10_Click();   // opens the assembly page
    void Command1_Click();  // "&Print"
    void Command2_Click();  // "&OK": the window is hidden by its owner afterwards
    // "Sheet &Layout...": closes the list as OK does (the window is hidden by
    // its owner first) and opens the sheet layout beside the main window.
    void Command3_Click();
    void discard();  // closed by the title bar: back to the initial state
    // "Save as &CSV...": the list as shown, one line per panel, written to
    // `path` (chosen by the window); a failure is reported with its reason.
    void save_csv(const std::string& path);
    // A file that could not be written, and why.
    void report_save_failure(const std::string& path, const std::string& reason);

    // The workshop sheet of the design, dated `date`.
    WorkshopSheet workshop_sheet(std::string_view date) const { return enclavio::workshop_sheet(s_, date); }
    // Where an export is first offered: the last folder used (empty: none
    // yet), and the project's name with `extension`.
    const std::string& export_folder() const { return s_.lastfolder; }
    std::string export_name(std::string_view extension) const { return export_file_name(s_, extension); }

    const CuttingState& state() const { return s_.cutting; }

private:
    void hide_banner();
    void run_panels();

    Session& s_;
    FormView& view_;
};

}  // namespace enclavio
