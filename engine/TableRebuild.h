#pragma once

#include "engine/TableDefinition.h"

#include <sqlite3.h>

namespace engine {

// Gives the existing table definition.name the shape definition describes (same columns in the
// same order, types or NOT NULL changed), keeping every row in its order and every index. SQLite
// cannot change a column's type in place, so the table is copied into a new one that takes its
// name; all of it happens inside a savepoint, so a failure leaves the table as it was. Raises
// SqliteError.
void rebuildTable(sqlite3* db, const TableDefinition& definition);

} // namespace engine
