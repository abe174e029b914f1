#include "bench/Floors.h"

#include "bench/LineReader.h"
#include "bench/Sqlite.h"
#include "bench/Windows1252.h"

namespace bench {

void runBoundFloor(sqlite3* db, const std::string& dataPath, ReloadTable table)
{
    const ReloadTexts& texts = textsOf(table);
    SqliteTransaction transaction(db);
    exec(db, std::string(texts.deleteStatement));
    alterToMemo(db, table);
    const StatementHandle insert =
        prepare(db, "insert into " + std::string(texts.createdTable) + " values(?1, ?2)");
    LineReader reader(dataPath);
    std::string_view line;
    std::string code;
    std::string description;
    while (reader.next(line)) {
        const Record record = splitLine(table, line);
        code.clear();
        description.clear();
        appendWindows1252AsUtf8(code, record.code);
        appendWindows1252AsUtf8(description, record.description);
        sqlite3_bind_text(insert.get(), 1, code.data(), static_cast<int>(code.size()),
                          SQLITE_STATIC);
        sqlite3_bind_text(insert.get(), 2, description.data(), static_cast<int>(description.size()),
                          SQLITE_STATIC);
        check(db, sqlite3_step(insert.get()), "insert into " + std::string(texts.tableName));
        sqlite3_reset(insert.get());
    }
    transaction.commit();
}

} // namespace bench
