#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// A Jet field type as the engine keeps it: text of at most size characters, memo (any length),
// or a number, which only a database made elsewhere has and which takes no text.
struct ColumnType
{
    enum class Kind
    {
        Text,
        Memo,
        Number
    };
    Kind kind = Kind::Text;
    int size = 0; // Text only
};

struct Column
{
    std::string name;
    ColumnType type;
    bool notNull = false;
    int keyPosition = 0; // 1-based place in the primary key; 0 when not part of it
};

// A table's shape: what CREATE TABLE gives and what ALTER COLUMN keeps.
struct TableDefinition
{
    std::string name;
    std::vector<Column> columns;
};

// The declared type SQLite stores for a Text or Memo column; it gives both TEXT affinity, so
// "007" stays text, and keeps INTEGER off so a key column never becomes the rowid.
std::string sqliteDeclaration(const ColumnType& type);

// Back from a declared type read from the schema. One we did not write is a Number when SQLite
// would store numbers in it (INTEGER, REAL or NUMERIC affinity), and otherwise takes any text,
// as a memo does.
ColumnType fromSqliteDeclaration(std::string_view declaration);

// The table named name in any letter case, as the schema of db spells it and with its columns;
// nullopt when there is none (the system tables and SQLite's own count as none). Raises
// SqliteError.
std::optional<TableDefinition> readTableDefinition(sqlite3* db, std::string_view name);

// The CREATE TABLE text the file (its main schema) stores for table as the schema spells it;
// empty when there is none. Raises SqliteError.
std::string storedTableSql(sqlite3* db, std::string_view table);

// The SQLite CREATE TABLE text for definition.
std::string createTableSql(const TableDefinition& definition);

// A table a run reloads, as the open checks it: its rows are deleted, its column memoColumn is
// made a memo, and rows of `values` texts are inserted, one per column in the table's order, the
// last into memoColumn.
struct ReloadedTable
{
    std::string name;
    std::string memoColumn;
    std::size_t values = 0;
};

// The SQLite texts a reload runs on table, as the schema spells its name: the delete of every
// row, and the insert of one row of columns values, bound as ?1, ?2, ... The open compiles the
// same texts to refuse a table they cannot run on.
std::string deleteSql(std::string_view table);
std::string insertSql(std::string_view table, std::size_t columns);

} // namespace engine
