#pragma once

#include <sqlite3.h>

namespace engine {

// Whether a COMMIT that has just failed on db may have left its changes in the file all the
// same. SQLite's commit point is the delete of the rollback journal: while the journal is still
// beside the file, SQLite plays it back before the file is next read, and while the transaction
// is still open, the caller's rollback undoes it. Past that point only a failure to sync the
// folder (SQLITE_IOERR_DIR_FSYNC) can still end the COMMIT in an error, and the rows are in.
bool failedCommitMayHaveLanded(sqlite3* db);

} // namespace engine
