#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One row of a SELECT: each value as UTF-8 text, or nullopt for NULL.
using Row = std::vector<std::optional<std::string>>;

// An open database file of ours, speaking the Jet SQL dialect the program sends.
// Every failure is an Error (engine/Error.h) whose description names the file, table or value.
class Database
{
public:
    // Opens the database a connection text names ("Provider=Microsoft.Jet.OLEDB.4.0;Data
    // Source=...;Jet OLEDB:Database Password=...;"). Raises 3706 for another provider, and the
    // open failures (missing file, unrecognised format, write-ahead-log mode, wrong password, in
    // use, a damaged file, a file holding a trigger, view or virtual table). A failed open
    // never creates, changes or truncates a file. The structural check reads the schema, the
    // free-page list, the password table and those of checkedTables the file has (the tables
    // the caller will write), each with its indexes, and nothing else.
    static Database openConnectionText(std::string_view connectionText,
                                       std::span<const std::string> checkedTables = {});

    // How long an open or a statement waits for another process that holds the file before it
    // gives up with "file already in use".
    static constexpr std::chrono::milliseconds DefaultBusyWait{3000};

    // Opens the database file at path with its database password; failures as above.
    static Database open(const std::string& path, const std::string& password,
                         std::chrono::milliseconds busyWait = DefaultBusyWait,
                         std::span<const std::string> checkedTables = {});

    // A moved-from Database may only be assigned to or destroyed.
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;
    ~Database();

    // Executes one Jet statement (INSERT INTO, DELETE, ALTER TABLE ... ALTER COLUMN, CREATE
    // TABLE, CREATE [UNIQUE] INDEX, DROP TABLE, DROP INDEX, SELECT); returns the number of rows
    // it affected (0 for DDL and SELECT). Raises syntax, missing table, value count, field size,
    // duplicate key and in-use errors as the Jet provider numbers them, and "Undefined function"
    // for a function outside the dialect; a failed statement changes nothing.
    std::int64_t execute(std::string_view sql);

    // Runs a SELECT (for tests and tools) and returns its rows; raises as execute does.
    std::vector<Row> query(std::string_view sql);

    // Transactions nest; a rollback undoes rows and table shapes alike. Commit or rollback
    // without a transaction raises "No transaction is active.". The outermost begin takes the
    // file for this connection alone, waiting up to the busy time for other connections
    // (readers too) to let go, and raises the in-use error when they do not. A commit that has
    // returned is on disk; one that fails for a full disk raises an error saying so.
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    bool inTransaction() const;
    // After commitTransaction raised: whether the changes may be in the file all the same, as
    // against certainly undone (see engine/FailedCommit.h). False until a commit fails.
    bool commitMayHaveLanded() const;

    const std::string& path() const;

private:
    struct Impl;
    explicit Database(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

// Makes a new, empty database of ours at path, protected by password. Raises an Error when
// something already exists at path (it never overwrites).
void CreateDatabase(const std::string& path, const std::string& password);

} // namespace engine
