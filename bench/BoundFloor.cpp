#include "bench/Floors.h"

#include "bench/Sqlite.h"
#include "modules/DataRecord.h"
#include "platform/TextFileInput.h"

namespace bench {

void runBoundFloor(sqlite3* db, const std::string& dataPath, const ReferenceTable& table)
{
    SqliteTransaction transaction(db);
    exec(db, std::string(table.deleteStatement));
    alterToMemo(db, table);
    const StatementHandle insert =
        prepare(db, "insert into " + std::string(table.tableName) + " values(?1, ?2)");
    TextFileInput input(dataPath);
    while (!input.atEnd()) {
        const DataRecord record = table.record(input.readLine());
        sqlite3_bind_text(insert.get(), 1, record.code.data(), static_cast<int>(record.code.size()),
                          SQLITE_STATIC);
        sqlite3_bind_text(insert.get(), 2, record.description.data(),
                          static_cast<int>(record.description.size()), SQLITE_STATIC);
        check(db, sqlite3_step(insert.get()), "insert into " + std::string(table.tableName));
        sqlite3_reset(insert.get());
    }
    transaction.commit();
}

} // namespace bench
