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
inline constexpr std::string_view kReportMissing = " does not exist yet: generate the report first";
inline constexpr std::string_view kReportNotOpened = "Unable to open the report with a text editor: ";

// Everything the report copies, as the windows show it now, stamped `when`.
ReportInput report_input(const Session& s, std::time_t when);

// The report's optional sections, each chosen by one check box.
enum class ReportSection { Notes, CuttingList, TrimmingHints, Resonances, PortDetails, DriverDetails };

class ReportForm {
public:
    ReportForm(MainForm& main, FormView& view);

    const ReportState& state() const;
    // A check box ticked or cleared: whether its section goes into the report.
    void set_included(ReportSection section, bool on);
    bool included(ReportSection section) const;

    // Loaded once: works out reportpath (Label2).
    void Form_Load();
    // "Review Cutting List": shows the cutting list for the current design,
    // then enables "Include trimming instructions" when it shows the allowance.
    void Label4_Click();
    // "&Generate Report": rebuilds the cutting list, writes report.txt and
    // says how it went.
    void Command3_Click(std::time_t when);
    void Command3_Click() { Command3_Click(std::time(nullptr)); }
    // "&Open Report": opens report.txt in the desktop's text editor; says so
    // when there is no report yet or the desktop cannot open it.
    void open_report();
    // "&Done": the window hides itself; the choices stay for next time.
    bool Command1_Click() { return true; }

private:
    MainForm& main_;
    FormView& view_;
};

}  // namespace enclavio
