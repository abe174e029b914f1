#include "engine/KeptRows.h"

#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"
#include "engine/Sha256.h"
#include "engine/Sqlite.h"
#include "engine/TableDefinition.h"

#include <vector>

namespace engine {

namespace {

const std::string KeptTable = format::KeptRowsTable;

void writePart(Statement& insert, std::int64_t rows, const std::string& bytes)
{
    insert.bindInt64(2, rows);
    insert.bindBlobView(3, bytes);
    insert.step();
    insert.reset();
}

} // namespace

KeptRows keptRows(sqlite3* db, std::string_view table)
{
    if (storedTableSql(db, KeptTable).empty())
        return {};
    Statement sums(db, "SELECT max(part), sum(rowCount), sum(length(rows)) FROM " + KeptTable +
                           " WHERE tableName = ?1");
    sums.bindText(1, table);
    sums.step();
    return {sums.columnInt64(0), sums.columnInt64(1), sums.columnInt64(2)};
}

std::int64_t keepRows(sqlite3* db, std::string_view table, const std::string& source)
{
    Statement rows(db, "SELECT * FROM " + source);
    Statement insert(db, "INSERT INTO " + KeptTable +
                             " (tableName, rowCount, rows) VALUES (?1, ?2, ?3)");
    insert.bindText(1, table);
    std::string part;
    part.reserve(KeptPartBytes + KeptPartBytes / 4);
    std::int64_t inPart = 0;
    std::int64_t total = 0;
    while (rows.step()) {
        appendRow(part, rows.handle(), rows.columnCount());
        ++inPart;
        if (part.size() >= KeptPartBytes) {
            writePart(insert, inPart, part);
            total += std::exchange(inPart, 0);
            part.clear();
        }
    }
    // An empty table is kept as one empty part: kept, with no rows.
    if (inPart > 0 || total == 0)
        writePart(insert, inPart, part);
    return total + inPart;
}

std::string forEachKeptRow(sqlite3* db, std::string_view table, std::int64_t lastPart, int columns,
                           const std::function<void(std::span<const StoredValue>)>& row)
{
    Statement parts(db, "SELECT rowCount, rows FROM " + KeptTable +
                            " WHERE tableName = ?1 AND part <= ?2 ORDER BY part");
    parts.bindText(1, table);
    parts.bindInt64(2, lastPart);
    Sha256 sha;
    std::vector<StoredValue> values(static_cast<std::size_t>(columns));
    while (parts.step()) {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(parts.handle(), 1));
        std::string_view bytes(data ? data : "",
                               static_cast<std::size_t>(sqlite3_column_bytes(parts.handle(), 1)));
        sha.add(bytes);
        std::int64_t count = 0;
        while (!bytes.empty()) {
            for (StoredValue& value : values) {
                if (!takeValue(bytes, value))
                    throw jet::error(jet::KeptRowsDamaged, {table});
            }
            row(values);
            ++count;
        }
        if (count != parts.columnInt64(0))
            throw jet::error(jet::KeptRowsDamaged, {table});
    }
    return sha.hex();
}

void dropKeptRows(sqlite3* db, std::string_view table, std::int64_t lastPart)
{
    Statement drop(db, "DELETE FROM " + KeptTable + " WHERE tableName = ?1 AND part <= ?2");
    drop.bindText(1, table);
    drop.bindInt64(2, lastPart);
    drop.step();
}

} // namespace engine
