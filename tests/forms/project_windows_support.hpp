// Shared by the tests of the project, notes and report windows: a view that
// records what the models ask of their window, a temporary folder, and a main
// window started in it.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "forms/main_form.hpp"
#include "forms/view.hpp"

namespace enclavio::project_testing {

namespace fs = std::filesystem;

class RecordingView : public FormView {
public:
    std::vector<std::string> messages;
    std::vector<Window> modals;
    std::map<Window, std::function<void()>> on_modal;

    void show_message(std::string_view text) override { messages.emplace_back(text); }
    bool ask_yes_no(std::string_view, std::string_view) override { return false; }
    void show_modal(Window w) override {
        modals.push_back(w);
        if (auto it = on_modal.find(w); it != on_modal.end()) it->second();
    }
    void print_window() override {}
    void open_url(std::string_view) override {}
    void refresh() override {}
};

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = fs::temp_directory_path() /
                ("enclavio-projects-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string str() const { return path_.generic_string(); }
    std::string file(const std::string& name) const { return (path_ / name).generic_string(); }

private:
    fs::path path_;
};

inline void put_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string get_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A main window started with no settings file, its program folder and home
// below `root`.
struct StartedMain {
    RecordingView view;
    MainForm form;
    StartedMain(const TempFolder& root)
        : form(view, root.file("app"), root.str()) {
        form.startup();
        view.messages.clear();
    }
};

}  // namespace enclavio::project_testing
