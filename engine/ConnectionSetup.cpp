#include "engine/ConnectionSetup.h"

#include "engine/DatabaseFormat.h"
#include "engine/Sqlite.h"

#include <array>
#include <string>
#include <utility>

namespace engine {

void hardenConnection(sqlite3* db)
{
    // Each switch with the value it must end up at.
    constexpr std::array<std::pair<int, int>, 6> settings{{
        {SQLITE_DBCONFIG_DEFENSIVE, 1},
        {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
        {SQLITE_DBCONFIG_ENABLE_FTS3_TOKENIZER, 0},
        {SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0},
        // A database of ours has neither; the open refuses a file that has them, and these make
        // sure that none could run even so.
        {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},
        {SQLITE_DBCONFIG_ENABLE_VIEW, 0},
    }};
    for (const auto& [setting, wanted] : settings) {
        int now = -1;
        const int rc = sqlite3_db_config(db, setting, wanted, &now);
        if (rc != SQLITE_OK)
            throwSqliteError(db, rc);
        if (now != wanted)
            throw SqliteError(SQLITE_MISUSE, "a connection setting did not take");
    }
    // The engine's own statements reach no virtual table; the pragma tables it reads are made
    // anew on first use. The full-text modules stay: their functions (fts3_tokenizer, fts5)
    // share state that dropping the modules would free. No statement can create a table on
    // them, and the open refuses a file that has one.
    const char* keep[] = {"fts3", "fts4", "fts3tokenize", "fts5", "fts5vocab", nullptr};
    const int rc = sqlite3_drop_modules(db, keep);
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
}

void applyWriteSettings(sqlite3* db)
{
    // FULL syncs the journal and the file but not the folder after the journal's delete: after a
    // power cut the journal can come back and the next open undoes a commit the operator was
    // told about. EXTRA syncs the folder too, once per commit.
    // The library's secure delete overwrites every freed page, so emptying a table journals the
    // whole old table: a reload then needs room for both tables, and fails on a nearly full
    // disk. Without it a reload needs about the room of its new rows.
    execSql(db, "PRAGMA synchronous = EXTRA; PRAGMA secure_delete = OFF; PRAGMA cache_size = -" +
                    std::to_string(format::PageCacheKiB));
}

} // namespace engine
