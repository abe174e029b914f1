#pragma once

#include "engine/TableDefinition.h"

#include <sqlite3.h>

#include <cstddef>
#include <span>
#include <string>

// What an open looks at before it trusts a file: FileProbe.cpp, then SchemaCheck.cpp.
namespace engine {

// Looks at the file at path before SQLite may touch it, reading its header only: raises the
// open failure that fits (file not found, no permission, unrecognised format, a database of ours
// in write-ahead-log mode, one that cannot be written and why, a path too long) unless it is a
// regular, readable and (forWriting) writable SQLite file in rollback-journal mode that carries
// our application id, at a path SQLite takes. Never creates or changes anything.
void probeDatabaseFile(const std::string& path, bool forWriting = true);

// The name to hand SQLite for path: absolute, so that a relative name beginning with "file:" is
// never read as a URI with options of its own.
std::string sqliteFileName(const std::string& path);

// The most bytes of UTF-8 the absolute path of a database may hold.
std::size_t maxPathBytes();

// Looks over the database at path, open on db, before anything is written to it, and raises the
// failed-open error unless it holds only what a database of ours can: tables and their indexes
// (no trigger, view, virtual table or other schema object), no two of them stored from the same
// root page, system tables of changes only in their own shape (checkSystemTables), each of
// checkedTables that exists in a shape its reload takes (as many columns as it writes values,
// the memo column last, no row id key, no number column to write text into) with an insert and
// delete the connection can run, and passes SQLite's quick check of the schema and the free-page
// list, then of those tables and the system tables, each with its indexes. The rest of the file
// is not read, so the cost follows the tables a run works on, not the size of the file. Reads
// only; raises SqliteError when SQLite fails.
void checkDatabaseContents(sqlite3* db, const std::string& path,
                           std::span<const ReloadedTable> checkedTables);

} // namespace engine
