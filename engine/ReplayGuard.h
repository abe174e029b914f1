#pragma once

#include <sqlite3.h>

namespace engine {

// While it lives, db's authorizer lets a statement compile only if it creates an index from
// plain columns of a table other than the password table: the memo step replays index texts
// stored in the file, which no check of ours wrote. Everything else, functions included, is
// refused at prepare with SQLITE_AUTH.
class ReplayGuard
{
public:
    explicit ReplayGuard(sqlite3* db);
    ReplayGuard(const ReplayGuard&) = delete;
    ReplayGuard& operator=(const ReplayGuard&) = delete;
    ~ReplayGuard();

private:
    static int authorize(void*, int action, const char* first, const char* second,
                         const char* database, const char* trigger);
    sqlite3* m_db;
};

} // namespace engine
