#pragma once

#include "engine/Sqlite.h"
#include "engine/TableDefinition.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

struct TableInfo
{
    TableDefinition definition;
    Statement insert; // INSERT INTO t VALUES (?1, ...), prepared on first use
};

// The table the last statement named, with its shape and prepared insert, read from the schema
// when a statement names another. The caller forgets it whenever the schema may have moved (a
// memo step, a rollback, a new transaction), so the per-row insert path never rereads it.
class TableCatalog
{
public:
    explicit TableCatalog(sqlite3* db) : m_db(db) {}

    // The table named name in any letter case, or nullptr when there is none (the password
    // table and SQLite's own count as none). Raises SqliteError.
    TableInfo* find(std::string_view name);

    // Forgets the table; its prepared insert goes with it.
    void invalidate() noexcept { m_table.reset(); }

private:
    sqlite3* m_db;
    std::string m_name; // as the last find spelled it
    std::optional<TableInfo> m_table;
};

} // namespace engine
