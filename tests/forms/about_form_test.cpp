// The about window: the version line and the three links.
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

TEST(AboutFormTest, EachLinkOpensItsAddressAndTheMailCarriesTheVersion) {
    EXPECT_EQ(about_title(), "Enclavio version 3.3");
    UrlRecorder view;
    AboutForm form(view);
    form.Label8_Click();
    form.Label9_Click();
    form.Label5_Click();
    EXPECT_EQ(view.opened,
              (std::vector<std::string>{"mailto:feedback@enclavio.example.org?Subject=Feedback from Enclavio v3.3",
                                        "https://enclavio.example.org/freesoft.htm", "https://enclavio.example.org/"}));
}

}  // namespace
}  // namespace enclavio
