// enclavio-cli run as a process: what it prints, where, and its exit status;
// its reports compared with the report window's report.txt for the same
// project and choices.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "forms/bracing_form.hpp"
#include "forms/cli.hpp"
#include "forms/cutting_form.hpp"
#include "forms/files_form.hpp"
#include "forms/main_form.hpp"
#include "forms/report_form.hpp"
#include "storage/storage.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("enclavio-cli-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string str() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

std::string bytes_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs the built program with `args` in the folder `cwd`, with the extra
// environment `env` ("NAME=value"), and collects both streams.
Outcome run_cli_process(const std::vector<std::string>& args, const std::string& cwd = {},
                    const std::vector<std::string>& env = {}) {
    static TempFolder streams;
    static int serial = 0;
    const std::string out_path = streams.file("out" + std::to_string(serial));
    const std::string err_path = streams.file("err" + std::to_string(serial++));
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int none = open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || none < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || dup2(none, 0) < 0) _exit(126);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
        for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv;
        std::string program = ENCLAVIO_CLI;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(ENCLAVIO_CLI, argv.data());
        _exit(127);
    }
    Outcome r;
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = bytes_of(out_path);
    r.err = bytes_of(err_path);
    return r;
}

std::vector<std::string> split(const std::string& text, const std::string& line_end) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(line_end, start)) != std::string::npos; start = at + line_end.size())
        lines.push_back(text.substr(start, at - start));
    if (start < text.size()) lines.push_back(text.substr(start));  // an unterminated last line
    return lines;
}

// The report's lines without the time stamp (the footer line that names the
// time), which differs between two runs.
std::vector<std::string> without_stamp(std::vector<std::string> lines) {
    static const std::regex stamp(
        R"(Report generated at:  \d\d:\d\d:\d\d on \d\d-\d\d-\d\d\d\d from Enclavio Version:3\.3)");
    int stamps = 0;
    for (auto& line : lines) {
        if (std::regex_match(line, stamp)) {
            line = "<stamp>";
            ++stamps;
        }
    }
    EXPECT_EQ(stamps, 1);
    return lines;
}

bool has_line(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// ---- The report window's report.txt for the same choices ---------------------------

class HookView : public NullView {
public:
    std::map<Window, std::function<void()>> on_modal;
    void show_modal(Window w) override {
        if (auto it = on_modal.find(w); it != on_modal.end()) it->second();
    }
};

struct Choices {
    std::string units;  // empty: no saved unit mode
    std::string flange;
    bool numbers = false;
    bool allowance = false;
    std::string shelf_braces, edge_bracing, shelf_bracing;
    bool no_notes = false, no_cutting_list = false, no_hints = false;
    bool no_resonances = false, no_ports = false, no_driver = false;

    std::vector<std::string> args() const {
        std::vector<std::string> a;
        auto value = [&](const char* name, const std::string& v) {
            if (!v.empty()) {
                a.push_back(name);
                a.push_back(v);
            }
        };
        auto flag = [&](const char* name, bool on) {
            if (on) a.push_back(name);
        };
        value("--units", units);
        value("--flange", flange);
        flag("--numbers", numbers);
        flag("--allowance", allowance);
        value("--shelf-braces", shelf_braces);
        value("--edge-bracing", edge_bracing);
        value("--shelf-bracing", shelf_bracing);
        flag("--no-notes", no_notes);
        flag("--no-cutting-list", no_cutting_list);
        flag("--no-hints", no_hints);
        flag("--no-resonances", no_resonances);
        flag("--no-ports", no_ports);
        flag("--no-driver", no_driver);
        return a;
    }
};

// The program driven as a user would: the unit mode saved in enclavio.ini,
// the project opened from the Open window, the menus and windows used, then
// "Generate Report". Returns report.txt.
std::string window_report(const Choices& c, const std::string& folder, const std::string& name) {
    TempFolder appdata;
    if (!c.units.empty()) {
        SettingsToSave saved;
        saved.lastfolder = appdata.str();
        saved.mode = *unit_mode_from_literal(c.units);
        EXPECT_TRUE(save_settings(settings_path(appdata.str()), saved));
    }
    HookView view;
    MainForm main(view, appdata.str(), appdata.str());
    main.startup();
    if (!name.empty()) {
        view.on_modal[Window::Form5] = [&] {
            FileForm open(main, view, FileForm::Kind::Open);
            open.Dir1_Change(folder);
            open.Text1_Change(name);
            EXPECT_TRUE(open.Command1_Click());
        };
        main.mnu_open_Click();
    }
    if (c.flange == "noflange") main.mnu_noflange_Click();
    if (c.flange == "oneflange") main.mnu_oneflange_Click();
    if (c.flange == "twoflange") main.mnu_twoflange_Click();
    if (c.numbers) main.mnu_shownums_Click();
    if (c.allowance) {
        view.on_modal[Window::Form3] = [&] { CuttingForm(main, view).Option2_Click(); };
        main.mnu_panels_Click();
    }
    if (!c.shelf_braces.empty() || !c.edge_bracing.empty() || !c.shelf_bracing.empty()) {
        view.on_modal[Window::Form7] = [&] {
            BracingForm bracing(main.s);
            if (!c.shelf_braces.empty()) bracing.Text1_Change(c.shelf_braces);
            if (!c.edge_bracing.empty()) {
                bracing.Option2_Click();
                bracing.Text2_Change(c.edge_bracing);
            }
            if (!c.shelf_bracing.empty()) {
                bracing.option4_Click();
                bracing.Text3_Change(c.shelf_bracing);
            }
        };
        main.mnu_bracing_Click();
    }
    view.on_modal[Window::frmReport] = [&] {
        ReportForm report(main, view);
        report.Form_Load();
        ReportState& r = main.s.report;
        if (c.no_notes) r.check6 = false;
        if (c.no_cutting_list) r.check3 = false;
        if (c.no_hints) r.check1 = false;
        if (c.no_resonances) r.check2 = false;
        if (c.no_ports) r.check4 = false;
        if (c.no_driver) r.check5 = false;
        report.Command3_Click();
    };
    main.mnu_report_Click();
    return bytes_of(report_path(appdata.str()));
}

// A project unlike the start-up design: other sizes, single front, three
// ports, two 12 inch drivers, both ends flanged, notes with a non-ASCII letter.
ProjectData sample_project() {
    ProjectData p;
    p.boxdepth = 455.5;
    p.boxwidth = 380;
    p.boxheight = 610;
    p.boxvol = 1;  // recomputed on opening
    p.driverdepth = 40;
    p.driverdown = 250;
    p.driversideways = 0;
    p.drivers_text = "2";
    p.portlength = 400;
    p.portdiameter = 75;
    p.portwallthickness = 3;
    p.boxthickness = 18;
    p.ports_text = "3";
    p.driversize_text = "12 inch";
    p.doublefront = false;
    p.flange_word = "twoflange";
    p.notes = {"Sub for the den", "", "Birch ply, Caf\xc3\xa9 finish", "", "", "", "", ""};
    return p;
}

class CliTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string project;  // sub.ecv in `folder`

    void SetUp() override {
        project = folder.file("sub.ecv");
        ASSERT_TRUE(write_project(project, sample_project()));
    }
};

// ---- Version, help, parse, format --------------------------------------------------

TEST(Cli, VersionAndHelp) {
    const Outcome version = run_cli_process({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "enclavio-cli 3.3\n");
    EXPECT_EQ(version.err, "");

    for (const char* ask : {"--help", "-h"}) {
        const Outcome help = run_cli_process({ask});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out, cli_help());
        EXPECT_EQ(help.err, "");
    }
    // Every option is documented with an example.
    const std::string help = cli_help();
    for (const char* option :
         {"--units", "--flange", "--numbers", "--allowance", "--shelf-braces", "--edge-bracing", "--shelf-bracing",
          "--no-notes", "--no-cutting-list", "--no-hints", "--no-resonances", "--no-ports", "--no-driver",
          "--output", "--version"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    for (const char* example : {"enclavio-cli report ", "enclavio-cli tune ", "enclavio-cli parse ",
                                "enclavio-cli format ", "--no-driver\n", "-o report.txt"}) {
        EXPECT_NE(help.find(example), std::string::npos) << example;
    }
    EXPECT_EQ(run_cli_process({"report", "--help"}).out, help);
}

TEST(Cli, ParseAndFormat) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {{"parse", "1' 3 15/16"}, 0, "404.8125\n", ""},
        {{"parse", "3 9\\16"}, 0, "90.4875\n", ""},
        {{"parse", "15.94"}, 0, "404.876\n", ""},
        {{"parse", ""}, 0, "0\n", ""},
        {{"parse", "-3"}, 1, "", "Invalid Character\n"},
        {{"parse", "--units"}, 1, "", "Invalid Character\n"},
        {{"parse", "3 1/3"}, 1, "", "Allowable fractions are 1/2 1/4 1/8 1/16\n"},
        {{"parse", "'6"}, 1, "", "Foot symbol without any feet\n"},
        {{"format", "400"}, 0, "1' 3 3/4\n 15.75\n", ""},
        {{"format", "304.8"}, 0, "1'\n 12\n", ""},
        {{"format", "0.5"}, 0, "0\n .02\n", ""},
        {{"format", ""}, 0, "0\n0\n", ""},
        {{"format", "-12"}, 1, "ERR\nERR\n", "Invalid character\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " \"" + c.args[1] + "\"");
        const Outcome r = run_cli_process(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(Cli, CommandLineMistakes) {
    struct Case {
        std::vector<std::string> args;
        const char* reason;
    };
    const Case cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command: frobnicate"},
        {{"--frobnicate"}, "unknown option: --frobnicate"},
        {{"report", "--bogus"}, "unknown option: --bogus"},
        {{"report", "-x"}, "unknown option: -x"},
        {{"report", "--units"}, "--units needs a value"},
        {{"report", "--units", "furlongs"},
         "bad value for --units: \"furlongs\" (metric, metric-cm, inches or decimalinches)"},
        {{"report", "--units=Metric"}, "bad value for --units: \"Metric\" (metric, metric-cm, inches or decimalinches)"},
        {{"report", "--flange", "both"}, "bad value for --flange: \"both\" (noflange, oneflange or twoflange)"},
        {{"report", "--shelf-braces", "two"}, "bad value for --shelf-braces: \"two\" (a number)"},
        {{"report", "--edge-bracing", ""}, "bad value for --edge-bracing: \"\" (litres)"},
        {{"report", "--shelf-bracing", "1,5"}, "bad value for --shelf-bracing: \"1,5\" (litres)"},
        {{"report", "--output"}, "--output needs a value"},
        {{"report", "--numbers=yes"}, "--numbers takes no value"},
        {{"report", "a.ecv", "b.ecv"}, "more than one project given: \"b.ecv\""},
        {{"tune"}, "tune needs the tuning frequency in hz"},
        {{"tune", "fast"}, "bad tuning frequency: \"fast\" (hz, for example 32.5)"},
        {{"tune", "30", "-o", "x.txt"}, "-o is an option of report only"},
        {{"tune", "30", "--flange"}, "--flange needs a value"},
        {{"parse"}, "parse needs a text"},
        {{"parse", "1", "2"}, "parse takes one text (quote it)"},
        {{"format"}, "format needs millimetres"},
        {{"format", "1", "2"}, "format takes one number"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const auto& a : c.args) shown += "[" + a + "]";
        SCOPED_TRACE(shown);
        const Outcome r = run_cli_process(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "enclavio-cli: " + std::string(c.reason) + "\n" + cli_usage());
    }
}

// ---- report ------------------------------------------------------------------------

TEST(CliReport, StartupDesign) {
    const Outcome r = run_cli_process({"report"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.back(), '\n');
    const auto lines = without_stamp(split(r.out, "\n"));
    const std::string rule(92, '-');
    const std::vector<std::string> head = {
        "Enclavio report for project: default",
        rule,
        "",
        "Finished size  300 mm wide    700 mm high  400 mm deep - Panel thickness  19 mm - Double Front Panel",
        "",
        "Internal Volume:  59.4 litres   Working Vol  45.3 litres   Tune  29.4hz",
        "",
        "Component volumes: Ports = 9.9 litres    Bracing = 2.6 litres   Driver =  1.5 litres       Total =  14 litres",
        "",
        "",
        "Cutting List",
        rule,
        "Panel dimensions show finished size",
    };
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
    for (const char* line : {"Port Resonance  208 hz", "Length: 823 mm", "Driver size: 10 inch",
                             "Box front to mid-depth of cone:  30 mm",
                             "The latest version of Enclavio is available at https://enclavio.example.org/freesoft.htm"})
        EXPECT_TRUE(has_line(lines, line)) << line;
}

TEST(CliReport, SettingsFileOfTheProgramIsNotRead) {
    TempFolder data;
    fs::create_directories(data.file("Enclavio"));
    SettingsToSave saved;
    saved.mode = UnitMode::Inches;
    saved.flange = Flange::Two;
    saved.shownums = true;
    ASSERT_TRUE(save_settings(settings_path(data.file("Enclavio")), saved));
    const Outcome with = run_cli_process({"report"}, {}, {"XDG_DATA_HOME=" + data.str()});
    const Outcome without = run_cli_process({"report"});
    ASSERT_EQ(with.status, 0);
    EXPECT_EQ(without_stamp(split(with.out, "\n")), without_stamp(split(without.out, "\n")));
}

// `report PROJECT` with each unit mode and each option equals, line for line,
// the report window's report.txt for the same project and choices.
TEST_F(CliTest, ReportEqualsTheReportWindowsFile) {
    auto with = [](auto change) {
        Choices c;
        change(c);
        return c;
    };
    const std::vector<std::pair<std::string, Choices>> cases = {
        {"metric", with([](Choices& c) { c.units = "metric"; })},
        {"metric-cm", with([](Choices& c) { c.units = "metric-cm"; })},
        {"inches", with([](Choices& c) { c.units = "inches"; })},
        {"decimalinches", with([](Choices& c) { c.units = "decimalinches"; })},
        {"no unit mode", Choices{}},
        {"noflange", with([](Choices& c) { c.flange = "noflange"; })},
        {"oneflange", with([](Choices& c) { c.flange = "oneflange"; })},
        {"numbers", with([](Choices& c) { c.numbers = true; })},
        {"allowance cm", with([](Choices& c) {
             c.allowance = true;
             c.units = "metric-cm";
         })},
        {"allowance inches", with([](Choices& c) {
             c.allowance = true;
             c.units = "inches";
         })},
        {"allowance without hints", with([](Choices& c) {
             c.allowance = true;
             c.no_hints = true;
         })},
        {"shelf braces", with([](Choices& c) { c.shelf_braces = "3"; })},
        {"edge bracing", with([](Choices& c) { c.edge_bracing = "1.25"; })},
        {"shelf bracing", with([](Choices& c) { c.shelf_bracing = "0.4"; })},
        {"all bracing", with([](Choices& c) {
             c.shelf_braces = "0";
             c.edge_bracing = "2";
             c.shelf_bracing = "-0.5";
             c.units = "decimalinches";
         })},
        {"no notes", with([](Choices& c) { c.no_notes = true; })},
        {"no cutting list", with([](Choices& c) { c.no_cutting_list = true; })},
        {"no resonances", with([](Choices& c) { c.no_resonances = true; })},
        {"no ports", with([](Choices& c) { c.no_ports = true; })},
        {"no driver", with([](Choices& c) { c.no_driver = true; })},
        {"every section left out", with([](Choices& c) {
             c.no_notes = c.no_cutting_list = c.no_hints = c.no_resonances = c.no_ports = c.no_driver = true;
             c.numbers = true;
             c.units = "inches";
         })},
    };
    for (const auto& [what, c] : cases) {
        SCOPED_TRACE(what);
        std::vector<std::string> args = {"report"};
        for (const auto& a : c.args()) args.push_back(a);
        args.push_back(project);
        const Outcome r = run_cli_process(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.find('\r'), std::string::npos);
        // report.txt is in the file encoding; the standard output is UTF-8.
        const std::string file = from_file_encoding(window_report(c, folder.str(), "sub"));
        ASSERT_FALSE(file.empty());
        EXPECT_EQ(without_stamp(split(r.out, "\n")), without_stamp(split(file, "\r\n")));
    }
}

// What each option does to the report, seen in its lines.
TEST_F(CliTest, OptionsChangeTheReport) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const std::string rule(92, '-');
    const Case cases[] = {
        {{}, {"Enclavio report for project: sub.ecv", "Sub for the den", "Birch ply, Caf\xc3\xa9 finish",
              "Driver size: 12 inch", "Number of ports: 3", "Length:  400 mm", "Cutting List", "Resonances"},
         {"Panel dimensions include 5  mm allowance on any edges to be trimmed after gluing"}},
        {{"--units", "inches"},
         {"Length: 1' 3 3/4 inches", "Internal Volume:  2.92 cu.ft   Working Vol  2.45 cu.ft   Tune  35.1hz"},
         {"Length:  400 mm"}},
        {{"--units", "metric-cm"}, {"Length: 40 cm"}, {}},
        {{"--numbers"}, {"(1) Port Resonance  430 hz", "(9) Driver to side wall-2 resonance  1000 hz"},
         {"Port Resonance  430 hz"}},
        {{"--allowance"},
         {"Panel dimensions include 5  mm allowance on any edges to be trimmed after gluing"},
         {"Panel dimensions show finished size"}},
        {{"--no-notes"}, {}, {"Sub for the den"}},
        {{"--no-cutting-list"}, {}, {"Cutting List", "Panel dimensions show finished size"}},
        {{"--no-resonances"}, {}, {"Resonances", "Port Resonance  430 hz"}},
        {{"--no-ports"}, {}, {"Port details", "Number of ports: 3"}},
        {{"--no-driver"}, {}, {"Driver details", "Driver size: 12 inch"}},
        {{"--edge-bracing", "0", "--shelf-bracing", "0"},
         {"Component volumes: Ports = 5.9 litres    Bracing = 0 litres   Driver =  5 litres       Total =  10.9 litres"},
         {}},
        {{"--flange", "noflange"}, {"Internal Volume:  82.8 litres   Working Vol  69.3 litres   Tune  35.8hz"}, {}},
    };
    const Outcome plain = run_cli_process({"report", project});
    ASSERT_EQ(plain.status, 0);
    for (const Case& c : cases) {
        std::string shown;
        for (const auto& a : c.args) shown += " " + a;
        SCOPED_TRACE(shown);
        std::vector<std::string> args = {"report"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back(project);
        const Outcome r = run_cli_process(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto lines = split(r.out, "\n");
        for (const auto& line : c.present) EXPECT_TRUE(has_line(lines, line)) << line;
        for (const auto& line : c.absent) EXPECT_FALSE(has_line(lines, line)) << line;
        if (!c.args.empty()) {
            EXPECT_NE(without_stamp(lines), without_stamp(split(plain.out, "\n")));
        }
    }
    // Options may stand before or after the project, and in either form.
    const Outcome after = run_cli_process({"report", project, "--units=inches"});
    const Outcome before = run_cli_process({"report", "--units", "inches", project});
    EXPECT_EQ(without_stamp(split(after.out, "\n")), without_stamp(split(before.out, "\n")));
}

TEST_F(CliTest, ProjectNameAndRelativePaths) {
    fs::create_directories(folder.file("boxes"));
    ASSERT_TRUE(write_project(folder.file("boxes/den.sub.ecv"), sample_project()));
    ASSERT_TRUE(write_project(folder.file("-odd.ecv"), sample_project()));
    const Outcome relative = run_cli_process({"report", "boxes/den.sub.ecv"}, folder.str());
    ASSERT_EQ(relative.status, 0) << relative.err;
    EXPECT_EQ(split(relative.out, "\n")[0], "Enclavio report for project: den.sub.ecv");
    const Outcome dashed = run_cli_process({"report", "--", "-odd.ecv"}, folder.str());
    ASSERT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(split(dashed.out, "\n")[0], "Enclavio report for project: -odd.ecv");
}

TEST_F(CliTest, ProjectThatCannotBeOpened) {
    const std::string missing = folder.file("none.ecv");
    const std::vector<std::vector<std::string>> commands = {
        {"report", missing}, {"report", "--units", "inches", missing}, {"tune", "30", missing}};
    for (const auto& args : commands) {
        const Outcome r = run_cli_process(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Unable to open " + missing + "\n");
    }
    const Outcome folder_given = run_cli_process({"report", folder.str()});
    EXPECT_EQ(folder_given.status, 1);
    EXPECT_EQ(folder_given.err, "Unable to open " + folder.str() + "\n");
}

TEST_F(CliTest, OutputFileIsWrittenAsTheReportWindowWritesIt) {
    const std::string file = folder.file("out.txt");
    const Outcome r = run_cli_process({"report", "--units", "inches", "-o", file, project});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    const std::string written = bytes_of(file);
    const Outcome printed = run_cli_process({"report", "--units", "inches", project});
    EXPECT_EQ(without_stamp(split(from_file_encoding(written), "\r\n")), without_stamp(split(printed.out, "\n")));
    EXPECT_EQ(written.substr(written.size() - 2), "\r\n");
    // Every line end is CR LF; no bare LF.
    std::size_t bare = 0;
    for (std::size_t i = 0; i < written.size(); ++i)
        if (written[i] == '\n' && (i == 0 || written[i - 1] != '\r')) ++bare;
    EXPECT_EQ(bare, 0u);
    // Byte for byte as the window writes it, the notes' letters in the file encoding.
    Choices c;
    c.units = "inches";
    EXPECT_EQ(without_stamp(split(written, "\r\n")), without_stamp(split(window_report(c, folder.str(), "sub"), "\r\n")));

    const Outcome long_form = run_cli_process({"report", "--output=" + file, "--no-driver", project});
    EXPECT_EQ(long_form.status, 0);
    EXPECT_EQ(bytes_of(file).find("Driver details"), std::string::npos);

    const std::string unwritable = folder.file("no/such/folder/report.txt");
    const Outcome failed = run_cli_process({"report", "-o", unwritable});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "There was a problem creating the report: " + unwritable + "\n");
    EXPECT_FALSE(fs::exists(unwritable));
}

// ---- tune --------------------------------------------------------------------------

TEST(CliTune, StartupDesign) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {{"tune", "29.4384"}, 0, " 823\n", ""},
        {{"tune", "29.4"}, 0, " 826\n", ""},
        {{"tune", "29.4", "--units", "metric-cm"}, 0, "82.6\n", ""},
        {{"tune", "29.4", "--units", "inches"}, 0, "2' 8 1/2\n", ""},
        {{"tune", "29.4", "--units", "decimalinches"}, 0, " 32.52\n", ""},
        {{"tune", "29.4", "--flange", "noflange"}, 0, " 839\n", ""},  // 839.6: 840 would show 29.3
        {{"tune", "29.4", "--flange", "twoflange"}, 0, " 812\n", ""},  // 812.6
        {{"tune", " 29.4 "}, 0, " 826\n", ""},
        {{"tune", "53"}, 0, " 168\n", "Rounded to a whole millimetre, this length tunes the box to 52.9 hz.\n"},
        {{"tune", "10"}, 1, "",
         "The box is too small for this port at 10 hz: no port length gives that tuning. "
         "A smaller port diameter or fewer ports will help.\n"},
        {{"tune", "0"}, 1, "", "The tuning frequency must be above 0 hz.\n"},
        {{"tune", "-30"}, 1, "", "The tuning frequency must be above 0 hz.\n"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const auto& a : c.args) shown += "[" + a + "]";
        SCOPED_TRACE(shown);
        const Outcome r = run_cli_process(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(CliTest, TuneUsesTheProjectAndTheBracingOptions) {
    const Outcome own = run_cli_process({"tune", "30", project});
    ASSERT_EQ(own.status, 0) << own.err;
    const Outcome braced = run_cli_process({"tune", "30", "--edge-bracing", "5", project});
    ASSERT_EQ(braced.status, 0) << braced.err;
    // Less working volume needs a longer port for the same tuning.
    EXPECT_GT(numeric_value(braced.out), numeric_value(own.out));

    ProjectData none = sample_project();
    none.ports_text = "0";
    ASSERT_TRUE(write_project(folder.file("none.ecv"), none));
    const Outcome refused = run_cli_process({"tune", "30", folder.file("none.ecv")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "There are no ports to tune. Set the number of ports first.\n");
}

}  // namespace
}  // namespace enclavio
