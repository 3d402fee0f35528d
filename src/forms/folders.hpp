// The drive, folder and file lists of the project file windows, in the order
// they show them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace enclavio {

// Absolute, without "." and ".." parts, and without a trailing "/" except
// for the root itself.
std::string normal_folder(std::string_view path);
// A folder the lists can show: it exists and its entries can be read.
bool can_enter(const std::string& path);
// The working folder of this process ("/" when it cannot be told).
std::string working_folder();

// Mount points of the real file systems in a /proc/mounts text, the root first,
// then by path; pseudo file systems (proc, sysfs, cgroups ...) are left out.
std::vector<std::string> mounted_volumes(std::string_view mounts_text);
// The mounted volumes of this machine ("/" at least).
std::vector<std::string> drive_list();
// The volume of `drives` that holds `folder` (the longest mount point above it).
std::string drive_of(const std::vector<std::string>& drives, std::string_view folder);

// One line of the folder list: the folders from the root down to the current
// one (open), then the current folder's sub-folders.
struct FolderEntry {
    std::string path;
    std::string name;   // "/" for the root, else the folder's own name
    int level = 0;      // indent
    bool open = false;  // the current folder or one above it
    bool current = false;
    friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};
std::vector<FolderEntry> folder_list(std::string_view folder);
// The project files ("*.ecv") of a folder, sorted; empty when it cannot be read.
std::vector<std::string> project_files(std::string_view folder);

// The folder to write as the settings file's lastfolder: `folder` itself when
// that file gives it back unchanged, else the nearest folder above it that it
// does (a name holding a line break, or bytes that are not UTF-8, would come
// back as a folder that does not exist).
std::string folder_for_settings(std::string_view folder);

// "Create new folder below " + the folder in capitals + " ?"
std::string create_folder_prompt(std::string_view folder);
// A new folder's name is refused when empty or holding one of these.
bool folder_name_allowed(std::string_view name);

}  // namespace enclavio
