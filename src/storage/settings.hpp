// The settings file (enclavio.ini): six lines, then named values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/port_ends.hpp"
#include "storage/files.hpp"
#include "storage/key_values.hpp"
#include "units/units.hpp"

namespace enclavio {

std::string settings_path(std::string_view folder);
// Earlier builds of the desktop program kept enclavio.ini one folder deeper,
// in folder + "/Enclavio". The settings file start-up reads: the one in
// `folder`, or the earlier one when only that exists. The settings are always
// saved in `folder`, so the earlier file is read once and left where it is.
std::string settings_path_to_read(std::string_view folder);
// The lines as read; a line the file does not have is empty (nullopt).
struct LoadedSettings {
    std::optional<std::string> lastfolder, flange, range, shownums, highlight, units;
    KeyValues extra;  // named values after line 6
};
// A path that is not a regular file (a FIFO, a folder) is read as no file.
LoadedSettings load_settings(const std::string& path);

struct SettingsToSave {
    std::string lastfolder;
    Flange flange = Flange::One;
    int range = 1000;
    bool shownums = false;
    bool highlight = true;
    UnitMode mode = UnitMode::Metric;
    KeyValues extra;  // written after the six lines
};
std::string settings_file_text(const SettingsToSave& s);
// Makes the folder when needed and writes the file; a settings path that
// exists but is not a regular file is left alone (and reported as a failure).
WriteResult save_settings(const std::string& path, const SettingsToSave& s);

}  // namespace enclavio
