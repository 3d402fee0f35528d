#include "storage/key_values.hpp"

#include <algorithm>

#include "storage/files.hpp"

namespace enclavio {

namespace {

constexpr std::size_t kMaxKeyLength = 64;

bool is_lower(char c) { return c >= 'a' && c <= 'z'; }
bool is_key_char(char c) { return is_lower(c) || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-'; }

auto position_of(KeyValues& values, std::string_view key) {
    return std::find_if(values.begin(), values.end(), [&](const auto& kv) { return kv.first == key; });
}

}  // namespace

bool is_valid_key(std::string_view key) {
    return !key.empty() && key.size() <= kMaxKeyLength && is_lower(key.front()) &&
           std::all_of(key.begin(), key.end(), is_key_char);
}

KeyValues parse_key_values(const std::vector<std::string>& lines) {
    KeyValues values;
    for (const auto& line : lines) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string_view key(line.data(), eq);
        if (!is_valid_key(key)) continue;
        set_value(values, key, std::string_view(line).substr(eq + 1));
    }
    return values;
}

std::optional<std::string> find_value(const KeyValues& values, std::string_view key) {
    for (const auto& [k, v] : values)
        if (k == key) return v;
    return std::nullopt;
}

void set_value(KeyValues& values, std::string_view key, std::string_view value) {
    if (!is_valid_key(key)) return;
    if (auto it = position_of(values, key); it != values.end()) it->second = value;
    else values.emplace_back(key, value);
}

void remove_value(KeyValues& values, std::string_view key) {
    if (auto it = position_of(values, key); it != values.end()) values.erase(it);
}

std::string key_value_text(const KeyValues& values) {
    std::string text;
    for (const auto& [k, v] : values) {
        if (!is_valid_key(k)) continue;
        text += k;
        text += '=';
        text += file_line(v);
        text += "\r\n";
    }
    return text;
}

}  // namespace enclavio
