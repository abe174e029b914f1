#include "modules/ChangeLog.h"

#include "modules/MdlMain.h"
#include "modules/ReferenceTable.h"
#include "platform/ChangeAuthor.h"

void RecordChange(const ReferenceTable& table, std::string_view kind, const ChangeSource& source,
                  std::int64_t rowsBefore)
{
    engine::Database& database = cnDatabase().database();
    const engine::TableFingerprint after = database.fingerprint(table.tableName);
    database.recordChange({currentUtcTime(), currentUser(), currentHost(),
                           std::string(table.tableName), std::string(kind), source.path,
                           source.size, source.sha256, rowsBefore, after.rows, after.text});
}

std::string historyLine(const engine::Change& change)
{
    std::string line = change.time;
    for (const std::string& field :
         {change.table, change.kind, std::to_string(change.rowsBefore),
          std::to_string(change.rowsAfter), change.user + '@' + change.host, change.sourcePath,
          change.sourceSha256})
        line += '\t' + field;
    return line;
}

bool RunHistory(const std::string& path, const std::function<void(const std::string&)>& print)
{
    OpenDatabase(path, Connection::adModeRead);
    if (cnDatabase().State() != Connection::adStateOpen)
        return false;
    for (const engine::Change& change : cnDatabase().database().changes())
        print(historyLine(change));
    return true;
}
