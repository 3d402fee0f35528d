#include <gtest/gtest.h>

#include <filesystem>

#include "storage/storage.hpp"
#include "temp_folder.hpp"

namespace enclavio {
namespace {

using testing::get_bytes;
using testing::put_bytes;
using testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(SplitLines, EndsAtCrCrLfOrLf) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\nb\n", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}}, {"a\n\rb", {"a", "", "b"}},  // LF then CR: two line ends
        {"\r\n", {""}}, {"a\r\r\nb", {"a", "", "b"}}, {"  x \t\r\ny", {"  x \t", "y"}},
    };
    for (const auto& c : cases) EXPECT_EQ(split_lines(c.text), c.lines) << "text: " << c.text;
}

TEST(Paths, JoinPathAndFileLine) {
    EXPECT_EQ(join_path("/home/ann/boxes", "box.ecv"), "/home/ann/boxes/box.ecv");
    EXPECT_EQ(join_path("/home/ann/boxes/", "box.ecv"), "/home/ann/boxes/box.ecv");
    EXPECT_EQ(join_path("/", "enclavio.ini"), "/enclavio.ini");
    EXPECT_EQ(join_path("", "report.txt"), "report.txt");
    EXPECT_EQ(file_line("plain text"), "plain text");
    EXPECT_EQ(file_line("a\r\nb"), "a b");  // line breaks become one blank
    EXPECT_EQ(file_line("a\nb\rc"), "a b c");
}

// Windows-1252 on disk when the whole text fits, else UTF-8; both read back.
TEST(Encoding, RoundTrip) {
    const struct {
        std::string held, on_disk;
    } cases[] = {
        {"plain ascii", "plain ascii"},
        {"caf\xC3\xA9", "caf\xE9"},                                // é
        {"\xE2\x82\xAC 5", "\x80 5"},                              // euro sign is 0x80
        {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},                // curly quotes
        {"\xC5\xA0\xC5\xBE\xC5\xB8", "\x8A\x9E\x9F"},              // Š ž Ÿ
        {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},                          // no-break space, ÿ
        {"caf\xC3\xA9 \xE2\x88\x9A", "caf\xC3\xA9 \xE2\x88\x9A"},  // √ is not in 1252
        {"\xCE\xA9 ohm", "\xCE\xA9 ohm"},                          // Greek capital omega
        {"\xF0\x9F\x94\x8A", "\xF0\x9F\x94\x8A"},                  // an emoji
        {"\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9"},  // "Ã©" would read back as "é" from 1252: kept as UTF-8
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_file_encoding(c.held), c.on_disk) << c.held;
        EXPECT_EQ(from_file_encoding(c.on_disk), c.held) << c.held;
    }
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(to_file_encoding(from_file_encoding(all)), all);  // every byte survives read then write
}

TEST(Encoding, InvalidUtf8ReadsAsWindows1252) {
    const struct {
        std::string bytes, held;
    } cases[] = {
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // undefined bytes
        {"\xC3", "\xC3\x83"},                                                 // a cut-off sequence
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                     // an overlong form
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                     // an encoded surrogate
        {"\xEF\xBB\xBF" "400\r\n", "400\r\n"},                                // UTF-8 with a byte-order mark
        {"\xEF\xBB\xBF" "caf\xE9", "\xC3\xAF\xC2\xBB\xC2\xBF" "caf\xC3\xA9"},  // a mark, but not UTF-8
    };
    for (const auto& c : cases) EXPECT_EQ(from_file_encoding(c.bytes), c.held);
}

// Failures to write are covered for every writer in faults_test.cpp.
TEST(WriteFileAtomically, WritesReplacesAndFollowsLinks) {
    TempFolder dir;
    const auto path = dir.file("a.txt");
    for (const std::string& bytes : {std::string("first\r\n"), std::string("x\0y", 3), std::string()}) {
        ASSERT_TRUE(write_file_atomically(path, bytes));
        EXPECT_EQ(get_bytes(path), bytes);
    }
    EXPECT_EQ(dir.entry_count(), 1u);  // no temporary left behind
    std::filesystem::create_symlink(path, dir.file("link.txt"));
    ASSERT_TRUE(write_file_atomically(dir.file("link.txt"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(get_bytes(path), "new");
    EXPECT_FALSE(write_file_atomically(dir.str(), "new"));  // target is a folder
    EXPECT_FALSE(write_file_atomically("", "new"));
}

TEST(ReadWholeFile, BytesOrNothing) {
    TempFolder dir;
    const std::string bytes("a\r\n\0\xFF", 5);
    put_bytes(dir.file("f"), bytes);
    EXPECT_EQ(read_whole_file(dir.file("f")), bytes);
    EXPECT_EQ(read_whole_file(dir.file("none")), std::nullopt);
    EXPECT_EQ(read_whole_file(dir.str()), std::nullopt);
    EXPECT_EQ(read_whole_file(""), std::nullopt);
    EXPECT_EQ(read_file_start(dir.file("f"), 3), "a\r\n");
    EXPECT_EQ(read_file_start(dir.file("f"), 99), bytes);
    EXPECT_EQ(read_file_start(dir.file("none"), 3), std::nullopt);
    put_bytes(dir.file("big"), std::string(200000, 'x'));
    EXPECT_EQ(read_file_start(dir.file("big"), 100001)->size(), 100001u);
    EXPECT_EQ(read_whole_file(dir.file("big"))->size(), 200000u);
}

}  // namespace
}  // namespace enclavio
