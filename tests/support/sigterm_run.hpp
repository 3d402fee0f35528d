// A program run as a desktop session runs it: started with exactly the
// environment given, left until it has its own SIGTERM handler (so that the
// signal closes its windows rather than killing it), then ended with SIGTERM
// as a session ends it at log-out.
#pragma once

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace enclavio::test_support {

// True once the process has its own SIGTERM handler.
inline bool handles_sigterm(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

// Starts `program` with `args` and exactly `env`, waits until it handles
// SIGTERM and then `settle` longer (for what it shows at start-up to be up),
// ends it with SIGTERM and waits for it. Empty when it ended with status 0,
// else what went wrong. A program that does not end within a minute is killed.
inline std::string run_until_sigterm(const std::string& program, const std::vector<std::string>& args,
                                     const std::vector<std::string>& env,
                                     std::chrono::milliseconds settle = std::chrono::milliseconds(0)) {
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return "cannot start a process";
    if (pid == 0) {
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (!handles_sigterm(pid) && clock::now() < deadline) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return "ended before it was closed";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(settle);
    ::kill(pid, SIGTERM);
    while (clock::now() < deadline) {
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : "ended with status " + std::to_string(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return "did not end within a minute";
}

}  // namespace enclavio::test_support
