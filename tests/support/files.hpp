// A file's bytes put and got exactly as they are: no line-end translation,
// no encoding, an existing file replaced whole.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace enclavio::test_support {

inline void put_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The file's bytes, or nothing when it cannot be read.
inline std::string get_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace enclavio::test_support
