#include "engine/FailedCommit.h"

#include <filesystem>
#include <system_error>

namespace engine {

bool failedCommitMayHaveLanded(sqlite3* db)
{
    if (!sqlite3_get_autocommit(db))
        return false;
    const char* journal = sqlite3_filename_journal(sqlite3_db_filename(db, "main"));
    if (!journal)
        return true;
    // A journal that cannot be looked at is no proof of a rollback either.
    std::error_code error;
    return !std::filesystem::exists(std::filesystem::path(journal), error) || error;
}

} // namespace engine
