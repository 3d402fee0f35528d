#include <gtest/gtest.h>

#include <filesystem>

#include "../support/files.hpp"
#include "../support/temp_folder.hpp"
#include "storage/files.hpp"

namespace enclavio {
namespace {

using test_support::get_bytes;
using test_support::put_bytes;
using test_support::TempFolder;
using Lines = std::vector<std::string>;

TEST(SplitLines, EndsAtCrCrLfOrLfAndStopsAtTheLinesNeeded) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"  x \t\r\ny", {"  x \t", "y"}},
    };
    for (const auto& c : cases) EXPECT_EQ(split_lines(c.text), c.lines) << "text: " << c.text;
    EXPECT_EQ(split_lines("a\rb\r\nc\nd", 2), (Lines{"a", "b"}));
    EXPECT_EQ(split_lines(std::string(1000, '\r'), 24), Lines(24));
}

TEST(Paths, JoinPathAndFileLine) {
    EXPECT_EQ(join_path("/home/ann/boxes/", "box.ecv"), "/home/ann/boxes/box.ecv");
    EXPECT_EQ(join_path("/", "enclavio.ini"), "/enclavio.ini");
    EXPECT_EQ(join_path("", "report.txt"), "report.txt");
    EXPECT_EQ(file_line("a\r\nb\nc\rd"), "a b c d");  // each line break becomes one blank
}

// Windows-1252 on disk when the whole text fits, else UTF-8; both read back.
TEST(Encoding, RoundTrip) {
    const struct {
        std::string held, on_disk;
    } cases[] = {
        {"caf\xC3\xA9", "caf\xE9"},
        {"\xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xC5\xB8", "\x80 \x93q\x94 \x9F"},  // euro, curly quotes, Ÿ
        {"caf\xC3\xA9 \xE2\x88\x9A", "caf\xC3\xA9 \xE2\x88\x9A"},                    // √ is not in 1252
        {"\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9"},  // "Ã©" would read back as "é" from 1252: kept as UTF-8
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_file_encoding(c.held), c.on_disk) << c.held;
        EXPECT_EQ(from_file_encoding(c.on_disk), c.held) << c.held;
    }
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(to_file_encoding(from_file_encoding(all)), all);  // every byte survives read then write
    const struct {
        std::string bytes, held;
    } invalid[] = {
        {"\x81\x8D", "\xC2\x81\xC2\x8D"},  // undefined in 1252
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},  // an overlong form
        {"\xEF\xBB\xBF"
         "400\r\n",
         "400\r\n"},  // UTF-8 with a byte-order mark
        {"\xEF\xBB\xBF"
         "caf\xE9",
         "\xC3\xAF\xC2\xBB\xC2\xBF"
         "caf\xC3\xA9"},  // a mark, but not UTF-8
    };
    for (const auto& c : invalid) EXPECT_EQ(from_file_encoding(c.bytes), c.held);
}

// Failures to write are covered for every writer in faults_test.cpp.
TEST(Files, WriteReplacesFollowsLinksAndReadsBack) {
    TempFolder dir;
    const auto path = dir.file("a.txt");
    for (const std::string& bytes : {std::string("first\r\n"), std::string("x\0y", 3)}) {
        ASSERT_TRUE(write_file_atomically(path, bytes));
        EXPECT_EQ(read_whole_file(path), bytes);
    }
    EXPECT_EQ(dir.entry_count(), 1u);
    std::filesystem::create_symlink(path, dir.file("link.txt"));
    ASSERT_TRUE(write_file_atomically(dir.file("link.txt"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(get_bytes(path), "new");
    EXPECT_EQ(read_whole_file(dir.file("none")), std::nullopt);
    EXPECT_EQ(read_whole_file(dir.str()), std::nullopt);
    put_bytes(dir.file("big"), std::string(200000, 'x'));
    EXPECT_EQ(read_file_start(dir.file("big"), 100001)->size(), 100001u);
    EXPECT_EQ(read_file_start(path, 99), "new");
}

}  // namespace
}  // namespace enclavio
