#pragma once

#include <sqlite3.h>

namespace engine {

// Sets how a connection writes the file, as every connection of ours does: a commit that has
// returned is on disk, a power cut included; a delete writes little beyond what it frees; pages
// are cached up to format::PageCacheKiB. Raises SqliteError.
void applyWriteSettings(sqlite3* db);

} // namespace engine
