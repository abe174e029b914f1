#pragma once

#include <sqlite3.h>

#include <string>

namespace engine {

// Looks over the database at path, open on db, before anything is written to it, and raises the
// failed-open error unless it holds only what a database of ours can: tables and their indexes
// (no trigger, view, virtual table or other schema object), in b-trees that pass SQLite's quick
// structural check ("needs to be repaired" otherwise). Reads only.
void checkDatabaseContents(sqlite3* db, const std::string& path);

// The structural half of the above alone: SQLite's quick check of every b-tree in the file
// (for the benchmark, which times it). Raises "needs to be repaired" or SqliteError.
void checkStructure(sqlite3* db, const std::string& path);

} // namespace engine
