#pragma once

#include <sqlite3.h>

#include <string>

namespace engine {

// Makes the shadow of table for a preview (Database::Access::Preview): an empty table of the
// same name in the connection's temporary schema, made by createSql (a CREATE TABLE text as
// SQLite stores it), with a copy of every index the file has on table. Statements that name the
// table then reach the shadow, since SQLite looks in the temporary schema first. A shadow made
// before goes first. Raises SqliteError.
void makeShadow(sqlite3* db, const std::string& table, const std::string& createSql);

} // namespace engine
