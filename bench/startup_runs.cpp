#include "startup_runs.hpp"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>

namespace enclavio::bench {

namespace {

long long monotonic_ns() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

std::string last_lines(const std::string& path, std::size_t count) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::string out;
    for (std::size_t i = lines.size() > count ? lines.size() - count : 0; i < lines.size(); ++i)
        out += "\n  " + lines[i];
    return out;
}

std::optional<StartupSample> run_once(const std::string& program, bool bare, const std::string& appdata,
                                      const std::string& log_file, std::string& error) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return std::nullopt;
    }
    std::vector<std::string> args{program};
    if (bare) args.emplace_back("--bare");
    args.emplace_back("--appdata");
    args.push_back(appdata);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    const long long launched = monotonic_ns();
    const pid_t pid = ::fork();
    if (pid < 0) {
        error = std::string("fork: ") + std::strerror(errno);
        ::close(out[0]);
        ::close(out[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        const int log = ::open(log_file.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (log >= 0) ::dup2(log, STDERR_FILENO);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    std::string text;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n > 0) text.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR) break;
    }
    ::close(out[0]);

    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {}
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error = program + (bare ? " --bare" : "") + " failed" + last_lines(log_file, 5);
        return std::nullopt;
    }
    long long main_ns = 0, painted_at = 0, cpu_ns = 0, cpu_at_main = 0;
    std::istringstream in(text);
    if (!(in >> main_ns >> painted_at >> cpu_ns >> cpu_at_main)) {
        error = program + " printed no times";
        return std::nullopt;
    }
    StartupSample s;
    s.main_ms = static_cast<double>(main_ns) / 1e6;
    s.launch_ms = static_cast<double>(painted_at - launched) / 1e6;
    s.cpu_ms = static_cast<double>(cpu_ns) / 1e6;
    s.main_cpu_ms = static_cast<double>(cpu_ns - cpu_at_main) / 1e6;
    s.maxrss_mib = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    return s;
}

}  // namespace

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

StartupRuns run_startups(const std::string& program, int runs, const std::string& appdata,
                         const std::string& log_file) {
    StartupRuns result;
    for (int i = -1; i < runs; ++i) {
        // Which goes first alternates too, so neither always follows the other.
        const bool bare_first = i % 2 == 0;
        for (const bool bare : {bare_first, !bare_first}) {
            const auto sample = run_once(program, bare, appdata, log_file, result.error);
            if (!sample) return result;
            if (i < 0) continue;  // the warm-up run
            (bare ? result.bare : result.enclavio).push_back(*sample);
        }
    }
    return result;
}

}  // namespace enclavio::bench
