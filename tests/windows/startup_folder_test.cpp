// The desktop program started as a user starts it, with an environment of its
// own, and closed as a session closes it (SIGTERM): where it reads and writes
// its settings file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "../support/files.hpp"
#include "../support/temp_folder.hpp"
#include "storage/files.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;
using test_support::get_bytes;
using test_support::put_bytes;
using test_support::TempFolder;

// True once the process has its own SIGTERM handler, so that the signal
// closes its windows rather than killing it.
bool handles_sigterm(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

// Starts Enclavio with exactly `env`, closes it with SIGTERM and waits for it
// to end. Empty when all went well, else what did not.
std::string start_and_close(const std::vector<std::string>& env) {
    std::vector<char*> envp;
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(ENCLAVIO_DESKTOP), nullptr};
    const pid_t pid = ::fork();
    if (pid < 0) return "cannot start a process";
    if (pid == 0) {
        ::execve(ENCLAVIO_DESKTOP, argv, envp.data());
        ::_exit(127);
    }
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (!handles_sigterm(pid) && clock::now() < deadline) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return "ended before it was closed";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGTERM);
    while (clock::now() < deadline) {
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
            return "ended with status " + std::to_string(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return "did not close within a minute";
}

std::string crlf(const std::string& lf_text) {
    std::string out;
    for (const char c : lf_text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// The settings are read from and written to $XDG_DATA_HOME/Enclavio, else
// ~/.local/share/Enclavio, the folder the README names; a file only in the
// folder of earlier builds (one level deeper) is read once and left there.
// The files are written with LF line ends and written back with CR LF, so a
// rewritten file shows that it was read and where it was written.
TEST(StartupFolder, ReadsAndWritesTheSettingsWhereTheReadmeSays) {
    const std::string saved = "/boxes\ntwoflange\n2000\nshow\nnohighlight\ninches\n";
    struct Case {
        const char* name;
        std::string home;     // below the temporary root
        std::string xdg;      // below the temporary root; empty: not set
        std::string put;      // where `saved` is put, below the temporary root; empty: nowhere
        std::string written;  // where the settings must be written, below the temporary root
        bool read;            // `saved` was read, else the defaults are written
    };
    const Case cases[] = {
        {"only HOME set", "home", "", "home/.local/share/Enclavio/enclavio.ini",
         "home/.local/share/Enclavio/enclavio.ini", true},
        {"no settings yet", "home", "", "", "home/.local/share/Enclavio/enclavio.ini", false},
        {"only the earlier nested folder", "home", "", "home/.local/share/Enclavio/Enclavio/enclavio.ini",
         "home/.local/share/Enclavio/enclavio.ini", true},
        {"XDG_DATA_HOME set", "home", "data", "data/Enclavio/enclavio.ini", "data/Enclavio/enclavio.ini", true},
        {"home folder whose name is not UTF-8", "zo\xEB", "", "zo\xEB/.local/share/Enclavio/enclavio.ini",
         "zo\xEB/.local/share/Enclavio/enclavio.ini", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        const std::string home = root.file(c.home);
        fs::create_directories(home);
        if (!c.put.empty()) {
            fs::create_directories(fs::path(root.file(c.put)).parent_path());
            put_bytes(root.file(c.put), saved);
        }
        fs::create_directory(root.file("run"));
        fs::permissions(root.file("run"), fs::perms::owner_all);
        std::vector<std::string> env = {"HOME=" + home, "QT_QPA_PLATFORM=offscreen",
                                        "XDG_RUNTIME_DIR=" + root.file("run")};
        if (!c.xdg.empty()) env.push_back("XDG_DATA_HOME=" + root.file(c.xdg));
        ASSERT_EQ(start_and_close(env), "");

        const std::string expected =
            c.read ? crlf(saved)
                   : to_file_encoding(home) + "\r\noneflange\r\n1000\r\nnoshow\r\nhighlight\r\nmetric\r\n";
        EXPECT_EQ(get_bytes(root.file(c.written)), expected);
        if (!c.put.empty() && c.put != c.written) {
            EXPECT_EQ(get_bytes(root.file(c.put)), saved);  // left as it was
        }
        // Nothing was written anywhere else: no other settings file, and no
        // other tree beside the home folder.
        std::vector<std::string> settings_files;
        for (const auto& e : fs::recursive_directory_iterator(root.str())) {
            if (e.path().filename() == "enclavio.ini") settings_files.push_back(e.path().string());
        }
        EXPECT_EQ(settings_files.size(), c.put.empty() || c.put == c.written ? 1u : 2u);
        for (const auto& e : fs::directory_iterator(root.str())) {
            EXPECT_TRUE(e.path().filename() == c.home || e.path().filename() == c.xdg || e.path().filename() == "run")
                << e.path();
        }
    }
}

}  // namespace
}  // namespace enclavio
