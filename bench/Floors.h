#pragma once

#include "modules/ReferenceTable.h"

#include <sqlite3.h>

#include <string>

namespace bench {

// What the reload costs without the program around it, on a database already open. Each runs
// in one transaction: the delete, the memo step, then one insert per line of dataPath, read and
// split by the program's own reader and record rules; any failure rolls back and raises
// std::runtime_error, or the program's Error for a line it rejects.

// The program's statement texts, one sqlite3_exec each: what any tool that sends text pays.
void runTextFloor(sqlite3* db, const std::string& dataPath, const ReferenceTable& table);

// One prepared insert, bound and stepped per line: the engine's limit on this machine.
void runBoundFloor(sqlite3* db, const std::string& dataPath, const ReferenceTable& table);

// The memo step in SQLite's terms (it has no ALTER COLUMN); see MemoColumn.cpp.
void alterToMemo(sqlite3* db, const ReferenceTable& table);

} // namespace bench
