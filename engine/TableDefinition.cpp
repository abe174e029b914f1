#include "engine/TableDefinition.h"

#include "engine/AsciiCase.h"
#include "engine/Sqlite.h"

#include <algorithm>

namespace engine {

std::optional<std::size_t> TableDefinition::findColumn(std::string_view columnName) const
{
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (equalsIgnoringAsciiCase(columns[i].name, columnName))
            return i;
    }
    return std::nullopt;
}

std::string createTableSql(const TableDefinition& definition, std::string_view sqliteName)
{
    std::string sql = "CREATE TABLE ";
    sql += quoteName(sqliteName);
    sql += " (";
    std::vector<const Column*> key;
    for (std::size_t i = 0; i < definition.columns.size(); ++i) {
        const Column& column = definition.columns[i];
        if (i > 0)
            sql += ", ";
        sql += quoteName(column.name);
        sql += ' ';
        sql += sqliteDeclaration(column.type);
        if (column.notNull)
            sql += " NOT NULL";
        if (column.keyPosition > 0)
            key.push_back(&column);
    }
    if (!key.empty()) {
        std::sort(key.begin(), key.end(),
                  [](const Column* a, const Column* b) { return a->keyPosition < b->keyPosition; });
        sql += ", PRIMARY KEY (";
        for (std::size_t i = 0; i < key.size(); ++i) {
            if (i > 0)
                sql += ", ";
            sql += quoteName(key[i]->name);
        }
        sql += ')';
    }
    sql += ')';
    return sql;
}

std::string deleteSql(std::string_view table)
{
    return "DELETE FROM " + quoteName(table);
}

std::string insertSql(std::string_view table, std::size_t columns)
{
    std::string sql = "INSERT INTO " + quoteName(table) + " VALUES (";
    for (std::size_t i = 1; i <= columns; ++i)
        sql += (i > 1 ? ", ?" : "?") + std::to_string(i);
    return sql + ")";
}

} // namespace engine
