#pragma once

#include "engine/Error.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace ErrorNumber {
inline constexpr std::int32_t FileNotFound = 53; // also raised for a file that cannot be read
inline constexpr std::int32_t InputPastEndOfFile = 62;
} // namespace ErrorNumber

// A data file opened for input, read one line at a time (RAII: closed when it goes).
// A line ends at CR LF, LF or a lone CR; a line end that is the last thing in the file makes no
// further line; a last line without a line end is a line. A file that is valid UTF-8 (a leading
// BOM dropped) is read as UTF-8, any other as Windows-1252; lines come back as UTF-8.
// Opening a missing or unreadable file raises an Error naming the path.
class TextFileInput
{
public:
    // The reader takes the file in pieces of this many bytes; a line may straddle any number of
    // them (the fuzz target for the reader puts its input across such a boundary).
    static constexpr std::size_t ChunkSize = 64 * 1024;

    // Opens path and reads it through once to settle its encoding, in fixed-size chunks, so
    // memory never grows with the file. Raises Error 53 naming the full path when the file is
    // missing ("File not found: '<path>'") or cannot be read.
    explicit TextFileInput(const std::string& path);
    ~TextFileInput();
    TextFileInput(const TextFileInput&) = delete;
    TextFileInput& operator=(const TextFileInput&) = delete;

    bool atEnd() const;
    // The next line without its line end; valid until the next call. Raises Error 62 at the
    // end of the file and Error 53 when reading fails.
    const std::string& readLine();
    // 1-based number of the line readLine() returned last.
    std::int64_t lineNumber() const;
    const std::string& path() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
