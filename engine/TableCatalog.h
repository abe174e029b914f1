#pragma once

#include "engine/Sqlite.h"
#include "engine/TableDefinition.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace engine {

// A prepared INSERT for one list of target columns, kept while the table's shape lasts.
struct CachedInsert
{
    std::vector<std::size_t> columns; // the target column of each value, in value order
    Statement statement;
};

struct TableInfo
{
    TableDefinition definition;
    std::vector<CachedInsert> inserts;
};

// The user tables of one connection and their shapes, read from the schema when first asked
// for and forgotten whenever the schema changes (its version moves: our own DDL, a rollback,
// another process), so the per-row insert path never rereads it.
class TableCatalog
{
public:
    explicit TableCatalog(sqlite3* db) : m_db(db) {}

    // The table named name in any letter case, or nullptr when there is none (the password
    // table counts as none). Raises SqliteError.
    TableInfo* find(std::string_view name);

    // Forgets every table; their prepared inserts go with them.
    void invalidate() noexcept;

private:
    void checkSchemaVersion();
    std::unique_ptr<TableInfo> load(std::string_view name);

    sqlite3* m_db;
    Statement m_schemaVersion;
    Statement m_lookup;
    std::int64_t m_version = -1;
    std::vector<std::unique_ptr<TableInfo>> m_tables;
};

} // namespace engine
