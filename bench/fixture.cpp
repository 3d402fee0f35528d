#include "fixture.hpp"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "forms/view.hpp"

namespace enclavio::bench {

namespace {

class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code ec;
        std::filesystem::path base = std::filesystem::temp_directory_path(ec);
        if (ec) base = "/tmp";
        std::string pattern = (base / "enclavio-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

const std::string& scratch_folder() {
    static const ScratchFolder folder;
    return folder.path();
}

MainForm& started_model() {
    static NullView view;
    static MainForm model(view, scratch_folder() + "/appdata", scratch_folder());
    static const bool started = (model.startup(), true);
    (void)started;
    return model;
}

}  // namespace enclavio::bench
