#pragma once

#include <cstdint>

// What marks a SQLite file as one of our databases.
namespace engine::format {

// PRAGMA application_id of every database we make ("TNDR"); a SQLite file without it is foreign.
inline constexpr std::uint32_t ApplicationId = 0x544E4452;

// The system table holding the database password's salted hash. Statements cannot reach it.
inline constexpr const char* PasswordTable = "MSysPassword";

} // namespace engine::format
