// Runs every benchmark and prints one table: each step's median time against
// its target, and Enclavio's start-up time and peak memory beside a bare Qt
// window's.
//
//   enclavio_bench [--startup-runs=N] [Google Benchmark flags]
//
// Defaults: 5 repetitions of each step (interleaved), medians reported; 20
// start-ups of each program (0 leaves the start-up out).
#include <benchmark/benchmark.h>

#include <sys/stat.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "fixture.hpp"
#include "startup_runs.hpp"

namespace enclavio::bench {
void close_windows();           // window_bench.cpp
void close_response_windows();  // response_bench.cpp
}  // namespace enclavio::bench

namespace {

using namespace enclavio::bench;

// Keeps the median of each benchmark (or its one run without repetitions).
class Collector : public benchmark::BenchmarkReporter {
public:
    struct Result {
        double ns = 0;      // wall time per iteration
        double cpu_ns = 0;  // processor time of the benchmark thread per iteration
        std::string error;
        bool is_median = false;
    };
    std::map<std::string, Result> results;
    int repetitions = 1;

    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            Result& r = results[name];
            if (run.error_occurred) {
                r.error = run.error_message;
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            if (r.is_median && !median) continue;
            r.ns = run.GetAdjustedRealTime() * to_ns(run.time_unit);
            r.cpu_ns = run.GetAdjustedCPUTime() * to_ns(run.time_unit);
            r.is_median = median;
            if (median && run.repetitions > repetitions) repetitions = static_cast<int>(run.repetitions);
        }
    }

private:
    static double to_ns(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond: return 1;
            case benchmark::kMicrosecond: return 1e3;
            case benchmark::kMillisecond: return 1e6;
            case benchmark::kSecond: return 1e9;
        }
        return 1;
    }
};

struct Step {
    const char* benchmark;
    const char* label;
    const char* unit;  // "us" or "ms"
    double target;     // in `unit`; 0 when there is none
};

constexpr Step kSteps[] = {
    {"BM_res_wall2wall/0", "res_wall2wall with its graph model", "us", 5},
    {"BM_res_wall2wall/1", "  the same, numbers shown, 2 kHz graph", "us", 5},
    {"BM_keystroke_graph", "keystroke in Text6 to graph repainted", "ms", 2},
    {"BM_keystroke_window", "keystroke in Text6 to window repainted", "ms", 0},
    {"BM_do_panels/0", "do_panels, metric", "us", 0},
    {"BM_do_panels/1", "do_panels, metric-cm", "us", 0},
    {"BM_do_panels/2", "do_panels, inches", "us", 0},
    {"BM_do_panels/3", "do_panels, decimalinches", "us", 0},
    {"BM_sheet_layout/1", "sheet layout, one box, proven", "ms", 50},
    {"BM_sheet_layout/2", "sheet layout, two boxes (200 ms limit)", "ms", 250},
    {"BM_sheet_drawing", "sheet drawing and its SVG", "us", 0},
    {"BM_sheet_window_redraw", "sheet window, kerf set to redrawn", "ms", 16},
    {"BM_compose_report", "compose_report (every section)", "us", 0},
    {"BM_write_project", "write_project", "us", 0},
    {"BM_read_project", "read_project", "us", 0},
    {"BM_response_curves", "response curves (400 points), figures", "us", 100},
    {"BM_fit_tune", "Tune this box, with its port length", "ms", 5},
    {"BM_fit_box", "Box for F3 25 hz, depth and port length", "ms", 5},
    {"BM_response_keystroke", "keystroke in a driver entry to graphs", "ms", 16},
    {"BM_fit_apply_tune", "Tune this box worked out and applied", "ms", 5},
    {"BM_fit_apply_box", "Box for F3 25 hz worked out and applied", "ms", 5},
};

std::string load_average() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    if (!(in >> one >> five >> fifteen)) return "unknown";
    return one + " " + five + " " + fifteen;
}

std::string fmt(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

void row(const std::string& step, const std::string& bare, const std::string& enclavio, const std::string& cpu,
         const std::string& ratio, const std::string& target, const std::string& result) {
    char line[512];
    std::snprintf(line, sizeof line, "%-40s %10s %10s %10s %7s %8s  %s", step.c_str(), bare.c_str(), enclavio.c_str(),
                  cpu.c_str(), ratio.c_str(), target.c_str(), result.c_str());
    std::string text = line;
    text.erase(text.find_last_not_of(' ') + 1);
    std::puts(text.c_str());
}

// Judged on wall time, what the user waits for. When only the processor time
// meets the target, the time went to waiting for a busy machine: say so.
std::string verdict(double wall, double cpu, double target) {
    if (wall < target) return "met";
    if (cpu < target) return "met in CPU time only (machine busy)";
    return "MISSED";
}

// Start-up time and peak memory of Enclavio beside the bare Qt window's.
void startup_rows(const StartupRuns& startup) {
    const auto med = [](const std::vector<StartupSample>& v, double StartupSample::*member) {
        std::vector<double> values;
        for (const auto& s : v) values.push_back(s.*member);
        return median(values);
    };
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    const double bare_main = med(startup.bare, &StartupSample::main_ms);
    const double encl_main = med(startup.enclavio, &StartupSample::main_ms);
    const double bare_launch = med(startup.bare, &StartupSample::launch_ms);
    const double encl_launch = med(startup.enclavio, &StartupSample::launch_ms);
    const double bare_cpu = med(startup.bare, &StartupSample::cpu_ms);
    const double encl_cpu = med(startup.enclavio, &StartupSample::cpu_ms);
    const double bare_main_cpu = med(startup.bare, &StartupSample::main_cpu_ms);
    const double encl_main_cpu = med(startup.enclavio, &StartupSample::main_cpu_ms);
    const double bare_rss = med(startup.bare, &StartupSample::maxrss_mib);
    const double encl_rss = med(startup.enclavio, &StartupSample::maxrss_mib);

    const double main_ratio = ratio(encl_main, bare_main);
    const double main_cpu_ratio = ratio(encl_main_cpu, bare_main_cpu);
    row("start-up, main() to window painted", fmt("%.1f ms", bare_main), fmt("%.1f ms", encl_main),
        fmt("%.1f ms", encl_main_cpu), fmt("%.2fx", main_ratio), "< 1.5x",
        verdict(main_ratio, main_cpu_ratio, 1.5) + "; CPU " + fmt("%.2fx", main_cpu_ratio) + " of bare " +
            fmt("%.1f ms", bare_main_cpu));
    const double cpu_ratio = ratio(encl_cpu, bare_cpu);
    row("start-up, launch to window painted", fmt("%.1f ms", bare_launch), fmt("%.1f ms", encl_launch),
        fmt("%.1f ms", encl_cpu), fmt("%.2fx", ratio(encl_launch, bare_launch)), "-",
        "CPU " + fmt("%.2fx", cpu_ratio) + " of bare " + fmt("%.1f ms", bare_cpu));
    const double rss_ratio = ratio(encl_rss, bare_rss);
    row("peak resident memory", fmt("%.1f MiB", bare_rss), fmt("%.1f MiB", encl_rss), "-", fmt("%.2fx", rss_ratio),
        "< 1.3x", rss_ratio < 1.3 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    int startup_runs = 20;
    std::vector<char*> args{argv[0]};
    // Defaults first, so that flags given on the command line win.
    std::string defaults[] = {"--benchmark_repetitions=5", "--benchmark_min_time=0.1",
                              "--benchmark_enable_random_interleaving=true"};
    for (auto& d : defaults) args.push_back(d.data());
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--startup-runs=", 15) == 0) startup_runs = std::max(0, std::atoi(argv[i] + 15));
        else args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt wants a private runtime folder, and says so
    // on every start; give it one of this run's own.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string runtime = scratch_folder() + "/runtime";
        if (::mkdir(runtime.c_str(), 0700) == 0) qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
    }
    const std::string load_before = load_average();

    // Start-ups first, while this process has no threads or windows of its own.
    const std::string log = scratch_folder() + "/startup.log";
    const StartupRuns startup = startup_runs > 0 ? run_startups(ENCLAVIO_BENCH_STARTUP, startup_runs,
                                                                scratch_folder() + "/appdata-startup", log)
                                                 : StartupRuns{};
    if (!startup.error.empty()) {
        std::fprintf(stderr, "enclavio_bench: start-up runs stopped: %s\n", startup.error.c_str());
        return 1;
    }

    QApplication app(count, args.data());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    close_windows();
    close_response_windows();
    benchmark::Shutdown();

    // The table.
    bool failed = false;
    row("step", "bare Qt", "Enclavio", "CPU", "ratio", "target", "result");
    row(std::string(40, '-'), std::string(10, '-'), std::string(10, '-'), std::string(10, '-'), std::string(7, '-'),
        std::string(8, '-'), "------");
    for (const Step& step : kSteps) {
        const auto it = collector.results.find(step.benchmark);
        if (it == collector.results.end()) continue;  // filtered out
        const Collector::Result& r = it->second;
        if (!r.error.empty()) {
            row(step.label, "-", "error", "-", "-", "-", r.error);
            failed = true;
            continue;
        }
        const double scale = std::strcmp(step.unit, "ms") == 0 ? 1e6 : 1e3;
        const auto shown = [&](double ns) {
            const double v = ns / scale;
            return fmt(v < 10 ? "%.2f " : "%.1f ", v) + step.unit;
        };
        const bool has_target = step.target > 0;
        row(step.label, "-", shown(r.ns), shown(r.cpu_ns), "-",
            has_target ? "< " + fmt("%g ", step.target) + step.unit : "-",
            has_target ? verdict(r.ns / scale, r.cpu_ns / scale, step.target) : "");
    }
    if (startup_runs > 0) startup_rows(startup);

    std::printf("\nWall time, and processor time (CPU) of the work itself. ");
    if (!collector.results.empty())
        std::printf("Steps: medians of %d interleaved repetitions. ", collector.repetitions);
    if (startup_runs > 0) std::printf("Start-up: medians of %d runs of each program, alternating. ", startup_runs);
    std::printf("QT_QPA_PLATFORM=%s.\n", qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("Machine: %u hardware threads; load average %s before, %s after.\n",
                std::thread::hardware_concurrency(), load_before.c_str(), load_average().c_str());
    return failed ? 1 : 0;
}
