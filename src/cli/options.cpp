#include "cli/options.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

#include "design/design.hpp"
#include "sheets/pieces.hpp"
#include "storage/report.hpp"

namespace enclavio {

namespace {

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

}  // namespace

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

namespace {

// Walks the arguments as every command reads them: a word that is not an
// option (and every word after "--") is the project, "--help" or "-h" asks
// for help, and an option is "--name=value", "--name value" or a bare name.
// `on_option(arg, name, value, next)` handles each option; `next()` takes the
// following argument as its value.
void walk_arguments(
    const std::vector<std::string>& args, std::size_t from, std::optional<std::string>& project, bool& help,
    const std::function<void(const std::string& arg, const std::string& name, std::optional<std::string>& value,
                             const std::function<std::string()>& next)>& on_option) {
    bool options_done = false;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options_done || arg.size() < 2 || arg[0] != '-') {
            if (project) throw UsageError{"more than one project given: \"" + arg + "\""};
            project = arg;
            continue;
        }
        if (arg == "--") {
            options_done = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            help = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        const auto next = [&] {
            if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
            return args[++i];
        };
        on_option(arg, name, value, next);
    }
}

}  // namespace

DesignOptions parse_design_options(const std::vector<std::string>& args, std::size_t from, Command command) {
    DesignOptions o;
    walk_arguments(
        args, from, o.project, o.help,
        [&](const std::string& arg, const std::string& name, std::optional<std::string>& value, const auto& next) {
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
                return;
            }
            if (!value) value = next();
            set_option(o, info->id, name, *value);
        });
    return o;
}

SheetOptions parse_sheet_options(const std::vector<std::string>& args, std::size_t from) {
    SheetOptions o;
    walk_arguments(
        args, from, o.project, o.help,
        [&](const std::string& arg, const std::string& name, std::optional<std::string>& value, const auto& next) {
            const auto flag = [&](bool& to) {
                if (value) throw UsageError{name + " takes no value"};
                to = true;
            };
            if (name == "--no-turn") {
                bool off = false;
                flag(off);
                o.board.turning = false;
                return;
            }
            if (name == "--allowance") return flag(o.allowance);
            if (name == "--tsv") return flag(o.tsv);
            static constexpr std::string_view kValued[] = {"--units", "--sheet", "--kerf",
                                                           "--trim",  "--boxes", "--svg"};
            if (std::find(std::begin(kValued), std::end(kValued), name) == std::end(kValued))
                throw UsageError{"unknown option: " + arg};
            if (!value) value = next();
            const auto bad = [&](std::string_view expected) {
                throw UsageError{"bad value for " + name + ": \"" + *value + "\" (" + std::string(expected) + ")"};
            };
            if (name == "--units") {
                o.units = unit_mode_from_literal(*value);
                if (!o.units) bad("metric, metric-cm, inches or decimalinches");
            } else if (name == "--sheet") {
                const auto size = sheets::parse_board_size(*value);
                if (!size) bad("ACROSSxALONG in millimetres, for example 2440x1220");
                o.board.across = size->across;
                o.board.along = size->along;
            } else if (name == "--kerf" || name == "--trim") {
                const auto mm = sheets::parse_millimetres(*value);
                if (!mm) bad("millimetres, for example " + std::string(name == "--kerf" ? "3.2" : "5"));
                (name == "--kerf" ? o.board.kerf : o.board.trim) = *mm;
            } else if (name == "--boxes") {
                int n = 0;
                const auto [end, ec] = std::from_chars(value->data(), value->data() + value->size(), n);
                if (ec != std::errc() || end != value->data() + value->size() || n < 1 || n > sheets::kMaxBoxes)
                    bad("a whole number from 1 to " + std::to_string(sheets::kMaxBoxes));
                o.boxes = n;
            } else {
                if (value->empty()) bad("a file name");
                o.svg_prefix = *value;
            }
        });
    if (const auto problem = sheets::board_problem(o.board)) throw UsageError{*problem};
    return o;
}

std::string cli_usage() {
    return "Usage: enclavio-cli report [options] [PROJECT]\n"
           "       enclavio-cli tune HZ [options] [PROJECT]\n"
           "       enclavio-cli response DRIVER [--from HZ] [--to HZ] [options] [PROJECT]\n"
           "       enclavio-cli fit DRIVER [--f3 HZ] [options] [PROJECT]\n"
           "       enclavio-cli sheets [options] [PROJECT]\n"
           "       enclavio-cli parse TEXT\n"
           "       enclavio-cli format MM\n"
           "       enclavio-cli --help | --version\n";
}

std::string cli_version() {
    return std::string("enclavio-cli ") + kVersion + "\n" + kCopyright +
           "\n"
           "License " +
           kLicence + ": GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n" + kNoWarrantyLines;
}

std::string cli_help() {
    return std::string("enclavio-cli ") + kVersion +
           ": Enclavio's report, port tuning, sheet layout, driver response\n"
           "and imperial measurements from the command line.\n"
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
           "                         enclavio-cli response --fs 28 --qes 0.42 --qms 6\n"
           "                             --vas 60 --re 3.6 --sd 340\n"
           "  fit                  Print the tuning with the lowest F3 for the box's\n"
           "                       working volume that stays within 0.5 dB (with --f3,\n"
           "                       the smallest working volume reaching that F3, and its\n"
           "                       tuning), and the depth and port length that give them,\n"
           "                       one tab-separated name and value a line.\n"
           "                         enclavio-cli fit --f3 25 sub.ecv\n"
           "  sheets               Print the layout of the cutting list's panels on the\n"
           "                       fewest sheets, with the cut sequence, in the words of\n"
           "                       the Sheet Layout window.\n"
           "                         enclavio-cli sheets --boxes 2 sub.ecv\n"
           "  parse TEXT           Print the millimetres of a feet-inches-fraction or\n"
           "                       decimal-inch text.\n"
           "                         enclavio-cli parse \"1' 3 15/16\"      (404.8125)\n"
           "  format MM            Print millimetres as feet, inches and sixteenths, then\n"
           "                       as decimal inches.\n"
           "                         enclavio-cli format 400          (1' 3 3/4 and  15.75)\n"
           "\n"
           "Options of report, tune, response and fit:\n"
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
           "Options of sheets (--units as above):\n"
           "  --sheet AxB          Board size in millimetres, across x along (default\n"
           "                       2440x1220).\n"
           "                         enclavio-cli sheets --sheet 2438.4x1219.2\n"
           "  --kerf MM            Width of the saw cut, 0 to 50 mm (default 3.2).\n"
           "                         enclavio-cli sheets --kerf 2.4\n"
           "  --trim MM            Taken off every edge of the sheet first (default 0).\n"
           "                         enclavio-cli sheets --trim 5\n"
           "  --boxes N            Boxes to cut, 1 to 8 (default 1; a pair is 2).\n"
           "                         enclavio-cli sheets --boxes 2\n"
           "  --no-turn            Keep each panel's first dimension across the sheet (for\n"
           "                       grained boards).\n"
           "                         enclavio-cli sheets --no-turn\n"
           "  --allowance          Panels with trimming allowance, not exact.\n"
           "                         enclavio-cli sheets --allowance\n"
           "  --tsv                Print tab-separated values instead: a header line, one\n"
           "                       line per piece (millimetres from the sheet's corner),\n"
           "                       then \"# sheets N proven\" or \"# sheets N best-found\".\n"
           "                         enclavio-cli sheets --tsv > pieces.tsv\n"
           "  --svg PREFIX         Also write one drawing per sheet, PREFIX-1.svg, ...\n"
           "                         enclavio-cli sheets --svg sub\n"
           "\n"
           "Sections of the report (all included by default; notes only when the project\n"
           "has notes, trimming hints only with --allowance):\n"
           "  --no-notes           Leave out the notes.\n"
           "                         enclavio-cli report --no-notes\n"
           "  --no-cutting-list    Leave out the cutting list.\n"
           "                         enclavio-cli report --no-cutting-list\n"
           "  --no-hints           Leave out the trimming hints.\n"
           "                         enclavio-cli report --allowance --no-hints\n"
           "  --no-resonances      Leave out the resonances.\n"
           "                         enclavio-cli report --no-resonances\n"
           "  --no-ports           Leave out the port details.\n"
           "                         enclavio-cli report --no-ports\n"
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
           "for that tuning, a text the parser refuses, a report or drawing that cannot be\n"
           "written, a panel larger than the board, no fit);\n"
           "2 a mistake on the command line.\n"
           "\n" +
           help_contact_lines();
}

}  // namespace enclavio
