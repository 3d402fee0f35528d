// enclavio-cli: Enclavio's report, port tuning and imperial measurements from
// the command line.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "forms/cli.hpp"

namespace {

// The desktop program's data folder: $XDG_DATA_HOME/Enclavio, by default
// ~/.local/share/Enclavio.
std::string appdata_folder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/')
        return std::string(data) + "/Enclavio";
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return std::string(home) + "/.local/share/Enclavio";
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = enclavio::run_cli(args, std::cout, std::cerr, appdata_folder());
    std::cout.flush();
    if (!std::cout) return status == 0 ? 1 : status;  // the output could not be written
    return status;
}
