#pragma once

#include <cstdint>

// What marks a SQLite file as one of our databases.
namespace engine::format {

// PRAGMA application_id of every database we make ("TNDR"); a SQLite file without it is foreign.
inline constexpr std::uint32_t ApplicationId = 0x544E4452;

// The system table holding the database password's salted hash. Statements cannot reach it.
inline constexpr const char* PasswordTable = "MSysPassword";

// The system tables of the changes made to the reference tables, made by the first change and
// written only in a change's own transaction. Statements cannot reach them either, and the open
// refuses a file holding one in any other shape than these texts (as SQLite stores them), or
// with an index of its own.
// - The history: one row per table per change (an update or an undo), in the order made.
inline constexpr const char* HistoryTable = "MSysHistory";
inline constexpr const char* HistoryTableSql =
    "CREATE TABLE MSysHistory (id INTEGER PRIMARY KEY, time TEXT NOT NULL, user TEXT NOT NULL, "
    "host TEXT NOT NULL, tableName TEXT NOT NULL, kind TEXT NOT NULL, sourcePath TEXT NOT NULL, "
    "sourceSize INTEGER NOT NULL, sourceSha256 TEXT NOT NULL, rowsBefore INTEGER NOT NULL, "
    "rowsAfter INTEGER NOT NULL, fingerprint TEXT NOT NULL) STRICT";
// - The rows each table held before its last change, in parts of many rows each (KeptRows.h),
//   in the order of part.
inline constexpr const char* KeptRowsTable = "MSysKeptRows";
inline constexpr const char* KeptRowsTableSql =
    "CREATE TABLE MSysKeptRows (part INTEGER PRIMARY KEY, tableName TEXT NOT NULL, "
    "rowCount INTEGER NOT NULL, rows BLOB NOT NULL) STRICT";

// Page cache of every open database, in KiB. A reload inserts its codes in file order, which is
// random to the primary-key index: once the index outgrows the cache (2 MiB by default), nearly
// every insert writes one page out and reads another back, and the reload slows by half. The
// index of a 600,000-row port table takes some 9 MiB; more cache buys no speed, only memory.
inline constexpr int PageCacheKiB = 9 * 1024 + 512;

} // namespace engine::format
