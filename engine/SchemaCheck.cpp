#include "engine/SchemaCheck.h"

#include "engine/Error.h"
#include "engine/JetErrors.h"
#include "engine/Sqlite.h"

#include <optional>
#include <string_view>

namespace engine {

namespace {

// SQLite stores the statement that made each object with these words first, exactly so.
bool isTableOrIndex(std::string_view type, const std::optional<std::string>& sql)
{
    if (type == "table")
        return sql && sql->starts_with("CREATE TABLE ");
    if (type == "index") // an index SQLite makes for a key or UNIQUE constraint has no text
        return !sql || sql->starts_with("CREATE INDEX ") ||
               sql->starts_with("CREATE UNIQUE INDEX ");
    return false;
}

jet::ForeignObject kindOf(std::string_view type, const std::optional<std::string>& sql)
{
    const auto madeBy = [&sql](std::string_view words) {
        return sql && sql->starts_with(words);
    };
    if (type == "trigger" || madeBy("CREATE TRIGGER"))
        return jet::ForeignObject::Trigger;
    if (type == "view" || madeBy("CREATE VIEW"))
        return jet::ForeignObject::View;
    if (madeBy("CREATE VIRTUAL TABLE"))
        return jet::ForeignObject::VirtualTable;
    return jet::ForeignObject::Other;
}

void refuseForeignObjects(sqlite3* db, const std::string& path)
{
    Statement schema(db, "SELECT type, name, sql FROM sqlite_schema ORDER BY rowid");
    while (schema.step()) {
        const std::string type = schema.columnText(0).value_or(std::string());
        const std::optional<std::string> sql = schema.columnText(2);
        if (!isTableOrIndex(type, sql)) {
            const std::string name = schema.columnText(1).value_or(std::string());
            throw jet::foreignObject(path, kindOf(type, sql), name);
        }
    }
}

} // namespace

void checkStructure(sqlite3* db, const std::string& path)
{
    Statement check(db, "PRAGMA quick_check(1)");
    const std::optional<std::string> verdict =
        check.step() ? check.columnText(0) : std::optional<std::string>();
    if (verdict != "ok")
        throw jet::fromSqlite(SqliteError(SQLITE_CORRUPT, verdict.value_or("no verdict")), path,
                              {});
}

void checkDatabaseContents(sqlite3* db, const std::string& path)
{
    try {
        refuseForeignObjects(db, path);
        checkStructure(db, path);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, path, {});
    }
}

} // namespace engine
