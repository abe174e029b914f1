#include "bench/DataGenerator.h"

#include "tests/support/Files.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Splits on CR LF and fails the test on a lone CR or LF.
std::vector<std::string> crlfLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const auto end = bytes.find("\r\n", begin);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF";
            break;
        }
        lines.push_back(bytes.substr(begin, end - begin));
        EXPECT_EQ(std::string::npos, lines.back().find_first_of("\r\n")) << lines.back();
        begin = end + 2;
    }
    return lines;
}

struct Shape
{
    int apostrophes = 0;
    int accented = 0;
    int trailingBlanks = 0;
    int extraSemicolons = 0;
    int overFifty = 0;
};

Shape shapeOf(const std::vector<std::string>& lines)
{
    Shape shape;
    for (const std::string& line : lines) {
        const std::string description = line.substr(line.find(';') + 1);
        shape.apostrophes += description.find('\'') != std::string::npos;
        shape.trailingBlanks += description.ends_with(' ');
        shape.extraSemicolons += description.find(';') != std::string::npos;
        shape.overFifty += description.size() > 50;
        for (const char c : description)
            if (static_cast<unsigned char>(c) >= 0x80) {
                ++shape.accented;
                break;
            }
    }
    return shape;
}

TEST(DataGenerator, PortFileHasUniqueRealLookingCodesAndTheShippedOddities)
{
    const TempDir dir;
    bench::writePelabuhanFile(dir.file("p.dat"), 20000);
    const std::vector<std::string> lines = crlfLines(readFile(dir.file("p.dat")));
    ASSERT_EQ(20000u, lines.size());

    std::set<std::string> codes;
    for (const std::string& line : lines) {
        ASSERT_GE(line.size(), 6u) << line;
        EXPECT_EQ(';', line[5]) << line;
        const std::string code = line.substr(0, 5);
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(code[0])) &&
                    std::isupper(static_cast<unsigned char>(code[1])))
            << code;
        for (std::size_t i = 2; i < 5; ++i)
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(code[i])) ||
                        std::isdigit(static_cast<unsigned char>(code[i])))
                << code;
        codes.insert(code);
        // Only letters Windows-1252 defines: never 0x80-0x9F.
        for (const char c : line)
            EXPECT_FALSE(static_cast<unsigned char>(c) >= 0x80 &&
                         static_cast<unsigned char>(c) < 0xA0)
                << line;
    }
    EXPECT_EQ(lines.size(), codes.size());

    // Roughly the shipped port file's rates (11%, 15%, 5%, 2%, 0.8%), so the reload meets the
    // same work.
    const Shape shape = shapeOf(lines);
    EXPECT_GT(shape.apostrophes, 1000);
    EXPECT_GT(shape.accented, 1000);
    EXPECT_GT(shape.trailingBlanks, 500);
    EXPECT_GT(shape.extraSemicolons, 200);
    EXPECT_GT(shape.overFifty, 50);
}

TEST(DataGenerator, SameSizeGivesTheSameBytes)
{
    const TempDir dir;
    bench::writePelabuhanFile(dir.file("a.dat"), 3000);
    bench::writePelabuhanFile(dir.file("b.dat"), 3000);
    bench::writeKemasanFile(dir.file("c.dat"), 406);
    bench::writeKemasanFile(dir.file("d.dat"), 406);
    EXPECT_EQ(readFile(dir.file("a.dat")), readFile(dir.file("b.dat")));
    EXPECT_EQ(readFile(dir.file("c.dat")), readFile(dir.file("d.dat")));
}

TEST(DataGenerator, PortCodesStayUniqueAtTheLargestBenchSize)
{
    const TempDir dir;
    bench::writePelabuhanFile(dir.file("p.dat"), 600000);
    const std::vector<std::string> lines = crlfLines(readFile(dir.file("p.dat")));
    std::set<std::string> codes;
    for (const std::string& line : lines)
        codes.insert(line.substr(0, 5));
    EXPECT_EQ(600000u, lines.size());
    EXPECT_EQ(lines.size(), codes.size());
}

TEST(DataGenerator, PackagingFileFillsEveryTwoCharacterCodeAndNoMore)
{
    const TempDir dir;
    bench::writeKemasanFile(dir.file("k.dat"), bench::kMaxKemasanLines);
    const std::vector<std::string> lines = crlfLines(readFile(dir.file("k.dat")));
    std::set<std::string> codes;
    for (const std::string& line : lines) {
        EXPECT_EQ(2u, line.find(';')) << line;
        codes.insert(line.substr(0, 2));
    }
    EXPECT_EQ(1296u, codes.size());
    EXPECT_GT(shapeOf(lines).apostrophes, 0);
    EXPECT_GT(shapeOf(lines).overFifty, 0);

    EXPECT_THROW(bench::writeKemasanFile(dir.file("more.dat"), 1297), std::runtime_error);
}

TEST(DataGenerator, UnwritablePathRaises)
{
    const TempDir dir;
    EXPECT_THROW(bench::writePelabuhanFile(dir.file("missing/p.dat"), 10), std::runtime_error);
    EXPECT_THROW(bench::writeKemasanFile(dir.file("missing/k.dat"), 10), std::runtime_error);
}

} // namespace
