#include "engine/WriteSettings.h"

#include "engine/DatabaseFormat.h"
#include "engine/Sqlite.h"

#include <string>

namespace engine {

void applyWriteSettings(sqlite3* db)
{
    // FULL syncs the journal and the file but not the folder after the journal's delete: after a
    // power cut the journal can come back and the next open undoes a commit the operator was
    // told about. EXTRA syncs the folder too, once per commit.
    execSql(db, "PRAGMA synchronous = EXTRA");
    // The library's secure delete overwrites every freed page, so emptying a table journals the
    // whole old table: a reload then needs room for both tables, and fails on a nearly full
    // disk. Without it a reload needs about the room of its new rows.
    execSql(db, "PRAGMA secure_delete = OFF");
    execSql(db, ("PRAGMA cache_size = -" + std::to_string(format::PageCacheKiB)).c_str());
}

} // namespace engine
