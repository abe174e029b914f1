#pragma once

#include <sqlite3.h>

#include <optional>
#include <string>

namespace engine {

// Makes column (named in any ASCII letter case) of table a memo, keeping its rows, indexes and
// constraints. False when the table's stored text defines no such column; raises SqliteError,
// and then nothing has changed.
bool makeMemo(sqlite3* db, const std::string& table, const std::string& column);

// The stored CREATE TABLE text of table with column made a memo, as makeMemo would store it;
// nullopt when the text defines no such column. Reads only.
std::optional<std::string> memoTableSql(sqlite3* db, const std::string& table,
                                        const std::string& column);

} // namespace engine
