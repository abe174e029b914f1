#include "engine/FileProbe.h"

#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstring>

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

} // namespace

void probeDatabaseFile(const std::string& path)
{
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (path.empty() || !info.exists())
        throw jet::fileNotFound(path);
    if (!info.isFile())
        throw jet::unrecognizedFormat(path);

    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly)) {
        if (file.error() == QFileDevice::OpenError && !QFileInfo::exists(name))
            throw jet::fileNotFound(path);
        throw jet::noPermission(path);
    }
    std::array<unsigned char, HeaderSize> header{};
    const qint64 got = file.read(reinterpret_cast<char*>(header.data()), HeaderSize);
    file.close();
    if (got != static_cast<qint64>(HeaderSize) ||
        std::memcmp(header.data(), Magic, sizeof Magic) != 0)
        throw jet::unrecognizedFormat(path);
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
        throw jet::unrecognizedFormat(path);
    if (write != Rollback || read != Rollback)
        throw jet::writeAheadLogMode(path);

    // Every run writes, and the rollback journal goes beside the file.
    if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        throw jet::noPermission(path);
}

std::string sqliteFileName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

} // namespace engine
