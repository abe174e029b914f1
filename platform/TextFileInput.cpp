#include "platform/TextFileInput.h"

#include "engine/Sha256.h"
#include "platform/FileDescriptor.h"
#include "platform/TextEncoding.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The file is read twice: once through to settle its encoding, then line by line. Between and
// during both, every read is checked against what fstat found at the open (size, change and
// modification times) and the bytes read against that size, so a file truncated, grown or
// rewritten under the reader raises an Error instead of handing out part of one version.

namespace {

constexpr std::size_t kChunkSize = TextFileInput::ChunkSize;
constexpr unsigned char kUtf16LeBom[] = {0xFF, 0xFE};
constexpr unsigned char kUtf16BeBom[] = {0xFE, 0xFF};
constexpr std::size_t kUtf8BomSize = 3;

enum class Encoding
{
    Windows1252,
    Utf8,
    Utf8Mixed,
    Utf16Le,
    Utf16Be
};

// A translated text with the path for its %1.
std::string withPath(const QString& text, const std::string& path)
{
    return text.arg(QString::fromStdString(path)).toStdString();
}

[[noreturn]] void raiseUnreadable(const std::string& path, int error)
{
    throw Error(ErrorNumber::FileNotFound,
                QCoreApplication::translate("TextFileInput", "File cannot be read: '%1' (%2)")
                    .arg(QString::fromStdString(path),
                         QString::fromStdString(std::generic_category().message(error)))
                    .toStdString());
}

bool startsWith(const std::vector<char>& bytes, std::size_t size, const unsigned char (&bom)[2])
{
    return size >= 2 && static_cast<unsigned char>(bytes[0]) == bom[0] &&
           static_cast<unsigned char>(bytes[1]) == bom[1];
}

bool sameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

struct TextFileInput::Impl
{
    std::string path;
    std::optional<FileDescriptor> file;
    struct stat atOpen = {};
    off_t offset = 0; // where the next read starts
    bool fileEnded = false;
    std::vector<char> raw = std::vector<char>(kChunkSize);
    std::string decoded;     // UTF-16 only: the raw chunk as UTF-8
    std::size_t rawSize = 0; // the file's bytes behind the current chunk
    std::optional<Utf16Decoder> utf16;
    const char* data = nullptr;
    std::size_t position = 0;
    std::size_t size = 0;
    bool endOfFile = false;
    Encoding encoding = Encoding::Utf8;
    Utf8Validator lineValidator;
    std::string line;
    std::int64_t lineNumber = 0;
    // Over the bytes the lines are read from, from the start of the file; finished at its end.
    std::optional<engine::Sha256> digest;
    std::string sha256;

    void open()
    {
        // O_NONBLOCK so that opening a FIFO returns at once instead of waiting for a writer.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT)
                throw Error(
                    ErrorNumber::FileNotFound,
                    withPath(QCoreApplication::translate("TextFileInput", "File not found: '%1'"),
                             path));
            raiseUnreadable(path, errno);
        }
        file.emplace(fd);
        if (::fstat(fd, &atOpen) != 0)
            raiseUnreadable(path, errno);
        if (!S_ISREG(atOpen.st_mode))
            throw Error(
                ErrorNumber::FileNotFound,
                withPath(QCoreApplication::translate("TextFileInput", "Not a regular file: '%1'"),
                         path));
    }

    [[noreturn]] void raiseChanged() const
    {
        throw Error(ErrorNumber::FileChanged,
                    withPath(QCoreApplication::translate(
                                 "TextFileInput", "The file changed while it was read: '%1'"),
                             path));
    }

    void seek(off_t to)
    {
        if (::lseek(file->get(), to, SEEK_SET) != to)
            raiseUnreadable(path, errno);
        offset = to;
        fileEnded = false;
    }

    // Reads the next raw chunk; 0 at the end of the file, which must be where it was at the open.
    std::size_t readRaw()
    {
        ssize_t count = 0;
        do
            count = ::read(file->get(), raw.data(), raw.size());
        while (count < 0 && errno == EINTR);
        if (count < 0)
            raiseUnreadable(path, errno);
        offset += count;
        if (digest) {
            digest->add({raw.data(), static_cast<std::size_t>(count)});
            if (count == 0)
                sha256 = std::exchange(digest, std::nullopt)->hex();
        }
        struct stat now = {};
        if (::fstat(file->get(), &now) != 0)
            raiseUnreadable(path, errno);
        if (now.st_size != atOpen.st_size || !sameTime(now.st_mtim, atOpen.st_mtim) ||
            !sameTime(now.st_ctim, atOpen.st_ctim) || offset > atOpen.st_size ||
            (count == 0 && offset != atOpen.st_size))
            raiseChanged();
        fileEnded = count == 0;
        return static_cast<std::size_t>(count);
    }

    // Makes the next chunk of text current once the current one is used up; false at the end.
    bool fill()
    {
        position = size = 0;
        while (size == 0 && !fileEnded) {
            const std::size_t count = readRaw();
            rawSize = count;
            if (utf16) {
                decoded.clear();
                if (count > 0)
                    utf16->feed(raw.data(), count, decoded);
                else
                    utf16->finish(decoded);
                data = decoded.data();
                size = decoded.size();
            } else {
                data = raw.data();
                size = count;
            }
        }
        endOfFile = size == 0;
        return !endOfFile;
    }

    // Reads the file through once (or up to a UTF-16 byte order mark) and leaves it at the
    // start of its text, the encoding settled.
    void settleEncoding()
    {
        fill();
        const bool littleEndian = startsWith(raw, size, kUtf16LeBom);
        if (littleEndian || startsWith(raw, size, kUtf16BeBom)) {
            encoding = littleEndian ? Encoding::Utf16Le : Encoding::Utf16Be;
            utf16.emplace(!littleEndian);
            decoded.reserve(raw.size() * 3 / 2 + 4);
            seek(sizeof kUtf16LeBom);
            startDigest({raw.data(), sizeof kUtf16LeBom});
            endOfFile = false;
            position = size = 0;
            return;
        }
        const bool utf8Bom = size >= kUtf8BomSize &&
                             std::equal(raw.data(), raw.data() + kUtf8BomSize, "\xEF\xBB\xBF");
        Utf8Validator validator;
        bool more = size > 0;
        while (more) {
            validator.feed(data, size);
            if (!validator.valid() && validator.sawMultibyte())
                break;
            more = fill();
        }
        // A byte order mark is a well-formed sequence too: with one, malformed bytes are refused.
        if (validator.valid())
            encoding = Encoding::Utf8;
        else
            encoding = validator.sawMultibyte() ? Encoding::Utf8Mixed : Encoding::Windows1252;
        const bool skipBom = utf8Bom && encoding != Encoding::Windows1252;
        seek(skipBom ? off_t(kUtf8BomSize) : 0);
        startDigest(skipBom ? std::string_view("\xEF\xBB\xBF") : std::string_view());
        endOfFile = false;
        position = size = 0;
    }

    // The line pass reads every byte after the byte order mark it skips.
    void startDigest(std::string_view skipped)
    {
        digest.emplace();
        digest->add(skipped);
    }

    // Raises Error 321 for the line being read; text has %1 for the path and %2 for the line.
    [[noreturn]] void raiseLine(const QString& text) const
    {
        // One arg() call for both, so a '%' in the path is never taken for a place marker.
        const QString description =
            text.arg(QString::fromStdString(path), QString::number(lineNumber + 1));
        throw Error(ErrorNumber::InvalidFileFormat, description.toStdString());
    }

    void append(const char* begin, const char* end)
    {
        const auto count = static_cast<std::size_t>(end - begin);
        if (std::memchr(begin, '\0', count))
            raiseLine(QCoreApplication::translate("TextFileInput",
                                                  "%1:%2: the line holds a NUL character"));
        switch (encoding) {
        case Encoding::Windows1252:
            appendWindows1252AsUtf8(line, begin, count);
            return;
        case Encoding::Utf8Mixed:
            lineValidator.feed(begin, count);
            break;
        case Encoding::Utf16Le:
        case Encoding::Utf16Be:
            if (std::memchr(begin, kUndecodable, count))
                raiseLine(QCoreApplication::translate("TextFileInput",
                                                      "%1:%2: the line is not valid UTF-16"));
            break;
        case Encoding::Utf8:
            break;
        }
        line.append(begin, end);
    }

    // Checks the whole line once its end is found; a sequence a line end cuts short counts.
    void finishLine()
    {
        if (encoding != Encoding::Utf8Mixed)
            return;
        if (!lineValidator.valid())
            raiseLine(QCoreApplication::translate(
                "TextFileInput",
                "%1:%2: the line is not valid UTF-8, though other lines of the file are"));
        lineValidator = Utf8Validator();
    }
};

TextFileInput::TextFileInput(const std::string& path) : m_impl(std::make_unique<Impl>())
{
    m_impl->path = path;
    m_impl->open();
    m_impl->settleEncoding();
    m_impl->fill();
}

TextFileInput::~TextFileInput() = default;

bool TextFileInput::atEnd() const
{
    return m_impl->endOfFile;
}

const std::string& TextFileInput::readLine()
{
    Impl& in = *m_impl;
    if (in.endOfFile)
        throw Error(
            ErrorNumber::InputPastEndOfFile,
            withPath(QCoreApplication::translate("TextFileInput", "Input past end of file: '%1'"),
                     in.path));
    in.line.clear();
    // Invariant between calls: unread text waits in the chunk, or the file is at its end.
    while (in.position < in.size || in.fill()) {
        const char* begin = in.data + in.position;
        const char* end = in.data + in.size;
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        in.append(begin, stop);
        in.position += static_cast<std::size_t>(stop - begin);
        if (stop == end)
            continue;
        ++in.position;
        if (*stop == '\r' && (in.position < in.size || in.fill()) && in.data[in.position] == '\n')
            ++in.position;
        break;
    }
    in.finishLine();
    if (in.position == in.size)
        in.fill();
    ++in.lineNumber;
    return in.line;
}

std::int64_t TextFileInput::lineNumber() const
{
    return m_impl->lineNumber;
}

std::int64_t TextFileInput::bytesRead() const
{
    const Impl& in = *m_impl;
    if (in.size == 0)
        return in.offset;
    // The chunk's unread share, in the file's bytes: UTF-16 decodes to another length.
    const auto unread = static_cast<std::int64_t>(in.rawSize) *
                        static_cast<std::int64_t>(in.size - in.position) /
                        static_cast<std::int64_t>(in.size);
    return in.offset - unread;
}

std::int64_t TextFileInput::fileSize() const
{
    return m_impl->atOpen.st_size;
}

const std::string& TextFileInput::sha256() const
{
    return m_impl->sha256;
}
