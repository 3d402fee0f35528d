// Shared by the fuzz targets: invariant checks that abort with a message, a
// private scratch folder, and a window stand-in that records what it was asked.
#pragma once

#include <unistd.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <system_error>

#include "analysis/analysis.hpp"
#include "design/design.hpp"
#include "forms/view.hpp"

namespace enclavio::fuzz {

[[noreturn]] inline void fail(std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "\n*** invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
    if (!detail.empty()) {
        std::fprintf(stderr, "*** detail: \"");
        for (const char c : detail) {
            const auto u = static_cast<unsigned char>(c);
            if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\') std::fputc(c, stderr);
            else std::fprintf(stderr, "\\x%02X", u);
        }
        std::fprintf(stderr, "\"\n");
    }
    std::abort();
}

inline void check(bool ok, std::string_view what, std::string_view detail = {}) {
    if (!ok) fail(what, detail);
}

// The same number once both are written with 15 significant digits: within
// half a unit of the 15th digit, plus the rounding of the text read back to
// a double (a couple of units in its last bit).
inline bool same_to_15_digits(double a, double b) {
    if (a == b) return true;
    const double scale = std::fmax(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= scale * (5e-15 + 4.5e-16);
}

// What C++ formatting makes of NaN and infinity ("nan", "-inf", "Infinity" as
// whole words); none of it may reach a text the program composes.
inline void check_no_bad_number(std::string_view text, std::string_view where) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    std::size_t i = 0;
    while (i < text.size()) {
        if (!letter(text[i])) {
            ++i;
            continue;
        }
        std::string word;
        while (i < text.size() && letter(text[i])) word += static_cast<char>(text[i++] | 0x20);
        if (word == "nan" || word == "inf" || word == "infinity") fail(where, text);
    }
}

inline void check_finite_design(const BoxDesign& d) {
    const struct {
        const char* name;
        double value;
    } values[] = {
        {"boxdepth", d.boxdepth},
        {"boxwidth", d.boxwidth},
        {"boxheight", d.boxheight},
        {"boxthickness", d.boxthickness},
        {"portlength", d.portlength},
        {"portdiameter", d.portdiameter},
        {"portwallthickness", d.portwallthickness},
        {"driverdepth", d.driverdepth},
        {"driverdown", d.driverdown},
        {"driversideways", d.driversideways},
        {"boxvol", d.boxvol},
        {"innerdepth", d.innerdepth},
        {"innerwidth", d.innerwidth},
        {"innerheight", d.innerheight},
        {"drivervolume", d.drivervolume},
        {"portcount", d.portcount},
        {"drivercount", d.drivercount},
        {"portvolume", d.portvolume},
        {"edgebracing", d.edgebracing},
        {"shelfbracing", d.shelfbracing},
        {"bracingvolume", d.bracingvolume},
        {"componentvolume", d.componentvolume},
        {"workingvolume", d.workingvolume},
        {"endcorrection", d.endcorrection},
        {"tunefrequency", d.tunefrequency},
    };
    for (const auto& v : values) {
        if (!std::isfinite(v.value)) fail("BoxDesign holds NaN or infinity", v.name);
    }
}

inline void check_results(const Results& r) {
    for (int n = 1; n <= 9; ++n) check_no_bad_number(r.resonance[n].caption, "resonance caption");
    for (const ResultLabel* l : {&r.label6, &r.label28, &r.label26, &r.label27})
        check_no_bad_number(l->caption, "result caption");
    check_no_bad_number(r.edge_caption, "edge bracing caption");
    check_no_bad_number(r.shelf_caption, "shelf bracing caption");
}

// A folder of this process's own under the system's temporary folder, removed
// when the process ends normally.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view what) {
        namespace fs = std::filesystem;
        path_ = (fs::temp_directory_path() / ("enclavio-fuzz-" + std::string(what) + "-" + std::to_string(::getpid())))
                    .generic_string();
        std::error_code ec;
        fs::remove_all(path_, ec);
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& str() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

inline void put_bytes(const std::string& path, const char* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    check(static_cast<bool>(out), "could not write the fuzz input file", path);
}

// Windows that open modally run `on_modal`; messages are kept.
class FuzzView : public FormView {
public:
    std::function<void(Window)> on_modal;
    std::string last_message;
    int messages = 0;

    void show_message(std::string_view text) override {
        last_message = std::string(text);
        ++messages;
    }
    bool ask_yes_no(std::string_view, std::string_view) override { return false; }
    void show_modal(Window w) override {
        if (on_modal) on_modal(w);
    }
    void print_window() override {}
    void open_url(std::string_view) override {}
    void refresh() override {}
};

}  // namespace enclavio::fuzz
