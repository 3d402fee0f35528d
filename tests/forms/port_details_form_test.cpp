// The port details window: one choice per end and the radii, kept as typed.
#include <gtest/gtest.h>

#include "forms/port_details_form.hpp"

namespace enclavio {
namespace {

TEST(PortFormTest, EachEndKeepsItsOwnChoice) {
    Session s;
    PortForm form(s);
    EXPECT_TRUE(form.selected(1));
    EXPECT_TRUE(form.selected(5));
    EXPECT_EQ(form.text1(), "25");
    EXPECT_EQ(form.text2(), "20");

    using O = OutsideEnd;
    using I = InsideEnd;
    // A click, the ends then chosen, and the option numbers then selected.
    struct Step {
        int click;
        OutsideEnd outside;
        InsideEnd inside;
        int outside_option, inside_option;
    };
    const Step steps[] = {
        {2, O::Flanged, I::Flared, 2, 5},
        {7, O::Flanged, I::Flanged, 2, 7},
        {1, O::FlangedAndFlared, I::Flanged, 1, 7},
        {8, O::FlangedAndFlared, I::FlangedAndFlared, 1, 8},
        {3, O::FlangedAndFlared, I::FlangedAndFlared, 1, 8},  // no such option
        {0, O::FlangedAndFlared, I::FlangedAndFlared, 1, 8},
        {6, O::FlangedAndFlared, I::Free, 1, 6},
    };
    for (const Step& st : steps) {
        form.Option_Click(st.click);
        EXPECT_EQ(s.port_details.outside, st.outside) << "click " << st.click;
        EXPECT_EQ(s.port_details.inside, st.inside) << "click " << st.click;
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(form.selected(n), n == st.outside_option || n == st.inside_option) << "click " << st.click;
    }
    form.Text1_Change("30");
    form.Text2_Change("");
    EXPECT_EQ(s.port_details.outside_radius, "30");
    EXPECT_EQ(s.port_details.inside_radius, "");
}

}  // namespace
}  // namespace enclavio
