#include "bench/Floors.h"

#include "bench/Sqlite.h"
#include "modules/DataRecord.h"
#include "platform/TextFileInput.h"

namespace bench {

void runTextFloor(sqlite3* db, const std::string& dataPath, const ReferenceTable& table)
{
    SqliteTransaction transaction(db);
    exec(db, std::string(table.deleteStatement));
    alterToMemo(db, table);
    TextFileInput input(dataPath);
    std::string statement;
    while (!input.atEnd()) {
        buildInsert(statement, table.insertPrefix, table.record(input.readLine()));
        exec(db, statement);
    }
    transaction.commit();
}

} // namespace bench
