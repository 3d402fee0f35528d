// Runs bench_startup as separate processes, bare Qt window and Enclavio
// alternately, and keeps what each run took.
#pragma once

#include <string>
#include <vector>

namespace enclavio::bench {

struct StartupSample {
    double main_ms = 0;      // main() began to window painted, as the child measured it
    double launch_ms = 0;    // process launched to window painted
    double cpu_ms = 0;       // processor time of the child until then
    double main_cpu_ms = 0;  // the part of it from main() on
    double maxrss_mib = 0;   // peak resident memory of the child process
};

struct StartupRuns {
    std::vector<StartupSample> bare, enclavio;
    std::string error;  // empty when every run worked
};

// One unmeasured run of each first (files into the page cache, font cache),
// then `runs` of each, alternating. `appdata` is the settings folder Enclavio
// gets; child output on stderr is kept in `log_file`.
StartupRuns run_startups(const std::string& program, int runs, const std::string& appdata, const std::string& log_file);

double median(std::vector<double> values);

}  // namespace enclavio::bench
