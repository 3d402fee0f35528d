// enclavio-cli: the report, the port length for a tuning and the imperial
// parser and formatter from the command line. It drives the same window
// models as the desktop program, without a window, so every answer is the
// one the program would give.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.hpp"

namespace enclavio {

// Exit statuses.
inline constexpr int kCliOk = 0;
inline constexpr int kCliFailed = 1;  // no answer: unreadable project, no length, refused text
inline constexpr int kCliUsage = 2;   // bad command line

// Runs one command. `args` are the arguments after the program's name;
// `appdata` is the program's data folder (its settings file is not read: the
// command line starts from the program's defaults). Results go to `out`,
// messages to `err`; the return value is the exit status.
int run_cli(std::vector<std::string> args, std::ostream& out, std::ostream& err, const std::string& appdata);
// As above; PROJECT "-" is read from `in`. Runtime errors on `err` begin with
// "enclavio-cli: " and give the reason.
int run_cli(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err,
            const std::string& appdata);

}  // namespace enclavio
