// frmReport, "Generate Report": which sections go into report.txt, and writing it.
#pragma once

#include <ctime>
#include <string_view>

#include "forms/main_form.hpp"
#include "forms/session.hpp"
#include "forms/view.hpp"
#include "storage/report.hpp"

namespace enclavio {

inline constexpr std::string_view kReportCaption = "Generate Report";
inline constexpr std::string_view kReportHeading = "Export selected Enclavio information to the following text file:";
inline constexpr std::string_view kReportAlways = "Include dimensions, volumes and tuning frequency";
inline constexpr std::string_view kReportFailed = "There was a problem creating the report";

// Everything the report copies, as the windows show it now, stamped `when`.
ReportInput report_input(const Session& s, std::time_t when);

class ReportForm {
public:
    ReportForm(MainForm& main, FormView& view);

    // Loaded once: works out reportpath (Label2).
    void Form_Load();
    // "Review Cutting List": shows the cutting list for the current design,
    // then enables "Include trimming instructions" when it shows the allowance.
    void Label4_Click();
    // "&Generate Report": rebuilds the cutting list, writes report.txt and
    // says how it went.
    void Command3_Click(std::time_t when);
    void Command3_Click() { Command3_Click(std::time(nullptr)); }
    // "&Done": the window hides itself; the choices stay for next time.
    bool Command1_Click() { return true; }

private:
    MainForm& main_;
    FormView& view_;
};

}  // namespace enclavio
