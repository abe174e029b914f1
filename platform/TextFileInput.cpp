#include "platform/TextFileInput.h"

#include "platform/TextEncoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;
constexpr char kUtf8Bom[] = {'\xEF', '\xBB', '\xBF'};

[[noreturn]] void raiseUnreadable(const std::string& path, const QFile& file)
{
    throw Error(ErrorNumber::FileNotFound,
                QCoreApplication::translate("TextFileInput", "File cannot be read: '%1' (%2)")
                    .arg(QString::fromStdString(path), file.errorString())
                    .toStdString());
}

} // namespace

struct TextFileInput::Impl
{
    std::string path;
    QFile file;
    std::vector<char> chunk = std::vector<char>(kChunkSize);
    std::size_t position = 0;
    std::size_t size = 0;
    bool endOfFile = false;
    bool utf8 = false;
    std::string line;
    std::int64_t lineNumber = 0;

    // Reads the next chunk once the current one is used up; false at the end of the file.
    bool fill()
    {
        if (endOfFile)
            return false;
        const qint64 count = file.read(chunk.data(), static_cast<qint64>(chunk.size()));
        if (count < 0)
            raiseUnreadable(path, file);
        position = 0;
        size = static_cast<std::size_t>(count);
        endOfFile = count == 0;
        return !endOfFile;
    }

    // Reads the whole file once; leaves the encoding decided and the file back at its start
    // (past a BOM).
    void settleEncoding()
    {
        Utf8Validator validator;
        std::size_t seen = 0;
        bool bom = false;
        while (fill()) {
            if (seen == 0)
                bom = size >= sizeof kUtf8Bom &&
                      std::equal(kUtf8Bom, kUtf8Bom + sizeof kUtf8Bom, chunk.data());
            seen += size;
            if (!validator.feed(chunk.data(), size))
                break;
        }
        utf8 = validator.valid() && endOfFile;
        if (!file.seek(utf8 && bom ? qint64(sizeof kUtf8Bom) : 0))
            raiseUnreadable(path, file);
        endOfFile = false;
        position = size = 0;
    }

    void append(const char* begin, const char* end)
    {
        if (utf8)
            line.append(begin, end);
        else
            appendWindows1252AsUtf8(line, begin, static_cast<std::size_t>(end - begin));
    }
};

TextFileInput::TextFileInput(const std::string& path) : m_impl(std::make_unique<Impl>())
{
    m_impl->path = path;
    const QString name = QString::fromStdString(path);
    if (!QFileInfo::exists(name))
        throw Error(ErrorNumber::FileNotFound,
                    QCoreApplication::translate("TextFileInput", "File not found: '%1'")
                        .arg(name)
                        .toStdString());
    m_impl->file.setFileName(name);
    if (!m_impl->file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        raiseUnreadable(path, m_impl->file);
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
        throw Error(ErrorNumber::InputPastEndOfFile,
                    QCoreApplication::translate("TextFileInput", "Input past end of file: '%1'")
                        .arg(QString::fromStdString(in.path))
                        .toStdString());
    in.line.clear();
    // Invariant between calls: unread bytes wait in the chunk, or the file is at its end.
    while (in.position < in.size || in.fill()) {
        const char* begin = in.chunk.data() + in.position;
        const char* end = in.chunk.data() + in.size;
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        in.append(begin, stop);
        in.position += static_cast<std::size_t>(stop - begin);
        if (stop == end)
            continue;
        ++in.position;
        if (*stop == '\r' && (in.position < in.size || in.fill()) && in.chunk[in.position] == '\n')
            ++in.position;
        break;
    }
    if (in.position == in.size)
        in.fill();
    ++in.lineNumber;
    return in.line;
}

std::int64_t TextFileInput::lineNumber() const
{
    return m_impl->lineNumber;
}

const std::string& TextFileInput::path() const
{
    return m_impl->path;
}
