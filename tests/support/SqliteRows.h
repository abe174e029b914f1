#pragma once

// Rows read back from a database file through a plain SQLite connection of their own, as any
// other tool would read them.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

using SqliteRow = std::vector<std::optional<std::string>>;

// Every row of select on the file at path, each value as text or nullopt for NULL.
inline std::vector<SqliteRow> sqliteRows(const std::string& path, const std::string& select)
{
    std::vector<SqliteRow> rows;
    sqlite3* db = nullptr;
    // Read-write, so that a journal a failed commit left behind is rolled back first, as the
    // engine's own open would.
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << path;
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, select.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        ADD_FAILURE() << select << ": " << sqlite3_errmsg(db);
    int rc = SQLITE_DONE;
    while (statement && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
        SqliteRow& row = rows.emplace_back();
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* text = sqlite3_column_text(statement, i);
            if (text)
                row.emplace_back(
                    std::string(reinterpret_cast<const char*>(text),
                                static_cast<std::size_t>(sqlite3_column_bytes(statement, i))));
            else
                row.emplace_back(std::nullopt);
        }
    }
    if (rc != SQLITE_DONE)
        ADD_FAILURE() << select << ": " << sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    sqlite3_close(db);
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
