#pragma once

#include "engine/Error.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A data file opened for input, read one line at a time (RAII: closed when it goes).
// A line ends at CR LF, LF or a lone CR; a line end that is the last thing in the file makes no
// further line; a last line without a line end is a line. Lines come back as UTF-8, decoded by
// the file's encoding:
// - a UTF-16 byte order mark (either byte order) makes it UTF-16, its lines split in its text;
// - a file that is UTF-8 throughout is UTF-8 (a leading BOM dropped);
// - one with no well-formed multi-byte UTF-8 sequence anywhere is Windows-1252;
// - one with both well-formed and malformed UTF-8 is refused at its first malformed line, as
//   reading it either way would store some of its lines wrong.
// A line holding a NUL character is refused, since every reader of a stored text stops there.
// The file must stay as it was at the open until its end is read. Every Error names the path.
class TextFileInput
{
public:
    // The reader takes the file in pieces of this many bytes; a line may straddle any number of
    // them (the fuzz target for the reader puts its input across such a boundary).
    static constexpr std::size_t ChunkSize = 64 * 1024;

    // Opens path and reads it through once to settle its encoding, in fixed-size chunks, so
    // memory never grows with the file. Raises Error 53 naming the full path when the file is
    // missing ("File not found: '<path>'"), cannot be read or is no regular file (refused at
    // once, never waiting for a FIFO's writer), and Error 57 when it changes meanwhile.
    explicit TextFileInput(const std::string& path);
    ~TextFileInput();
    TextFileInput(const TextFileInput&) = delete;
    TextFileInput& operator=(const TextFileInput&) = delete;

    bool atEnd() const;
    // The next line without its line end; valid until the next call. Raises Error 62 at the
    // end of the file, Error 53 when reading fails, Error 57 when the file's size or times
    // differ from those at the open, and Error 321 ("<path>:<line>: ...") for a line that does
    // not decode or holds a NUL character.
    const std::string& readLine();
    // 1-based number of the line readLine() returned last.
    std::int64_t lineNumber() const;
    // How many of the file's bytes the lines read so far took (estimated within a chunk of
    // UTF-16), and the file's size at the open: a share of the file read that never goes down.
    // For a display that asks now and then, not on every line.
    std::int64_t bytesRead() const;
    std::int64_t fileSize() const;
    // The SHA-256 (hex) of the file's bytes once the last line has been read; empty before.
    const std::string& sha256() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
