#include "engine/FileProbe.h"

#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#ifndef _WIN32
#include <cerrno>
#include <unistd.h>
#endif

namespace engine {

namespace {

constexpr std::size_t HeaderSize = 100;
constexpr char Magic[] = "SQLite format 3"; // with its terminating zero: the 16 header bytes
constexpr std::size_t WriteVersionOffset = 18;
constexpr std::size_t ReadVersionOffset = 19;
constexpr std::size_t ApplicationIdOffset = 68;

std::uint32_t bigEndian32(const unsigned char* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

// Why a run could not write the file, or make its rollback journal beside it; nullopt when it
// can do both.
std::optional<jet::Text> writeRefusal(const QFileInfo& info)
{
#ifdef _WIN32
    if (!info.isWritable())
        return jet::ReadOnlyFile;
    if (!QFileInfo(info.absolutePath()).isWritable())
        return jet::ReadOnlyFolder;
    return std::nullopt;
#else
    // access() tells the reasons apart: EROFS for a read-only file system, EPERM for an
    // immutable or append-only file (even for root), EACCES for permissions.
    const auto writable = [](const QString& name) {
        return ::access(QFile::encodeName(name).constData(), W_OK) == 0;
    };
    if (!writable(info.absoluteFilePath())) {
        if (errno == EROFS)
            return jet::ReadOnlyFileSystem;
        return errno == EPERM ? jet::ImmutableFile : jet::ReadOnlyFile;
    }
    if (!writable(info.absolutePath()))
        return errno == EROFS ? jet::ReadOnlyFileSystem : jet::ReadOnlyFolder;
    return std::nullopt;
#endif
}

} // namespace

std::size_t maxPathBytes()
{
    // SQLite refuses a database whose journal's name would not fit the longest path its file
    // system layer takes.
    constexpr std::string_view JournalSuffix = "-journal";
    return static_cast<std::size_t>(sqlite3_vfs_find(nullptr)->mxPathname) - JournalSuffix.size();
}

void probeDatabaseFile(const std::string& path)
{
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (path.empty() || !info.exists())
        throw jet::error(jet::FileNotFound, {path});
    if (!info.isFile())
        throw jet::error(jet::UnrecognizedFormat, {path});

    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly)) {
        if (file.error() == QFileDevice::OpenError && !QFileInfo::exists(name))
            throw jet::error(jet::FileNotFound, {path});
        throw jet::error(jet::NoPermission, {path});
    }
    std::array<unsigned char, HeaderSize> header{};
    const qint64 got = file.read(reinterpret_cast<char*>(header.data()), HeaderSize);
    file.close();
    if (got != static_cast<qint64>(HeaderSize) ||
        std::memcmp(header.data(), Magic, sizeof Magic) != 0)
        throw jet::error(jet::UnrecognizedFormat, {path});
    // Version 1 is the rollback journal we write; version 2 is write-ahead logging, which would
    // leave side files beside the database even after an open that fails.
    constexpr unsigned char Rollback = 1;
    constexpr unsigned char WriteAheadLog = 2;
    const auto known = [](unsigned char version) {
        return version == Rollback || version == WriteAheadLog;
    };
    const unsigned char write = header[WriteVersionOffset];
    const unsigned char read = header[ReadVersionOffset];
    if (!known(write) || !known(read) ||
        bigEndian32(header.data() + ApplicationIdOffset) != format::ApplicationId)
        throw jet::error(jet::UnrecognizedFormat, {path});
    if (write != Rollback || read != Rollback)
        throw jet::error(jet::WriteAheadLogMode, {path});

    // Every run writes, and the rollback journal goes beside the file.
    if (const std::optional<jet::Text> refusal = writeRefusal(info))
        throw jet::error(*refusal, {path});
    if (sqliteFileName(path).size() > maxPathBytes())
        throw jet::error(jet::PathTooLong, {path, std::to_string(maxPathBytes())});
}

std::string sqliteFileName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

} // namespace engine
