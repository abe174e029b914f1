#include "engine/OpenChecks.h"

#include "engine/ChangeHistory.h"
#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"
#include "engine/Sqlite.h"
#include "engine/TableDefinition.h"

#include <optional>
#include <string_view>
#include <vector>

namespace engine {

namespace {

// Refuses any schema entry but a table or an index. SQLite stores the statement that made each
// object with these words first, exactly so.
void refuseForeignObjects(sqlite3* db, const std::string& path)
{
    Statement schema(db, "SELECT type, name, sql FROM sqlite_schema ORDER BY rowid");
    while (schema.step()) {
        const std::string type = schema.columnText(0).value_or("");
        const std::optional<std::string> sql = schema.columnText(2);
        const auto madeBy = [&sql](std::string_view words) {
            return sql && sql->starts_with(words);
        };
        // An index SQLite makes for a key or UNIQUE constraint has no text.
        if ((type == "table" && madeBy("CREATE TABLE ")) ||
            (type == "index" &&
             (!sql || madeBy("CREATE INDEX ") || madeBy("CREATE UNIQUE INDEX "))))
            continue;
        const jet::Text& kind = type == "trigger" || madeBy("CREATE TRIGGER") ? jet::Trigger
                                : type == "view" || madeBy("CREATE VIEW")     ? jet::View
                                : madeBy("CREATE VIRTUAL TABLE")              ? jet::VirtualTable
                                                                 : jet::OtherSchemaObject;
        throw jet::error(kind, {path, schema.columnText(1).value_or("")});
    }
}

} // namespace

void checkDatabaseContents(sqlite3* db, const std::string& path,
                           std::span<const std::string> checkedTables)
{
    refuseForeignObjects(db, path);
    // Two entries on one root page would let a reload of one rewrite the other, and the checks
    // below, one table at a time, would never see it.
    Statement shared(db, "SELECT a.name, b.name FROM sqlite_schema a JOIN sqlite_schema b "
                         "ON a.rootpage = b.rootpage AND a.rowid < b.rowid "
                         "WHERE a.rootpage <> 0 LIMIT 1");
    if (shared.step())
        throw jet::error(jet::SharedRootPage, {path, shared.columnText(0).value_or(""),
                                               shared.columnText(1).value_or("")});
    checkSystemTables(db, path);
    // SQLite's quick check of the schema with the free-page list, then of the system tables and
    // each of checkedTables the file has, with their indexes. A missing table is the reload's to
    // report, as it reports it on any database.
    std::vector<std::string> checked{"sqlite_schema", format::PasswordTable};
    for (const char* system : {format::HistoryTable, format::KeptRowsTable}) {
        if (!storedTableSql(db, system).empty())
            checked.emplace_back(system);
    }
    for (const std::string& name : checkedTables) {
        const std::optional<TableDefinition> table = readTableDefinition(db, name);
        if (!table)
            continue;
        // Compiles, without running them, the delete and the insert a reload will send to the
        // table: an index, CHECK, DEFAULT or generated column calling a function the hardened
        // connection does not run, or naming a collation it does not have, fails here, before
        // anything is written, and not halfway through a run; and before the structural check,
        // which would meet the same function or collation.
        try {
            Statement(db, insertSql(table->name, table->columns.size()));
            Statement(db, deleteSql(table->name));
        } catch (const SqliteError& error) {
            // A damaged file fails otherwise, and is reported as damaged.
            if (error.primaryCode() != SQLITE_ERROR)
                throw;
            throw jet::error(jet::UnrunnableRules, {path, table->name});
        }
        checked.push_back(table->name);
    }
    for (const std::string& table : checked) {
        Statement check(db, "PRAGMA quick_check(" + quoteName(table) + ")");
        const std::optional<std::string> verdict =
            check.step() ? check.columnText(0) : std::nullopt;
        if (verdict != "ok")
            throw jet::fromSqlite(SqliteError(SQLITE_CORRUPT, verdict.value_or("no verdict")), path,
                                  {});
    }
}

} // namespace engine
