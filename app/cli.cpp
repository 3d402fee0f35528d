// enclavio-cli: Enclavio's report, port tuning and imperial measurements from
// the command line.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"
#include "storage/data_folder.hpp"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    errno = 0;
    const int status =
        enclavio::run_cli(args, std::cin, std::cout, std::cerr, enclavio::data_folder_from_environment());
    std::cout.flush();
    if (!std::cout) {
        // The answer did not reach the standard output (a full disk, a closed
        // pipe): say so rather than end as if it had.
        const int reason = errno;
        std::cerr << "enclavio-cli: write error on standard output" << (reason != 0 ? ": " : "")
                  << (reason != 0 ? std::strerror(reason) : "") << '\n';
        return status == 0 ? 1 : status;
    }
    return status;
}
