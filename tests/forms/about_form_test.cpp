// The about window: version line and the three links.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/about_form.hpp"

namespace enclavio {
namespace {

class UrlRecorder : public NullView {
public:
    std::vector<std::string> opened;
    void open_url(std::string_view url) override { opened.emplace_back(url); }
};

TEST(AboutFormTest, TitleAndFeedbackSubjectCarryTheVersion) {
    EXPECT_EQ(about_title(), "Enclavio version 3.3");
    EXPECT_EQ(feedback_mail_url(), "mailto:feedback@enclavio.example.org?Subject=Feedback from Enclavio v3.3");
}

TEST(AboutFormTest, EachLinkOpensItsAddress) {
    struct Row {
        void (AboutForm::*click)();
        const char* control;
        const char* caption;
        const char* url;
        const char* tooltip;
    };
    const Row rows[] = {
        {&AboutForm::Label8_Click, "Label8", "send me an email",
         "mailto:feedback@enclavio.example.org?Subject=Feedback from Enclavio v3.3",
         "Click to email feedback@enclavio.example.org"},
        {&AboutForm::Label9_Click, "Label9", "access the enclavio page", "https://enclavio.example.org/freesoft.htm",
         "Click link to launch your browser and go to https://enclavio.example.org/freesoft.htm"},
        {&AboutForm::Label5_Click, "Label5", "visit my website", "https://enclavio.example.org/",
         "Click link to launch your browser and go to https://enclavio.example.org/"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.control);
        UrlRecorder view;
        AboutForm form(view);
        (form.*r.click)();
        ASSERT_EQ(view.opened.size(), 1u);
        EXPECT_EQ(view.opened[0], r.url);
        const AboutLink& link = about_link(r.control);
        EXPECT_EQ(link.caption, r.caption);
        EXPECT_EQ(link.url, r.url);
        EXPECT_EQ(link.tooltip, r.tooltip);
    }
}

TEST(AboutFormTest, PromptKeepsItsTwoBlanks) {
    bool found = false;
    for (const AboutText& t : about_texts()) {
        if (t.control == "Label3") {
            EXPECT_EQ(t.caption, "To see my  D.I.Y. Subwoofer construction pages");
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace enclavio
