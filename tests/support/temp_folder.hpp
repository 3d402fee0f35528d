// A fresh folder under the system's temporary folder, removed with everything
// in it when the test is done.
#pragma once

#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace enclavio::test_support {

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("enclavio-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string str() const { return path_.generic_string(); }
    std::string file(const std::string& name) const { return (path_ / name).generic_string(); }
    // How many entries the folder holds, for spotting left-over temporaries.
    std::size_t entry_count() const {
        const std::filesystem::directory_iterator all(path_);
        return static_cast<std::size_t>(std::distance(begin(all), end(all)));
    }

private:
    std::filesystem::path path_;
};

}  // namespace enclavio::test_support
