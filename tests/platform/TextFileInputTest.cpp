#include "platform/TextFileInput.h"

#include "tests/support/Files.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kChunk = 64 * 1024; // the reader's chunk size: boundaries are tested

std::vector<std::string> readAll(const std::string& path)
{
    TextFileInput input(path);
    std::vector<std::string> lines;
    while (!input.atEnd())
        lines.push_back(input.readLine());
    return lines;
}

std::vector<std::string> readBytes(const std::string& bytes)
{
    TempDir dir;
    writeFile(dir.file("input.dat"), bytes);
    return readAll(dir.file("input.dat"));
}

using Lines = std::vector<std::string>;

struct LineCase
{
    const char* name;
    std::string bytes;
    Lines lines;
};

TEST(TextFileInput, SplitsLinesAtEveryKindOfLineEnd)
{
    const std::vector<LineCase> cases = {
        {"empty file", "", {}},
        {"crlf", "A;one\r\nB;two\r\n", {"A;one", "B;two"}},
        {"no final line end", "A;one\r\nB;two", {"A;one", "B;two"}},
        {"lf only", "A;one\nB;two\n", {"A;one", "B;two"}},
        {"lone cr", "A;one\rB;two\r", {"A;one", "B;two"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"empty line inside", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"only a line end", "\r\n", {""}},
        {"two line ends", "\n\n", {"", ""}},
        {"cr then crlf", "a\r\r\nb", {"a", "", "b"}},
        {"lf then cr is two ends", "a\n\rb", {"a", "", "b"}},
        {"spaces and tabs kept", " a\t; b \r\n", {" a\t; b "}},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(readBytes(c.bytes), c.lines) << c.name;
}

TEST(TextFileInput, LineEndsSplitAcrossChunksCountOnce)
{
    const std::string first(kChunk - 1, 'x');
    EXPECT_EQ(readBytes(first + "\r\nsecond"), (Lines{first, "second"}));
    EXPECT_EQ(readBytes(first + "\r"), (Lines{first}));
    EXPECT_EQ(readBytes(first + "\rsecond"), (Lines{first, "second"}));
    const std::string whole(kChunk - 2, 'y');
    EXPECT_EQ(readBytes(whole + "\r\n"), (Lines{whole}));
}

TEST(TextFileInput, ReadsLinesLongerThanAnyBuffer)
{
    const std::string code = "LONG";
    const std::string description(100'000, 'd');
    const std::string line = code + ";" + description;
    EXPECT_EQ(readBytes(line + "\r\nS;short\r\n" + line), (Lines{line, "S;short", line}));
}

TEST(TextFileInput, CountsLinesFromOne)
{
    TempDir dir;
    writeFile(dir.file("n.dat"), "a\r\n\r\nc");
    TextFileInput input(dir.file("n.dat"));
    EXPECT_EQ(input.lineNumber(), 0);
    for (std::int64_t expected = 1; expected <= 3; ++expected) {
        input.readLine();
        EXPECT_EQ(input.lineNumber(), expected);
    }
    EXPECT_TRUE(input.atEnd());
    EXPECT_EQ(input.path(), dir.file("n.dat"));
}

struct EncodingCase
{
    const char* name;
    std::string bytes;
    std::string utf8;
};

TEST(TextFileInput, ReadsWindows1252AsUnicode)
{
    const std::vector<EncodingCase> cases = {
        {"e acute", "caf\xE9", "caf\u00E9"},
        {"degree", "45\xB0N", "45\u00B0N"},
        {"euro", "\x80", "\u20AC"},
        {"en dash", "a\x96z", "a\u2013z"},
        {"curly quotes", "\x93q\x94", "\u201Cq\u201D"},
        {"y diaeresis 0x9F", "\x9F", "\u0178"},
        {"undefined 0x81 stays C1", "\x81", "\u0081"},
        {"undefined 0x8D stays C1", "\x8D", "\u008D"},
        {"undefined 0x8F stays C1", "\x8F", "\u008F"},
        {"undefined 0x90 stays C1", "\x90", "\u0090"},
        {"undefined 0x9D stays C1", "\x9D", "\u009D"},
        {"no-break space", "\xA0", "\u00A0"},
        {"y diaeresis 0xFF", "\xFF", "\u00FF"},
        {"bom bytes in a 1252 file", "\xEF\xBB\xBF\xE9", "\u00EF\u00BB\u00BF\u00E9"},
    };
    for (const EncodingCase& c : cases)
        EXPECT_EQ(readBytes(c.bytes), (Lines{c.utf8})) << c.name;
}

TEST(TextFileInput, ReadsUtf8WithOrWithoutBom)
{
    const std::string text = "S\u00E3o Tom\u00E9;\u00B0 \u20AC \U0001F6A2";
    EXPECT_EQ(readBytes(text + "\r\n" + text), (Lines{text, text}));
    EXPECT_EQ(readBytes("\xEF\xBB\xBF" + text + "\r\n"), (Lines{text}));
    EXPECT_EQ(readBytes("\xEF\xBB\xBF"), Lines{});
    EXPECT_EQ(readBytes("\xEF\xBB\xBF\r\nx"), (Lines{"", "x"}));
}

TEST(TextFileInput, ValidatesTheWholeFileBeforeChoosingUtf8)
{
    // Valid UTF-8 up to a byte deep inside the file, past the first chunk: all of it is 1252.
    const std::string lines(kChunk, '\n');
    const Lines read = readBytes("caf\xC3\xA9" + lines + "\xE9");
    ASSERT_EQ(read.size(), kChunk + 1);
    EXPECT_EQ(read.front(), "caf\u00C3\u00A9");
    EXPECT_EQ(read.back(), "\u00E9");
}

TEST(TextFileInput, ReadsNotQuiteUtf8As1252)
{
    const std::vector<EncodingCase> cases = {
        {"cut short at the end", "ok \xC3", "ok \u00C3"},
        {"overlong slash", "\xC0\xAF", "\u00C0\u00AF"},
        {"overlong three bytes", "\xE0\x80\xAF", "\u00E0\u20AC\u00AF"},
        {"surrogate", "\xED\xA0\x80", "\u00ED\u00A0\u20AC"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "\u00F4\u0090\u20AC\u20AC"},
        {"lone continuation", "a\xA9", "a\u00A9"},
    };
    for (const EncodingCase& c : cases)
        EXPECT_EQ(readBytes(c.bytes), (Lines{c.utf8})) << c.name;
}

TEST(TextFileInput, Utf8SequenceAcrossChunksStaysUtf8)
{
    const std::string padding(kChunk - 1, 'p');
    EXPECT_EQ(readBytes(padding + "\xC3\xA9"), (Lines{padding + "\u00E9"}));
    EXPECT_EQ(readBytes(padding + "\xE9"), (Lines{padding + "\u00E9"}));
}

TEST(TextFileInput, MissingFileRaises53NamingThePath)
{
    TempDir dir;
    const std::string path = dir.file("absent.dat");
    try {
        TextFileInput input(path);
        FAIL() << "opened a missing file";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), 53);
        EXPECT_EQ(error.description(), "File not found: '" + path + "'");
    }
}

TEST(TextFileInput, UnreadableFileRaises53NamingThePath)
{
    TempDir dir;
    const std::string path = dir.file("folder.dat");
    std::filesystem::create_directory(path);
    try {
        TextFileInput input(path);
        FAIL() << "opened a folder as a file";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), 53);
        EXPECT_NE(error.description().find("'" + path + "'"), std::string::npos)
            << error.description();
    }
}

TEST(TextFileInput, ReadingPastTheEndRaises62)
{
    TempDir dir;
    writeFile(dir.file("one.dat"), "only\r\n");
    TextFileInput input(dir.file("one.dat"));
    EXPECT_EQ(input.readLine(), "only");
    try {
        input.readLine();
        FAIL() << "read past the end";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), 62);
    }
}

TEST(TextFileInput, ClosesItsFileWhenItGoes)
{
    TempDir dir;
    writeFile(dir.file("f.dat"), "a\r\nb\r\n");
    const std::size_t before = openFileHandles();
    for (int run = 0; run < 100; ++run) {
        TextFileInput input(dir.file("f.dat"));
        input.readLine(); // left part-way on purpose
    }
    for (int run = 0; run < 100; ++run)
        EXPECT_THROW(TextFileInput(dir.file("missing.dat")), Error);
    EXPECT_EQ(openFileHandles(), before);
}

} // namespace
