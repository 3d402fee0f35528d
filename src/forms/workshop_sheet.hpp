// The workshop sheet: everything needed at the saw on one printed page, as the
// cutting list window shows it now; and the file names offered for it and
// for the list's CSV.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "forms/session.hpp"

namespace enclavio {

struct WorkshopSheet {
    std::string title;     // "Workshop sheet - NAME"
    std::string date;      // "Date: " + the date given
    std::string finished;  // the finished-size line
    std::string heading;   // exact sizes, or the allowance added
    struct Panel {
        std::string line;
        std::string hint;  // the trimming hint, when the list shows them
    };
    std::vector<Panel> panels;  // the lines the window shows, in order
    std::string brace_note;
    std::string warning;  // check before cutting
    struct Drawing {
        PanelPicture picture;
        std::string caption;
    };
    std::array<Drawing, 3> drawings;
    std::string design_heading;       // "Design"
    std::vector<std::string> design;  // sizes, volumes, tuning, ports, driver
};

inline constexpr std::string_view kCuttingWarning =
    "These dimensions only correct for panels arranged as per drawing. Always check before cutting.";

// The sheet for the session as it is now; `date` as it is to be printed.
WorkshopSheet workshop_sheet(const Session& s, std::string_view date);

// The project's name with `extension` in place of ".ecv" ("default.pdf").
std::string export_file_name(const Session& s, std::string_view extension);

}  // namespace enclavio
