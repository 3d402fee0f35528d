#include "forms/desktop_options.hpp"

#include "design/design.hpp"
#include "storage/report.hpp"

namespace enclavio {

DesktopCommand parse_desktop_arguments(const std::vector<std::string>& args, bool others_allowed) {
    DesktopCommand command;
    std::vector<std::string> files;
    bool options_ended = false;
    for (const std::string& arg : args) {
        if (!options_ended && arg == "--") {
            options_ended = true;
        } else if (!options_ended && (arg == "--help" || arg == "-h")) {
            command.action = DesktopCommand::Action::Help;
            return command;
        } else if (!options_ended && arg == "--version") {
            command.action = DesktopCommand::Action::Version;
            return command;
        } else if (!options_ended && arg.size() > 1 && arg[0] == '-') {
            if (!others_allowed && command.error.empty()) command.error = "unrecognized option '" + arg + "'";
        } else {
            files.push_back(arg);
        }
    }
    if (command.error.empty() && files.size() > 1) command.error = "only one project can be opened at a time";
    if (!command.error.empty()) {
        command.action = DesktopCommand::Action::UsageError;
        return command;
    }
    if (!files.empty()) command.project = files.front();
    return command;
}

std::string desktop_help() {
    return std::string(
               "Usage: enclavio [OPTION]... [FILE.ecv]\n"
               "Enclavio ") +
           kVersion +
           ": loudspeaker box volume, port tuning and cutting-list calculator.\n"
           "\n"
           "Opens the project FILE.ecv at start-up, as the Open window would, when one\n"
           "is named; otherwise starts with the usual design.\n"
           "\n"
           "  -h, --help     display this help and exit\n"
           "      --version  output version information and exit\n"
           "      --         end the options, for a FILE that begins with \"-\"\n"
           "\n"
           "The standard options of Qt programs, such as -platform NAME or -style NAME,\n"
           "are accepted as well.\n"
           "\n" +
           help_contact_lines();
}

std::string desktop_version() {
    return std::string("enclavio (Enclavio) ") + kVersion +
           "\n"
           "Copyright (C) 2026 The Enclavio developers.\n"
           "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n" +
           kNoWarrantyLines;
}

std::string desktop_usage_error(const std::string& error) {
    return "enclavio: " + error + "\nTry 'enclavio --help' for more information.\n";
}

}  // namespace enclavio
