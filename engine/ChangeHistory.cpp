#include "engine/ChangeHistory.h"

#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"
#include "engine/Sqlite.h"
#include "engine/TableDefinition.h"

#include <array>

namespace engine {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 2> SystemTables = {{
    {format::HistoryTable, format::HistoryTableSql},
    {format::KeptRowsTable, format::KeptRowsTableSql},
}};

constexpr const char* Columns = "time, user, host, tableName, kind, sourcePath, sourceSize, "
                                "sourceSha256, rowsBefore, rowsAfter, fingerprint";

} // namespace

void createSystemTables(sqlite3* db)
{
    for (const auto& [name, sql] : SystemTables) {
        if (storedTableSql(db, name).empty())
            execSql(db, sql);
    }
}

void appendChange(sqlite3* db, const Change& change)
{
    Statement insert(db, std::string("INSERT INTO ") + format::HistoryTable + " (" + Columns +
                             ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)");
    int i = 0;
    for (const std::string* text : {&change.time, &change.user, &change.host, &change.table,
                                    &change.kind, &change.sourcePath})
        insert.bindText(++i, *text);
    insert.bindInt64(++i, change.sourceSize);
    insert.bindText(++i, change.sourceSha256);
    insert.bindInt64(++i, change.rowsBefore);
    insert.bindInt64(++i, change.rowsAfter);
    insert.bindText(++i, change.fingerprint);
    insert.step();
}

std::vector<Change> readChanges(sqlite3* db, std::string_view table)
{
    std::vector<Change> changes;
    if (storedTableSql(db, format::HistoryTable).empty())
        return changes;
    Statement read(db, std::string("SELECT ") + Columns + " FROM " + format::HistoryTable +
                           (table.empty() ? "" : " WHERE tableName = ?1") + " ORDER BY id DESC");
    if (!table.empty())
        read.bindText(1, table);
    while (read.step()) {
        const auto text = [&read](int i) {
            return read.columnText(i).value_or("");
        };
        changes.push_back({text(0), text(1), text(2), text(3), text(4), text(5),
                           read.columnInt64(6), text(7), read.columnInt64(8), read.columnInt64(9),
                           text(10)});
    }
    return changes;
}

void checkSystemTables(sqlite3* db, const std::string& path)
{
    for (const auto& [name, sql] : SystemTables) {
        Statement schema(db, "SELECT type, sql FROM sqlite_schema WHERE tbl_name = ?1 "
                             "COLLATE NOCASE OR name = ?1 COLLATE NOCASE");
        schema.bindText(1, name);
        while (schema.step()) {
            if (schema.columnText(0) != "table" || schema.columnText(1) != sql)
                throw jet::error(jet::SystemTableShape, {path, name});
        }
    }
}

} // namespace engine
