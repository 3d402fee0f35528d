#include "forms/workshop_sheet.hpp"

#include "forms/report_form.hpp"

namespace enclavio {

WorkshopSheet workshop_sheet(const Session& s, std::string_view date) {
    const CuttingState& c = s.cutting;
    const auto& text = s.main.text;
    const std::string unit(unit_suffix(s.mode));

    WorkshopSheet sheet;
    sheet.title = "Workshop sheet - " + s.projectname;
    sheet.date = "Date: " + std::string(date);
    sheet.finished = c.list.finished_line;
    sheet.heading = list_heading(c.list, c.show_exact, unit);
    for (int i = 0; i < kPanelCount; ++i) {
        if (static_cast<PanelKind>(i) == PanelKind::FrontInner && !c.list.front_inner_visible) continue;
        sheet.panels.push_back({c.list.panel_lines[i], c.show_exact ? std::string() : c.tooltips[i]});
    }
    sheet.brace_note = c.list.brace_note;
    sheet.warning = std::string(kCuttingWarning);

    // The front view of this box first, then its back, then the other front.
    const bool double_front = s.design.doublefront == 1;
    sheet.drawings = {{
        {double_front ? PanelPicture::FrontDouble : PanelPicture::FrontSingle,
         double_front ? "Front (double thickness)" : "Front (single thickness)"},
        {PanelPicture::Back, "Back"},
        {double_front ? PanelPicture::FrontSingle : PanelPicture::FrontDouble,
         double_front ? "Front if single thickness" : "Front if double thickness"},
    }};

    sheet.design_heading = "Design";
    // Worded as the report words them.
    const ReportInput report = report_input(s, 0);
    sheet.design = {
        internal_volume_line(report),
        component_volumes_line(report),
        "Ports: " + text[MainField::Ports].text + "   Internal Diameter: " + text[MainField::PortDiameter].text + unit +
            "   Length: " + text[MainField::PortLength].text + unit +
            "   Wall Thickness: " + text[MainField::PortWall].text + unit,
        "Driver size: " + s.main.combo_text + "   Number of Drivers: " + text[MainField::Drivers].text,
    };
    return sheet;
}

std::string export_file_name(const Session& s, std::string_view extension) {
    std::string name = s.projectname;
    if (name.size() >= 4 && name.ends_with(".ecv")) name.resize(name.size() - 4);
    return name + std::string(extension);
}

}  // namespace enclavio
