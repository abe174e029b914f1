#include "platform/Connection.h"

#include "engine/Error.h"

#include <QCoreApplication>

namespace {
[[noreturn]] void raiseUnusable()
{
    throw Error(ErrorNumber::ConnectionUnusable,
                QCoreApplication::translate("Connection",
                                            "The connection cannot be used to perform this "
                                            "operation. It is either closed or invalid in this "
                                            "context.")
                    .toStdString());
}
} // namespace

Connection::Connection(std::vector<engine::ReloadedTable> checkedTables)
    : m_checkedTables(std::move(checkedTables))
{
}

void Connection::Open(const std::string& connectionText, const std::string& /*user*/,
                      const std::string& /*password*/, int /*options*/)
{
    if (m_database)
        throw Error(ErrorNumber::ObjectOpen,
                    QCoreApplication::translate("Connection",
                                                "Operation is not allowed when the object is open.")
                        .toStdString());
    // Assigned only once the engine has opened the file: a failed open leaves us closed.
    m_database = engine::Database::openConnectionText(connectionText, m_checkedTables,
                                                      m_mode == adModeRead
                                                          ? engine::Database::Access::Preview
                                                          : engine::Database::Access::ReadWrite);
}

void Connection::Close()
{
    if (!m_database)
        throw Error(ErrorNumber::ObjectClosed,
                    QCoreApplication::translate(
                        "Connection", "Operation is not allowed when the object is closed.")
                        .toStdString());
    // Taken out first so that the connection reads closed whatever the rollback does.
    engine::Database database = std::move(*m_database);
    m_database.reset();
    if (database.inTransaction())
        database.rollbackTransaction();
}

void Connection::Execute(const std::string& sql, std::int64_t* recordsAffected, int /*options*/)
{
    const std::int64_t affected = open().execute(sql);
    if (recordsAffected != nullptr)
        *recordsAffected = affected;
}

int Connection::State() const
{
    return m_database ? adStateOpen : adStateClosed;
}

void Connection::BeginTrans()
{
    open().beginTransaction();
}

void Connection::CommitTrans()
{
    open().commitTransaction();
}

void Connection::RollbackTrans()
{
    open().rollbackTransaction();
}

bool Connection::CommitMayHaveLanded() const
{
    return m_database && m_database->commitMayHaveLanded();
}

engine::Database& Connection::open()
{
    if (!m_database)
        raiseUnusable();
    return *m_database;
}
