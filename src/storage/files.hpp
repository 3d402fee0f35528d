// Safe saves, bounded reads, line splitting and the file encoding: what every
// file the programs keep is written and read with.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace enclavio {

// The outcome of a write: whether it succeeded, and if not, why, in a few
// words for a message ("Permission denied", "not a regular file").
struct WriteResult {
    bool ok = false;
    std::string reason;
    explicit operator bool() const { return ok; }
};
// Every temporary file a save makes starts with this, so one left behind by a
// crash is easy to recognise (and safe to delete).
inline constexpr std::string_view kTemporaryPrefix = ".enclavio-tmp-";
// Saves the bytes at `path` without ever leaving it half written, and without
// changing what the user could not change by hand:
// - A regular file (or a symbolic link to one, or a link to a name that does
//   not exist yet) is written as a temporary file in the same folder, with the
//   replaced file's mode, owner and group, flushed to the disk, and renamed
//   over the old name; the folder is flushed after the rename.
// - A file the user may not write to is refused, as the user's own tools
//   would refuse it. A writable file in a folder the user may not change is
//   written in place (truncated, then written) instead.
// - A character device or a FIFO is written into as it stands (a FIFO that no
//   program reads fails at once rather than waiting); folders, block devices
//   and sockets are refused. Nothing but a regular file is ever replaced.
WriteResult write_file_atomically(const std::string& path, std::string_view bytes);
// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> read_whole_file(const std::string& path);
// At most the first `max_bytes` of the file, or nothing when it cannot be read.
// Only regular files are read: a folder, FIFO, device or socket gives nothing
// at once, never a read that waits for a writer.
// The project and settings readers look at no more than kMaxTextFileBytes:
// their lines are short, and a large file opened by mistake must not fill memory.
inline constexpr std::size_t kMaxTextFileBytes = 4u << 20;
std::optional<std::string> read_file_start(const std::string& path, std::size_t max_bytes);
// Splits text into lines; a line ends at CR, CR LF or LF. At most `max_lines`
// are taken: a reader that needs a few lines never builds millions of them.
std::vector<std::string> split_lines(std::string_view text, std::size_t max_lines = static_cast<std::size_t>(-1));
// Texts are held as UTF-8. Files get Windows-1252 when every character fits,
// otherwise UTF-8; reading takes valid UTF-8 as it is (without a leading
// byte-order mark), anything else as 1252.
std::string to_file_encoding(std::string_view utf8);
std::string from_file_encoding(std::string_view bytes);
// A text as one line of a line-by-line file: each run of CR/LF becomes a blank,
// so a stray line break cannot shift the later lines onto other fields.
std::string file_line(std::string_view text);
// folder + "/" + name, without doubling the separator of a root such as "/".
std::string join_path(std::string_view folder, std::string_view name);

}  // namespace enclavio
