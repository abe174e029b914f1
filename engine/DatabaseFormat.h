#pragma once

#include <cstdint>

// What marks a SQLite file as one of our databases.
namespace engine::format {

// PRAGMA application_id of every database we make ("TNDR"); a SQLite file without it is foreign.
inline constexpr std::uint32_t ApplicationId = 0x544E4452;

// The system table holding the database password's salted hash. Statements cannot reach it.
inline constexpr const char* PasswordTable = "MSysPassword";

// Page cache of every open database, in KiB. A reload inserts its codes in file order, which is
// random to the primary-key index: once the index outgrows the cache (2 MiB by default), nearly
// every insert writes one page out and reads another back, and the reload slows by half. The
// index of a 600,000-row port table takes some 9 MiB; more cache buys no speed, only memory.
inline constexpr int PageCacheKiB = 10 * 1024;

} // namespace engine::format
