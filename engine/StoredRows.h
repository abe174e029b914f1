#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

// A row's values as bytes that keep each value exactly, its SQLite type included: per value a
// type byte (SQLITE_INTEGER ... SQLITE_NULL), then 8 bytes little-endian for an integer or a
// real, a 4-byte little-endian length and the bytes for a text or a blob, nothing for NULL.
// Kept rows are stored so (KeptRows.h), and fingerprints are taken over them.
void appendRow(std::string& out, sqlite3_stmt* row, int columns);

// One value in those bytes: a text (UTF-8), or any value read back from them.
void appendText(std::string& out, std::string_view text);

// One value read back from such bytes; bytes views them.
struct StoredValue
{
    int type = SQLITE_NULL;
    std::string_view bytes; // a text's or a blob's bytes; an integer's or a real's 8 bytes
};

// Reads the next value off the front of bytes; false when they do not hold a whole one.
bool takeValue(std::string_view& bytes, StoredValue& value);

void appendValue(std::string& out, const StoredValue& value);

// What a table holds, told apart from anything else it could hold without reading it in any
// order: the number of rows and a SHA-256 (64 hex digits) over two sums of 64-bit hashes of the
// rows' bytes, so the same rows give the same text however they were inserted.
struct TableFingerprint
{
    std::int64_t rows = 0;
    std::string text;
    bool operator==(const TableFingerprint&) const = default;
};

class RowFingerprint
{
public:
    void add(std::string_view row);
    std::int64_t rows() const { return m_rows; }
    TableFingerprint result() const;

private:
    std::int64_t m_rows = 0;
    std::uint64_t m_sums[2] = {};
};

// The fingerprint of every row of table, a quoted name that may carry its schema. Raises
// SqliteError.
TableFingerprint fingerprintRows(sqlite3* db, const std::string& table);

} // namespace engine
