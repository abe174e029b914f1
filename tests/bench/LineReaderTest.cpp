#include "bench/LineReader.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& bytes)
{
    const TempDir dir;
    const std::string path = dir.file("lines.dat");
    std::ofstream(path, std::ios::binary) << bytes;
    bench::LineReader reader(path);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line))
        lines.emplace_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, LineEndsAsTheProgramReadsThem)
{
    EXPECT_EQ((Lines{"a", "b"}), linesOf("a\r\nb\r\n"));
    EXPECT_EQ((Lines{"a", "b"}), linesOf("a\r\nb"));
    EXPECT_EQ((Lines{"a", "b", "c"}), linesOf("a\nb\rc\r\n"));
    EXPECT_EQ((Lines{"a", "", "b"}), linesOf("a\r\n\r\nb\r\n"));
    EXPECT_EQ((Lines{}), linesOf(""));
    EXPECT_EQ((Lines{""}), linesOf("\r\n"));
}

TEST(LineReader, LinesAcrossReadChunks)
{
    const std::string longLine(200000, 'x');
    EXPECT_EQ((Lines{longLine, "tail"}), linesOf(longLine + "\r\ntail\r\n"));
    // A CR LF split between two chunks is still one line end.
    const std::string first(64 * 1024 - 1, 'y');
    EXPECT_EQ((Lines{first, "next"}), linesOf(first + "\r\nnext"));
}

TEST(LineReader, MissingFileRaises)
{
    const TempDir dir;
    EXPECT_THROW(bench::LineReader(dir.file("absent.dat")), std::runtime_error);
}

} // namespace
