// enclavio-cli: Enclavio's report, port tuning and imperial measurements from
// the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"
#include "storage/data_folder.hpp"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = enclavio::run_cli(args, std::cout, std::cerr, enclavio::data_folder_from_environment());
    std::cout.flush();
    if (!std::cout) return status == 0 ? 1 : status;  // the output could not be written
    return status;
}
