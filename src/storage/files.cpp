// Whole-file reading and writing, line splitting, paths and the two text
// encodings a file may carry (UTF-8 and Windows-1252).
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "storage/storage.hpp"

namespace enclavio {

namespace fs = std::filesystem;

namespace {

// Where a path's file lives: everything before the last "/", the root kept as
// "/", and "." for a bare file name.
std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string name_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name for the temporary file no other writer is using right now.
std::string temporary_name(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    std::ostringstream name;
    name << "." << name_of(target) << "." << std::hex << seed << "-" << counter++ << "-" << attempt << ".tmp";
    return join_path(folder_of(target), name.str());
}

// Creates the file exclusively so that two writers never share a temporary.
std::FILE* create_exclusive(const std::string& path) { return std::fopen(path.c_str(), "wbx"); }

// ---- Windows-1252 ------------------------------------------------------------
// Code points of the bytes 0x80..0x9F. The five bytes 1252 leaves undefined
// map to the control characters of the same number, so every byte has one
// character and every such character one byte.
constexpr std::array<char32_t, 32> kHigh1252{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t from_1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHigh1252[byte - 0x80];
    return byte;
}

std::optional<unsigned char> to_1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHigh1252.size(); ++i)
        if (kHigh1252[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes strict UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF). Empty when the bytes are not valid UTF-8.
std::optional<std::u32string> decode_utf8(std::string_view bytes) {
    std::u32string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            out += b0;
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0, min = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            extra = 1, c = b0 & 0x1F, min = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            extra = 2, c = b0 & 0x0F, min = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            extra = 3, c = b0 & 0x07, min = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + extra >= bytes.size()) return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if ((b & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (b & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        out += c;
        i += extra + 1;
    }
    return out;
}

bool is_ascii(std::string_view bytes) {
    for (const char ch : bytes)
        if (static_cast<unsigned char>(ch) >= 0x80) return false;
    return true;
}

}  // namespace

bool write_file_atomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    std::error_code ec;
    // Write through a symbolic link to the file it names, not over the link.
    std::string target = path;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (ec) return false;
        target = resolved.generic_string();
    }

    std::string temp;
    std::FILE* out = nullptr;
    for (unsigned attempt = 0; attempt < 16 && !out; ++attempt) {
        temp = temporary_name(target, attempt);
        out = create_exclusive(temp);
        if (!out && !fs::exists(folder_of(target), ec)) return false;
    }
    if (!out) return false;

    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = (std::fflush(out) == 0) && ok;
    ok = (std::fclose(out) == 0) && ok;
    if (ok) {
        // Keep the permissions of the file being replaced.
        const auto old = fs::status(target, ec);
        if (!ec && fs::is_regular_file(old)) fs::permissions(temp, old.permissions(), ec);
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

std::optional<std::string> read_whole_file(const std::string& path) { return read_file_start(path, std::string::npos); }

std::optional<std::string> read_file_start(const std::string& path, std::size_t max_bytes) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    char buffer[65536];
    while (content.size() < max_bytes && in) {
        const std::size_t want = std::min(sizeof buffer, max_bytes - content.size());
        in.read(buffer, static_cast<std::streamsize>(want));
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return content;
}

std::vector<std::string> split_lines(std::string_view text, std::size_t max_lines) {
    std::vector<std::string> lines;
    std::size_t start = 0, i = 0;
    while (i < text.size()) {
        if (lines.size() >= max_lines) return lines;
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size() && lines.size() < max_lines) lines.emplace_back(text.substr(start));
    return lines;
}

std::string to_file_encoding(std::string_view utf8) {
    if (is_ascii(utf8)) return std::string(utf8);
    // The reader drops a byte-order mark that starts a UTF-8 file, so a text
    // that itself starts with U+FEFF (never a 1252 character) keeps it behind
    // a second one.
    if (utf8.starts_with("\xEF\xBB\xBF") && decode_utf8(utf8)) return "\xEF\xBB\xBF" + std::string(utf8);
    const auto chars = decode_utf8(utf8);
    if (!chars) return std::string(utf8);  // not UTF-8 at all: keep the bytes
    std::string ansi;
    ansi.reserve(chars->size());
    for (const char32_t c : *chars) {
        const auto byte = to_1252(c);
        if (!byte) return std::string(utf8);
        ansi += static_cast<char>(*byte);
    }
    // A 1252 text that happens to be valid UTF-8 (such as "Ã©") would read
    // back as different characters; UTF-8 keeps it intact.
    if (decode_utf8(ansi)) return std::string(utf8);
    return ansi;
}

std::string from_file_encoding(std::string_view bytes) {
    if (is_ascii(bytes)) return std::string(bytes);
    if (decode_utf8(bytes)) {
        // A byte-order mark some editors put first is not part of the text.
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return std::string(bytes);
    }
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 2);
    for (const char ch : bytes) append_utf8(utf8, from_1252(static_cast<unsigned char>(ch)));
    return utf8;
}

std::string file_line(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool in_break = false;
    for (const char ch : text) {
        const bool is_break = ch == '\r' || ch == '\n';
        if (!is_break) out += ch;
        else if (!in_break) out += ' ';
        in_break = is_break;
    }
    return out;
}

std::string join_path(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string path(folder);
    if (path.back() != '/') path += '/';
    path += name;
    return path;
}

}  // namespace enclavio
