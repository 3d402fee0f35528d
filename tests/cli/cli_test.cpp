// enclavio-cli run as a process: what it prints, where, and its exit status;
// its reports compared with the report window's report.txt for the same
// project and choices.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "../forms/project_windows_support.hpp"
#include "../support/fifos_and_devices.hpp"
#include "../support/files.hpp"
#include "../support/program_run.hpp"
#include "cli/commands.hpp"
#include "forms/bracing_form.hpp"
#include "forms/cutting_list_form.hpp"
#include "forms/project_file_form.hpp"
#include "forms/report_form.hpp"
#include "storage/files.hpp"
#include "storage/project.hpp"
#include "storage/report.hpp"
#include "storage/settings.hpp"

namespace enclavio {
namespace {

using namespace project_testing;
using namespace test_support;
namespace fs = std::filesystem;

// Runs the built program with `args` in `cwd`, with the extra environment `env`.
// `input` is its standard input; `output`, where given, takes its standard output.
ProgramRun run_cli_process(const std::vector<std::string>& args, const std::string& cwd = ".",
                           const std::string& env = {}, const std::string& input = "/dev/null",
                           const std::string& output = {}) {
    return run_program(ENCLAVIO_CLI, args,
                       {cwd, env.empty() ? std::vector<std::string>{} : std::vector<std::string>{env}, input, output});
}

// The arguments as a trace shows them, each in brackets.
std::string bracketed(const std::vector<std::string>& args) {
    std::string shown;
    for (const auto& a : args) shown += "[" + a + "]";
    return shown;
}

// What the program writes to standard error for `err`: a usage error (status
// 2) names what is wrong, then shows the usage; any other is written as it is.
std::string expected_err(int status, const std::string& err) {
    return status == 2 ? "enclavio-cli: " + err + "\n" + cli_usage() : err;
}

// The lines of `text`, the time stamp line (which differs between runs) replaced.
std::vector<std::string> lines_of(const std::string& text) {
    static const std::regex stamp(
        R"(Report generated at:  \d\d:\d\d:\d\d on \d\d-\d\d-\d\d\d\d from Enclavio Version:3\.3)");
    std::vector<std::string> lines = split_lines(text);
    for (auto& line : lines) line = std::regex_match(line, stamp) ? "<stamp>" : line;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "<stamp>"), 1);
    return lines;
}

// The program driven as a user would, with the choices the command line
// `args` names: the unit mode saved in enclavio.ini, the project opened from
// the Open window, the menus and windows used, then "Generate Report".
// Returns report.txt.
std::string window_report(const std::vector<std::string>& args, const std::string& project) {
    std::map<std::string, std::string> o;  // option: value, or "" for a flag
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (const auto eq = a.find('='); eq != std::string::npos) o[a.substr(0, eq)] = a.substr(eq + 1);
        else o[a] = i + 1 < args.size() && args[i + 1][0] != '-' ? args[++i] : "";
    }
    TempFolder appdata;
    if (o.count("--units")) {
        SettingsToSave saved;
        saved.lastfolder = appdata.str();
        saved.mode = *unit_mode_from_literal(o["--units"]);
        EXPECT_TRUE(save_settings(settings_path(appdata.str()), saved));
    }
    RecordingView view;
    MainForm main(view, appdata.str(), appdata.str());
    main.startup();
    view.on_modal[Window::Form5] = [&] {
        FileForm open(main, view, FileForm::Kind::Open);
        open.Dir1_Change(fs::path(project).parent_path().string());
        open.Text1_Change(fs::path(project).filename().string());
        EXPECT_TRUE(open.Command1_Click());
    };
    main.mnu_open_Click();
    if (o.count("--flange")) main.run_flange(*flange_from_word(o["--flange"]));
    if (o.count("--numbers")) main.mnu_shownums_Click();
    if (o.count("--allowance")) {
        view.on_modal[Window::Form3] = [&] { CuttingForm(main, view).Option2_Click(); };
        main.mnu_panels_Click();
    }
    view.on_modal[Window::Form7] = [&] {
        BracingForm bracing(main.session);
        if (o.count("--shelf-braces")) bracing.Text1_Change(o["--shelf-braces"]);
        if (o.count("--edge-bracing")) bracing.Option2_Click(), bracing.Text2_Change(o["--edge-bracing"]);
        if (o.count("--shelf-bracing")) bracing.option4_Click(), bracing.Text3_Change(o["--shelf-bracing"]);
    };
    main.mnu_bracing_Click();
    view.on_modal[Window::frmReport] = [&] {
        ReportForm report(main, view);
        report.Form_Load();
        ReportState& r = main.session.report;
        const std::pair<const char*, bool*> boxes[] = {{"--no-notes", &r.check6}, {"--no-cutting-list", &r.check3},
                                                       {"--no-hints", &r.check1}, {"--no-resonances", &r.check2},
                                                       {"--no-ports", &r.check4}, {"--no-driver", &r.check5}};
        for (const auto& [flag, box] : boxes)
            if (o.count(flag)) *box = false;
        report.Command3_Click();
    };
    main.mnu_report_Click();
    return get_bytes(report_path(appdata.str()));
}

// A project unlike the start-up design: other sizes, single front, three
// ports, two 12 inch drivers, both ends flanged, notes with a non-ASCII letter.
class CliTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string project = folder.file("sub.ecv");

    static ProjectData sample(const char* ports = "3") {
        ProjectData p;
        p.boxdepth = 455.5, p.boxwidth = 380, p.boxheight = 610, p.boxvol = 1;  // recomputed on opening
        p.driverdepth = 40, p.driverdown = 250, p.driversideways = 0, p.drivers_text = "2";
        p.portlength = 400, p.portdiameter = 75, p.portwallthickness = 3, p.boxthickness = 18;
        p.ports_text = ports, p.driversize_text = "12 inch", p.doublefront = false, p.flange_word = "twoflange";
        p.notes = {"Sub for the den", "", "Birch ply, Caf\xc3\xa9 finish", "", "", "", "", ""};
        return p;
    }
    void SetUp() override { ASSERT_TRUE(write_project(project, sample())); }
};

// Every command but a printed report: what it prints and its exit status.
// Status 2 is a command line mistake: the reason, then the usage.
TEST_F(CliTest, CommandsAndTheirExitStatus) {
    ASSERT_TRUE(write_project(folder.file("none.ecv"), sample("0")));
    const std::string missing = folder.file("missing.ecv"), unwritable = folder.file("no/such/report.txt");
    const std::string fifo = folder.file("pipe.ecv"), socket = folder.file("sock.txt");
    ASSERT_TRUE(make_fifo(fifo));
    ASSERT_TRUE(make_socket(socket));
    const std::string too_high =
        " hz is too high for this port: even the shortest port tunes the box to 95.8 hz. A larger port diameter or "
        "more ports will help.\n";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out, err;
    };
    const Case cases[] = {
        {{"--version"}, 0, cli_version(), ""},
        {{"report", "--help"}, 0, cli_help(), ""},
        {{"parse", "1' 3 15/16"}, 0, "404.8125\n", ""},
        {{"parse", "15.94"}, 0, "404.876\n", ""},
        {{"parse", "-3"}, 1, "", "enclavio-cli: Invalid Character\n"},
        {{"parse", "3 1/3"}, 1, "", "enclavio-cli: Allowable fractions are 1/2 1/4 1/8 1/16\n"},
        {{"format", "400"}, 0, "1' 3 3/4\n 15.75\n", ""},
        {{"format", "-12"}, 1, "", "enclavio-cli: Invalid character\n"},
        {{"format", "--", "400"}, 0, "1' 3 3/4\n 15.75\n", ""},
        {{"format", "--", "-12"}, 1, "", "enclavio-cli: Invalid character\n"},
        {{"parse", "--", "1' 3 15/16"}, 0, "404.8125\n", ""},
        {{"tune", "--", "29.4384"}, 0, " 823\n", ""},
        {{"tune", "29.4384"}, 0, " 823\n", ""},
        {{"tune", "29.4", "--units", "inches"}, 0, "2' 8 1/2\n", ""},
        {{"tune", "29.4", "--flange", "noflange"}, 0, " 839\n", ""},  // 839.6: 840 would show 29.3
        {{"tune", "53"}, 0, " 168\n", "Rounded to a whole millimetre, this length tunes the box to 52.9 hz.\n"},
        {{"tune", "10"},
         1,
         "",
         "enclavio-cli: The box is too small for this port at 10 hz: no port length gives that tuning. "
         "A smaller port diameter or fewer ports will help.\n"},
        {{"tune", "-30"}, 1, "", "enclavio-cli: The tuning frequency must be above 0 hz.\n"},
        // Above what the shortest port gives, the only lengths left make the
        // ports fill a box many times this size.
        {{"tune", "100"}, 1, "", "enclavio-cli: A tuning of 100" + too_high},
        {{"tune", "5000"}, 1, "", "enclavio-cli: A tuning of 5000" + too_high},
        {{"tune", "95"}, 0, " 6\n", "Rounded to a whole millimetre, this length tunes the box to 95.1 hz.\n"},
        // 5.x mm rounds to 5, which tunes nothing: the next length up is shown.
        {{"tune", "95.8"}, 0, " 6\n", "Rounded to a whole millimetre, this length tunes the box to 95.1 hz.\n"},
        {{"tune", "29.4384", "--shelf-braces", " +1. ", "--edge-bracing", "-0e0"}, 0, " 777\n", ""},
        {{"tune", "30", folder.file("none.ecv")},
         1,
         "",
         "enclavio-cli: There are no ports to tune. Set the number of ports first.\n"},
        {{"report", "--units", "inches", missing},
         1,
         "",
         "enclavio-cli: unable to open " + missing + ": No such file or directory\n"},
        {{"report", "--units", "inches", fifo},
         1,
         "",
         "enclavio-cli: unable to open " + fifo + ": not a regular file\n"},
        {{"report", "-o", unwritable},
         1,
         "",
         "enclavio-cli: There was a problem creating the report: " + unwritable + ": No such file or directory\n"},
        {{"report", "-o", socket},
         1,
         "",
         "enclavio-cli: There was a problem creating the report: " + socket + ": not a regular file\n"},
        {{}, 2, "", "no command given"},
        {{"frobnicate"}, 2, "", "unknown command: frobnicate"},
        {{"report", "--bogus"}, 2, "", "unknown option: --bogus"},
        {{"tune", "30", "-o", "x.txt"}, 2, "", "-o is an option of report only"},
        {{"report", "--units"}, 2, "", "--units needs a value"},
        {{"report", "--numbers=yes"}, 2, "", "--numbers takes no value"},
        {{"report", "--units=Metric"},
         2,
         "",
         "bad value for --units: \"Metric\" (metric, metric-cm, inches or decimalinches)"},
        {{"report", "--shelf-bracing", "1,5"}, 2, "", "bad value for --shelf-bracing: \"1,5\" (litres)"},
        // The field rules read these as 0 (or another number than written): refused.
        {{"report", "--edge-bracing", "0x10"}, 2, "", "bad value for --edge-bracing: \"0x10\" (litres)"},
        {{"report", "--edge-bracing", "0x1p4"}, 2, "", "bad value for --edge-bracing: \"0x1p4\" (litres)"},
        {{"report", "--shelf-braces", "0x2"}, 2, "", "bad value for --shelf-braces: \"0x2\" (a number)"},
        {{"report", "--shelf-bracing=inf"}, 2, "", "bad value for --shelf-bracing: \"inf\" (litres)"},
        {{"report", "--shelf-bracing", "nan"}, 2, "", "bad value for --shelf-bracing: \"nan\" (litres)"},
        {{"report", "--shelf-bracing", "1e999"}, 2, "", "bad value for --shelf-bracing: \"1e999\" (litres)"},
        {{"tune", "0x1E"}, 2, "", "bad tuning frequency: \"0x1E\" (hz, for example 32.5)"},
        {{"report", "a.ecv", "b.ecv"}, 2, "", "more than one project given: \"b.ecv\""},
        {{"tune", "fast"}, 2, "", "bad tuning frequency: \"fast\" (hz, for example 32.5)"},
        {{"parse", "1", "2"}, 2, "", "parse takes one text (quote it)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(bracketed(c.args));
        const ProgramRun r = run_cli_process(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, expected_err(c.status, c.err));
    }
    EXPECT_FALSE(fs::exists(unwritable));
    // Less working volume needs a longer port for the same tuning.
    EXPECT_GT(numeric_value(run_cli_process({"tune", "30", "--edge-bracing", "5", project}).out),
              numeric_value(run_cli_process({"tune", "30", project}).out));
}

TEST(CliReport, StartupDesignAndNoSettingsFileRead) {
    TempFolder data;
    fs::create_directories(data.file("Enclavio"));
    SettingsToSave saved;
    saved.mode = UnitMode::Inches, saved.flange = Flange::Two, saved.shownums = true;
    ASSERT_TRUE(save_settings(settings_path(data.file("Enclavio")), saved));
    const ProgramRun r = run_cli_process({"report"}, ".", "XDG_DATA_HOME=" + data.str());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    // The start-up design in millimetres, one flange, no numbers: the settings file is not read.
    const auto lines = lines_of(r.out);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Enclavio report for project: default");
    EXPECT_EQ(lines[5], "Internal Volume:  59.4 litres   Working Vol  45.3 litres   Tune  29.4hz");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Port Resonance  208 hz"), 1);
}

// `report PROJECT` with each unit mode and each option equals, line for line,
// the report window's report.txt for the same project and choices; the lines
// show what the option does. "PROJECT" marks where the project stands when
// not last.
TEST_F(CliTest, ReportEqualsTheReportWindowsFile) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> present, absent;
    };
    const std::string allowance = "Panel dimensions include 5  mm allowance on any edges to be trimmed after gluing";
    const Case cases[] = {
        {{},
         {"Enclavio report for project: sub.ecv", "Sub for the den", "Birch ply, Caf\xc3\xa9 finish", "Length:  400 mm",
          "Port Resonance  430 hz"},
         {allowance}},
        {{"--units", "metric-cm"}, {"Length: 40 cm"}, {}},
        {{"--units", "inches"},
         {"Length: 1' 3 3/4 inches", "Internal Volume:  2.92 cu.ft   Working Vol  2.45 cu.ft   Tune  35.1hz"},
         {}},
        {{"PROJECT", "--units=decimalinches", "--flange", "noflange"}, {}, {"Length:  400 mm"}},
        {{"--numbers", "--allowance"}, {"(1) Port Resonance  430 hz", allowance}, {"Port Resonance  430 hz"}},
        {{"--shelf-braces", "0", "--edge-bracing", "0", "--shelf-bracing", "0"},
         {"Component volumes: Ports = 5.9 litres    Bracing = 0 litres   Driver =  5 litres       Total =  10.9 "
          "litres"},
         {}},
        {{"--allowance", "--no-hints", "--no-notes", "--no-cutting-list", "--no-resonances", "--no-ports",
          "--no-driver", "--units", "metric"},
         {},
         {"Sub for the den", "Cutting List", "Resonances", "Port details", "Driver details"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"report"}, choices;
        std::string shown;
        for (const auto& a : c.args) {
            args.push_back(a == "PROJECT" ? project : a);
            if (a != "PROJECT") choices.push_back(a), shown += " " + a;
        }
        SCOPED_TRACE(shown);
        if (choices.size() == c.args.size()) args.push_back(project);
        const ProgramRun r = run_cli_process(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.find('\r'), std::string::npos);
        const auto lines = lines_of(r.out);
        // report.txt and the standard output are both UTF-8.
        EXPECT_EQ(lines, lines_of(window_report(choices, project)));
        for (const auto& line : c.present) EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << line;
        for (const auto& line : c.absent) EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 0) << line;
    }
}

TEST_F(CliTest, ProjectNameFromARelativePathAfterDoubleDash) {
    fs::create_directories(folder.file("boxes"));
    ASSERT_TRUE(write_project(folder.file("boxes/-den.sub.ecv"), sample()));
    const ProgramRun r = run_cli_process({"report", "--", "boxes/-den.sub.ecv"}, folder.str());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Enclavio report for project: -den.sub.ecv");
}

TEST_F(CliTest, OutputFileIsWrittenAsTheReportWindowWritesIt) {
    const std::string file = folder.file("out.txt");
    const ProgramRun r = run_cli_process({"report", "--units", "inches", "-o", file, project});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    // Byte for byte as the window writes it: CR LF line ends, UTF-8.
    const std::string written = get_bytes(file);
    EXPECT_EQ(written.substr(written.size() - 2), "\r\n");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), std::count(written.begin(), written.end(), '\r'));
    EXPECT_EQ(lines_of(written), lines_of(window_report({"--units", "inches"}, project)));

    EXPECT_EQ(run_cli_process({"report", "--output=" + file, "--no-driver", project}).status, 0);
    EXPECT_EQ(get_bytes(file).find("Driver details"), std::string::npos);

    // "-" and /dev/stdout: the same bytes on the standard output (and /dev/stderr on the standard error).
    for (const char* stdout_name : {"-", "/dev/stdout"}) {
        const ProgramRun to_stdout = run_cli_process({"report", "--units", "inches", "-o", stdout_name, project});
        EXPECT_EQ(to_stdout.status, 0) << stdout_name;
        EXPECT_EQ(to_stdout.err, "") << stdout_name;
        EXPECT_EQ(lines_of(to_stdout.out), lines_of(written)) << stdout_name;
        EXPECT_EQ(std::count(to_stdout.out.begin(), to_stdout.out.end(), '\r'),
                  std::count(written.begin(), written.end(), '\r'))
            << stdout_name;
    }
    const ProgramRun to_stderr = run_cli_process({"report", "--units", "inches", "-o", "/dev/stderr", project});
    EXPECT_EQ(to_stderr.status, 0);
    EXPECT_EQ(to_stderr.out, "");
    EXPECT_EQ(lines_of(to_stderr.err), lines_of(written));
    // A device is written into, never replaced by a file (a null device of
    // the test's own, so that a fault cannot hurt the system's).
    if (make_char_device(folder.file("null"), 1, 3)) {
        EXPECT_EQ(run_cli_process({"report", "-o", folder.file("null"), project}).status, 0);
        EXPECT_EQ(kind_of(folder.file("null")), 'c');
    }
}

// A save reaches the disk before it replaces the old file, and the rename
// reaches it too: a power cut never leaves an empty file. Seen in the
// program's system calls, where strace can show them.
TEST_F(CliTest, OutputFileIsFlushedBeforeTheRenameAndTheFolderAfterIt) {
    const std::string file = folder.file("flushed.txt"), log = folder.file("calls");
    put_bytes(file, "old\r\n");
    const std::string command = "strace -f -qq -e trace=openat,fsync,rename -o " + quoted(log) + " " +
                                quoted(ENCLAVIO_CLI) + " report -o " + quoted(file) + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 || get_bytes(log).empty())
        GTEST_SKIP() << "strace is not available or may not trace here";
    // The calls in order, with the descriptors they give and take.
    std::string order;
    std::string temp_fd, folder_fd;
    const std::regex open_call(R"re(openat\(AT_FDCWD, "([^"]*)", ([^)]*)\)\s+=\s+(\d+))re");
    const std::regex fsync_call(R"re(fsync\((\d+)\)\s+=\s+0)re");
    const std::regex rename_call(R"re(rename\("([^"]*)", "([^"]*)"\)\s+=\s+0)re");
    for (const std::string& line : split_lines(get_bytes(log))) {
        std::smatch m;
        if (std::regex_search(line, m, open_call)) {
            if (fs::path(m[1].str()).filename().string().starts_with(kTemporaryPrefix)) temp_fd = m[3], order += "T";
            else if (m[1].str() == folder.str() && m[2].str().find("O_DIRECTORY") != std::string::npos)
                folder_fd = m[3], order += "D";
        } else if (std::regex_search(line, m, fsync_call)) {
            if (m[1] == temp_fd && order.find('R') == std::string::npos) order += "t";
            else if (m[1] == folder_fd) order += "d";
        } else if (std::regex_search(line, m, rename_call) && m[2].str() == file) {
            order += "R";
        }
    }
    // Temporary opened, flushed, renamed over the file; the folder opened and flushed.
    EXPECT_EQ(order, "TtRDd");
    EXPECT_NE(get_bytes(file), "old\r\n");
}

// A report file the user may not write to is refused with the reason, as a
// user without root rights sees it (root may write to any file).
TEST_F(CliTest, OutputFileTheUserMayNotWriteToIsNotReplaced) {
    const std::string own = folder.file("own"), file = folder.file("own/report.txt"), sub = project;
    fs::create_directory(own);
    give_to_unprivileged(own);
    put_bytes(file, "old report\r\n");
    give_to_unprivileged(file);
    fs::permissions(file, fs::perms(0444));
    const std::string command = "timeout 60 " + quoted(ENCLAVIO_CLI) + " report -o " + quoted(file) + " " +
                                quoted(sub) + " >/dev/null 2>" + quoted(own + "/err");
    const int status = run_unprivileged([&] {
        const int s = std::system(command.c_str());
        return WIFEXITED(s) ? WEXITSTATUS(s) : 99;
    });
    if (status == kCannotDropRoot) GTEST_SKIP() << "cannot run a child process without root rights";
    EXPECT_EQ(status, 1);
    EXPECT_EQ(get_bytes(file), "old report\r\n");
    EXPECT_EQ(get_bytes(own + "/err"),
              "enclavio-cli: There was a problem creating the report: " + file + ": Permission denied\n");
}

}  // namespace
}  // namespace enclavio

namespace enclavio {
namespace {

// `sheets`: the layout in the window's words, its TSV, its SVG files, and its
// refusals (status 1) and command-line mistakes (status 2).
TEST_F(CliTest, SheetsPrintsTheLayout) {
    const ProgramRun text = run_cli_process({"sheets"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out.rfind("1 sheet (fewest possible). Board used: 46.5%\n"
                             "Board 2440 x 1220 mm, kerf 3.2 mm, trim 0 mm, pieces may be turned\n"
                             "\n"
                             "Sheet 1 of 1: 8 pieces, 46.5% used\n"
                             "  Top panel 300 x 381 mm\n",
                             0),
              0u)
        << text.out;
    EXPECT_NE(text.out.find("\n  1. Cross-cut the sheet at 381 mm from its top edge. "), std::string::npos);

    // The header, one line per piece, the count last; plain decimals.
    const ProgramRun tsv = run_cli_process({"sheets", "--tsv", "--units", "inches"});
    EXPECT_EQ(tsv.status, 0);
    const std::vector<std::string> lines = split_lines(tsv.out);
    ASSERT_EQ(lines.size(), 1u + 8 + 1) << tsv.out;
    EXPECT_EQ(tsv.out.back(), '\n');
    EXPECT_EQ(lines[0], "sheet\tpanel\tx_mm\ty_mm\tacross_mm\talong_mm\tturned");
    EXPECT_EQ(lines[1], "1\tTop panel\t0\t0\t300\t381\tno");
    EXPECT_EQ(lines[2], "1\tLeft side panel\t303.2\t0\t681\t381\tyes");
    EXPECT_EQ(lines[9], "# sheets 1 proven");

    // The project's panels, two boxes, every option, in inches.
    const ProgramRun pair =
        run_cli_process({"sheets", "--sheet=2438.4x1219.2", "--kerf", "2.4", "--trim", "5", "--boxes", "2", "--no-turn",
                         "--allowance", "--units", "decimalinches", project});
    EXPECT_EQ(pair.status, 0) << pair.err;
    EXPECT_NE(pair.out.find("Board 96 x 48 inches, kerf .09 inches, trim .2 inches, first dimension across\n"),
              std::string::npos)
        << pair.out;
    EXPECT_NE(pair.out.find("  Trim 3/16 inches off every edge of the sheet first"), std::string::npos);
    EXPECT_EQ(pair.out.find(", turned"), std::string::npos);
    const ProgramRun pair_tsv = run_cli_process({"sheets", "--sheet=2438.4x1219.2", "--kerf", "2.4", "--trim", "5",
                                                 "--boxes", "2", "--no-turn", "--allowance", "--tsv", project});
    int pieces = 0;
    for (const std::string& line : split_lines(pair_tsv.out)) {
        if (line.empty() || line[0] == '#' || line.rfind("sheet\t", 0) == 0) continue;
        ++pieces;
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 6) << line;
        EXPECT_EQ(line.substr(line.size() - 3), "\tno") << line;
    }
    EXPECT_EQ(pieces, 2 * 7);  // a single front
    EXPECT_TRUE(std::regex_search(pair_tsv.out, std::regex("\n# sheets [0-9]+ (proven|best-found)\n$")));
}

TEST_F(CliTest, SheetsWritesOneSvgPerSheet) {
    const std::string prefix = folder.file("sub");
    const ProgramRun r = run_cli_process({"sheets", "--boxes", "3", "--tsv", "--svg", prefix + ".svg"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.out, m, std::regex("# sheets ([0-9]+) ")));
    const int sheets = std::stoi(m[1]);
    ASSERT_GE(sheets, 2);
    for (int s = 1; s <= sheets; ++s) {
        const std::string svg = get_bytes(prefix + "-" + std::to_string(s) + ".svg");
        EXPECT_EQ(svg.rfind("<?xml", 0), 0u) << s;
        EXPECT_NE(svg.find("Sheet " + std::to_string(s) + " of " + std::to_string(sheets)), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(prefix + "-" + std::to_string(sheets + 1) + ".svg"));

    const std::string nowhere = folder.file("no/such/sub");
    const ProgramRun failed = run_cli_process({"sheets", "--svg", nowhere});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "enclavio-cli: Unable to save " + nowhere + "-1.svg: No such file or directory\n");
}

TEST_F(CliTest, SheetsRefusalsAndMistakes) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"sheets", "--sheet", "1000x300"},
         1,
         "enclavio-cli: Left side panel 381 x 681 mm is larger than the board after trim (1000 x 300 mm).\n"},
        {{"sheets", "--sheet", "1000x400", "--trim", "10", "--units", "metric-cm"},
         1,
         "enclavio-cli: Left side panel 38.1 x 68.1 cm is larger than the board after trim (98 x 38 cm).\n"},
        {{"sheets", "--sheet", "700x400", "--no-turn"},
         1,
         "enclavio-cli: Front outer panel 300 x 700 mm fits the board after trim (700 x 400 mm) only turned, and "
         "turning is "
         "off.\n"},
        {{"sheets", folder.file("missing.ecv")},
         1,
         "enclavio-cli: unable to open " + folder.file("missing.ecv") + ": No such file or directory\n"},
        {{"sheets", "--kerf", "abc"}, 2, "bad value for --kerf: \"abc\" (millimetres, for example 3.2)"},
        {{"sheets", "--kerf", "60"}, 2, "The kerf must be from 0 to 50 mm."},
        {{"sheets", "--trim=-1"}, 2, "bad value for --trim: \"-1\" (millimetres, for example 5)"},
        {{"sheets", "--trim", "700"}, 2, "The trim must be 0 or more and leave some of the sheet."},
        {{"sheets", "--sheet", "2440"},
         2,
         "bad value for --sheet: \"2440\" (ACROSSxALONG in millimetres, for example 2440x1220)"},
        {{"sheets", "--sheet", "20000x1220"}, 2, "The sheet must be more than 0 and at most 10000 mm each way."},
        {{"sheets", "--boxes", "9"}, 2, "bad value for --boxes: \"9\" (a whole number from 1 to 8)"},
        {{"sheets", "--boxes", "1.5"}, 2, "bad value for --boxes: \"1.5\" (a whole number from 1 to 8)"},
        {{"sheets", "--boxes"}, 2, "--boxes needs a value"},
        {{"sheets", "--tsv=yes"}, 2, "--tsv takes no value"},
        {{"sheets", "--svg="}, 2, "bad value for --svg: \"\" (a file name)"},
        {{"sheets", "--units", "feet"},
         2,
         "bad value for --units: \"feet\" (metric, metric-cm, inches or decimalinches)"},
        {{"sheets", "--flange", "noflange"}, 2, "unknown option: --flange"},
        {{"sheets", "a.ecv", "b.ecv"}, 2, "more than one project given: \"b.ecv\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(bracketed(c.args));
        const ProgramRun r = run_cli_process(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, expected_err(c.status, c.err));
    }
    EXPECT_EQ(run_cli_process({"sheets", "--help"}).out, cli_help());
}

// "-" as PROJECT: the project's lines come on the standard input; the
// report is the file's, under the name "(standard input)".
TEST_F(CliTest, ProjectFromStandardInput) {
    const ProgramRun from_file = run_cli_process({"report", "--units", "inches", project});
    const ProgramRun from_input = run_cli_process({"report", "--units", "inches", "-"}, ".", {}, project);
    ASSERT_EQ(from_input.status, 0) << from_input.err;
    EXPECT_EQ(from_input.err, "");
    auto file_lines = lines_of(from_file.out), input_lines = lines_of(from_input.out);
    ASSERT_FALSE(input_lines.empty());
    EXPECT_EQ(input_lines[0], "Enclavio report for project: (standard input)");
    file_lines[0] = input_lines[0];
    EXPECT_EQ(input_lines, file_lines);
    EXPECT_EQ(run_cli_process({"tune", "30", "-"}, ".", {}, project).out, run_cli_process({"tune", "30", project}).out);
    // Nothing on the standard input reads as a project of empty lines, as an empty file does.
    put_bytes(folder.file("empty.ecv"), "");
    EXPECT_EQ(run_cli_process({"tune", "30", "-"}).err, run_cli_process({"tune", "30", folder.file("empty.ecv")}).err);
    // A folder given as the standard input cannot be read.
    const ProgramRun folder_input = run_cli_process({"report", "-"}, ".", {}, folder.str());
    EXPECT_EQ(folder_input.status, 1);
    EXPECT_TRUE(folder_input.err.starts_with("enclavio-cli: unable to read the standard input: ")) << folder_input.err;
}

// A full standard output is an error: said on the standard error, exit status 1.
TEST_F(CliTest, WriteErrorOnStandardOutput) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--version"}, {"report", project}, {"report", "-o", "-", project}, {"--help"}}) {
        const ProgramRun r = run_cli_process(args, ".", {}, "/dev/null", "/dev/full");
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, "enclavio-cli: write error on standard output: No space left on device\n") << args[0];
    }
}

// The help fits 79 columns and ends with where to report bugs and the home
// page; --version names the copyright and the licence; parse and format
// take --help; --version takes nothing more.
TEST(CliHelp, GnuLayoutHelpAndVersion) {
    const ProgramRun help = run_cli_process({"--help"});
    ASSERT_EQ(help.status, 0);
    const auto lines = split_lines(help.out);
    for (const auto& line : lines) EXPECT_LE(line.size(), 79u) << line;
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "Report bugs to: feedback@enclavio.example.org");
    EXPECT_EQ(lines.back(), "Enclavio home page: <https://enclavio.example.org/>");

    const ProgramRun version = run_cli_process({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out,
              "enclavio-cli 3.3\n"
              "Copyright (C) 2026 The Enclavio developers\n"
              "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
              "This is free software: you are free to change and redistribute it.\n"
              "There is NO WARRANTY, to the extent permitted by law.\n");

    for (const char* command : {"parse", "format"}) {
        for (const char* option : {"--help", "-h"}) {
            const ProgramRun r = run_cli_process({command, option});
            EXPECT_EQ(r.status, 0) << command << option;
            EXPECT_EQ(r.out, help.out) << command << option;
        }
    }
    // After "--" it is a text like any other.
    EXPECT_EQ(run_cli_process({"parse", "--", "--help"}).status, 1);

    const ProgramRun extra = run_cli_process({"--version", "extra"});
    EXPECT_EQ(extra.status, 2);
    EXPECT_EQ(extra.out, "");
    EXPECT_EQ(extra.err, expected_err(2, "--version takes no arguments"));
}

}  // namespace
}  // namespace enclavio
