// Form7, the bracing window: edge and shelf bracing either calculated from the
// box dimensions (the analysis shows those volumes here) or typed by the user.
// The choices live in Session::bracing for as long as the program runs.
#pragma once

#include <string>
#include <string_view>

#include "forms/session.hpp"

namespace enclavio {

inline constexpr std::string_view kBracingCaption = "Auto-Calculate Bracing   OR   Manually Specify Volumes";
inline constexpr std::string_view kBracingNote1 =
    "NOTE: If either bracing option is set to Manual, you will need to come back here and update that value";
inline constexpr std::string_view kBracingNote2 = "if the box dimensions are changed";
inline constexpr std::string_view kEdgeFrameCaption = "Edge Bracing in litres";
inline constexpr std::string_view kShelfFrameCaption = "Total Shelf Bracing Volume in litres";
inline constexpr std::string_view kShelfCountCaption = "Number of Shelf Braces";
inline constexpr std::string_view kBraceAutoCaption = "Auto";
inline constexpr std::string_view kBraceManualCaption = "Manual";
inline constexpr std::string_view kBracingOkCaption = "&OK";

inline constexpr Colour kBracingNoteColour = colours::blue;      // Label1, Label6
inline constexpr Colour kEdgeFrameColour{128, 64, 64};           // Frame1 caption
inline constexpr Colour kShelfFrameColour = colours::green;      // Frame2 caption
inline constexpr Colour kShelfCountColour = colours::dark_blue;  // Text1

class BracingForm {
public:
    explicit BracingForm(Session& s) : s_(s) {}

    // Edge bracing: Option1 automatic, Option2 manual.
    void Option1_Click();
    void Option2_Click();
    // Shelf bracing: option3 automatic, option4 manual.
    void option3_Click();
    void option4_Click();
    // Shows the note (Label1, Label6) unless both parts are automatic.
    void bracewarning();

    // Typed texts, read by the next analysis (run when the window closes).
    void Text1_Change(std::string text) { s_.bracing.shelf_count_text = std::move(text); }
    void Text2_Change(std::string text) { s_.bracing.edge_text = std::move(text); }
    void Text3_Change(std::string text) { s_.bracing.shelf_text = std::move(text); }

    // What the controls show now.
    bool edge_manual() const { return s_.bracing.edge_manual; }    // Option2 rather than Option1
    bool shelf_manual() const { return s_.bracing.shelf_manual; }  // option4 rather than option3
    TextField text1() const;                                       // number of shelf braces
    TextField text2() const;                                       // typed edge volume: enabled only when manual
    TextField text3() const;                                       // typed shelf volume: enabled only when manual
    ResultLabel label2() const;                                    // automatic edge volume
    ResultLabel label3() const;                                    // automatic shelf volume
    bool note_visible() const { return s_.bracing_window.note; }
    bool picture_double() const { return s_.bracing_window.picture_double; }

private:
    Session& s_;
};

}  // namespace enclavio
