#include "bench/Sqlite.h"

#include "engine/Sqlite.h"
#include "engine/ConnectionSetup.h"

#include <stdexcept>

namespace bench {

SqliteHandle openSqlite(const std::string& path)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    SqliteHandle db(raw);
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot open " + path + ": " +
                                 (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));
    // The floors write the file as the engine does: sync level, delete and page cache.
    try {
        engine::applyWriteSettings(db.get());
    } catch (const engine::SqliteError& error) {
        throw std::runtime_error("cannot set up " + path + ": " + error.what());
    }
    return db;
}

void check(sqlite3* db, int resultCode, std::string_view doing)
{
    if (resultCode != SQLITE_OK && resultCode != SQLITE_DONE && resultCode != SQLITE_ROW)
        throw std::runtime_error(std::string(doing) + ": " + sqlite3_errmsg(db));
}

void exec(sqlite3* db, const std::string& sql)
{
    check(db, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), sql);
}

StatementHandle prepare(sqlite3* db, std::string_view sql)
{
    sqlite3_stmt* raw = nullptr;
    check(db, sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, nullptr), sql);
    return StatementHandle(raw);
}

} // namespace bench

namespace bench {

SqliteTransaction::SqliteTransaction(sqlite3* db) : m_db(db)
{
    exec(db, "BEGIN");
}

SqliteTransaction::~SqliteTransaction()
{
    if (m_open)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit()
{
    exec(m_db, "COMMIT");
    m_open = false;
}

} // namespace bench
