// The command line of enclavio-cli: the options of report and tune, how they
// are read, and the usage and help texts.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis.hpp"
#include "response/curves.hpp"
#include "response/driver.hpp"
#include "sheets/board.hpp"
#include "units/units.hpp"

namespace enclavio {

// What `report`, `tune`, `response` and `fit` take after the command word.
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

// The commands that take options, for the options that belong to some only.
enum class Command { Report, Tune, Response, Fit };

struct UsageError {
    std::string reason;
};

// A decimal number, blanks around it allowed, as the fields read it: a sign,
// digits with or without a point, an exponent. Refused is whatever the fields
// would read as another number than the one written: 0x10, 0x1p4, inf, nan,
// 1,5 or &H10, and a number too large for a double (read as 0).
std::optional<double> number_of(const std::string& text);

// Options in any order, at most one PROJECT; "--" ends the options. An
// option that belongs to other commands than `command` is refused. Throws
// UsageError.
DesignOptions parse_design_options(const std::vector<std::string>& args, std::size_t from, Command command);

// What `sheets` takes after the command word.
struct SheetOptions {
    std::optional<UnitMode> units;
    sheets::Board board;
    int boxes = 1;
    bool allowance = false;
    bool tsv = false;
    std::optional<std::string> svg_prefix;
    std::optional<std::string> project;
    bool help = false;
};

// Options in any order, at most one PROJECT; "--" ends the options. A board
// the layout cannot use (a kerf over 50 mm, a trim that leaves nothing) is a
// usage error. Throws UsageError.
SheetOptions parse_sheet_options(const std::vector<std::string>& args, std::size_t from);

// The short usage (shown after a command-line error) and the full help.
std::string cli_usage();
std::string cli_help();
// --version: the version, the copyright and the licence.
std::string cli_version();

}  // namespace enclavio
