#include "engine/StoredRows.h"

#include "engine/Sha256.h"
#include "engine/Sqlite.h"

#include <QtEndian>

#include <bit>
#include <cstring>
#include <utility>

namespace engine {

namespace {

template <typename T> void appendLittleEndian(std::string& out, T value)
{
    char bytes[sizeof value];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

// A row's 128-bit hash, in two lanes of a multiply-rotate over its 8-byte words, the length
// mixed in and each lane mixed once more. Not meant to withstand an attacker, who could rewrite
// the stored fingerprint anyway: it tells a table someone changed from the one a change left.
std::pair<std::uint64_t, std::uint64_t> rowHash(std::string_view bytes)
{
    const std::uint64_t length = bytes.size() * 0x9E3779B97F4A7C15ULL;
    std::uint64_t a = 0x243F6A8885A308D3ULL ^ length;
    std::uint64_t b = 0x13198A2E03707344ULL ^ length;
    const auto mix = [&a, &b](std::uint64_t word) {
        a = std::rotl((a ^ word) * 0x87C37B91114253D5ULL, 31) * 0xC2B2AE3D27D4EB4FULL;
        b = std::rotl((b ^ word) * 0x4CF5AD432745937FULL, 29) * 0x165667B19E3779F9ULL;
    };
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8)
        mix(qFromLittleEndian<std::uint64_t>(bytes.data() + at));
    if (at < bytes.size()) {
        unsigned char tail[8] = {};
        std::memcpy(tail, bytes.data() + at, bytes.size() - at);
        mix(qFromLittleEndian<std::uint64_t>(tail));
    }
    const auto finish = [](std::uint64_t h) {
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDULL;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ULL;
        return h ^ (h >> 33);
    };
    return {finish(a), finish(b)};
}

} // namespace

void appendRow(std::string& out, sqlite3_stmt* row, int columns)
{
    for (int i = 0; i < columns; ++i) {
        StoredValue value{sqlite3_column_type(row, i), {}};
        char number[8];
        if (value.type == SQLITE_INTEGER) {
            qToLittleEndian(static_cast<std::int64_t>(sqlite3_column_int64(row, i)), number);
            value.bytes = {number, sizeof number};
        } else if (value.type == SQLITE_FLOAT) {
            qToLittleEndian(std::bit_cast<std::uint64_t>(sqlite3_column_double(row, i)), number);
            value.bytes = {number, sizeof number};
        } else if (value.type == SQLITE_TEXT) {
            // As UTF-8 whatever the file's encoding; the bytes are counted after they are read.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, i));
            value.bytes = {text, static_cast<std::size_t>(sqlite3_column_bytes(row, i))};
        } else if (value.type == SQLITE_BLOB) {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(row, i));
            value.bytes = {bytes ? bytes : "",
                           static_cast<std::size_t>(sqlite3_column_bytes(row, i))};
        }
        appendValue(out, value);
    }
}

void appendText(std::string& out, std::string_view text)
{
    appendValue(out, {SQLITE_TEXT, text});
}

void appendValue(std::string& out, const StoredValue& value)
{
    out.push_back(static_cast<char>(value.type));
    if (value.type == SQLITE_TEXT || value.type == SQLITE_BLOB)
        appendLittleEndian(out, static_cast<std::uint32_t>(value.bytes.size()));
    out.append(value.bytes);
}

bool takeValue(std::string_view& bytes, StoredValue& value)
{
    if (bytes.empty())
        return false;
    value.type = static_cast<unsigned char>(bytes.front());
    std::size_t size = 0;
    std::size_t header = 1;
    if (value.type == SQLITE_INTEGER || value.type == SQLITE_FLOAT) {
        size = 8;
    } else if (value.type == SQLITE_TEXT || value.type == SQLITE_BLOB) {
        header += 4;
        if (bytes.size() < header)
            return false;
        size = qFromLittleEndian<std::uint32_t>(bytes.data() + 1);
    } else if (value.type != SQLITE_NULL) {
        return false;
    }
    if (bytes.size() - header < size)
        return false;
    value.bytes = bytes.substr(header, size);
    bytes.remove_prefix(header + size);
    return true;
}

void RowFingerprint::add(std::string_view row)
{
    ++m_rows;
    const auto [a, b] = rowHash(row);
    m_sums[0] += a;
    m_sums[1] += b;
}

TableFingerprint RowFingerprint::result() const
{
    std::string bytes;
    appendLittleEndian(bytes, m_rows);
    appendLittleEndian(bytes, m_sums[0]);
    appendLittleEndian(bytes, m_sums[1]);
    Sha256 sha;
    sha.add(bytes);
    return {m_rows, sha.hex()};
}

TableFingerprint fingerprintRows(sqlite3* db, const std::string& table)
{
    Statement rows(db, "SELECT * FROM " + table);
    sqlite3_stmt* const row = rows.handle();
    RowFingerprint fingerprint;
    std::string bytes;
    while (rows.step()) {
        bytes.clear();
        appendRow(bytes, row, rows.columnCount());
        fingerprint.add(bytes);
    }
    return fingerprint.result();
}

} // namespace engine
