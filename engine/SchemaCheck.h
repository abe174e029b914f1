#pragma once

#include <sqlite3.h>

#include <span>
#include <string>

namespace engine {

// Looks over the database at path, open on db, before anything is written to it, and raises the
// failed-open error unless it holds only what a database of ours can: tables and their indexes
// (no trigger, view, virtual table or other schema object), no two of them stored from the same
// root page, and passes SQLite's quick check of the schema and the free-page list, then of each of
// checkedTables that exists and the password table, each with its indexes. The rest of the file
// is not read, so the cost follows the tables a run works on, not the size of the file. Reads
// only; raises SqliteError when SQLite fails.
void checkDatabaseContents(sqlite3* db, const std::string& path,
                           std::span<const std::string> checkedTables);

} // namespace engine
