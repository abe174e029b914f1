#include "engine/Database.h"

#include "engine/AsciiCase.h"
#include "engine/ConnectionSetup.h"
#include "engine/ConnectionText.h"
#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"
#include "engine/MemoColumn.h"
#include "engine/OpenChecks.h"
#include "engine/PasswordHash.h"
#include "engine/PreviewShadow.h"
#include "engine/StatementReader.h"

#include <QScopeGuard>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace engine {

namespace {

// The password hash the file stores; the unrecognised-format error when it holds none of ours.
PasswordHash readPasswordHash(sqlite3* db, const std::string& path)
{
    try {
        Statement read(db,
                       std::string("SELECT salt, iterations, hash FROM ") + format::PasswordTable);
        const std::int64_t iterations = read.step() ? read.columnInt64(1) : 0;
        if (iterations >= 1 && iterations <= PasswordHash::Iterations)
            return {read.columnBlob(0), static_cast<int>(iterations), read.columnBlob(2)};
    } catch (const SqliteError& error) {
        // SQLITE_ERROR here means the schema lacks our table: not one of our databases.
        if (error.primaryCode() != SQLITE_ERROR)
            throw;
    }
    throw jet::error(jet::UnrecognizedFormat, {path});
}

// The number of characters (Unicode code points) in UTF-8 text.
std::size_t countCharacters(std::string_view utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Whether a COMMIT that has just failed on db may have left its changes in the file all the
// same. SQLite's commit point is the delete of the rollback journal: while the journal is still
// beside the file, SQLite plays it back before the file is next read, and while the transaction
// is still open, the caller's rollback undoes it. Past that point only a failure to sync the
// folder (SQLITE_IOERR_DIR_FSYNC) can still end the COMMIT in an error, and the rows are in.
bool failedCommitMayHaveLanded(sqlite3* db)
{
    const char* journal = sqlite3_filename_journal(sqlite3_db_filename(db, "main"));
    // A journal that cannot be looked at is no proof of a rollback either.
    std::error_code error;
    return sqlite3_get_autocommit(db) &&
           (!journal || !std::filesystem::exists(journal, error) || error);
}

// The shadows of a preview, in memory, one for each of tables the file has.
void makeShadows(sqlite3* db, std::span<const ReloadedTable> tables)
{
    execSql(db, "PRAGMA temp_store = MEMORY");
    for (const ReloadedTable& reloaded : tables) {
        if (const std::optional<TableDefinition> table = readTableDefinition(db, reloaded.name))
            makeShadow(db, table->name, storedTableSql(db, table->name));
    }
}

} // namespace

// One open database: the SQLite connection and what the engine keeps beside it.
struct Database::Impl
{
    Impl(SqliteHandle handle, std::string filePath, Access fileAccess)
        : db(std::move(handle)), path(std::move(filePath)), access(fileAccess)
    {
    }

    // The table named name, or the "Cannot find the input table or query" error.
    const TableDefinition& requireTable(std::string_view name)
    {
        // Every insert of a reload names its table the same way: no look-up, no comparison in
        // any case then.
        if (!table || name != tableAsNamed) {
            forgetTable();
            table = readTableDefinition(db.get(), name);
            if (!table)
                throw jet::error(jet::TableNotFound, {name});
            tableAsNamed = name;
        }
        return *table;
    }

    void forgetTable() noexcept
    {
        insert = Statement();
        table.reset();
    }

    // Prepares the table's insert on first use.
    void prepareInsert(const TableDefinition& definition)
    {
        if (!insert.valid())
            insert = Statement(db.get(), insertSql(definition.name, definition.columns.size()));
    }
    std::int64_t runInsert();
    // Binds text as the insert's value for column i of definition, checked as an insert checks it.
    void bindChecked(const TableDefinition& definition, std::size_t i, std::string_view text);
    // Inserts one kept row through the insert's checks; raises SqliteError or Error.
    void insertStored(const TableDefinition& definition, std::span<const StoredValue> values);
    std::int64_t runDelete();
    std::int64_t runAlterToMemo();
    // SQLite ends a transaction on its own after some failures (a full disk, for one).
    bool transactionOpen() const { return inTransaction && !sqlite3_get_autocommit(db.get()); }
    // Ends the transaction with a COMMIT, or else a ROLLBACK.
    void endTransaction(bool commit);

    SqliteHandle db; // first, so it outlives every statement below
    std::string path;
    Access access;
    // The table the last statement named, with its shape and prepared insert. Forgotten wherever
    // the schema may have moved: at the memo step, at a begin and before a statement outside a
    // transaction, so whatever follows a rollback reads it afresh; the per-row insert path never
    // rereads it.
    std::optional<TableDefinition> table;
    std::string tableAsNamed;         // as the last statement spelled it
    Statement insert;                 // INSERT INTO t VALUES (?1, ...), prepared on first use
    bool inTransaction = false;       // begun by us; SQLite may have ended it on its own since
    bool commitMayHaveLanded = false; // the last commit failed past SQLite's commit point
    // Reused from one statement to the next, so a long run of inserts allocates nothing once
    // they have grown to the widest row.
    ReadStatement statement;
    std::vector<std::string> decoded;
    // The fingerprint of the rows inserted into `counted` (as the schema spells it) since its
    // delete in this transaction, so that the rows a change leaves need not be read back.
    // fingerprint() takes it only while the table holds as many rows: a conflict clause of a
    // table made elsewhere can drop or replace a row instead of refusing it.
    std::string counted;
    RowFingerprint inserted;
    std::string rowBytes;

    void startCounting(const std::string& name)
    {
        counted = name;
        inserted = {};
    }
};

std::int64_t Database::Impl::runInsert()
{
    const TableDefinition& definition = requireTable(statement.table);
    if (statement.values.size() != definition.columns.size())
        throw jet::error(jet::ValueCountMismatch);
    if (decoded.size() < statement.values.size())
        decoded.resize(statement.values.size());
    prepareInsert(definition);
    const auto reset = qScopeGuard([this] { insert.reset(); });
    const bool counting = definition.name == counted;
    rowBytes.clear();
    // The text bound must outlive the step: the literal views the statement text, and decoded
    // lives here.
    for (std::size_t i = 0; i < statement.values.size(); ++i) {
        std::string_view text = statement.values[i];
        if (text.find('\'') != std::string_view::npos) {
            decodeLiteral(text, decoded[i]);
            text = decoded[i];
        }
        bindChecked(definition, i, text);
        if (counting)
            appendText(rowBytes, text);
    }
    insert.step();
    if (counting)
        inserted.add(rowBytes);
    return sqlite3_changes64(db.get());
}

void Database::Impl::bindChecked(const TableDefinition& definition, std::size_t i,
                                 std::string_view text)
{
    const Column& column = definition.columns[i];
    if (column.type.kind == ColumnType::Kind::Number)
        throw jet::error(jet::TypeMismatch, {column.name, definition.name});
    // Bytes are never fewer than characters: only a text longer in bytes needs counting.
    const auto size = static_cast<std::size_t>(column.type.size);
    if (column.type.kind == ColumnType::Kind::Text && text.size() > size &&
        countCharacters(text) > size)
        throw jet::error(jet::FieldTooSmall, {column.name, definition.name, std::to_string(size)});
    insert.bindTextView(static_cast<int>(i) + 1, text);
}

// A kept text goes through the checks of a text the program sends; a value of another type, which
// only a table from before the program's first change holds, goes back as it was.
void Database::Impl::insertStored(const TableDefinition& definition,
                                  std::span<const StoredValue> values)
{
    prepareInsert(definition);
    const auto reset = qScopeGuard([this] { insert.reset(); });
    sqlite3_stmt* const statement = insert.handle();
    rowBytes.clear();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const StoredValue& value = values[i];
        appendValue(rowBytes, value);
        const int index = static_cast<int>(i) + 1;
        const auto size = static_cast<sqlite3_uint64>(value.bytes.size());
        switch (value.type) {
        case SQLITE_TEXT:
            bindChecked(definition, i, value.bytes);
            break;
        case SQLITE_INTEGER:
            insert.checkBind(sqlite3_bind_int64(statement, index,
                                                qFromLittleEndian<qint64>(value.bytes.data())));
            break;
        case SQLITE_FLOAT:
            insert.checkBind(sqlite3_bind_double(
                statement, index,
                std::bit_cast<double>(qFromLittleEndian<quint64>(value.bytes.data()))));
            break;
        case SQLITE_BLOB:
            insert.checkBind(
                sqlite3_bind_blob64(statement, index, value.bytes.data(), size, SQLITE_STATIC));
            break;
        default:
            insert.checkBind(sqlite3_bind_null(statement, index));
        }
    }
    insert.step();
    inserted.add(rowBytes);
}

std::int64_t Database::Impl::runDelete()
{
    const std::string& name = requireTable(statement.table).name;
    execSql(db.get(), deleteSql(name));
    startCounting(name);
    return sqlite3_changes64(db.get());
}

// The column becomes a memo and keeps its rows, indexes and constraints; a memo already stays as
// it is.
std::int64_t Database::Impl::runAlterToMemo()
{
    const TableDefinition definition = requireTable(statement.table);
    const Column* column = nullptr;
    for (const Column& candidate : definition.columns)
        column = equalsIgnoringAsciiCase(candidate.name, statement.column) ? &candidate : column;
    if (column && column->type.kind == ColumnType::Kind::Memo)
        return 0;
    // The table's prepared insert goes with its old shape, whatever happens below.
    forgetTable();
    if (!column)
        throw jet::error(jet::FieldNotFound, {statement.column, definition.name});
    if (access == Access::Preview) {
        // The shadow, empty after the reload's delete, is made anew in the memo's shape.
        if (const auto sql = memoTableSql(db.get(), definition.name, column->name)) {
            makeShadow(db.get(), definition.name, *sql);
            return 0;
        }
    } else if (makeMemo(db.get(), definition.name, column->name)) {
        return 0;
    }
    throw jet::error(jet::FieldNotFound, {statement.column, definition.name});
}

void Database::Impl::endTransaction(bool commit)
{
    if (!transactionOpen()) {
        inTransaction = false;
        throw jet::error(jet::NoTransaction);
    }
    // A failed commit leaves the transaction to the caller's rollback.
    inTransaction = commit;
    if (commit)
        commitMayHaveLanded = false;
    try {
        execSql(db.get(), commit ? "COMMIT" : "ROLLBACK");
    } catch (const SqliteError& error) {
        commitMayHaveLanded = commit && failedCommitMayHaveLanded(db.get());
        throw jet::fromSqlite(error, path, {});
    }
    inTransaction = false;
}

Database::Database(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;
Database::~Database() = default;

Database Database::openConnectionText(std::string_view connectionText,
                                      std::span<const ReloadedTable> checkedTables, Access access)
{
    const ConnectionSettings settings = parseConnectionText(connectionText);
    return open(settings.dataSource, settings.password, DefaultBusyWait, checkedTables, access);
}

Database Database::open(const std::string& path, const std::string& password,
                        std::chrono::milliseconds busyWait,
                        std::span<const ReloadedTable> checkedTables, Access access)
{
    const bool preview = access == Access::Preview;
    // SQLite only ever sees a file that already looks like ours, and never with CREATE.
    probeDatabaseFile(path, !preview);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(
        sqliteFileName(path).c_str(), &raw,
        (preview ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_EXRESCODE, nullptr);
    auto impl = std::make_unique<Impl>(SqliteHandle(raw), path, access);
    try {
        if (rc != SQLITE_OK)
            throw SqliteError(rc, sqlite3_errstr(rc));
        hardenConnection(raw);
        sqlite3_busy_timeout(raw, static_cast<int>(busyWait.count()));
        if (!readPasswordHash(raw, path).matches(password))
            throw jet::error(jet::InvalidPassword);
        applyWriteSettings(raw);
        // Before anything is written: a damaged or foreign file is refused as it stands.
        checkDatabaseContents(raw, path, checkedTables);
        if (preview)
            makeShadows(raw, checkedTables);
    } catch (const SqliteError& error) {
        // Only a connection that writes can roll back what an interrupted update left.
        if (error.code() == SQLITE_READONLY_ROLLBACK)
            throw jet::error(jet::InterruptedUpdate, {path});
        throw jet::fromSqlite(error, path, {});
    }
    return Database(std::move(impl));
}

std::int64_t Database::execute(std::string_view sql)
{
    Impl& d = *m_impl;
    // Outside a transaction another connection may change a table between two statements.
    if (!d.inTransaction)
        d.forgetTable();
    readStatement(sql, d.statement);
    try {
        switch (d.statement.kind) {
        case ReadStatement::Kind::Insert:
            return d.runInsert();
        case ReadStatement::Kind::Delete:
            return d.runDelete();
        case ReadStatement::Kind::AlterToMemo:
            return d.runAlterToMemo();
        }
    } catch (const SqliteError& error) {
        // The table, once found, as the schema spells it.
        throw jet::fromSqlite(error, d.path, d.table ? d.table->name : d.statement.table);
    }
    return 0;
}

void Database::createTable(const TableDefinition& definition)
{
    m_impl->forgetTable();
    try {
        execSql(m_impl->db.get(), createTableSql(definition));
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, m_impl->path, definition.name);
    }
}

void Database::beginTransaction()
{
    if (inTransaction())
        throw jet::error(jet::TransactionExists);
    // Nothing looked up or counted before may still hold once the file is ours again.
    m_impl->forgetTable();
    m_impl->counted.clear();
    try {
        // EXCLUSIVE waits, for the busy time at most, until readers have let go too: a reload
        // then has the file to itself before its first delete, or fails here as "in use". With
        // a reader still on, every insert ran and the commit failed after the wait, the page
        // cache growing past its cap meanwhile since nothing could be spilled.
        // A preview writes its shadows alone, which no other connection sees.
        execSql(m_impl->db.get(), m_impl->access == Access::Preview ? "BEGIN" : "BEGIN EXCLUSIVE");
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, m_impl->path, {});
    }
    m_impl->inTransaction = true;
}

void Database::commitTransaction()
{
    m_impl->endTransaction(true);
}

void Database::rollbackTransaction()
{
    m_impl->endTransaction(false);
}

bool Database::commitMayHaveLanded() const
{
    return m_impl->commitMayHaveLanded;
}

bool Database::inTransaction() const
{
    return m_impl->transactionOpen();
}

const std::string& Database::path() const
{
    return m_impl->path;
}

TableFingerprint Database::fingerprint(std::string_view table)
{
    Impl& d = *m_impl;
    try {
        const std::string& name = d.requireTable(table).name;
        if (name == d.counted) {
            Statement count(d.db.get(), "SELECT count(*) FROM " + quoteName(name));
            if (count.step() && count.columnInt64(0) == d.inserted.rows())
                return d.inserted.result();
        }
        return fingerprintRows(d.db.get(), quoteName(name));
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, d.path, table);
    }
}

KeptRows Database::keptRows(std::string_view table)
{
    try {
        return engine::keptRows(m_impl->db.get(), table);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, m_impl->path, table);
    }
}

std::int64_t Database::keepRows(std::string_view table)
{
    Impl& d = *m_impl;
    try {
        const std::string source = quoteName(d.requireTable(table).name);
        createSystemTables(d.db.get());
        // The generation before goes first, so that the new one takes its pages and the file
        // holds one copy of the table at most.
        dropKeptRows(d.db.get(), table, engine::keptRows(d.db.get(), table).lastPart);
        return engine::keepRows(d.db.get(), table, source);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, d.path, table);
    }
}

RestoredRows Database::restoreKeptRows(std::string_view table, std::int64_t keptCount)
{
    Impl& d = *m_impl;
    sqlite3* db = d.db.get();
    try {
        const KeptRows kept = engine::keptRows(db, table);
        if (kept.lastPart == 0 || kept.rows != keptCount)
            throw jet::error(jet::KeptRowsDamaged, {table});
        const TableDefinition definition = d.requireTable(table);
        engine::keepRows(db, table, quoteName(definition.name));
        execSql(db, deleteSql(definition.name));
        d.startCounting(definition.name);
        std::int64_t place = 0;
        const std::string sha = forEachKeptRow(
            db, table, kept.lastPart, static_cast<int>(definition.columns.size()),
            [&](std::span<const StoredValue> values) {
                ++place;
                const auto refuse = [&](const Error& why) {
                    const StoredValue& code = values.front();
                    return Error(
                        why.number(),
                        jet::error(jet::KeptRowRefused,
                                   {table, std::to_string(place),
                                    code.type == SQLITE_TEXT ? code.bytes : "", why.description()})
                            .description());
                };
                try {
                    d.insertStored(definition, values);
                } catch (const SqliteError& error) {
                    throw refuse(jet::fromSqlite(error, d.path, definition.name));
                } catch (const Error& error) {
                    throw refuse(error);
                }
            });
        dropKeptRows(db, table, kept.lastPart);
        return {kept.bytes, sha};
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, d.path, table);
    }
}

void Database::recordChange(const Change& change)
{
    try {
        appendChange(m_impl->db.get(), change);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, m_impl->path, format::HistoryTable);
    }
}

std::vector<Change> Database::changes(std::string_view table)
{
    try {
        return readChanges(m_impl->db.get(), table);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, m_impl->path, format::HistoryTable);
    }
}

CodeOrder Database::rowsInCodeOrder(std::string_view table, bool shadow)
{
    Impl& d = *m_impl;
    try {
        const std::string name = quoteName(d.requireTable(table).name);
        return CodeOrder(Statement(d.db.get(), "SELECT * FROM " +
                                                   std::string(shadow ? "temp." : "main.") + name));
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, d.path, table);
    }
}

} // namespace engine
