#include "engine/TableRebuild.h"

#include "engine/ReplayGuard.h"
#include "engine/Savepoint.h"
#include "engine/Sqlite.h"

#include <string>
#include <vector>

namespace engine {

void rebuildTable(sqlite3* db, const TableDefinition& definition)
{
    Savepoint savepoint(db, "tandera_rebuild");

    std::vector<std::string> indexes;
    {
        Statement list(db, "SELECT sql FROM sqlite_schema WHERE type = 'index' AND "
                           "tbl_name = ?1 AND sql IS NOT NULL ORDER BY rowid");
        list.bindText(1, definition.name);
        while (list.step())
            indexes.push_back(list.columnText(0).value_or(std::string()));
    }

    const std::string table = quoteName(definition.name);
    const std::string rebuilt = quoteName("tandera_rebuild_" + definition.name);
    std::string columns;
    for (const Column& column : definition.columns)
        columns += (columns.empty() ? "" : ", ") + quoteName(column.name);

    execSql(db, createTableSql(definition, "tandera_rebuild_" + definition.name).c_str());
    execSql(db, ("INSERT INTO " + rebuilt + " (" + columns + ") SELECT " + columns + " FROM " +
                 table + " ORDER BY rowid")
                    .c_str());
    execSql(db, ("DROP TABLE " + table).c_str());
    execSql(db, ("ALTER TABLE " + rebuilt + " RENAME TO " + table).c_str());
    {
        const ReplayGuard guard(db);
        for (const std::string& index : indexes)
            execSql(db, index.c_str());
    }
    savepoint.release();
}

} // namespace engine
