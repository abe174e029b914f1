#include "engine/OpenChecks.h"

#include "engine/AsciiCase.h"
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

// Two entries on one root page would let a reload of one rewrite the other, and the quick check,
// one table at a time, would never see it.
void refuseSharedRootPages(sqlite3* db, const std::string& path)
{
    Statement shared(db, "SELECT a.name, b.name FROM sqlite_schema a JOIN sqlite_schema b "
                         "ON a.rootpage = b.rootpage AND a.rowid < b.rowid "
                         "WHERE a.rootpage <> 0 LIMIT 1");
    if (shared.step())
        throw jet::error(jet::SharedRootPage, {path, shared.columnText(0).value_or(""),
                                               shared.columnText(1).value_or("")});
}

// The column that is table's row id (its INTEGER PRIMARY KEY, in any of SQLite's spellings), if
// any: the one key SQLite keeps no index for.
std::optional<std::string> rowIdColumn(sqlite3* db, const std::string& table)
{
    Statement key(db, "SELECT name FROM pragma_table_info(?1) WHERE pk > 0 AND NOT EXISTS "
                      "(SELECT 1 FROM pragma_index_list(?1) WHERE origin = 'pk')");
    key.bindText(1, table);
    return key.step() ? key.columnText(0) : std::nullopt;
}

// Refuses a table the reload's own statements would fail on at its first line, after the tables
// before it were reloaded. A row id made a memo would even leave the file damaged: its rows are
// stored by number, and a memo key needs an index the file does not have.
void refuseUnreloadableShape(sqlite3* db, const std::string& path, const TableDefinition& table,
                             const ReloadedTable& reloaded)
{
    const std::vector<Column>& columns = table.columns;
    if (columns.size() != reloaded.values)
        throw jet::error(jet::ColumnCount, {path, table.name, std::to_string(reloaded.values),
                                            std::to_string(columns.size())});
    if (!equalsIgnoringAsciiCase(columns.back().name, reloaded.memoColumn))
        throw jet::error(jet::MemoColumnNotLast,
                         {path, table.name, reloaded.memoColumn, columns.back().name});
    if (const std::optional<std::string> rowId = rowIdColumn(db, table.name))
        throw jet::error(jet::RowIdColumn, {path, table.name, *rowId});
    // The memo step makes the memo column take text; every other column must take it already.
    for (auto column = columns.begin(); column + 1 != columns.end(); ++column)
        if (column->type.kind == ColumnType::Kind::Number)
            throw jet::error(jet::NumberColumn, {path, table.name, column->name});
}

// Compiles, without running them, the delete and the insert a reload will send to table: an
// index, CHECK, DEFAULT or generated column calling a function the hardened connection does not
// run, or naming a collation it does not have, fails here, before anything is written, and not
// halfway through a run; and before the quick check, which would meet the same function or
// collation.
void refuseUnrunnableRules(sqlite3* db, const std::string& path, const TableDefinition& table)
{
    try {
        Statement(db, insertSql(table.name, table.columns.size()));
        Statement(db, deleteSql(table.name));
    } catch (const SqliteError& error) {
        // A damaged file fails otherwise, and is reported as damaged.
        if (error.primaryCode() != SQLITE_ERROR)
            throw;
        throw jet::error(jet::UnrunnableRules, {path, table.name});
    }
}

// SQLite's quick check of each of tables (or of the schema, named sqlite_schema, with the
// free-page list), with its indexes.
void quickCheck(sqlite3* db, const std::string& path, const std::vector<std::string>& tables)
{
    for (const std::string& table : tables) {
        Statement check(db, "PRAGMA quick_check(" + quoteName(table) + ")");
        const std::optional<std::string> verdict =
            check.step() ? check.columnText(0) : std::nullopt;
        if (verdict != "ok")
            throw jet::fromSqlite(SqliteError(SQLITE_CORRUPT, verdict.value_or("no verdict")), path,
                                  {});
    }
}

} // namespace

void checkDatabaseContents(sqlite3* db, const std::string& path,
                           std::span<const ReloadedTable> checkedTables)
{
    refuseForeignObjects(db, path);
    refuseSharedRootPages(db, path);
    checkSystemTables(db, path);
    std::vector<std::string> checked{"sqlite_schema", format::PasswordTable};
    for (const char* system : {format::HistoryTable, format::KeptRowsTable}) {
        if (!storedTableSql(db, system).empty())
            checked.emplace_back(system);
    }
    for (const ReloadedTable& reloaded : checkedTables) {
        // A missing table is the reload's to report, as it reports it on any database.
        const std::optional<TableDefinition> table = readTableDefinition(db, reloaded.name);
        if (!table)
            continue;
        refuseUnreloadableShape(db, path, *table, reloaded);
        refuseUnrunnableRules(db, path, *table);
        checked.push_back(table->name);
    }
    quickCheck(db, path, checked);
}

} // namespace engine
