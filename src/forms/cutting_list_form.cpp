#include "forms/cutting_list_form.hpp"

#include "storage/files.hpp"

namespace enclavio {

std::string_view view_arrow(PanelView view) { return view == PanelView::Front ? "<--" : "-->"; }

PanelPicture front_picture(const BoxDesign& d) {
    return d.doublefront == 1 ? PanelPicture::FrontDouble : PanelPicture::FrontSingle;
}

void prepare_cutting_list(Session& s) {
    // The back view stays as it was; the front view follows the front type.
    if (s.cutting.view == PanelView::Front) s.cutting.picture = front_picture(s.design);
    do_panels(s.design, s.mode, s.cutting.show_exact, s.cutting.list);
}

CuttingForm::CuttingForm(MainForm& main, FormView& view) : s_(main.session), view_(view) {}
CuttingForm::CuttingForm(Session& s, FormView& view) : s_(s), view_(view) {}

void CuttingForm::hide_banner() {
    s_.cutting.banner = false;
    s_.cutting.timer = false;
}

void CuttingForm::run_panels() { do_panels(s_.design, s_.mode, s_.cutting.show_exact, s_.cutting.list); }

void CuttingForm::Option1_Click() {
    s_.cutting.show_exact = true;
    s_.cutting.tooltips = {};
    hide_banner();
    run_panels();
    view_.refresh();
}

void CuttingForm::Option2_Click() {
    CuttingState& c = s_.cutting;
    c.show_exact = false;
    const auto& hints = trimming_hints();
    for (int i = 0; i < kPanelCount; ++i) c.tooltips[i] = std::string(hints[i]);
    c.banner_text = std::string(kCuttingBanner);
    c.banner = true;
    c.timer = true;
    run_panels();
    view_.refresh();
}

void CuttingForm::Timer1_Timer() {
    // The tick hides the banner but leaves the timer running; only the
    // options and the buttons stop it.
    s_.cutting.banner = false;
    view_.refresh();
}

void CuttingForm::Label16_Click() {
    CuttingState& c = s_.cutting;
    if (c.view == PanelView::Back) {
        c.view = PanelView::Front;
        c.picture = front_picture(s_.design);
    } else {
        c.view = PanelView::Back;
        c.picture = PanelPicture::Back;
    }
    view_.refresh();
}

void CuttingForm::Picture1_Click() { Label16_Click(); }

void CuttingForm::Label10_Click() { view_.open_url(kAssemblyLinkUrl); }

void CuttingForm::Command1_Click() {
    hide_banner();
    view_.refresh();
    if (view_.ask_yes_no("Would you like me to ...", "Print Panel Details form using current printer settings?"))
        view_.print_window();
}

void CuttingForm::Command2_Click() {
    hide_banner();
    view_.refresh();
}

void CuttingForm::Command3_Click() {
    Command2_Click();
    view_.show_modeless(Window::SheetLayout);
}

void CuttingForm::save_csv(const std::string& path) {
    hide_banner();
    view_.refresh();
    const WriteResult written = write_file_atomically(path, cutting_csv(s_.design, s_.mode, s_.cutting.show_exact));
    if (!written) report_save_failure(path, written.reason);
}

void CuttingForm::report_save_failure(const std::string& path, const std::string& reason) {
    view_.show_message("Unable to save " + path + (reason.empty() ? std::string() : ": " + reason));
}

void CuttingForm::discard() { s_.cutting = CuttingState{}; }

}  // namespace enclavio
