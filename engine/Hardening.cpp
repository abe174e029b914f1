#include "engine/Hardening.h"

#include "engine/Sqlite.h"

#include <array>
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

} // namespace engine
