#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"
#include "engine/TableRebuild.h"

namespace engine {

// The column becomes a memo and keeps its rows; a memo already stays as it is, without a rebuild.
std::int64_t runAlterToMemo(Session& session, const ReadStatement& statement)
{
    TableDefinition definition = requireTable(session, statement.table).definition;
    const auto index = definition.findColumn(statement.column);
    if (!index)
        throw jet::fieldNotFound(statement.column, definition.name);
    ColumnType& type = definition.columns[*index].type;
    if (type.kind == ColumnType::Kind::Memo)
        return 0;
    type = ColumnType{ColumnType::Kind::Memo, 0};

    // The table's prepared insert goes with its old shape, whatever happens below.
    session.catalog.invalidate();
    try {
        rebuildTable(session.db.get(), definition);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, definition.name);
    }
    return 0;
}

} // namespace engine
