#include "engine/PreviewShadow.h"

#include "engine/Sqlite.h"

#include <string_view>

namespace engine {

namespace {

// SQLite stores the words that make a table or an index exactly so, the name following them.
constexpr std::string_view CreateTable = "CREATE TABLE ";
constexpr std::string_view CreateIndex[] = {"CREATE INDEX ", "CREATE UNIQUE INDEX "};

} // namespace

void makeShadow(sqlite3* db, const std::string& table, const std::string& createSql)
{
    execSql(db, "DROP TABLE IF EXISTS temp." + quoteName(table));
    execSql(db, "CREATE TEMP TABLE " + createSql.substr(CreateTable.size()));
    // Indexes a key or UNIQUE constraint makes come with the table; the others are copied, so that
    // the shadow refuses what the table would.
    Statement indexes(db, "SELECT sql FROM main.sqlite_schema WHERE type = 'index' AND "
                          "tbl_name = ?1 AND sql IS NOT NULL ORDER BY rowid");
    indexes.bindText(1, table);
    while (indexes.step()) {
        std::string sql = indexes.columnText(0).value_or("");
        for (const std::string_view words : CreateIndex) {
            if (sql.starts_with(words)) {
                sql.insert(words.size(), "temp.");
                break;
            }
        }
        execSql(db, sql);
    }
}

} // namespace engine
