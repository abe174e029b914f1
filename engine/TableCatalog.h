#pragma once

#include "engine/Sqlite.h"
#include "engine/TableDefinition.h"

#include <deque>
#include <string>
#include <string_view>

namespace engine {

struct TableInfo
{
    TableDefinition definition;
    Statement insert; // INSERT INTO t VALUES (?1, ...), prepared on first use
};

// The tables one connection has looked up, with their shapes and prepared inserts, read from
// the schema when first asked for. The caller forgets them whenever the schema may have moved
// (a memo step, a rollback, a new transaction), so the per-row insert path never rereads it.
class TableCatalog
{
public:
    explicit TableCatalog(sqlite3* db) : m_db(db) {}

    // The table named name in any letter case, or nullptr when there is none (the password
    // table and SQLite's own count as none). Raises SqliteError.
    TableInfo* find(std::string_view name);

    // Forgets every table; their prepared inserts go with them.
    void invalidate() noexcept
    {
        m_tables.clear();
        m_last = nullptr;
    }

private:
    TableInfo* load(std::string_view name);

    sqlite3* m_db;
    Statement m_lookup;
    std::deque<TableInfo> m_tables; // a deque, so that a table stays where it is as others come
    std::string m_lastName;         // as the last find spelled it
    TableInfo* m_last = nullptr;
};

} // namespace engine
