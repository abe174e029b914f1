#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"

namespace engine {

TableInfo& requireTable(Session& session, std::string_view name)
{
    TableInfo* table = nullptr;
    try {
        table = session.catalog.find(name);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, name);
    }
    if (!table)
        throw jet::tableNotFound(name);
    return *table;
}

} // namespace engine
