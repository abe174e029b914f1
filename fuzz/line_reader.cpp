// Fuzz target: any bytes, written to a file and read back with TextFileInput, against a plain
// splitter and decoder written out here. The first input byte chooses where the rest lands: at
// the start of the file (where a byte-order mark counts), or just before the end of the reader's
// first chunk behind a filler of ASCII lines, so that line ends, CR LF pairs and multi-byte
// characters straddle the chunk boundary.
//
// Some files the reader may refuse rather than decode: those with a NUL byte, and those that
// mix well-formed multi-byte UTF-8 with bytes that are not UTF-8. For them any Error other than
// reading past the end is accepted, and the lines given before it must still be right. Files
// that start with a UTF-16 byte-order mark are only checked for the promises every file gets:
// lines of UTF-8 without line-end characters, and the end reported as documented.

#include "platform/TextFileInput.h"
#include "tests/support/Files.h"
#include "tests/support/TempDir.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The reference and the file's filler run over some 64 KiB per input: without coverage
// instrumentation, so that the time goes to the reader and its feedback alone guides the fuzzer.
#define TANDERA_REFERENCE __attribute__((no_sanitize("coverage")))

// Unicode's table of well-formed UTF-8: the length of the sequence that starts at text[i], or
// 0 when none does.
TANDERA_REFERENCE std::size_t wellFormedLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned char>(text[k]);
    };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() - i < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = byte(i + k);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

struct Utf8Scan
{
    bool valid = true;      // the whole text is UTF-8
    bool multiByte = false; // it holds at least one well-formed sequence of 2 to 4 bytes
};

TANDERA_REFERENCE Utf8Scan scanUtf8(std::string_view text)
{
    Utf8Scan scan;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = wellFormedLength(text, i);
        if (length == 0) {
            scan.valid = false;
            ++i;
            continue;
        }
        scan.multiByte = scan.multiByte || length > 1;
        i += length;
    }
    return scan;
}

TANDERA_REFERENCE bool isUtf8(std::string_view text)
{
    return scanUtf8(text).valid;
}

TANDERA_REFERENCE void appendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Code page 1252 as Microsoft publishes it (bestfit1252.txt) for 0x80-0x9F; the five bytes it
// leaves undefined map to the C1 controls of the same value. Every other byte is its own code.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

TANDERA_REFERENCE std::string fromWindows1252(std::string_view bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        appendCodePoint(out, byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte);
    }
    return out;
}

// Lines end at CR LF, LF or a lone CR; a line end at the very end starts no further line.
TANDERA_REFERENCE std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

enum class Rules
{
    Settled,   // the lines must come back exactly as the reference gives them
    MayRefuse, // as Settled, but an Error may end the reading early
    Unchecked, // only what every file is promised
};

struct Reference
{
    Rules rules = Rules::Settled;
    // Per line, the readings it may come back as: the one of the file's encoding, and for a
    // file that mixes encodings the UTF-8 one too where the line is UTF-8.
    std::vector<std::vector<std::string>> lines;
};

TANDERA_REFERENCE Reference reference(std::string_view file)
{
    constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
    Reference expected;
    if (file.starts_with("\xFF\xFE") || file.starts_with("\xFE\xFF")) {
        expected.rules = Rules::Unchecked;
        return expected;
    }
    const Utf8Scan scan = scanUtf8(file);
    const bool mixed = !scan.valid && scan.multiByte;
    if (mixed || file.find('\0') != std::string_view::npos)
        expected.rules = Rules::MayRefuse;
    std::string_view text = file;
    if (scan.valid && text.starts_with(Utf8Bom))
        text.remove_prefix(Utf8Bom.size());
    for (std::string_view line : splitLines(text)) {
        std::vector<std::string> readings;
        readings.push_back(scan.valid ? std::string(line) : fromWindows1252(line));
        // Read as UTF-8 up to its first bad line, a mixed file loses its byte-order mark too.
        if (mixed && expected.lines.empty() && line.starts_with(Utf8Bom))
            line.remove_prefix(Utf8Bom.size());
        if (mixed && isUtf8(line))
            readings.emplace_back(line);
        expected.lines.push_back(std::move(readings));
    }
    return expected;
}

[[noreturn]] void fail(const char* what, std::size_t line, const std::string& got)
{
    std::fprintf(stderr, "line reader: %s (line %zu): \"%.200s\"\n", what, line + 1, got.c_str());
    std::abort();
}

// Where the input goes: the first byte picks the place and the filler's line ends.
TANDERA_REFERENCE std::string fileFor(const std::uint8_t* data, std::size_t size)
{
    const auto place = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (place < 0x80)
        return std::string(input);
    // The input starts up to 127 bytes before the end of the first chunk.
    const std::size_t before = place - 0x80;
    std::string file(TextFileInput::ChunkSize - before, 'a');
    constexpr std::array<std::string_view, 3> kLineEnds = {"\r\n", "\n", "\r"};
    const std::string_view lineEnd = kLineEnds[place % kLineEnds.size()];
    for (std::size_t at = 60; at + lineEnd.size() <= file.size(); at += 61)
        file.replace(at, lineEnd.size(), lineEnd);
    file += input;
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TempDir scratch;
    static const std::string path = scratch.file("input.dat");
    if (size == 0)
        return 0;
    const std::string file = fileFor(data, size);
    writeFile(path, file);
    const Reference expected = reference(file);

    std::optional<TextFileInput> input;
    try {
        input.emplace(path);
    } catch (const Error& error) {
        if (expected.rules == Rules::Settled || error.number() == ErrorNumber::InputPastEndOfFile)
            fail("the reader refused a file it must read", 0, error.description());
        return 0;
    }

    std::size_t count = 0;
    while (!input->atEnd()) {
        std::string line;
        try {
            line = input->readLine();
        } catch (const Error& error) {
            if (expected.rules == Rules::Settled ||
                error.number() == ErrorNumber::InputPastEndOfFile)
                fail("readLine raised an Error before the end", count, error.description());
            return 0;
        }
        if (line.find_first_of("\r\n") != std::string::npos || !isUtf8(line))
            fail("a line holds a line end or is not UTF-8", count, line);
        if (input->lineNumber() != static_cast<std::int64_t>(count) + 1)
            fail("lineNumber() does not count the lines read", count, line);
        if (expected.rules != Rules::Unchecked) {
            if (count >= expected.lines.size())
                fail("more lines than the file holds", count, line);
            bool matches = false;
            for (const std::string& reading : expected.lines[count])
                matches = matches || reading == line;
            if (!matches)
                fail("a line differs from the reference", count, line);
        }
        ++count;
    }
    if (expected.rules != Rules::Unchecked && count != expected.lines.size())
        fail("fewer lines than the file holds", count, {});
    try {
        input->readLine();
    } catch (const Error& error) {
        if (error.number() == ErrorNumber::InputPastEndOfFile)
            return 0;
    }
    fail("reading past the end did not raise Error 62", count, {});
}
