#pragma once

#include <cstdint>
#include <string>

namespace bench {

// An office's database holds much besides the two reference tables: the open-padded case opens
// a demo database with this much more in an unrelated table.
inline constexpr std::int64_t kPaddingBytes = std::int64_t{500} * 1024 * 1024;

// Where a run keeps its one padded database: in its work folder, beside the folders of its sizes.
std::string paddedDatabasePath(const std::string& workDirectory);

// Makes the demo database at path with kPaddingBytes of blobs in a table of its own. Raises
// std::runtime_error or the program's Error when it cannot.
void makePaddedDatabase(const std::string& path);

} // namespace bench
