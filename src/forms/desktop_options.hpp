// The desktop program's command line: an optional project to open, and the
// GNU --help and --version. Qt's own options (-platform, -style ...) are
// taken out by the toolkit before the rest is read here.
#pragma once

#include <string>
#include <vector>

namespace enclavio {

struct DesktopCommand {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    std::string project;  // the FILE.ecv to open; empty for none
    std::string error;    // what was wrong, for UsageError
};

// The arguments after the program's name. "--help" (or "-h") and "--version"
// win wherever they stand before "--"; any other argument beginning with "-"
// (but "-" itself) is a mistake unless `others_allowed`, which lets the first
// reading pass what the toolkit has yet to take out.
DesktopCommand parse_desktop_arguments(const std::vector<std::string>& args, bool others_allowed = false);

std::string desktop_help();
std::string desktop_version();
// The two lines a mistake on the command line prints on standard error.
std::string desktop_usage_error(const std::string& error);

}  // namespace enclavio
