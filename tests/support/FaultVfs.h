#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// A file layer for SQLite that sits on the system's own and sees every change a database and its
// rollback journal make: it numbers each write, sync, truncate and delete, can refuse writes
// past a disk capacity with SQLITE_FULL, and keeps what a power cut would leave of each file.
//
// While it lives it is SQLite's default file layer, so every connection opened meanwhile (the
// engine's included) goes through it; such connections must be closed before it goes.
//
// The power-cut model follows the system layer it wraps: a file's bytes are on disk once the
// file is synced; a folder entry (a file made or deleted) once the folder is synced, which
// happens when a journal made by this connection is first synced and when a delete asks for it.
// Syncs are recorded, not carried out: the model says what lasts, and real ones only cost time.
class FaultVfs
{
public:
    enum class Kind
    {
        Write,
        Sync,
        Truncate,
        Delete,
        FolderSync // after a delete that asks for it (the role given is Journal)
    };
    enum class Role
    {
        Database,
        Journal
    };
    struct Event
    {
        Kind kind;
        Role role;
        std::string path;
    };
    // Called before each event is carried out; returns SQLITE_OK to carry it out, or the error
    // to fail it with.
    using Observer = std::function<int(const Event&)>;

    FaultVfs();
    ~FaultVfs();
    FaultVfs(const FaultVfs&) = delete;
    FaultVfs& operator=(const FaultVfs&) = delete;

    void setObserver(Observer observer) { m_observer = std::move(observer); }
    // Writes that would take the database and journal together past bytes fail with SQLITE_FULL,
    // as the system layer reports a full disk. 0: no limit.
    void setCapacity(std::int64_t bytes) { m_capacity = bytes; }

    // What a stop now would leave on disk.
    enum class Stop
    {
        Crash,             // the process dies: the disk keeps every byte written
        LostFolderChanges, // files made or deleted since the folder's last sync are not, or are
                           // back
        PowerCut           // that, and bytes written since a file's last sync are gone
    };
    // Writes into folder, under their own names, the database and journal as stop would leave
    // them; the files themselves stay as they are.
    void keepAfter(Stop stop, const std::string& folder) const;

    // For the system layer's callbacks.
    struct File;
    int open(const char* name, File* file, int flags, int* outFlags);
    int remove(const char* name, int syncFolder);
    int event(File& file, Kind kind);
    void synced(File& file);
    void closed(File& file);
    bool fits(File& file, std::int64_t end) const;
    sqlite3_vfs* real() const { return m_real; }

private:
    struct Durable
    {
        bool entry = false;  // the folder entry survives a power cut
        std::string content; // what the file holds after a power cut
        bool deletedSinceFolderSync = false;
    };
    void syncFolder();
    static std::int64_t sizeOf(File& file);

    sqlite3_vfs* m_real;
    sqlite3_vfs m_vfs{};
    Observer m_observer;
    std::int64_t m_capacity = 0;
    std::set<File*> m_open;
    std::map<std::string, Durable> m_durable;
};
