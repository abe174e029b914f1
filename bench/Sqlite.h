#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>

namespace bench {

// The floors' own direct line to SQLite: owning handles, and a check that turns a failed call
// into std::runtime_error carrying SQLite's message and what was being done.
struct SqliteCloser
{
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Opens an existing database file for reading and writing.
SqliteHandle openSqlite(const std::string& path);
void check(sqlite3* db, int resultCode, std::string_view doing);
// Runs one statement text (or several separated by ";").
void exec(sqlite3* db, const std::string& sql);
StatementHandle prepare(sqlite3* db, std::string_view sql);

} // namespace bench

namespace bench {

// BEGIN on construction; ROLLBACK on destruction unless commit() ran.
class SqliteTransaction
{
public:
    explicit SqliteTransaction(sqlite3* db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void commit();

private:
    sqlite3* m_db;
    bool m_open = true;
};

} // namespace bench
