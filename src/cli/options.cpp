#include "cli/options.hpp"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "design/design.hpp"

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
};

void set_option(DesignOptions& o, Opt id, const std::string& name, const std::string& value) {
    auto bad = [&](std::string_view expected) {
        throw UsageError{"bad value for " + name + ": \"" + value + "\" (" + std::string(expected) + ")"};
    };
    switch (id) {
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

DesignOptions parse_design_options(const std::vector<std::string>& args, std::size_t from, bool report) {
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
        if (info->id == Opt::Output && !report) throw UsageError{name + " is an option of report only"};
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

std::string cli_usage() {
    return "Usage: enclavio-cli report [options] [PROJECT]\n"
           "       enclavio-cli tune HZ [options] [PROJECT]\n"
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
           "  --                   Ends the options, for a PROJECT, HZ, TEXT or MM that\n"
           "                       begins with \"-\".\n"
           "                         enclavio-cli report -- -old-sub.ecv\n"
           "  -h, --help           Show this help.\n"
           "  --version            Show the version.\n"
           "\n"
           "Exit status: 0 done; 1 no answer (a project that cannot be read, no port length\n"
           "for that tuning, a text the parser refuses, a report that cannot be written);\n"
           "2 a mistake on the command line.\n";
}

}  // namespace enclavio
