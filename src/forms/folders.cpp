#include "forms/folders.hpp"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "storage/files.hpp"
#include "storage/settings.hpp"

namespace enclavio {

namespace fs = std::filesystem;

// Absolute, without "." and ".." parts, and without a trailing "/" except
// for the root itself.
std::string normal_folder(std::string_view path) {
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(std::string(path)), ec);
    if (ec) p = fs::path(std::string(path));
    std::string text = p.lexically_normal().generic_string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

// A folder the lists can show: it exists and its entries can be read.
bool can_enter(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_directory(path, ec)) return false;
    fs::directory_iterator it(path, ec);
    return !ec;
}

std::string working_folder() {
    std::error_code ec;
    const fs::path p = fs::current_path(ec);
    return ec ? std::string("/") : normal_folder(p.generic_string());
}

namespace {

// Sort order of the lists: ignoring case first, then exactly.
bool list_order(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
        return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
    });
    const bool more = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [&](char x, char y) {
        return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
    });
    if (less || more) return less;
    return a < b;
}

// The mount point field of /proc/mounts writes blanks, tabs, newlines and
// backslashes as three-digit octal escapes.
std::string unescape_mount(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool pseudo_file_system(std::string_view type) {
    static constexpr std::string_view kPseudo[] = {
        "proc",        "sysfs",    "devpts",     "devtmpfs", "cgroup",    "cgroup2",   "securityfs",      "debugfs",
        "tracefs",     "pstore",   "bpf",        "mqueue",   "hugetlbfs", "configfs",  "fusectl",         "autofs",
        "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",     "squashfs",  "selinuxfs", "fuse.gvfsd-fuse", "fuse.portal",
    };
    return std::find(std::begin(kPseudo), std::end(kPseudo), type) != std::end(kPseudo);
}

// Folders of the system itself rather than the user's volumes.
bool system_folder(std::string_view path) {
    for (std::string_view top : {"/proc", "/sys", "/dev", "/run"}) {
        if (path == top || (path.size() > top.size() && path.substr(0, top.size()) == top && path[top.size()] == '/')) {
            // Removable media are mounted below /run/media.
            if (top == "/run" && path.substr(0, 10) == "/run/media") return false;
            return true;
        }
    }
    return false;
}

bool under(std::string_view folder, std::string_view top) {
    if (top == "/") return !folder.empty() && folder.front() == '/';
    return folder == top ||
           (folder.size() > top.size() && folder.substr(0, top.size()) == top && folder[top.size()] == '/');
}

// Upper case of the ASCII and Latin-1 letters of a UTF-8 text.
std::string upper_case(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00E0..U+00FE (but U+00F7, the division sign) are 0xC3 0xA0..0xBE.
            const auto d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) out[i + 1] = static_cast<char>(d - 0x20);
            ++i;
        }
    }
    return out;
}

// True when the settings file reads `folder` back exactly as it was written.
bool settings_can_hold(std::string_view folder) {
    SettingsToSave probe;
    probe.lastfolder = std::string(folder);
    const auto lines = split_lines(from_file_encoding(to_file_encoding(settings_file_text(probe))), 1);
    return !lines.empty() && lines.front() == folder;
}

}  // namespace

std::vector<std::string> mounted_volumes(std::string_view mounts_text) {
    std::vector<std::string> volumes{"/"};
    std::istringstream lines{std::string(mounts_text)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mount, type;
        if (!(fields >> device >> mount >> type)) continue;
        mount = unescape_mount(mount);
        if (mount.empty() || mount.front() != '/') continue;
        while (mount.size() > 1 && mount.back() == '/') mount.pop_back();
        if (pseudo_file_system(type) || system_folder(mount)) continue;
        if (std::find(volumes.begin(), volumes.end(), mount) == volumes.end()) volumes.push_back(mount);
    }
    std::sort(volumes.begin() + 1, volumes.end(), list_order);
    return volumes;
}

std::vector<std::string> drive_list() {
    const auto text = read_whole_file("/proc/mounts");
    std::vector<std::string> volumes = mounted_volumes(text ? *text : std::string());
    // Only volumes that are folders one can look into (bind-mounted files and
    // unreadable mounts are left out).
    std::vector<std::string> usable;
    for (auto& v : volumes) {
        std::error_code ec;
        if (v == "/" || fs::is_directory(v, ec)) usable.push_back(std::move(v));
    }
    return usable;
}

std::string drive_of(const std::vector<std::string>& drives, std::string_view folder) {
    std::string best = "/";
    for (const auto& d : drives) {
        if (under(folder, d) && d.size() > best.size()) best = d;
    }
    return best;
}

std::vector<FolderEntry> folder_list(std::string_view folder) {
    std::vector<FolderEntry> entries;
    const std::string current = normal_folder(folder);
    // The folders from the root down to the current one.
    entries.push_back({"/", "/", 0, true, current == "/"});
    std::string path;
    int level = 0;
    std::size_t start = 1;
    while (start < current.size()) {
        const std::size_t slash = current.find('/', start);
        const std::string name = current.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        path += "/" + name;
        ++level;
        entries.push_back({path, name, level, true, path == current});
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    // Its sub-folders, hidden ones left out.
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(current, fs::directory_options::skip_permission_denied, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        std::error_code kind;
        if (it->is_directory(kind)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), list_order);
    for (const auto& name : names) entries.push_back({join_path(current, name), name, level + 1, false, false});
    return entries;
}

std::vector<std::string> project_files(std::string_view folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(std::string(folder), fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".ecv") != 0) continue;
        std::error_code kind;
        if (it->is_regular_file(kind)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), list_order);
    return names;
}

std::string folder_for_settings(std::string_view folder) {
    std::string path(folder);
    while (!settings_can_hold(path)) {
        const auto slash = path.find_last_of('/');
        if (slash == std::string::npos || path == "/") return std::string();
        path.erase(slash == 0 ? 1 : slash);  // "/a" goes up to "/"
    }
    return path;
}

std::string create_folder_prompt(std::string_view folder) {
    return "Create new folder below " + upper_case(folder) + " ?";
}

bool folder_name_allowed(std::string_view name) {
    static constexpr std::string_view kForbidden{"\\/*.?@&!+><:;'\"\b", 16};
    return !name.empty() && name.find_first_of(kForbidden) == std::string_view::npos;
}

}  // namespace enclavio
