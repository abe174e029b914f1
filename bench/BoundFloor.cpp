#include "bench/Floors.h"

#include "bench/Sqlite.h"
#include "modules/DataRecord.h"
#include "platform/TextFileInput.h"

namespace bench {

void runBoundFloor(sqlite3* db, const std::string& dataPath, ReloadTable table)
{
    const ReloadTexts& texts = textsOf(table);
    SqliteTransaction transaction(db);
    exec(db, std::string(texts.deleteStatement));
    alterToMemo(db, table);
    const StatementHandle insert =
        prepare(db, "insert into " + std::string(texts.createdTable) + " values(?1, ?2)");
    TextFileInput input(dataPath);
    while (!input.atEnd()) {
        const DataRecord record = recordOf(table, input.readLine());
        sqlite3_bind_text(insert.get(), 1, record.code.data(), static_cast<int>(record.code.size()),
                          SQLITE_STATIC);
        sqlite3_bind_text(insert.get(), 2, record.description.data(),
                          static_cast<int>(record.description.size()), SQLITE_STATIC);
        check(db, sqlite3_step(insert.get()), "insert into " + std::string(texts.tableName));
        sqlite3_reset(insert.get());
    }
    transaction.commit();
}

} // namespace bench
