#pragma once

#include <sqlite3.h>

#include <string>

namespace engine {

// Makes column (named in any ASCII letter case) of table a memo, keeping its rows, indexes and
// constraints. False when the table's stored text defines no such column; raises SqliteError,
// and then nothing has changed.
bool makeMemo(sqlite3* db, const std::string& table, const std::string& column);

} // namespace engine
