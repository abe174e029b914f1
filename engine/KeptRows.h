#pragma once

#include "engine/StoredRows.h"

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// The rows a reference table held before its last change, in format::KeptRowsTable: the rows'
// bytes (StoredRows.h) in parts of about KeptPartBytes each, one row never split, one empty part
// when the table was empty. Parts of one generation follow each other in part order, and a new
// generation goes after every part there is. Removing a generation frees its parts' pages
// without reading their rows one by one, so the cost of keeping follows the rows kept.
namespace engine {

inline constexpr std::size_t KeptPartBytes = 64 * 1024;

// What a generation holds.
struct KeptRows
{
    std::int64_t lastPart = 0; // 0: nothing kept
    std::int64_t rows = 0;
    std::int64_t bytes = 0;
};

// The bytes of a generation put back, and their SHA-256 (hex).
struct RestoredRows
{
    std::int64_t bytes = 0;
    std::string sha256;
};

// The generation kept for table (as the program names it); lastPart 0 when there is none.
KeptRows keptRows(sqlite3* db, std::string_view table);

// Writes every row of source (a quoted name, perhaps with its schema) as a new generation of
// table, after every part there is; returns the rows written. Raises SqliteError.
std::int64_t keepRows(sqlite3* db, std::string_view table, const std::string& source);

// Hands each row of table's parts up to lastPart to row, in order, with its SHA-256 (hex) over
// the parts' bytes; raises KeptRowsDamaged (JetErrors.h) naming table when a part does not hold
// whole rows of columns values or its count is wrong.
std::string forEachKeptRow(sqlite3* db, std::string_view table, std::int64_t lastPart, int columns,
                           const std::function<void(std::span<const StoredValue>)>& row);

// Removes table's parts up to lastPart.
void dropKeptRows(sqlite3* db, std::string_view table, std::int64_t lastPart);

} // namespace engine
