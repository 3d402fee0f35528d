#include "forms/cli.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include "forms/bracing_form.hpp"
#include "forms/cutting_form.hpp"
#include "forms/main_form.hpp"
#include "forms/project_io.hpp"
#include "forms/report_form.hpp"
#include "forms/response_form.hpp"
#include "forms/tune_form.hpp"
#include "forms/view.hpp"
#include "storage/storage.hpp"

namespace enclavio {

namespace {

// ---- The command line -----------------------------------------------------------

enum class Opt {
    Units,
    Flange,
    Numbers,
    Allowance,
    ShelfBraces,
    EdgeBracing,
    ShelfBracing,
    NoNotes,
    NoCuttingList,
    NoHints,
    NoResonances,
    NoPorts,
    NoDriver,
    Output,
    // The driver, for response and fit.
    Fs,
    Qes,
    Qms,
    Vas,
    Re,
    Sd,
    Xmax,
    Power,
    QL,
    Wiring,
    // The span of response; the target of fit.
    From,
    To,
    Points,
    F3,
};

struct OptionInfo {
    std::string_view name;
    std::string_view short_name;
    bool takes_value;
    Opt id;
};

constexpr OptionInfo kOptions[] = {
    {"--units", "", true, Opt::Units},
    {"--flange", "", true, Opt::Flange},
    {"--numbers", "", false, Opt::Numbers},
    {"--allowance", "", false, Opt::Allowance},
    {"--shelf-braces", "", true, Opt::ShelfBraces},
    {"--edge-bracing", "", true, Opt::EdgeBracing},
    {"--shelf-bracing", "", true, Opt::ShelfBracing},
    {"--no-notes", "", false, Opt::NoNotes},
    {"--no-cutting-list", "", false, Opt::NoCuttingList},
    {"--no-hints", "", false, Opt::NoHints},
    {"--no-resonances", "", false, Opt::NoResonances},
    {"--no-ports", "", false, Opt::NoPorts},
    {"--no-driver", "", false, Opt::NoDriver},
    {"--output", "-o", true, Opt::Output},
    {"--fs", "", true, Opt::Fs},
    {"--qes", "", true, Opt::Qes},
    {"--qms", "", true, Opt::Qms},
    {"--vas", "", true, Opt::Vas},
    {"--re", "", true, Opt::Re},
    {"--sd", "", true, Opt::Sd},
    {"--xmax", "", true, Opt::Xmax},
    {"--power", "", true, Opt::Power},
    {"--ql", "", true, Opt::QL},
    {"--wiring", "", true, Opt::Wiring},
    {"--from", "", true, Opt::From},
    {"--to", "", true, Opt::To},
    {"--points", "", true, Opt::Points},
    {"--f3", "", true, Opt::F3},
};

// The commands that take options, for the options that belong to some only.
enum class Command { Report, Tune, Response, Fit };

// The driver parameter an option sets.
std::optional<DriverParameter> driver_option(Opt id) {
    switch (id) {
        case Opt::Fs: return DriverParameter::Fs;
        case Opt::Qes: return DriverParameter::Qes;
        case Opt::Qms: return DriverParameter::Qms;
        case Opt::Vas: return DriverParameter::Vas;
        case Opt::Re: return DriverParameter::Re;
        case Opt::Sd: return DriverParameter::Sd;
        case Opt::Xmax: return DriverParameter::Xmax;
        case Opt::Power: return DriverParameter::Power;
        case Opt::QL: return DriverParameter::QL;
        default: return std::nullopt;
    }
}

// Why an option cannot be given to a command; empty when it can.
std::string option_misplaced(Opt id, Command command, const std::string& name) {
    const bool driver = driver_option(id) || id == Opt::Wiring;
    if (id == Opt::Output && command != Command::Report) return name + " is an option of report only";
    if (driver && command != Command::Response && command != Command::Fit)
        return name + " is an option of response and fit only";
    if ((id == Opt::From || id == Opt::To || id == Opt::Points) && command != Command::Response)
        return name + " is an option of response only";
    if (id == Opt::F3 && command != Command::Fit) return name + " is an option of fit only";
    return {};
}

// What `report` and `tune` take after the command word.
struct DesignOptions {
    std::optional<UnitMode> units;
    std::optional<Flange> flange;
    bool numbers = false;
    bool allowance = false;
    std::optional<std::string> shelf_braces, edge_bracing, shelf_bracing;
    bool no_notes = false, no_cutting_list = false, no_hints = false;
    bool no_resonances = false, no_ports = false, no_driver = false;
    std::optional<std::string> output;
    std::optional<std::string> project;
    bool help = false;
    // response and fit: the driver's parameters given (stored units), the
    // span and the target.
    std::map<DriverParameter, double> driver;
    std::optional<Wiring> wiring;
    FrequencySpan span;
    std::optional<double> f3;
};

struct UsageError {
    std::string reason;
};

// A decimal number, blanks around it allowed, as the fields read it: a sign,
// digits with or without a point, an exponent. Refused is whatever the fields
// would read as another number than the one written: 0x10, 0x1p4, inf, nan,
// 1,5 or &H10, and a number too large for a double (read as 0).
std::optional<double> number_of(const std::string& text) {
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    const auto is_digit = [&](std::size_t i) { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    std::size_t i = 0, digits = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    for (; is_digit(i); ++i) ++digits;
    if (i < t.size() && t[i] == '.') {
        for (++i; is_digit(i); ++i) ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (!is_digit(i)) return std::nullopt;
        while (is_digit(i)) ++i;
    }
    if (i != t.size()) return std::nullopt;
    const std::string_view unsigned_text = t.front() == '+' ? t.substr(1) : t;
    double value = 0;
    const auto [end, ec] = std::from_chars(unsigned_text.data(), unsigned_text.data() + unsigned_text.size(), value);
    if (ec != std::errc() || end != unsigned_text.data() + unsigned_text.size() || !std::isfinite(value))
        return std::nullopt;
    return numeric_value(t);
}

void set_option(DesignOptions& o, Opt id, const std::string& name, const std::string& value) {
    auto bad = [&](std::string_view expected) {
        throw UsageError{"bad value for " + name + ": \"" + value + "\" (" + std::string(expected) + ")"};
    };
    if (const auto parameter = driver_option(id)) {
        // Read as the metric entries of the response window read them.
        const ParameterEntry entry = read_parameter(*parameter, UnitMode::Metric, value);
        if (!entry.error.empty() || !number_of(value)) bad(entry.error.empty() ? "a number" : entry.error);
        o.driver[*parameter] = entry.value;
        return;
    }
    const auto above_zero = [&](std::string_view expected) {
        const auto v = number_of(value);
        if (!v || !(*v > 0)) bad(expected);
        return *v;
    };
    switch (id) {
        case Opt::Wiring:
            o.wiring = wiring_from_word(value);
            if (!o.wiring) bad("parallel or series");
            break;
        case Opt::From: o.span.from = above_zero("hz above 0"); break;
        case Opt::To: o.span.to = above_zero("hz above 0"); break;
        case Opt::F3: o.f3 = above_zero("hz above 0"); break;
        case Opt::Points: {
            const auto v = number_of(value);
            if (!v || *v != std::floor(*v) || *v < 1 || *v > kMaxSpanPoints) bad("a whole number from 1 to 100000");
            o.span.points = static_cast<int>(*v);
            break;
        }
        case Opt::Units:
            o.units = unit_mode_from_literal(value);
            if (!o.units) bad("metric, metric-cm, inches or decimalinches");
            break;
        case Opt::Flange:
            o.flange = flange_from_word(value);
            if (!o.flange) bad("noflange, oneflange or twoflange");
            break;
        case Opt::ShelfBraces:
            if (!number_of(value)) bad("a number");
            o.shelf_braces = value;
            break;
        case Opt::EdgeBracing:
            if (!number_of(value)) bad("litres");
            o.edge_bracing = value;
            break;
        case Opt::ShelfBracing:
            if (!number_of(value)) bad("litres");
            o.shelf_bracing = value;
            break;
        case Opt::Output:
            if (value.empty()) bad("a file name");
            o.output = value;
            break;
        case Opt::Numbers: o.numbers = true; break;
        case Opt::Allowance: o.allowance = true; break;
        case Opt::NoNotes: o.no_notes = true; break;
        case Opt::NoCuttingList: o.no_cutting_list = true; break;
        case Opt::NoHints: o.no_hints = true; break;
        case Opt::NoResonances: o.no_resonances = true; break;
        case Opt::NoPorts: o.no_ports = true; break;
        case Opt::NoDriver: o.no_driver = true; break;
        default: break;
    }
}

// Options in any order, at most one PROJECT; "--" ends the options.
DesignOptions parse_design_options(const std::vector<std::string>& args, std::size_t from, Command command) {
    DesignOptions o;
    bool options_done = false;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options_done || arg.size() < 2 || arg[0] != '-') {
            if (o.project) throw UsageError{"more than one project given: \"" + arg + "\""};
            o.project = arg;
            continue;
        }
        if (arg == "--") {
            options_done = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        // --name=value or --name value
        std::string name = arg;
        std::optional<std::string> value;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        const OptionInfo* info = nullptr;
        for (const OptionInfo& candidate : kOptions) {
            if (name == candidate.name || (!candidate.short_name.empty() && name == candidate.short_name))
                info = &candidate;
        }
        if (info == nullptr) throw UsageError{"unknown option: " + arg};
        if (const std::string why = option_misplaced(info->id, command, name); !why.empty()) throw UsageError{why};
        if (!info->takes_value) {
            if (value) throw UsageError{name + " takes no value"};
            set_option(o, info->id, name, {});
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
            value = args[++i];
        }
        set_option(o, info->id, name, *value);
    }
    return o;
}

// ---- The program's windows, without windows -----------------------------------

// Shows no window: showing one runs what the user would do in it.
class CliView : public NullView {
public:
    std::map<Window, std::function<void()>> in_window;
    std::vector<std::string> messages;

    void show_message(std::string_view text) override { messages.emplace_back(text); }
    void show_modal(Window w) override {
        if (const auto it = in_window.find(w); it != in_window.end()) {
            const auto action = it->second;
            in_window.erase(it);
            action();
        }
    }
};

std::string current_folder() {
    std::error_code ec;
    const auto folder = std::filesystem::current_path(ec);
    return ec ? std::string() : folder.string();
}

// The design as the program would show it: start-up with no settings file
// (--units acting as the saved unit mode), the project opened as the Open
// window opens it, then the options as the windows would apply them.
// False when the project cannot be read.
bool build_design(MainForm& main, CliView& view, const DesignOptions& o, std::ostream& err) {
    LoadedSettings settings;
    if (o.units) settings.units = std::string(unit_mode_literal(*o.units));
    main.preset_settings = settings;
    main.startup();

    if (o.project) {
        const std::string path = *o.project;
        bool read = false;
        view.in_window[Window::Form5] = [&] {
            const auto data = read_project(path);
            if (!data) return;
            std::error_code ec;
            const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
            ProjectPath where;
            where.filename = std::filesystem::path(path).filename().string();
            where.path = ec ? path : absolute.string();
            load_project(main, *data, where);
            read = true;
        };
        main.mnu_open_Click();
        if (!read) {
            err << "Unable to open " << path << '\n';
            return false;
        }
    }

    if (o.flange) main.run_flange(*o.flange);
    if (o.numbers && !main.s.main.graph.shownums) main.mnu_shownums_Click();
    if (o.allowance) {
        view.in_window[Window::Form3] = [&] {
            CuttingForm cutting(main, view);
            cutting.Option2_Click();
            cutting.Command2_Click();
        };
        main.mnu_panels_Click();
    }
    if (o.shelf_braces || o.edge_bracing || o.shelf_bracing) {
        view.in_window[Window::Form7] = [&] {
            BracingForm bracing(main.s);
            if (o.shelf_braces) bracing.Text1_Change(*o.shelf_braces);
            if (o.edge_bracing) {
                bracing.Option2_Click();
                bracing.Text2_Change(*o.edge_bracing);
            }
            if (o.shelf_bracing) {
                bracing.option4_Click();
                bracing.Text3_Change(*o.shelf_bracing);
            }
        };
        main.mnu_bracing_Click();  // analyses when the window closes
    }
    main.res_wall2wall();
    return true;
}

// ---- Commands ------------------------------------------------------------------

int usage_error(std::ostream& err, const std::string& reason) {
    err << "enclavio-cli: " << reason << '\n' << cli_usage();
    return kCliUsage;
}

int report_command(const DesignOptions& o, std::ostream& out, std::ostream& err, const std::string& appdata) {
    CliView view;
    MainForm main(view, appdata, current_folder());
    if (!build_design(main, view, o, err)) return kCliFailed;

    int status = kCliOk;
    // The report window: the user clears check boxes, then generates.
    view.in_window[Window::frmReport] = [&] {
        Session& s = main.s;
        if (o.no_notes) s.report.check6 = false;
        if (o.no_cutting_list) s.report.check3 = false;
        if (o.no_hints) s.report.check1 = false;
        if (o.no_resonances) s.report.check2 = false;
        if (o.no_ports) s.report.check4 = false;
        if (o.no_driver) s.report.check5 = false;
        // As "&Generate Report" does: the cutting list is brought up to date
        // first, whether or not it goes into the report.
        do_panels(s.design, s.mode, s.cutting.show_exact, s.cutting.list);
        const ReportInput in = report_input(s, std::time(nullptr));
        if (o.output) {
            // The bytes the report window writes to report.txt: CR LF, the
            // file encoding. "-" and /dev/stdout are the standard output,
            // /dev/stderr the standard error, as they stand.
            const std::string& file = *o.output;
            if (file == "-" || file == "/dev/stdout") {
                out << report_file_bytes(in);
            } else if (file == "/dev/stderr") {
                err << report_file_bytes(in);
            } else if (const WriteResult written = write_report(file, in); !written) {
                err << kReportFailed << ": " << file << ": " << written.reason << '\n';
                status = kCliFailed;
            }
            return;
        }
        out << compose_report(in, "\n");
    };
    main.mnu_report_Click();
    out.flush();
    return status;
}

int tune_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::string& appdata) {
    // "tune -- HZ ..." takes everything after "--" as HZ and PROJECT.
    const bool options_ended = args.size() >= 2 && args[1] == "--";
    const std::size_t hz_at = options_ended ? 2 : 1;
    if (args.size() <= hz_at) return usage_error(err, "tune needs the tuning frequency in hz");
    const std::string& hz_text = args[hz_at];
    if (!options_ended && (hz_text == "--help" || hz_text == "-h")) {
        out << cli_help();
        return kCliOk;
    }
    std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(hz_at) + 1, args.end());
    if (options_ended) rest.insert(rest.begin(), "--");
    const DesignOptions o = parse_design_options(rest, 0, Command::Tune);
    if (o.help) {
        out << cli_help();
        return kCliOk;
    }
    const auto hz = number_of(hz_text);
    if (!hz) return usage_error(err, "bad tuning frequency: \"" + hz_text + "\" (hz, for example 32.5)");

    CliView view;
    MainForm main(view, appdata, current_folder());
    if (!build_design(main, view, o, err)) return kCliFailed;
    const TuneAnswer answer = tune_port(main.s, *hz);
    if (!answer.solved) {
        err << answer.message << '\n';
        return kCliFailed;
    }
    out << answer.text << '\n';
    if (!answer.note.empty()) err << answer.note << '\n';
    return kCliOk;
}

// The driver: the project's parameters, then those the command line gives;
// as many drivers as the design has.
DriverParameters driver_of(const MainForm& main, const DesignOptions& o) {
    DriverParameters p = driver_parameters_from(main.s.project_values);
    for (const auto& [parameter, value] : o.driver) p.*driver_parameter(parameter).member = value;
    if (o.wiring) p.wiring = *o.wiring;
    p.count = main.s.design.drivercount;
    return p;
}

// The design and the driver for response and fit; the exit status when
// there are none.
std::optional<int> driver_in_box(MainForm& main, CliView& view, const DesignOptions& o, DriverParameters& p,
                                 std::ostream& err) {
    if (!build_design(main, view, o, err)) return kCliFailed;
    p = driver_of(main, o);
    const std::vector<DriverParameter> missing = missing_parameters(p);
    if (missing.empty()) return std::nullopt;
    if (missing.size() == 1 && missing[0] == DriverParameter::Count) {
        err << "The design has no drivers.\n";
        return kCliFailed;
    }
    return usage_error(err, missing_text(missing));
}

int response_command(const DesignOptions& o, std::ostream& out, std::ostream& err, const std::string& appdata) {
    if (o.span.from > o.span.to) return usage_error(err, "--from must not be above --to");
    CliView view;
    MainForm main(view, appdata, current_folder());
    DriverParameters p;
    if (const auto status = driver_in_box(main, view, o, p, err)) return *status;
    const std::optional<ResponseModel> model = response_model(p, main.s.design);
    if (!model) {
        err << why_no_response(p, box_acoustics(main.s.design)) << '\n';
        return kCliFailed;
    }
    out << "hz\tspl_db\tgroup_delay_ms\texcursion_mm\tport_velocity_m_s\timpedance_ohm\n";
    for (const ResponsePoint& r : response_curves(*model, o.span)) {
        out << general_number_text(r.hz) << '\t' << general_number_text(r.spl_db) << '\t'
            << general_number_text(r.group_delay_ms) << '\t' << general_number_text(r.excursion_mm) << '\t'
            << general_number_text(r.port_velocity_m_s) << '\t' << general_number_text(r.impedance_ohm) << '\n';
    }
    const ResponseFigures f = response_figures(*model);
    const auto or_none = [](const std::optional<double>& v) { return v ? general_number_text(*v) : "none"; };
    out << "# f3 " << or_none(f.f3) << '\n';
    out << "# f10 " << or_none(f.f10) << '\n';
    out << "# peak_db " << or_none(f.peak ? std::optional<double>(f.peak->value) : std::nullopt) << '\n';
    return kCliOk;
}

int fit_command(const DesignOptions& o, std::ostream& out, std::ostream& err, const std::string& appdata) {
    CliView view;
    MainForm main(view, appdata, current_folder());
    DriverParameters p;
    if (const auto status = driver_in_box(main, view, o, p, err)) return *status;
    const AnalysisInputs in = analysis_inputs(main.s);
    const DesignFit f = o.f3 ? box_for_target(p, main.s.design, in, *o.f3) : tune_this_box(p, main.s.design, in);
    if (!f.fit.found || !f.box.solved) {
        err << (f.fit.found ? f.box.reason : f.fit.reason) << '\n';
        return kCliFailed;
    }
    out << "working_volume_litres\t" << general_number_text(f.fit.working_volume) << '\n'
        << "tuning_hz\t" << general_number_text(f.fit.tuning) << '\n'
        << "f3_hz\t" << general_number_text(f.fit.f3) << '\n'
        << "depth_mm\t" << general_number_text(f.box.depth) << '\n'
        << "port_length_mm\t" << general_number_text(f.box.port_length) << '\n';
    return kCliOk;
}

int parse_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return usage_error(err, args.size() < 2 ? "parse needs a text" : "parse takes one text (quote it)");
    const ImperialParse p = parse_imperial(args[1]);
    if (!p.error.empty()) {
        err << p.error << '\n';
        return kCliFailed;
    }
    out << p.mm_text << '\n';
    return kCliOk;
}

int format_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return usage_error(err, args.size() < 2 ? "format needs millimetres" : "format takes one number");
    const ImperialFormat f = format_imperial(args[1]);
    out << f.feet_inches << '\n' << f.decimal_inches << '\n';
    if (!f.error.empty()) {
        err << f.error << '\n';
        return kCliFailed;
    }
    return kCliOk;
}

}  // namespace

std::string cli_usage() {
    return "Usage: enclavio-cli report [options] [PROJECT]\n"
           "       enclavio-cli tune HZ [options] [PROJECT]\n"
           "       enclavio-cli response DRIVER [--from HZ] [--to HZ] [--points N] [options] [PROJECT]\n"
           "       enclavio-cli fit DRIVER [--f3 HZ] [options] [PROJECT]\n"
           "       enclavio-cli parse TEXT\n"
           "       enclavio-cli format MM\n"
           "       enclavio-cli --help | --version\n";
}

std::string cli_help() {
    return std::string("enclavio-cli ") + kVersion +
           ": Enclavio's report, port tuning and imperial measurements from the command line.\n"
           "\n" +
           cli_usage() +
           "\n"
           "The design is the one Enclavio shows when it starts without saved preferences,\n"
           "or PROJECT (an .ecv file) opened as the Open window opens it; the options then\n"
           "change it as the windows would.\n"
           "\n"
           "Commands:\n"
           "  report               Print the report that \"Generate Report\" writes.\n"
           "                         enclavio-cli report --units inches sub.ecv\n"
           "  tune HZ              Print the port length that tunes the box to HZ hertz, as\n"
           "                       the port length field would show it. When the field's\n"
           "                       units move the shown tuning off HZ, a note on standard\n"
           "                       error says what it will read.\n"
           "                         enclavio-cli tune 32 --flange twoflange sub.ecv\n"
           "  response             Print the driver's predicted response in the box, one\n"
           "                       line a frequency: hz, spl_db (at 1 m for the input\n"
           "                       power), group_delay_ms, excursion_mm (peak),\n"
           "                       port_velocity_m_s (peak) and impedance_ohm, separated by\n"
           "                       tabs, after one header line; then \"# f3 X\", \"# f10 Y\"\n"
           "                       (hz, or none) and \"# peak_db Z\" (dB above the level\n"
           "                       far above resonance, or none).\n"
           "                         enclavio-cli response --fs 28 --qes 0.42 --qms 6 --vas 60 --re 3.6 --sd 340\n"
           "  fit                  Print the tuning with the lowest F3 for the box's working\n"
           "                       volume that stays within 0.5 dB (with --f3, the smallest\n"
           "                       working volume reaching that F3, and its tuning), and the\n"
           "                       depth and port length that give them, one tab-separated\n"
           "                       name and value a line.\n"
           "                         enclavio-cli fit --f3 25 sub.ecv\n"
           "  parse TEXT           Print the millimetres of a feet-inches-fraction or\n"
           "                       decimal-inch text.\n"
           "                         enclavio-cli parse \"1' 3 15/16\"      (404.8125)\n"
           "  format MM            Print millimetres as feet, inches and sixteenths, then as\n"
           "                       decimal inches.\n"
           "                         enclavio-cli format 400             (1' 3 3/4 and  15.75)\n"
           "\n"
           "Options of report and tune:\n"
           "  --units MODE         Unit mode: metric (the default), metric-cm, inches or\n"
           "                       decimalinches.\n"
           "                         enclavio-cli report --units metric-cm\n"
           "  --flange WORD        Port ends flanged: noflange, oneflange or twoflange\n"
           "                       (default: the project's, else oneflange).\n"
           "                         enclavio-cli tune 30 --flange noflange\n"
           "  --numbers            Show the identifying numbers \"(1) \" to \"(9) \" of the\n"
           "                       resonances.\n"
           "                         enclavio-cli report --numbers\n"
           "  --allowance          Cutting list with trimming allowance; the trimming hints\n"
           "                       are then included.\n"
           "                         enclavio-cli report --allowance sub.ecv\n"
           "  --shelf-braces N     Number of shelf braces (default 1).\n"
           "                         enclavio-cli report --shelf-braces 2\n"
           "  --edge-bracing L     Edge bracing set to Manual, L litres.\n"
           "                         enclavio-cli report --edge-bracing 1.5\n"
           "  --shelf-bracing L    Shelf bracing set to Manual, L litres.\n"
           "                         enclavio-cli tune 28 --shelf-bracing 0.5\n"
           "  -o, --output FILE    (report) Write the report to FILE with CR LF line ends,\n"
           "                       as Enclavio writes report.txt, instead of printing it.\n"
           "                       FILE \"-\" is the standard output. A file you may not\n"
           "                       write to is not replaced.\n"
           "                         enclavio-cli report -o report.txt sub.ecv\n"
           "\n"
           "Sections of the report (all included by default; notes only when the project\n"
           "has notes, trimming hints only with --allowance):\n"
           "  --no-notes           Leave out the notes.         enclavio-cli report --no-notes\n"
           "  --no-cutting-list    Leave out the cutting list.  enclavio-cli report --no-cutting-list\n"
           "  --no-hints           Leave out the trimming hints.\n"
           "                         enclavio-cli report --allowance --no-hints\n"
           "  --no-resonances      Leave out the resonances.    enclavio-cli report --no-resonances\n"
           "  --no-ports           Leave out the port details.  enclavio-cli report --no-ports\n"
           "  --no-driver          Leave out the driver details.\n"
           "                         enclavio-cli report --no-driver\n"
           "\n"
           "DRIVER, the driver's parameters for response and fit (those the project holds\n"
           "are taken from it; the command line wins); as many drivers as the design has:\n"
           "  --fs HZ --qes Q --qms Q --vas LITRES --re OHM --sd CM2\n"
           "                       Needed, unless PROJECT holds them.\n"
           "  --xmax MM            Linear excursion, one way (for the power at 20 hz).\n"
           "  --power W            Input power of all drivers together (default 1).\n"
           "  --ql Q               Box losses (default 7).\n"
           "  --wiring WORD        parallel (the default) or series.\n"
           "  --from HZ --to HZ    (response) The span, default 10 to 500 hz.\n"
           "  --points N           (response) Frequencies, spaced evenly on a log scale,\n"
           "                       both ends included (default 200).\n"
           "  --f3 HZ              (fit) The F3 the box is to reach.\n"
           "\n"
           "  --                   Ends the options, for a PROJECT, HZ, TEXT or MM that\n"
           "                       begins with \"-\".\n"
           "                         enclavio-cli report -- -old-sub.ecv\n"
           "  -h, --help           Show this help.\n"
           "  --version            Show the version.\n"
           "\n"
           "Exit status: 0 done; 1 no answer (a project that cannot be read, no port length\n"
           "for that tuning, a text the parser refuses, a report that cannot be written, no\n"
           "fit);\n"
           "2 a mistake on the command line.\n";
}

int run_cli(std::vector<std::string> args, std::ostream& out, std::ostream& err, const std::string& appdata) {
    if (args.empty()) return usage_error(err, "no command given");
    const std::string& command = args[0];
    try {
        if (command == "--help" || command == "-h" || command == "help") {
            out << cli_help();
            return kCliOk;
        }
        if (command == "--version") {
            out << "enclavio-cli " << kVersion << '\n';
            return kCliOk;
        }
        // "--" ends the options here too: "format -- -12" formats "-12".
        if ((command == "parse" || command == "format") && args.size() >= 2 && args[1] == "--")
            args.erase(args.begin() + 1);
        if (command == "parse") return parse_command(args, out, err);
        if (command == "format") return format_command(args, out, err);
        if (command == "tune") return tune_command(args, out, err, appdata);
        if (command == "response" || command == "fit") {
            const DesignOptions o =
                parse_design_options(args, 1, command == "response" ? Command::Response : Command::Fit);
            if (o.help) {
                out << cli_help();
                return kCliOk;
            }
            return command == "response" ? response_command(o, out, err, appdata) : fit_command(o, out, err, appdata);
        }
        if (command == "report") {
            const DesignOptions o = parse_design_options(args, 1, Command::Report);
            if (o.help) {
                out << cli_help();
                return kCliOk;
            }
            return report_command(o, out, err, appdata);
        }
        if (!command.empty() && command[0] == '-') return usage_error(err, "unknown option: " + command);
        return usage_error(err, "unknown command: " + command);
    } catch (const UsageError& e) {
        return usage_error(err, e.reason);
    }
}

}  // namespace enclavio
