#pragma once

#include "engine/ChangeHistory.h"
#include "engine/CodeOrder.h"
#include "engine/KeptRows.h"
#include "engine/Sqlite.h"
#include "engine/StoredRows.h"
#include "engine/TableDefinition.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace engine {

// An open database file of ours, running the three Jet statements the program sends.
// Every failure is an Error (engine/Error.h) whose description names the file, table or value.
class Database
{
public:
    // How an open uses the file.
    enum class Access
    {
        ReadWrite,
        // Read-only, and never written, not even to roll back an interrupted update (the open
        // refuses such a file): a read-only file, folder or file system will do. Each of the
        // checked tables the file has is shadowed by an empty copy of itself in memory, with its
        // indexes, which the three statements and the transactions act on instead: a reload
        // runs with every verdict of its own and leaves the file as it was.
        Preview
    };

    // Opens the database a connection text names ("Provider=Microsoft.Jet.OLEDB.4.0;Data
    // Source=...;Jet OLEDB:Database Password=...;"). Raises 3706 for another provider, and the
    // open failures (missing file, unrecognised format, write-ahead-log mode, wrong password, in
    // use, a damaged file, a file holding a trigger, view or virtual table, a table of
    // checkedTables its reload cannot take). A failed open never creates, changes or truncates a
    // file. checkedTables are the tables the caller will reload, which the open's look at the file
    // covers (checkDatabaseContents, OpenChecks.h).
    static Database openConnectionText(std::string_view connectionText,
                                       std::span<const ReloadedTable> checkedTables = {},
                                       Access access = Access::ReadWrite);

    // How long an open or a statement waits for another process that holds the file before it
    // gives up with "file already in use".
    static constexpr std::chrono::milliseconds DefaultBusyWait{3000};

    // Opens the database file at path with its database password; failures as above.
    static Database open(const std::string& path, const std::string& password,
                         std::chrono::milliseconds busyWait = DefaultBusyWait,
                         std::span<const ReloadedTable> checkedTables = {},
                         Access access = Access::ReadWrite);

    // A moved-from Database may only be assigned to or destroyed.
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;
    ~Database();

    // Executes one of "DELETE FROM t", "ALTER TABLE t ALTER [COLUMN] c MEMO" and "INSERT INTO t
    // VALUES ('...', ...)" (see StatementReader.h for the spelling); returns the number of rows
    // it affected. Any other text raises the syntax error quoting it, and reaches SQLite in no
    // form. Raises missing table or field, value count, field size, type, duplicate key, required
    // field and in-use errors as the Jet provider numbers them; a failed statement changes
    // nothing. The password table is a table that does not exist.
    std::int64_t execute(std::string_view sql);

    // Makes the table definition describes (for tools and tests); raises an Error when a table
    // of that name, in any letter case, is there, the password table included.
    void createTable(const TableDefinition& definition);

    // One transaction at a time: a begin inside one raises its own error, and commit or rollback
    // without one raises "No transaction is active.". A rollback undoes rows and table shapes
    // alike. The begin takes the file for this connection alone, waiting up to the busy time for
    // other connections (readers too) to let go, and raises the in-use error when they do not.
    // A commit that has returned is on disk; one that fails for a full disk raises an error
    // saying so.
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    bool inTransaction() const;
    // After commitTransaction raised: whether the changes may be in the file all the same, as
    // against certainly undone (see failedCommitMayHaveLanded in Database.cpp). False until a
    // commit fails.
    bool commitMayHaveLanded() const;

    const std::string& path() const;

    // What a change of a reference table keeps and records (ChangeHistory.h, KeptRows.h), the
    // table named as the program names it. Those that write need a transaction, so the record
    // and the change commit or roll back together.
    //
    // The fingerprint of table's rows (of its shadow in a preview); raises the missing-table error.
    TableFingerprint fingerprint(std::string_view table);
    // The generation kept for table; lastPart 0 when nothing is.
    KeptRows keptRows(std::string_view table);
    // Makes the system tables of changes where the file has none, and table's rows now its kept
    // generation, in place of the one kept before; returns the rows kept.
    std::int64_t keepRows(std::string_view table);
    // Puts the rows kept for table back in place of its rows, which become its kept generation.
    // Raises KeptRowsDamaged unless keptCount rows are kept, whole. Each row goes through an
    // insert's checks; one the table refuses raises KeptRowRefused with the refusal's number.
    // Returns the kept rows' bytes and their SHA-256.
    RestoredRows restoreKeptRows(std::string_view table, std::int64_t keptCount);
    void recordChange(const Change& change);
    // Newest first, of table only unless it is empty; none in a file without a history.
    std::vector<Change> changes(std::string_view table = {});

    // Each row of table, the file's or (shadow) the preview's, in code order (CodeOrder.h).
    CodeOrder rowsInCodeOrder(std::string_view table, bool shadow);

private:
    struct Impl;
    explicit Database(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

// Makes a new, empty database of ours at path, protected by password. Raises an Error when
// something already exists at path (it never overwrites).
void CreateDatabase(const std::string& path, const std::string& password);

} // namespace engine
