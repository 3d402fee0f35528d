// enclavio-cli response and fit: the table's exact form, the project's driver
// and the command line's, the fits, and the refusals with their status.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../forms/project_windows_support.hpp"
#include "cli/commands.hpp"
#include "forms/main_form.hpp"
#include "forms/project_io.hpp"
#include "forms/response_form.hpp"
#include "response/curves.hpp"
#include "storage/project.hpp"
#include "storage/settings.hpp"

namespace enclavio {
namespace {

using test_support::TempFolder;

struct CliRun {
    int status = -1;
    std::string out, err;
};

CliRun cli(std::vector<std::string> args) {
    static TempFolder appdata;
    std::ostringstream out, err;
    CliRun r;
    r.status = run_cli(std::move(args), out, err, appdata.str());
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) result.push_back(field);
    return result;
}

const std::vector<std::string> kDriver{"--fs",  "28", "--qes", "0.42", "--qms", "6",
                                       "--vas", "60", "--re",  "3.6",  "--sd",  "340"};

std::vector<std::string> with_driver(std::vector<std::string> args, const std::vector<std::string>& more = {}) {
    args.insert(args.end(), kDriver.begin(), kDriver.end());
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The start-up design, analysed as the command line has it.
struct StartupDesign {
    NullView view;
    MainForm main{view, "", ""};
    StartupDesign() { project_testing::start_without_files(main); }
};

TEST(CliResponse, TableHasOneHeaderNLinesAndTheFigures) {
    const CliRun r = cli(with_driver({"response"}, {"--xmax", "11", "--points", "7", "--power", "10"}));
    ASSERT_EQ(r.status, kCliOk) << r.err;
    EXPECT_EQ(r.err, "");
    const auto text = lines(r.out);
    ASSERT_EQ(text.size(), 1u + 7u + 3u);
    EXPECT_EQ(text[0], "hz\tspl_db\tgroup_delay_ms\texcursion_mm\tport_velocity_m_s\timpedance_ohm");

    StartupDesign st;
    DriverParameters p;
    p.fs = 28, p.qes = 0.42, p.qms = 6, p.vas = 60, p.re = 3.6, p.sd = 340, p.xmax = 11, p.power = 10;
    p.count = st.main.session.design.drivercount;
    const auto model = response_model(p, st.main.session.design);
    ASSERT_TRUE(model);
    const auto curves = response_curves(*model, {10, 500, 7});
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const auto f = fields(text[i + 1]);
        ASSERT_EQ(f.size(), 6u) << text[i + 1];
        EXPECT_EQ(f[0], general_number_text(curves[i].hz));
        EXPECT_EQ(f[1], general_number_text(curves[i].spl_db));
        EXPECT_EQ(f[2], general_number_text(curves[i].group_delay_ms));
        EXPECT_EQ(f[3], general_number_text(curves[i].excursion_mm));
        EXPECT_EQ(f[4], general_number_text(curves[i].port_velocity_m_s));
        EXPECT_EQ(f[5], general_number_text(curves[i].impedance_ohm));
    }
    EXPECT_EQ(fields(text[1])[0], "10");
    EXPECT_EQ(fields(text[7])[0], "500");
    const ResponseFigures figures = response_figures(*model);
    EXPECT_EQ(text[8], "# f3 " + general_number_text(*figures.f3));
    EXPECT_EQ(text[9], "# f10 " + general_number_text(*figures.f10));
    EXPECT_EQ(text[10].rfind("# peak_db ", 0), 0u);

    // 200 points by default, from 10 to 500 hz.
    const auto full = lines(cli(with_driver({"response"})).out);
    EXPECT_EQ(full.size(), 1u + 200u + 3u);
}

// The project's parameters are read; the command line's win.
TEST(CliResponse, ProjectDriverAndCommandLineOverIt) {
    TempFolder folder;
    StartupDesign st;
    DriverParameters p;
    p.fs = 28, p.qes = 0.42, p.qms = 6, p.vas = 60, p.re = 3.6, p.sd = 340;
    store_driver_parameters(st.main.session.project_values, p);
    const std::string project = folder.file("sub.ecv");
    ASSERT_TRUE(write_project(project, project_from_session(st.main.session)));

    const CliRun from_project = cli({"response", "--points", "3", project});
    ASSERT_EQ(from_project.status, kCliOk) << from_project.err;
    EXPECT_EQ(from_project.out, cli(with_driver({"response", "--points", "3"})).out);
    const CliRun other = cli({"response", "--points", "3", "--fs", "35", project});
    ASSERT_EQ(other.status, kCliOk) << other.err;
    EXPECT_NE(other.out, from_project.out);
    EXPECT_EQ(other.out, cli(with_driver({"response", "--points", "3"}, {"--fs", "35"})).out);
}

TEST(CliResponse, Refusals) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* err;  // the first line of what it says
    } cases[] = {
        {{"response"}, kCliUsage, "enclavio-cli: Fs, Qes, Qms, Vas, Re and Sd are missing."},
        {{"response", "--fs", "28"}, kCliUsage, "enclavio-cli: Qes, Qms, Vas, Re and Sd are missing."},
        {with_driver({"response"}, {"--fs", "0"}), kCliUsage,
         "enclavio-cli: bad value for --fs: \"0\" (Fs must be a number above 0.)"},
        {with_driver({"response"}, {"--xmax", "-1"}), kCliUsage,
         "enclavio-cli: bad value for --xmax: \"-1\" (Xmax must be a number, 0 or above.)"},
        {with_driver({"response"}, {"--wiring", "diagonal"}), kCliUsage,
         "enclavio-cli: bad value for --wiring: \"diagonal\" (parallel or series)"},
        {with_driver({"response"}, {"--points", "0"}), kCliUsage,
         "enclavio-cli: bad value for --points: \"0\" (a whole number from 1 to 100000)"},
        {with_driver({"response"}, {"--points", "2.5"}), kCliUsage,
         "enclavio-cli: bad value for --points: \"2.5\" (a whole number from 1 to 100000)"},
        {with_driver({"response"}, {"--from", "600"}), kCliUsage, "enclavio-cli: --from must not be above --to"},
        {with_driver({"response"}, {"--f3", "30"}), kCliUsage, "enclavio-cli: --f3 is an option of fit only"},
        {with_driver({"fit"}, {"--points", "30"}), kCliUsage, "enclavio-cli: --points is an option of response only"},
        {{"report", "--fs", "28"}, kCliUsage, "enclavio-cli: --fs is an option of response and fit only"},
        {with_driver({"response"}, {"/nonexistent/sub.ecv"}), kCliFailed,
         "enclavio-cli: unable to open /nonexistent/sub.ecv: No such file or directory"},
        {with_driver({"fit"}, {"--f3", "5"}), kCliFailed,
         "enclavio-cli: No working volume gives an F3 of 5 hz or lower with this driver; the lowest it reaches is 18.2 "
         "hz."},
        {with_driver({"fit"}, {"--vas", "2000"}), kCliFailed,
         "enclavio-cli: No tuning keeps the response within 0.5 dB: the box is too small for this driver."},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& a : c.args) line += a + " ";
        SCOPED_TRACE(line);
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(lines(r.err).at(0), c.err);
        EXPECT_EQ(r.out, "");
    }
}

// fit prints what the response window's fits give for the same design.
TEST(CliFit, TuningAndBoxForATarget) {
    StartupDesign st;
    DriverParameters p;
    p.fs = 28, p.qes = 0.42, p.qms = 6, p.vas = 60, p.re = 3.6, p.sd = 340;
    p.count = st.main.session.design.drivercount;
    const AnalysisInputs in = analysis_inputs(st.main.session);
    const DesignFit tune = tune_this_box(p, st.main.session.design, in);
    const DesignFit box = box_for_target(p, st.main.session.design, in, 25);
    for (const auto& [args, fit] : {std::pair{with_driver({"fit"}), tune}, {with_driver({"fit", "--f3", "25"}), box}}) {
        const CliRun r = cli(args);
        ASSERT_EQ(r.status, kCliOk) << r.err;
        EXPECT_EQ(r.out, "working_volume_litres\t" + general_number_text(fit.fit.working_volume) + "\n" +
                             "tuning_hz\t" + general_number_text(fit.fit.tuning) + "\n" + "f3_hz\t" +
                             general_number_text(fit.fit.f3) + "\n" + "depth_mm\t" +
                             general_number_text(fit.box.depth) + "\n" + "port_length_mm\t" +
                             general_number_text(fit.box.port_length) + "\n");
    }
}

}  // namespace
}  // namespace enclavio
