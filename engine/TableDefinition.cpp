#include "engine/TableDefinition.h"

#include "engine/AsciiCase.h"
#include "engine/DatabaseFormat.h"
#include "engine/Sqlite.h"

#include <algorithm>
#include <charconv>

namespace engine {

namespace {

constexpr std::string_view TextDeclaration = "VARCHAR(";
constexpr std::string_view MemoDeclaration = "LONGTEXT";
constexpr int MaxTextSize = 255;

// SQLite's own rules for a column's affinity, as its documentation gives them, in their order.
bool hasNumericAffinity(std::string_view declaration)
{
    const auto has = [declaration](std::string_view word) {
        return std::search(declaration.begin(), declaration.end(), word.begin(), word.end(),
                           [](char a, char b) { return toAsciiLower(a) == b; }) !=
               declaration.end();
    };
    // REAL, FLOA, DOUB and everything else have REAL or NUMERIC affinity.
    return has("int") ||
           !(has("char") || has("clob") || has("text") || has("blob") || declaration.empty());
}

} // namespace

std::string sqliteDeclaration(const ColumnType& type)
{
    return type.kind == ColumnType::Kind::Text
               ? std::string(TextDeclaration) + std::to_string(type.size) + ")"
               : std::string(MemoDeclaration);
}

ColumnType fromSqliteDeclaration(std::string_view declaration)
{
    const std::string_view size =
        declaration.substr(std::min(declaration.size(), TextDeclaration.size()));
    int n = 0;
    const auto [end, ec] = std::from_chars(size.data(), size.data() + size.size(), n);
    if (equalsIgnoringAsciiCase(declaration.substr(0, TextDeclaration.size()), TextDeclaration) &&
        ec == std::errc() && std::string_view(end, size.data() + size.size()) == ")" && n >= 1 &&
        n <= MaxTextSize)
        return {ColumnType::Kind::Text, n};
    return {hasNumericAffinity(declaration) ? ColumnType::Kind::Number : ColumnType::Kind::Memo, 0};
}

std::optional<TableDefinition> readTableDefinition(sqlite3* db, std::string_view name)
{
    for (const char* system : {format::PasswordTable, format::HistoryTable, format::KeptRowsTable})
        if (equalsIgnoringAsciiCase(name, system))
            return std::nullopt;
    Statement lookup(db, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name = ?1 "
                         "COLLATE NOCASE AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    lookup.bindText(1, name);
    if (!lookup.step())
        return std::nullopt;
    TableDefinition definition{lookup.columnText(0).value_or(""), {}};
    Statement columns(db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)");
    columns.bindText(1, definition.name);
    while (columns.step())
        definition.columns.push_back({columns.columnText(0).value_or(""),
                                      fromSqliteDeclaration(columns.columnText(1).value_or("")),
                                      columns.columnInt64(2) != 0,
                                      static_cast<int>(columns.columnInt64(3))});
    return definition;
}

std::string storedTableSql(sqlite3* db, std::string_view table)
{
    Statement read(db, "SELECT sql FROM main.sqlite_schema WHERE type = 'table' AND name = ?1");
    read.bindText(1, table);
    return read.step() ? read.columnText(0).value_or("") : std::string();
}

std::string createTableSql(const TableDefinition& definition)
{
    std::string sql = "CREATE TABLE " + quoteName(definition.name) + " (";
    std::vector<const Column*> key;
    for (const Column& column : definition.columns) {
        if (&column != &definition.columns.front())
            sql += ", ";
        sql += quoteName(column.name) + ' ' + sqliteDeclaration(column.type);
        if (column.notNull)
            sql += " NOT NULL";
        if (column.keyPosition > 0)
            key.push_back(&column);
    }
    std::sort(key.begin(), key.end(),
              [](const Column* a, const Column* b) { return a->keyPosition < b->keyPosition; });
    for (const Column* column : key)
        sql += (column == key.front() ? ", PRIMARY KEY (" : ", ") + quoteName(column->name);
    return sql + (key.empty() ? ")" : "))");
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
