// Named values stored after the fixed lines of a file: the project's 24 lines
// and the settings' 6 lines stay as they are, so a reader that knows only the
// fixed lines still reads them, and anything newer follows as `key=value`.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace enclavio {

// In the order they are written; one entry per key.
using KeyValues = std::vector<std::pair<std::string, std::string>>;

// A key is a lower-case letter followed by lower-case letters, digits, '.',
// '_' or '-', at most 64 characters: "driver.fs", "sheet.kerf", "recent.1".
bool is_valid_key(std::string_view key);

// The lines after the fixed ones. A line without '=' or with an invalid key
// (damaged, or from something else) is ignored; a later line for the same key
// wins.
KeyValues parse_key_values(const std::vector<std::string>& lines);

std::optional<std::string> find_value(const KeyValues& values, std::string_view key);
// Replaces the key's value in place, or appends the key. An invalid key is
// ignored, so nothing can write a line that its own reader would drop.
void set_value(KeyValues& values, std::string_view key, std::string_view value);
void remove_value(KeyValues& values, std::string_view key);

// "key=value" lines ending in CR LF; a line break inside a value is dropped
// so it cannot start a line of its own. Empty for no values.
std::string key_value_text(const KeyValues& values);

}  // namespace enclavio
