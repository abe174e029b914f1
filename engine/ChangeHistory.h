#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One change of one reference table, as format::HistoryTable records it.
struct Change
{
    std::string time; // UTC, ISO 8601
    std::string user;
    std::string host;
    std::string table; // as the program names it
    std::string kind;  // what the program calls the change ("update", "undo")
    std::string sourcePath;
    std::int64_t sourceSize = 0;
    std::string sourceSha256;
    std::int64_t rowsBefore = 0;
    std::int64_t rowsAfter = 0;
    std::string fingerprint; // of the rows the change left (StoredRows.h)
    bool operator==(const Change&) const = default;
};

// Makes the history and kept-rows tables where the file has none. Raises SqliteError.
void createSystemTables(sqlite3* db);

void appendChange(sqlite3* db, const Change& change);

// The changes recorded, newest first: of table only, unless it is empty; none when the file
// has no history. Raises SqliteError.
std::vector<Change> readChanges(sqlite3* db, std::string_view table = {});

// For the open: raises the failed-open error naming the table unless each system table of
// changes the file holds has exactly the shape this program makes, and no index or other object
// of its own. Reads only.
void checkSystemTables(sqlite3* db, const std::string& path);

} // namespace engine
