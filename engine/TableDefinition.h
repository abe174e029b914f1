#pragma once

#include "engine/ColumnType.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

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

    // The column named name in any letter case.
    std::optional<std::size_t> findColumn(std::string_view name) const;
};

// The SQLite CREATE TABLE text for definition under the name sqliteName.
std::string createTableSql(const TableDefinition& definition, std::string_view sqliteName);

// The SQLite texts a reload runs on table, as the schema spells its name: the delete of every
// row, and the insert of one row of columns values, bound as ?1, ?2, ... The open compiles the
// same texts to refuse a table they cannot run on.
std::string deleteSql(std::string_view table);
std::string insertSql(std::string_view table, std::size_t columns);

} // namespace engine
