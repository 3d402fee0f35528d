// frmAbout, "About Enclavio": the version line and three links (the web site,
// the program's page, an e-mail with a feedback subject).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "forms/view.hpp"

namespace enclavio {

inline constexpr std::string_view kAboutCaption = "About Enclavio";

// "Enclavio version 3.3": Label1, set when the window is loaded.
std::string about_title();
// "mailto:" + address + "?Subject=Feedback from Enclavio v3.3"
std::string feedback_mail_url();

struct AboutLink {
    std::string_view control;  // "Label8"
    std::string caption;       // "send me an email"
    std::string url;           // address opened on a click
    std::string tooltip;
};
// Label8 (e-mail), Label9 (the program's page), Label5 (the web site), top to bottom.
const std::array<AboutLink, 3>& about_links();
const AboutLink& about_link(std::string_view control);

// The fixed texts of the window, top to bottom.
struct AboutText {
    std::string_view control;
    std::string_view caption;
};
const std::array<AboutText, 5>& about_texts();  // Label10, Label6, Label7, Label2, Label3
// Under the credits: the licence the program is distributed under.
std::string about_licence();  // "Licence: GPL-3.0-or-later"
inline constexpr std::string_view kAboutOkCaption = "OK";
// Tool tip of the enclosure picture: one of our designs.
inline constexpr std::string_view kAboutPictureTip = "The Enclavio 12 inch ported cube";

class AboutForm {
public:
    explicit AboutForm(FormView& view) : view_(view) {}

    void Label5_Click() { open("Label5"); }
    void Label8_Click() { open("Label8"); }
    void Label9_Click() { open("Label9"); }

private:
    void open(std::string_view control);
    FormView& view_;
};

}  // namespace enclavio
