// The desktop program started as a user starts it, with an environment of its
// own, and closed as a session closes it (SIGTERM): where it reads and writes
// its settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/files.hpp"
#include "../support/sigterm_run.hpp"
#include "../support/temp_folder.hpp"
#include "storage/files.hpp"

namespace enclavio {
namespace {

namespace fs = std::filesystem;
using test_support::get_bytes;
using test_support::put_bytes;
using test_support::run_until_sigterm;
using test_support::TempFolder;

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
        ASSERT_EQ(run_until_sigterm(ENCLAVIO_DESKTOP, {}, env), "");

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
