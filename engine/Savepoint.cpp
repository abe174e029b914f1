#include "engine/Savepoint.h"

#include "engine/Sqlite.h"

namespace engine {

Savepoint::Savepoint(sqlite3* db, std::string name) : m_db(db), m_name(quoteName(name))
{
    execSql(m_db, ("SAVEPOINT " + m_name).c_str());
}

Savepoint::~Savepoint()
{
    if (m_released)
        return;
    // Errors here cannot be reported; a transaction SQLite already ended on its own makes
    // both fail harmlessly.
    sqlite3_exec(m_db, ("ROLLBACK TO " + m_name).c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, ("RELEASE " + m_name).c_str(), nullptr, nullptr, nullptr);
}

void Savepoint::release()
{
    execSql(m_db, ("RELEASE " + m_name).c_str());
    m_released = true;
}

} // namespace engine
