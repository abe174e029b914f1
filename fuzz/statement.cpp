// Fuzz target: any text through engine::Database::execute on a scratch database. The input is
// up to eight statements separated by NUL bytes, run in order inside one transaction that is
// rolled back afterwards, so every input starts from the same tables and rows.
//
// Besides the sanitizers, the harness watches what reaches SQLite while a statement runs:
// - at prepare time, an authorizer of its own that runs before the engine's (the link wraps
//   sqlite3_set_authorizer) refuses every action no statement of the dialect needs: attaching,
//   triggers, views, virtual tables, temporary objects, transactions, pragma settings, ANALYZE;
// - at run time, a trace checks that each statement is one of the kinds the dialect turns into
//   SQL, and that a SELECT is read-only.
// Either finding aborts with the SQL in question.

#include "engine/Database.h"
#include "engine/Error.h"
#include "tests/support/TempDir.h"

#include <sqlite3.h>

#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>

using Authorizer = int (*)(void*, int, const char*, const char*, const char*, const char*);

// SQLite's own sqlite3_set_authorizer; the name the code calls is wrapped, see below.
extern "C" int __real_sqlite3_set_authorizer(sqlite3*, Authorizer, void*);

namespace {

// True only while execute runs: the engine's own open and transaction statements are not
// statements of the dialect and are not checked.
bool g_checking = false;

[[noreturn]] void fail(const char* what, const char* sql)
{
    std::fprintf(stderr, "statement: %s: %.300s\n", what, sql ? sql : "(null)");
    std::abort();
}

// Pragmas whose argument names a table or index to describe, where it sets nothing (the
// catalog reads pragma_table_info).
bool namesWhatToRead(const char* pragma)
{
    constexpr std::array<std::string_view, 6> kReaders = {
        "table_info", "table_xinfo", "index_list", "index_info", "index_xinfo", "foreign_key_list"};
    for (const std::string_view reader : kReaders) {
        if (pragma && reader == pragma)
            return true;
    }
    return false;
}

bool refusedAction(int action, const char* argument1, const char* argument2)
{
    switch (action) {
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_TEMP_TRIGGER:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_TEMP_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_TEMP_VIEW:
    case SQLITE_DROP_VIEW:
    case SQLITE_DROP_TEMP_VIEW:
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_VTABLE:
    case SQLITE_CREATE_TEMP_TABLE:
    case SQLITE_CREATE_TEMP_INDEX:
    case SQLITE_DROP_TEMP_TABLE:
    case SQLITE_DROP_TEMP_INDEX:
    case SQLITE_TRANSACTION:
    case SQLITE_ANALYZE:
        return true; // not REINDEX: CREATE INDEX asks for it to fill the new index
    case SQLITE_PRAGMA:
        return argument2 != nullptr && !namesWhatToRead(argument1);
    default:
        return false;
    }
}

// The engine's own authorizer for each connection, called after the harness's check.
struct Chained
{
    Authorizer callback = nullptr;
    void* userData = nullptr;
};
std::map<sqlite3*, Chained> g_chained;

int checkThenForward(void* userData, int action, const char* argument1, const char* argument2,
                     const char* database, const char* trigger)
{
    if (g_checking && refusedAction(action, argument1, argument2)) {
        std::fprintf(stderr, "statement: action %d (%s, %s) outside the dialect\n", action,
                     argument1 ? argument1 : "-", argument2 ? argument2 : "-");
        fail("an action outside the dialect reached SQLite", argument1);
    }
    const Chained& chained = *static_cast<const Chained*>(userData);
    return chained.callback
               ? chained.callback(chained.userData, action, argument1, argument2, database, trigger)
               : SQLITE_OK;
}

std::string_view skipBlanksAndComments(std::string_view sql)
{
    for (;;) {
        while (!sql.empty() && std::isspace(static_cast<unsigned char>(sql.front())))
            sql.remove_prefix(1);
        if (sql.starts_with("--")) {
            const std::size_t end = sql.find('\n');
            sql.remove_prefix(end == std::string_view::npos ? sql.size() : end);
        } else if (sql.starts_with("/*")) {
            const std::size_t end = sql.find("*/", 2);
            sql.remove_prefix(end == std::string_view::npos ? sql.size() : end + 2);
        } else {
            return sql;
        }
    }
}

bool startsWithWords(std::string_view sql, std::string_view words)
{
    if (sql.size() < words.size())
        return false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(sql[i])) != words[i])
            return false;
    }
    return sql.size() == words.size() ||
           !std::isalnum(static_cast<unsigned char>(sql[words.size()]));
}

// The SQL the dialect's statements become: their own kinds, the savepoints that make one
// statement all or nothing, the table rebuild of ALTER COLUMN and the catalog's reads.
constexpr std::array<std::string_view, 13> kDialectKinds = {
    "SELECT",
    "INSERT INTO",
    "DELETE FROM",
    "CREATE TABLE",
    "CREATE INDEX",
    "CREATE UNIQUE INDEX",
    "DROP TABLE",
    "DROP INDEX",
    "ALTER TABLE",
    "SAVEPOINT",
    "RELEASE",
    "ROLLBACK TO",
    "PRAGMA SCHEMA_VERSION",
};

int traceStatement(unsigned event, void*, void* statement, void* text)
{
    if (!g_checking || event != SQLITE_TRACE_STMT)
        return 0;
    const char* sql = sqlite3_sql(static_cast<sqlite3_stmt*>(statement));
    const auto* traced = static_cast<const char*>(text);
    const std::string_view header = traced ? traced : "";
    if (header.starts_with("-- TRIGGER "))
        fail("a trigger ran", traced);
    // A statement SQLite runs inside another (a pragma table's) is traced as a comment; the
    // authorizer has seen it prepared.
    if (header.starts_with("--"))
        return 0;
    const std::string_view start = skipBlanksAndComments(sql ? sql : "");
    bool known = false;
    for (const std::string_view kind : kDialectKinds)
        known = known || startsWithWords(start, kind);
    if (!known)
        fail("a statement outside the dialect reached SQLite", sql);
    if (startsWithWords(start, "SELECT") &&
        !sqlite3_stmt_readonly(static_cast<sqlite3_stmt*>(statement)))
        fail("a SELECT that writes reached SQLite", sql);
    return 0;
}

// Runs for every connection opened: the checks are in place before the engine's first call.
int watchConnection(sqlite3* db, const char**, const sqlite3_api_routines*)
{
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, traceStatement, nullptr);
    g_chained[db] = {};
    __real_sqlite3_set_authorizer(db, checkThenForward, &g_chained[db]);
    return SQLITE_OK;
}

// Tables in the shapes the program meets, with rows, an index and a number column.
constexpr std::array<std::string_view, 8> kScratchSchema = {
    "CREATE TABLE Tblkemasan (KDKEMAS TEXT(2) PRIMARY KEY, UREDI TEXT(50))",
    "CREATE TABLE TblPelabuhan (KDPORT TEXT(5) PRIMARY KEY, nmport MEMO)",
    "CREATE TABLE Angka (id LONG NOT NULL, nama TEXT)",
    "CREATE UNIQUE INDEX AngkaId ON Angka (id)",
    "Insert Into Tblkemasan values('BX','Box of ''large'' size')",
    "Insert Into Tblkemasan values('CT','Carton')",
    "Insert Into TblPelabuhan values('IDJKT','Jakarta, Tanjung Priok')",
    "Insert Into Angka values(7, 'tujuh')",
};

engine::Database openScratch(const TempDir& dir)
{
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(watchConnection));
    const std::string path = dir.file("scratch.mdb");
    engine::CreateDatabase(path, "fuzz");
    engine::Database database = engine::Database::open(path, "fuzz");
    for (const std::string_view sql : kScratchSchema)
        database.execute(sql);
    return database;
}

} // namespace

// The engine installs its authorizer through here: the harness's check stays first.
extern "C" int __wrap_sqlite3_set_authorizer(sqlite3* db, Authorizer callback, void* userData)
{
    Chained& chained = g_chained[db];
    chained = {callback, userData};
    return __real_sqlite3_set_authorizer(db, checkThenForward, &chained);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TempDir dir;
    static engine::Database database = openScratch(dir);
    constexpr int kMaxStatements = 8;

    std::string_view input(reinterpret_cast<const char*>(data), size);
    database.beginTransaction();
    for (int i = 0; i < kMaxStatements && !input.empty(); ++i) {
        const std::size_t end = input.find('\0');
        const std::string_view sql = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        g_checking = true;
        try {
            database.execute(sql);
        } catch (const Error&) {
            // Refusing a statement is the engine's right; only how it refuses is checked.
        }
        g_checking = false;
    }
    if (!database.inTransaction())
        fail("a statement ended the surrounding transaction", nullptr);
    database.rollbackTransaction();
    return 0;
}
