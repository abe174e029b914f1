#include "engine/Sqlite.h"

#include <climits>

namespace engine {

void throwSqliteError(sqlite3* db, int code)
{
    const int extended = db ? sqlite3_extended_errcode(db) : code;
    const char* message = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    // The handle's last error can be a different, older one when code came from elsewhere.
    throw SqliteError((extended & 0xff) == (code & 0xff) ? extended : code, message);
}

void execSql(sqlite3* db, const std::string& sql)
{
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc);
}

Statement::Statement(sqlite3* db, std::string_view sql)
{
    if (sql.size() > static_cast<std::size_t>(INT_MAX))
        throw SqliteError(SQLITE_TOOBIG, "statement too long");
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    m_stmt.reset(raw);
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc);
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt.get());
    if (rc == SQLITE_ROW || rc == SQLITE_DONE)
        return rc == SQLITE_ROW;
    reset();
    throwSqliteError(sqlite3_db_handle(m_stmt.get()), rc);
}

void Statement::checkBind(int rc) const
{
    if (rc != SQLITE_OK)
        throwSqliteError(sqlite3_db_handle(m_stmt.get()), rc);
}

void Statement::bindText(int index, std::string_view text, sqlite3_destructor_type lifetime)
{
    checkBind(
        sqlite3_bind_text64(m_stmt.get(), index, text.data(), text.size(), lifetime, SQLITE_UTF8));
}

std::optional<std::string> Statement::columnText(int index) const
{
    return sqlite3_column_type(m_stmt.get(), index) == SQLITE_NULL
               ? std::nullopt
               : std::optional(columnBlob(index));
}

// The bytes of a text or a blob alike.
std::string Statement::columnBlob(int index) const
{
    // The bytes are counted after they are read, as SQLite asks.
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_stmt.get(), index));
    return std::string(bytes, bytes ? sqlite3_column_bytes(m_stmt.get(), index) : 0);
}

std::string quoteName(std::string_view name)
{
    std::string quoted(1, '"');
    for (const char c : name)
        quoted.append(c == '"' ? 2 : 1, c);
    return quoted + '"';
}

} // namespace engine
