#include "tests/support/FaultVfs.h"

#include "tests/support/Files.h"

#include <fstream>
#include <new>
#include <stdexcept>
#include <string_view>

#include <unistd.h>

struct FaultVfs::File
{
    sqlite3_file base; // first: SQLite hands back this address
    FaultVfs* owner = nullptr;
    sqlite3_file* real = nullptr;
    bool tracked = false;
    Role role = Role::Database;
    bool syncsFolderOnFirstSync = false;
    std::string path;
};

namespace {

constexpr std::size_t realOffset()
{
    return (sizeof(FaultVfs::File) + 15) / 16 * 16;
}

FaultVfs& ownerOf(sqlite3_vfs* vfs)
{
    return *static_cast<FaultVfs*>(vfs->pAppData);
}

FaultVfs::File& fileOf(sqlite3_file* file)
{
    return *reinterpret_cast<FaultVfs::File*>(file);
}

// What has nothing to watch goes straight on to the system layer.
template <auto Method, typename... Args> auto fileToReal(sqlite3_file* file, Args... args)
{
    sqlite3_file* real = fileOf(file).real;
    return (real->pMethods->*Method)(real, args...);
}

template <auto Method, typename... Args> auto vfsToReal(sqlite3_vfs* vfs, Args... args)
{
    sqlite3_vfs* real = ownerOf(vfs).real();
    return (real->*Method)(real, args...);
}

bool exists(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

void writeAll(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

// The file methods: each change goes past the owner first; everything else goes straight on.
int fileClose(sqlite3_file* file)
{
    FaultVfs::File& ours = fileOf(file);
    const int rc = ours.real->pMethods ? ours.real->pMethods->xClose(ours.real) : SQLITE_OK;
    ours.owner->closed(ours);
    ours.~File();
    return rc;
}

int fileWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset)
{
    FaultVfs::File& ours = fileOf(file);
    if (const int rc = ours.owner->event(ours, FaultVfs::Kind::Write); rc != SQLITE_OK)
        return rc;
    if (ours.tracked && !ours.owner->fits(ours, offset + amount))
        return SQLITE_FULL;
    return ours.real->pMethods->xWrite(ours.real, buffer, amount, offset);
}

int fileTruncate(sqlite3_file* file, sqlite3_int64 size)
{
    FaultVfs::File& ours = fileOf(file);
    if (const int rc = ours.owner->event(ours, FaultVfs::Kind::Truncate); rc != SQLITE_OK)
        return rc;
    return ours.real->pMethods->xTruncate(ours.real, size);
}

int fileSync(sqlite3_file* file, int flags)
{
    FaultVfs::File& ours = fileOf(file);
    if (!ours.tracked)
        return ours.real->pMethods->xSync(ours.real, flags);
    if (const int rc = ours.owner->event(ours, FaultVfs::Kind::Sync); rc != SQLITE_OK)
        return rc;
    // The model says what a sync makes last; a real one would only cost time.
    ours.owner->synced(ours);
    return SQLITE_OK;
}

// Version 1: no shared memory and no memory mapping, which rollback journals never need.
sqlite3_io_methods makeFileMethods()
{
    sqlite3_io_methods methods{};
    methods.iVersion = 1;
    methods.xClose = fileClose;
    methods.xRead = fileToReal<&sqlite3_io_methods::xRead>;
    methods.xWrite = fileWrite;
    methods.xTruncate = fileTruncate;
    methods.xSync = fileSync;
    methods.xFileSize = fileToReal<&sqlite3_io_methods::xFileSize>;
    methods.xLock = fileToReal<&sqlite3_io_methods::xLock>;
    methods.xUnlock = fileToReal<&sqlite3_io_methods::xUnlock>;
    methods.xCheckReservedLock = fileToReal<&sqlite3_io_methods::xCheckReservedLock>;
    methods.xFileControl = fileToReal<&sqlite3_io_methods::xFileControl>;
    methods.xSectorSize = fileToReal<&sqlite3_io_methods::xSectorSize>;
    methods.xDeviceCharacteristics = fileToReal<&sqlite3_io_methods::xDeviceCharacteristics>;
    return methods;
}

const sqlite3_io_methods kFileMethods = makeFileMethods();

int vfsOpen(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    return ownerOf(vfs).open(name, &fileOf(file), flags, outFlags);
}

int vfsDelete(sqlite3_vfs* vfs, const char* name, int syncFolder)
{
    return ownerOf(vfs).remove(name, syncFolder);
}

} // namespace

FaultVfs::FaultVfs() : m_real(sqlite3_vfs_find(nullptr))
{
    if (!m_real || m_real->iVersion < 2)
        throw std::runtime_error("no system file layer to wrap");
    m_vfs.iVersion = 2;
    m_vfs.szOsFile = static_cast<int>(realOffset()) + m_real->szOsFile;
    m_vfs.mxPathname = m_real->mxPathname;
    m_vfs.zName = "tandera-fault";
    m_vfs.pAppData = this;
    m_vfs.xOpen = vfsOpen;
    m_vfs.xDelete = vfsDelete;
    m_vfs.xAccess = vfsToReal<&sqlite3_vfs::xAccess>;
    m_vfs.xFullPathname = vfsToReal<&sqlite3_vfs::xFullPathname>;
    m_vfs.xDlOpen = vfsToReal<&sqlite3_vfs::xDlOpen>;
    m_vfs.xDlError = vfsToReal<&sqlite3_vfs::xDlError>;
    m_vfs.xDlSym = vfsToReal<&sqlite3_vfs::xDlSym>;
    m_vfs.xDlClose = vfsToReal<&sqlite3_vfs::xDlClose>;
    m_vfs.xRandomness = vfsToReal<&sqlite3_vfs::xRandomness>;
    m_vfs.xSleep = vfsToReal<&sqlite3_vfs::xSleep>;
    m_vfs.xCurrentTime = vfsToReal<&sqlite3_vfs::xCurrentTime>;
    m_vfs.xGetLastError = vfsToReal<&sqlite3_vfs::xGetLastError>;
    m_vfs.xCurrentTimeInt64 = vfsToReal<&sqlite3_vfs::xCurrentTimeInt64>;
    if (sqlite3_vfs_register(&m_vfs, 1) != SQLITE_OK)
        throw std::runtime_error("cannot register the fault file layer");
}

FaultVfs::~FaultVfs()
{
    sqlite3_vfs_unregister(&m_vfs);
}

int FaultVfs::open(const char* name, File* file, int flags, int* outFlags)
{
    new (file) File();
    file->owner = this;
    file->real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + realOffset());
    file->tracked = name && (flags & (SQLITE_OPEN_MAIN_DB | SQLITE_OPEN_MAIN_JOURNAL));
    if (file->tracked) {
        file->path = name;
        file->role = (flags & SQLITE_OPEN_MAIN_JOURNAL) ? Role::Journal : Role::Database;
        // The system layer syncs the folder once, on a new journal's first sync.
        file->syncsFolderOnFirstSync =
            (flags & SQLITE_OPEN_MAIN_JOURNAL) && (flags & SQLITE_OPEN_CREATE);
        if (!m_durable.contains(file->path)) {
            // What is there before we first look counts as on disk.
            Durable durable;
            durable.entry = exists(file->path);
            if (durable.entry)
                durable.content = readFile(file->path);
            m_durable.emplace(file->path, std::move(durable));
        }
    }
    const int rc = m_real->xOpen(m_real, name, file->real, flags, outFlags);
    if (!file->real->pMethods) {
        file->~File();
        file->base.pMethods = nullptr;
        return rc;
    }
    file->base.pMethods = &kFileMethods;
    if (file->tracked)
        m_open.insert(file);
    return rc;
}

int FaultVfs::remove(const char* name, int syncFolder)
{
    const std::string path = name ? name : "";
    const bool tracked = m_durable.contains(path);
    if (tracked && m_observer) {
        const std::string_view suffix = "-journal";
        const Role role = path.ends_with(suffix) ? Role::Journal : Role::Database;
        if (const int rc = m_observer(Event{Kind::Delete, role, path}); rc != SQLITE_OK)
            return rc;
    }
    const int rc = m_real->xDelete(m_real, name, tracked ? 0 : syncFolder);
    if (rc == SQLITE_OK && tracked) {
        m_durable[path].deletedSinceFolderSync = true;
        const Event sync{Kind::FolderSync, Role::Journal, path};
        if (const int failed = syncFolder && m_observer ? m_observer(sync) : SQLITE_OK)
            return failed;
        if (syncFolder)
            this->syncFolder();
    }
    return rc;
}

int FaultVfs::event(File& file, Kind kind)
{
    if (!m_observer || !file.tracked)
        return SQLITE_OK;
    return m_observer(Event{kind, file.role, file.path});
}

void FaultVfs::synced(File& file)
{
    const std::int64_t size = sizeOf(file);
    std::string content(static_cast<std::size_t>(size), '\0');
    if (size > 0 && file.real->pMethods->xRead(file.real, content.data(), static_cast<int>(size),
                                               0) != SQLITE_OK)
        throw std::runtime_error("cannot read back " + file.path);
    m_durable[file.path].content = std::move(content);
    if (file.syncsFolderOnFirstSync) {
        file.syncsFolderOnFirstSync = false;
        syncFolder();
    }
}

void FaultVfs::closed(File& file)
{
    m_open.erase(&file);
}

bool FaultVfs::fits(File& file, std::int64_t end) const
{
    if (m_capacity == 0)
        return true;
    std::int64_t used = 0;
    for (File* open : m_open)
        used += sizeOf(*open);
    const std::int64_t growth = end - sizeOf(file);
    return used + (growth > 0 ? growth : 0) <= m_capacity;
}

std::int64_t FaultVfs::sizeOf(File& file)
{
    sqlite3_int64 size = 0;
    if (file.real->pMethods->xFileSize(file.real, &size) != SQLITE_OK)
        throw std::runtime_error("cannot size " + file.path);
    return size;
}

void FaultVfs::syncFolder()
{
    for (auto& [path, durable] : m_durable) {
        durable.entry = exists(path);
        durable.deletedSinceFolderSync = false;
    }
}

void FaultVfs::keepAfter(Stop stop, const std::string& folder) const
{
    for (const auto& [path, durable] : m_durable) {
        const std::string kept = folder + path.substr(path.rfind('/'));
        const bool there = exists(path);
        if (stop == Stop::Crash) {
            if (there)
                writeAll(kept, readFile(path));
        } else if (!durable.entry) {
            // Made since the folder's last sync: gone.
        } else if (!there || durable.deletedSinceFolderSync || stop == Stop::PowerCut) {
            // A file deleted and made again is still the old one until the folder is synced.
            writeAll(kept, durable.content);
        } else {
            writeAll(kept, readFile(path));
        }
    }
}
