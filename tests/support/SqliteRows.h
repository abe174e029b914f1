#pragma once

// Rows read back from a database file through a plain SQLite connection of their own, as any
// other tool would read them.

#include "engine/Sqlite.h"

#include <optional>
#include <string>
#include <vector>

using SqliteRow = std::vector<std::optional<std::string>>;

// Every row of select on the file at path, each value as text or nullopt for NULL. A failure
// raises engine::SqliteError, which fails the test that asked.
inline std::vector<SqliteRow> sqliteRows(const std::string& path, const std::string& select)
{
    sqlite3* raw = nullptr;
    // Read-write, so that a journal a failed commit left behind is rolled back first, as the
    // engine's own open would.
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const engine::SqliteHandle db(raw);
    if (rc != SQLITE_OK)
        throw engine::SqliteError(rc, "cannot open " + path);
    engine::Statement statement(db.get(), select);
    std::vector<SqliteRow> rows;
    while (statement.step()) {
        SqliteRow& row = rows.emplace_back();
        for (int i = 0; i < statement.columnCount(); ++i)
            row.push_back(statement.columnText(i));
    }
    return rows;
}

// Every row of select with NULL shown as "<null>" and fields joined by "|".
inline std::vector<std::string> sqliteLines(const std::string& path, const std::string& select)
{
    std::vector<std::string> lines;
    for (const SqliteRow& row : sqliteRows(path, select)) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += (i ? "|" : "") + row[i].value_or("<null>");
        lines.push_back(line);
    }
    return lines;
}
