#include "bench/Floors.h"

#include "bench/Sqlite.h"
#include "modules/DataRecord.h"
#include "platform/TextFileInput.h"

namespace bench {

void runTextFloor(sqlite3* db, const std::string& dataPath, ReloadTable table)
{
    const ReloadTexts& texts = textsOf(table);
    SqliteTransaction transaction(db);
    exec(db, std::string(texts.deleteStatement));
    alterToMemo(db, table);
    TextFileInput input(dataPath);
    std::string statement;
    while (!input.atEnd()) {
        buildInsert(statement, texts.insertPrefix, recordOf(table, input.readLine()));
        exec(db, statement);
    }
    transaction.commit();
}

} // namespace bench
