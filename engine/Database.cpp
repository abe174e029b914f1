#include "engine/Database.h"

#include "engine/AsciiCase.h"
#include "engine/ConnectionText.h"
#include "engine/DatabaseFormat.h"
#include "engine/Error.h"
#include "engine/FailedCommit.h"
#include "engine/FileProbe.h"
#include "engine/Hardening.h"
#include "engine/JetErrors.h"
#include "engine/PasswordHash.h"
#include "engine/SchemaCheck.h"
#include "engine/Session.h"
#include "engine/StatementRunners.h"
#include "engine/WriteSettings.h"

namespace engine {

namespace {

PasswordHash readPasswordHash(sqlite3* db, const std::string& path)
{
    try {
        Statement read(db,
                       std::string("SELECT salt, iterations, hash FROM ") + format::PasswordTable);
        if (!read.step())
            throw jet::unrecognizedFormat(path);
        PasswordHash stored;
        stored.salt = read.columnBlob(0);
        const std::int64_t iterations = read.columnInt64(1);
        stored.hash = read.columnBlob(2);
        if (iterations < 1 || iterations > PasswordHash::Iterations)
            throw jet::unrecognizedFormat(path);
        stored.iterations = static_cast<int>(iterations);
        return stored;
    } catch (const SqliteError& error) {
        // SQLITE_ERROR here means the schema lacks our table: not one of our databases.
        if (error.primaryCode() == SQLITE_ERROR)
            throw jet::unrecognizedFormat(path);
        throw jet::fromSqlite(error, path, {});
    }
}

} // namespace

struct Database::Impl : Session
{
    using Session::Session;
};

Database::Database(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;
Database::~Database() = default;

Database Database::openConnectionText(std::string_view connectionText,
                                      std::span<const std::string> checkedTables)
{
    const ConnectionSettings settings = parseConnectionText(connectionText);
    return open(settings.dataSource, settings.password, DefaultBusyWait, checkedTables);
}

Database Database::open(const std::string& path, const std::string& password,
                        std::chrono::milliseconds busyWait,
                        std::span<const std::string> checkedTables)
{
    // SQLite only ever sees a file that already looks like ours, and never with CREATE.
    probeDatabaseFile(path);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(sqliteFileName(path).c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_EXRESCODE, nullptr);
    SqliteHandle db(raw);
    if (rc != SQLITE_OK)
        throw jet::fromSqlite(SqliteError(rc, sqlite3_errstr(rc)), path, {});
    try {
        hardenConnection(db.get());
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, path, {});
    }
    sqlite3_busy_timeout(db.get(), static_cast<int>(busyWait.count()));

    if (!readPasswordHash(db.get(), path).matches(password))
        throw jet::invalidPassword();

    try {
        applyWriteSettings(db.get());
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, path, {});
    }
    // Before anything is written: a damaged or foreign file is refused as it stands.
    checkDatabaseContents(db.get(), path, checkedTables);
    return Database(std::make_unique<Impl>(std::move(db), path));
}

std::int64_t Database::execute(std::string_view sql)
{
    Session& session = *m_impl;
    // Outside a transaction another connection may change a table between two statements.
    if (!session.inTransaction)
        session.catalog.invalidate();
    ReadStatement& statement = session.statement;
    readStatement(sql, statement);
    switch (statement.kind) {
    case ReadStatement::Kind::Insert:
        return runInsert(session, statement);
    case ReadStatement::Kind::Delete:
        return runDelete(session, statement);
    case ReadStatement::Kind::AlterToMemo:
        return runAlterToMemo(session, statement);
    }
    return 0;
}

void Database::createTable(const TableDefinition& definition)
{
    Session& session = *m_impl;
    session.catalog.invalidate();
    try {
        if (equalsIgnoringAsciiCase(definition.name, format::PasswordTable) ||
            session.catalog.find(definition.name))
            throw jet::tableExists(definition.name);
        execSql(session.db.get(), createTableSql(definition, definition.name).c_str());
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, definition.name);
    }
    session.catalog.invalidate();
}

void Database::beginTransaction()
{
    Session& session = *m_impl;
    if (inTransaction())
        throw jet::transactionExists();
    // Nothing looked up before may still hold once the file is ours again.
    session.catalog.invalidate();
    try {
        // EXCLUSIVE waits, for the busy time at most, until readers have let go too: a reload
        // then has the file to itself before its first delete, or fails here as "in use". With
        // a reader still on, every insert ran and the commit failed after the wait, the page
        // cache growing past its cap meanwhile since nothing could be spilled.
        execSql(session.db.get(), "BEGIN EXCLUSIVE");
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, {});
    }
    session.inTransaction = true;
}

void Database::commitTransaction()
{
    Session& session = *m_impl;
    if (!inTransaction()) {
        session.inTransaction = false;
        throw jet::noTransaction();
    }
    sqlite3* db = session.db.get();
    session.commitMayHaveLanded = false;
    try {
        execSql(db, "COMMIT");
    } catch (const SqliteError& error) {
        session.commitMayHaveLanded = failedCommitMayHaveLanded(db);
        throw jet::fromSqlite(error, session.path, {});
    }
    session.inTransaction = false;
}

void Database::rollbackTransaction()
{
    Session& session = *m_impl;
    if (!inTransaction()) {
        session.inTransaction = false;
        throw jet::noTransaction();
    }
    // Table shapes go back too.
    session.catalog.invalidate();
    session.inTransaction = false;
    try {
        execSql(session.db.get(), "ROLLBACK");
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, {});
    }
}

bool Database::commitMayHaveLanded() const
{
    return m_impl->commitMayHaveLanded;
}

bool Database::inTransaction() const
{
    // SQLite ends a transaction on its own after some failures (a full disk, for one).
    return m_impl->inTransaction && !sqlite3_get_autocommit(m_impl->db.get());
}

const std::string& Database::path() const
{
    return m_impl->path;
}

} // namespace engine
