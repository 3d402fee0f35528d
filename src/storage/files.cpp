// Whole-file reading and writing, line splitting, paths and the two text
// encodings a file may carry (UTF-8 and Windows-1252). Saving and opening use
// the POSIX calls the standard library has no words for: flushing a file to
// the disk, its owner, opening without waiting on a FIFO.
#include "storage/files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

namespace enclavio {

namespace {

// Where a path's file lives: everything before the last "/", the root kept as
// "/", and "." for a bare file name.
std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

WriteResult written() { return {true, {}}; }
WriteResult failed(std::string reason) { return {false, std::move(reason)}; }
WriteResult failed_errno(int error) { return failed(std::generic_category().message(error)); }

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now, so that an error of the close is seen; false on one.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Opens without waiting: a FIFO with no writer (or, for writing, no reader)
// would otherwise block the open for as long as it has none. The flag is
// cleared again, so reads and writes wait normally.
Descriptor open_without_waiting(const std::string& path, int flags) {
    Descriptor fd(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd) {
        const int now = ::fcntl(fd.get(), F_GETFL);
        if (now != -1) ::fcntl(fd.get(), F_SETFL, now & ~O_NONBLOCK);
    }
    return fd;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A file name no other writer uses right now: the prefix and eight random hex
// digits, short enough to fit beside a target name of any allowed length.
std::string temporary_path(const std::string& folder) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(std::random_device{}()));
    return join_path(folder, std::string(kTemporaryPrefix) + digits);
}

// The name a chain of symbolic links finally leads to; that name may not
// exist yet (a link to a file still to be written). Empty with errno set when
// the chain is too long or cannot be read.
std::string follow_links(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) == target.size()) {
            errno = ENAMETOOLONG;
            return {};
        }
        target.resize(static_cast<std::size_t>(n));
        path = target.starts_with('/') ? target : join_path(folder_of(path), target);
    }
    errno = ELOOP;
    return {};
}

// Flushes a folder's entries, so that a rename in it survives a power cut.
// File systems that cannot do this say so, and nothing more can be done.
void flush_folder(const std::string& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd) ::fsync(fd.get());
}

// Writes into what is already at `path`: a character device or FIFO as it
// stands, or a regular file truncated first. Opened without waiting, and the
// type checked on the open file, so nothing swapped in meanwhile is hurt.
WriteResult write_in_place(const std::string& path, std::string_view bytes) {
    Descriptor fd = open_without_waiting(path, O_WRONLY);
    if (!fd) {
        if (errno == ENXIO) return failed("nothing is reading from it");  // a FIFO without a reader
        return failed_errno(errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return failed_errno(errno);
    const bool regular = S_ISREG(st.st_mode);
    if (!regular && !S_ISCHR(st.st_mode) && !S_ISFIFO(st.st_mode)) return failed("not a regular file");
    if (regular && ::ftruncate(fd.get(), 0) != 0) return failed_errno(errno);
    if (!write_all(fd.get(), bytes)) return failed_errno(errno);
    if (regular && ::fsync(fd.get()) != 0) return failed_errno(errno);
    if (!fd.close()) return failed_errno(errno);
    return written();
}

// Permission to change a folder's entries is missing (or, in a folder such as
// /tmp, to replace another user's file): what the in-place write is for.
bool folder_refused(int error) { return error == EACCES || error == EPERM; }

// The atomic save of a regular file, or of a new one when `old` is empty.
WriteResult replace_file(const std::string& target, std::string_view bytes, const struct stat* old) {
    const std::string folder = folder_of(target);
    // The final mode from the start: the temporary is never readable by more
    // users than the file it replaces (the umask can only take bits away).
    const mode_t mode = old != nullptr ? (old->st_mode & 07777) : 0666;
    std::string temp;
    int created = -1;
    for (int attempt = 0; attempt < 100 && created < 0; ++attempt) {
        temp = temporary_path(folder);
        created = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (created < 0 && errno != EEXIST) break;
    }
    Descriptor fd(created);
    if (!fd) {
        const int error = errno;
        if (old != nullptr && folder_refused(error)) return write_in_place(target, bytes);
        return failed_errno(error);
    }
    const auto discard = [&](int error) {
        fd.close();
        ::unlink(temp.c_str());
        return failed_errno(error);
    };
    if (old != nullptr) {
        // Owner and group as before where this user may set them (the owner
        // only by root; a group the user belongs to), then the exact mode,
        // which a change of owner may have cleared bits of.
        if (::fchown(fd.get(), old->st_uid, old->st_gid) != 0) (void)::fchown(fd.get(), -1, old->st_gid);
        if (::fchmod(fd.get(), mode) != 0) return discard(errno);
    }
    if (!write_all(fd.get(), bytes)) return discard(errno);
    // On the disk before the rename: a power cut leaves the old file or the
    // new one, never an empty one.
    if (::fsync(fd.get()) != 0) return discard(errno);
    if (!fd.close()) {
        const int error = errno;
        ::unlink(temp.c_str());
        return failed_errno(error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        if (old != nullptr && folder_refused(error)) return write_in_place(target, bytes);
        return failed_errno(error);
    }
    flush_folder(folder);
    return written();
}

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

WriteResult write_file_atomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return failed("no file name");
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return failed_errno(errno);
        // Nothing there yet, or a link to a name not yet written: the new
        // file goes where the links lead, the links stay links.
        const std::string target = follow_links(path);
        if (target.empty()) return failed_errno(errno);
        return replace_file(target, bytes, nullptr);
    }
    if (S_ISDIR(st.st_mode)) return failed_errno(EISDIR);
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return write_in_place(path, bytes);
    if (!S_ISREG(st.st_mode)) return failed("not a regular file");
    const std::string target = follow_links(path);
    if (target.empty()) return failed_errno(errno);
    // A file the user may not write to is refused, as a save in place would be.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return failed_errno(errno);
    return replace_file(target, bytes, &st);
}

std::optional<std::string> read_whole_file(const std::string& path) { return read_file_start(path, std::string::npos); }

std::optional<std::string> read_file_start(const std::string& path, std::size_t max_bytes) {
    if (path.empty()) return std::nullopt;
    // Only a regular file is opened at all: opening some devices does
    // something, and reading a FIFO waits for a writer.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    Descriptor fd = open_without_waiting(path, O_RDONLY);
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::string content;
    char buffer[65536];
    while (content.size() < max_bytes) {
        const std::size_t want = std::min(sizeof buffer, max_bytes - content.size());
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
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
