#include "bench/Floors.h"

#include "bench/LineReader.h"
#include "bench/Sqlite.h"

namespace bench {

void runTextFloor(sqlite3* db, const std::string& dataPath, ReloadTable table)
{
    SqliteTransaction transaction(db);
    exec(db, std::string(textsOf(table).deleteStatement));
    alterToMemo(db, table);
    LineReader reader(dataPath);
    std::string_view line;
    while (reader.next(line))
        exec(db, insertStatement(table, splitLine(table, line)));
    transaction.commit();
}

} // namespace bench
