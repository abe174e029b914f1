#include "engine/OpenChecks.h"

#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <sqlite3.h>

#include <cerrno>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace engine {

namespace {

// Where the SQLite file header keeps what the probe reads.
constexpr qint64 HeaderSize = 100;
constexpr char Magic[] = "SQLite format 3"; // with its terminating zero: the 16 header bytes
constexpr int WriteVersionAt = 18;
constexpr int ReadVersionAt = 19;
constexpr int ApplicationIdAt = 68;

// Why a run could not write the file, or make its rollback journal beside it; nullopt when it
// can do both.
std::optional<jet::Text> writeRefusal(const QFileInfo& info)
{
    // access() tells the reasons apart: EROFS for a read-only file system, EPERM for an
    // immutable or append-only file (even for root), EACCES for permissions.
    const auto writable = [](const QString& name) {
        return ::access(QFile::encodeName(name).constData(), W_OK) == 0;
    };
    if (!writable(info.absoluteFilePath()))
        return errno == EROFS   ? jet::ReadOnlyFileSystem
               : errno == EPERM ? jet::ImmutableFile
                                : jet::ReadOnlyFile;
    if (!writable(info.absolutePath()))
        return errno == EROFS ? jet::ReadOnlyFileSystem : jet::ReadOnlyFolder;
    return std::nullopt;
}

} // namespace

std::size_t maxPathBytes()
{
    // SQLite refuses a database whose journal's name would not fit the longest path its file
    // system layer takes.
    constexpr std::string_view JournalSuffix = "-journal";
    return static_cast<std::size_t>(sqlite3_vfs_find(nullptr)->mxPathname) - JournalSuffix.size();
}

void probeDatabaseFile(const std::string& path, bool forWriting)
{
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (path.empty() || !info.exists())
        throw jet::error(jet::FileNotFound, {path});
    if (!info.isFile())
        throw jet::error(jet::UnrecognizedFormat, {path});

    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly))
        throw jet::error(QFileInfo::exists(name) ? jet::NoPermission : jet::FileNotFound, {path});
    const QByteArray header = file.read(HeaderSize);
    if (header.size() != HeaderSize || !header.startsWith(QByteArrayView(Magic, sizeof Magic)))
        throw jet::error(jet::UnrecognizedFormat, {path});
    // Version 1 is the rollback journal we write; version 2 is write-ahead logging, which would
    // leave side files beside the database even after an open that fails.
    const auto write = static_cast<unsigned char>(header.at(WriteVersionAt));
    const auto read = static_cast<unsigned char>(header.at(ReadVersionAt));
    const auto applicationId = qFromBigEndian<quint32>(header.constData() + ApplicationIdAt);
    if (write < 1 || write > 2 || read < 1 || read > 2 || applicationId != format::ApplicationId)
        throw jet::error(jet::UnrecognizedFormat, {path});
    if (write != 1 || read != 1)
        throw jet::error(jet::WriteAheadLogMode, {path});

    // A run that writes keeps its rollback journal beside the file.
    if (const std::optional<jet::Text> refusal = forWriting ? writeRefusal(info) : std::nullopt)
        throw jet::error(*refusal, {path});
    if (sqliteFileName(path).size() > maxPathBytes())
        throw jet::error(jet::PathTooLong, {path, std::to_string(maxPathBytes())});
}

std::string sqliteFileName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

} // namespace engine
