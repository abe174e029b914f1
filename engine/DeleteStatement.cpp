#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"

namespace engine {

std::int64_t runDelete(Session& session, const ReadStatement& statement)
{
    const std::string table = requireTable(session, statement.table).definition.name;
    try {
        Statement remove(session.db.get(), deleteSql(table));
        remove.step();
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, table);
    }
    return sqlite3_changes64(session.db.get());
}

} // namespace engine
