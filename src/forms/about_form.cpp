#include "forms/about_form.hpp"

#include "design/design.hpp"
#include "storage/report.hpp"

namespace enclavio {

std::string about_title() { return std::string("Enclavio version ") + kVersion; }

std::string feedback_mail_url() {
    return "mailto:" + std::string(kEmail) + "?Subject=Feedback from Enclavio v" + kVersion;
}

const std::array<AboutLink, 3>& about_links() {
    static const std::string browse = "Click link to launch your browser and go to ";
    static const std::array<AboutLink, 3> links{{
        {"Label8", "send me an email", feedback_mail_url(), "Click to email " + std::string(kEmail)},
        {"Label9", "access the enclavio page", std::string(kDownloadUrl), browse + std::string(kDownloadUrl)},
        {"Label5", "visit my website", std::string(kSiteUrl), browse + std::string(kSiteUrl)},
    }};
    return links;
}

const AboutLink& about_link(std::string_view control) {
    for (const AboutLink& l : about_links()) {
        if (l.control == control) return l;
    }
    return about_links().front();
}

const std::array<AboutText, 5>& about_texts() {
    static const std::array<AboutText, 5> texts{{
        {"Label10", "Free software by"},
        {"Label6", "The Enclavio developers, 2026"},
        {"Label7", "If you have any feedback, you are most welcome to:"},
        {"Label2", "To check for updates or view the online tutorial:"},
        {"Label3", "To see my  D.I.Y. Subwoofer construction pages"},
    }};
    return texts;
}

// A link that cannot be opened gives no message.
void AboutForm::open(std::string_view control) { view_.open_url(about_link(control).url); }

}  // namespace enclavio
