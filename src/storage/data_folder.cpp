// The program's folder, shared by the desktop program and enclavio-cli, worked
// out from the environment's bytes as they are.
#include "storage/data_folder.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "storage/files.hpp"

namespace enclavio {

std::string data_folder(std::string_view xdg_data_home, std::string_view home) {
    // A relative XDG_DATA_HOME is ignored, as the XDG base directory rules say.
    if (xdg_data_home.starts_with('/')) return join_path(xdg_data_home, "Enclavio");
    if (home.empty()) return {};
    return join_path(join_path(home, ".local/share"), "Enclavio");
}

std::string home_folder_from_environment() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && *found->pw_dir != '\0')
        return found->pw_dir;
    return "/";
}

std::string data_folder_from_environment() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    return data_folder(xdg != nullptr ? xdg : "", home_folder_from_environment());
}

}  // namespace enclavio
