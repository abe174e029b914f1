#include "bench/Floors.h"

#include "bench/Sqlite.h"

namespace bench {

// SQLite has no ALTER COLUMN. The closest it offers is its documented way to change a column's
// type: make the table anew with the column as long text, copy the rows over, drop the old table
// and give the new one its name. The reload has just emptied the table, so this costs schema
// work only, which is what the program's engine pays for the same step.
void alterToMemo(sqlite3* db, const ReferenceTable& table)
{
    const std::string name(table.tableName);
    const std::string code = "\"" + std::string(table.codeColumn) + "\"";
    exec(db, "CREATE TABLE tandera_floor_memo (" + code + " VARCHAR(" +
                 std::to_string(table.codeLength) + ") NOT NULL, \"" +
                 std::string(table.descriptionColumn) + "\" LONGTEXT, PRIMARY KEY (" + code + "))");
    exec(db, "INSERT INTO tandera_floor_memo SELECT * FROM " + name);
    exec(db, "DROP TABLE " + name);
    exec(db, "ALTER TABLE tandera_floor_memo RENAME TO " + name);
}

} // namespace bench
