#include "platform/TextFileInput.h"

#include "tests/support/Files.h"
#include "tests/support/RaisedError.h"
#include "tests/support/TempDir.h"
#include "tests/support/Utf16Bytes.h"

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
        {"a pair that could start utf-8", "\xC3 \xA9", "\u00C3 \u00A9"},
    };
    for (const EncodingCase& c : cases)
        EXPECT_EQ(readBytes(c.bytes), (Lines{c.utf8})) << c.name;
}

// Two entries of the code page trading places would garble hundreds of shipped port names. The
// expectations are Microsoft's published cp1252 table; the five bytes it leaves undefined are
// read as the C1 control of the same value.
TEST(TextFileInput, ReadsEveryHighControlByteAsTheCodePageSays)
{
    const struct
    {
        unsigned char byte;
        const char* utf8;
    } codePage[] = {
        {0x7E, "~"},      {0x7F, "\x7F"},   {0x80, "\u20AC"}, {0x81, "\u0081"}, {0x82, "\u201A"},
        {0x83, "\u0192"}, {0x84, "\u201E"}, {0x85, "\u2026"}, {0x86, "\u2020"}, {0x87, "\u2021"},
        {0x88, "\u02C6"}, {0x89, "\u2030"}, {0x8A, "\u0160"}, {0x8B, "\u2039"}, {0x8C, "\u0152"},
        {0x8D, "\u008D"}, {0x8E, "\u017D"}, {0x8F, "\u008F"}, {0x90, "\u0090"}, {0x91, "\u2018"},
        {0x92, "\u2019"}, {0x93, "\u201C"}, {0x94, "\u201D"}, {0x95, "\u2022"}, {0x96, "\u2013"},
        {0x97, "\u2014"}, {0x98, "\u02DC"}, {0x99, "\u2122"}, {0x9A, "\u0161"}, {0x9B, "\u203A"},
        {0x9C, "\u0153"}, {0x9D, "\u009D"}, {0x9E, "\u017E"}, {0x9F, "\u0178"}, {0xA0, "\u00A0"},
        {0xA1, "\u00A1"}, {0xFE, "\u00FE"}, {0xFF, "\u00FF"},
    };
    std::string bytes;
    Lines expected;
    for (const auto& entry : codePage) {
        bytes += static_cast<char>(entry.byte);
        bytes += "\r\n";
        expected.emplace_back(entry.utf8);
    }
    const Lines read = readBytes(bytes);
    ASSERT_EQ(read.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(read[i], expected[i]) << "byte 0x" << std::hex << int(codePage[i].byte);
}

TEST(TextFileInput, ReadsUtf8WithOrWithoutBom)
{
    const std::string text = "S\u00E3o Tom\u00E9;\u00B0 \u20AC \U0001F6A2";
    EXPECT_EQ(readBytes(text + "\r\n" + text), (Lines{text, text}));
    EXPECT_EQ(readBytes("\xEF\xBB\xBF" + text + "\r\n"), (Lines{text}));
    EXPECT_EQ(readBytes("\xEF\xBB\xBF"), Lines{});
    EXPECT_EQ(readBytes("\xEF\xBB\xBF\r\nx"), (Lines{"", "x"}));
}

struct RefusedCase
{
    const char* name;
    std::string bytes;
    std::int64_t line;
};

// Each case must be refused with the number for a bad file format and a description that
// starts with the full path and the line to blame.
void expectRefusedAtLine(const std::vector<RefusedCase>& cases)
{
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.file("input.dat");
        writeFile(path, c.bytes);
        const Error error = errorOf([&] { readAll(path); });
        EXPECT_EQ(error.number(), ErrorNumber::InvalidFileFormat);
        const std::string where = path + ":" + std::to_string(c.line) + ":";
        EXPECT_EQ(error.description().substr(0, where.size()), where) << error.description();
    }
}

// Guards against a file in UTF-8 with one stray byte being read whole as Windows-1252, which
// stores every accented letter of every other line wrong without a word.
TEST(TextFileInput, RefusesUtf8WithMalformedBytesAtTheFirstBadLine)
{
    const std::string manyLines(kChunk, '\n'); // pushes the bad byte past the first chunk
    expectRefusedAtLine({
        {"bad byte far past the utf-8", "caf\xC3\xA9" + manyLines + "\xE9", kChunk + 1},
        {"bad byte before the utf-8", "ok\r\nS\xE9\r\n\xC3\x89\r\nbad \xE9\r\n", 2},
        {"bom then a bad byte", "\xEF\xBB\xBF\xE9", 1},
        {"bom then a bad line",
         "\xEF\xBB\xBF"
         "a\r\nb\r\nc\x80",
         3},
        {"sequence cut by a line end", "\xC3\xA9\r\n\xC3\r\n\xC3\xA9", 2},
        {"sequence cut by the end of the file", "\xC3\xA9\r\nok\r\n\xE2\x82", 3},
        {"overlong among utf-8", "\xE2\x82\xAC\n\xC0\xAF", 2},
        {"surrogate among utf-8", "\xE2\x82\xAC\r\xED\xA0\x80", 2},
    });
}

TEST(TextFileInput, LinesBeforeTheBadOneComeBackAsUtf8)
{
    TempDir dir;
    writeFile(dir.file("mixed.dat"), "\xC3\x89"
                                     "COLE;x\r\nSECND;\xE9\r\n");
    TextFileInput input(dir.file("mixed.dat"));
    EXPECT_EQ(input.readLine(), "\u00C9COLE;x");
    EXPECT_THROW(input.readLine(), Error);
}

// Guards against a NUL being stored: every reader of the table sees the value cut there.
TEST(TextFileInput, RefusesALineHoldingNul)
{
    using namespace std::string_literals;
    expectRefusedAtLine({
        {"nul in an ascii line", "A;one\r\nB;t\0wo\r\n"s, 2},
        {"nul alone on a line", "\0"s, 1},
        {"nul in a 1252 file", "caf\xE9\r\nx\r\n\r\n;\0\xE9"s, 4},
        {"nul in a utf-8 file", "\xC3\xA9\n\0"s, 2},
        {"nul past the first chunk", std::string(kChunk + 10, 'a') + "\0"s, 1},
        {"nul in utf-16", utf16Bytes("a\r\nb"s + '\0' + "c"), 2},
        {"utf-16 without a bom", utf16Bytes("ab;cd", false, false), 1},
    });
}

// Guards against what Notepad saves as "Unicode" loading as garbage or failing on a duplicate
// key made of NUL bytes.
TEST(TextFileInput, ReadsUtf16WithByteOrderMarkInEitherOrder)
{
    const std::string text = "S\u00E3o Tom\u00E9;\u00B0 \u20AC \U0001F6A2";
    const std::string lines = text + "\r\nA;one\nB;two\rC;three\r\n\r\nlast";
    const Lines expected = {text, "A;one", "B;two", "C;three", "", "last"};
    EXPECT_EQ(readBytes(utf16Bytes(lines)), expected);
    EXPECT_EQ(readBytes(utf16Bytes(lines, true)), expected);
    EXPECT_EQ(readBytes(utf16Bytes("")), Lines{});
    EXPECT_EQ(readBytes(utf16Bytes("\r\n")), Lines{""});
}

TEST(TextFileInput, Utf16AcrossChunkBoundaries)
{
    // The text starts two bytes in, after the byte order mark, so the reader's chunks hold whole
    // code units; this padding leaves one unit of room at the end of the first chunk.
    const std::string padding(kChunk / 2 - 1, 'p');
    const std::string ship = "\U0001F6A2";
    EXPECT_EQ(readBytes(utf16Bytes(padding + ship + "x")), (Lines{padding + ship + "x"}));
    EXPECT_EQ(readBytes(utf16Bytes(padding + "\r\nnext")), (Lines{padding, "next"}));
    EXPECT_EQ(readBytes(utf16Bytes(padding + "\r\r\n", true)), (Lines{padding, ""}));
}

TEST(TextFileInput, RefusesUtf16ThatDoesNotDecode)
{
    const std::string high = "\x3D\xD8"; // a high surrogate, little endian
    const std::string low("\x00\xDE", 2);
    expectRefusedAtLine({
        {"odd byte count", utf16Bytes("a\r\nb") + "c", 2},
        {"odd byte after the last line end", utf16Bytes("a\r\n") + "c", 2},
        {"high surrogate then a line end",
         utf16Bytes("a\r\nb") + high + utf16Bytes("\r\nc", false, false), 2},
        {"high surrogate at the end", utf16Bytes("a\nb") + high, 2},
        {"low surrogate alone", utf16Bytes("ok") + low + utf16Bytes("\r\n", false, false), 1},
        {"two high surrogates", utf16Bytes("\n\n") + high + high + low, 3},
    });
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
    const Error error = errorOf([&] { TextFileInput input(path); });
    EXPECT_EQ(error.number(), 53);
    EXPECT_EQ(error.description(), "File not found: '" + path + "'");
}

TEST(TextFileInput, UnreadableFileRaises53NamingThePath)
{
    TempDir dir;
    const std::string path = dir.file("folder.dat");
    std::filesystem::create_directory(path);
    const Error error = errorOf([&] { TextFileInput input(path); });
    EXPECT_EQ(error.number(), 53);
    expectNamed(error, path);
}

TEST(TextFileInput, ReadingPastTheEndRaises62)
{
    TempDir dir;
    writeFile(dir.file("one.dat"), "only\r\n");
    TextFileInput input(dir.file("one.dat"));
    EXPECT_EQ(input.readLine(), "only");
    EXPECT_EQ(errorOf([&] { input.readLine(); }).number(), 62);
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
