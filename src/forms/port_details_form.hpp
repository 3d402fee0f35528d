// Form8, "Port Details": how each end of the port is finished. The choices are
// shown and kept while the program runs; no calculation reads them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "forms/session.hpp"

namespace enclavio {

inline constexpr std::string_view kPortDetailsCaption = "Port Details";
inline constexpr std::string_view kOutsideEndCaption = "Outside End";
inline constexpr std::string_view kInsideEndCaption = "Inside End";
inline constexpr std::string_view kOutsideRadiusCaption = "Flare radius in mm";
inline constexpr std::string_view kInsideRadiusCaption = "Flare raduis in mm";
inline constexpr std::string_view kPortDetailsOkCaption = "&OK";
inline constexpr Colour kPortFrameColour{37, 139, 222};  // Frame1 and Frame2 captions

// One end choice: the end it stands for, its option's number (Option1 -> 1)
// and caption.
template <class End>
struct PortEndOption {
    End end;
    int number;
    std::string_view caption;
};
// Outside end, top to bottom: Option1, Option2.
inline constexpr std::array<PortEndOption<OutsideEnd>, 2> kOutsideEndOptions{{
    {OutsideEnd::FlangedAndFlared, 1, "Flanged and Flared"},
    {OutsideEnd::Flanged, 2, "Flanged"},
}};
// Inside end, top to bottom: Option5 to Option8.
inline constexpr std::array<PortEndOption<InsideEnd>, 4> kInsideEndOptions{{
    {InsideEnd::Flared, 5, "Flared"},
    {InsideEnd::Free, 6, "Free"},
    {InsideEnd::Flanged, 7, "Flanged"},
    {InsideEnd::FlangedAndFlared, 8, "Flanged and Flared"},
}};

class PortForm {
public:
    explicit PortForm(Session& s) : s_(s) {}

    // OptionN_Click for N = 1, 2 (outside end) and 5 to 8 (inside end); other
    // numbers are ignored.
    void Option_Click(int number);
    void Text1_Change(std::string text) { s_.port_details.outside_radius = std::move(text); }
    void Text2_Change(std::string text) { s_.port_details.inside_radius = std::move(text); }

    // Whether option `number` shows the choice of its end.
    bool selected(int number) const;
    const std::string& text1() const { return s_.port_details.outside_radius; }
    const std::string& text2() const { return s_.port_details.inside_radius; }

private:
    Session& s_;
};

}  // namespace enclavio
