#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// A failed SQLite call, before it is given the Jet number and description that fit where it
// happened (see JetErrors.h).
class SqliteError : public std::exception
{
public:
    SqliteError(int code, std::string message) : m_code(code), m_message(std::move(message)) {}
    // The extended result code.
    int code() const noexcept { return m_code; }
    int primaryCode() const noexcept { return m_code & 0xff; }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    int m_code;
    std::string m_message;
};

struct SqliteCloser
{
    // close_v2 lets a handle go even while a statement still holds on to it.
    void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;

// Raises the SqliteError for the last failure on db.
[[noreturn]] void throwSqliteError(sqlite3* db, int code);

// Runs SQL text that returns no rows; raises SqliteError.
void execSql(sqlite3* db, const std::string& sql);

// One prepared statement, finalized when it goes.
class Statement
{
public:
    Statement() = default;
    // Prepares the first statement of sql; raises SqliteError.
    Statement(sqlite3* db, std::string_view sql);

    bool valid() const { return m_stmt != nullptr; }
    // For reading or binding values of any type, where the typed calls below do not serve.
    sqlite3_stmt* handle() const { return m_stmt.get(); }

    // True when a row is ready, false when done; raises SqliteError (the statement is reset).
    bool step();
    // Ready to run again. Parameters stay bound: the insert path binds every one anew per row,
    // and clearing them first would cost a call per row for nothing.
    void reset() noexcept { sqlite3_reset(m_stmt.get()); }

    // The text must stay alive until reset(): used on the hot insert path to avoid a copy.
    void bindTextView(int index, std::string_view text) { bindText(index, text, SQLITE_STATIC); }
    void bindText(int index, std::string_view text) { bindText(index, text, SQLITE_TRANSIENT); }
    void bindInt64(int index, std::int64_t value)
    {
        checkBind(sqlite3_bind_int64(m_stmt.get(), index, value));
    }
    // The bytes must stay alive until reset(), as with bindTextView.
    void bindBlobView(int index, std::string_view bytes)
    {
        checkBind(
            sqlite3_bind_blob64(m_stmt.get(), index, bytes.data(), bytes.size(), SQLITE_STATIC));
    }

    int columnCount() const { return sqlite3_column_count(m_stmt.get()); }
    std::optional<std::string> columnText(int index) const;
    std::string columnBlob(int index) const;
    std::int64_t columnInt64(int index) const { return sqlite3_column_int64(m_stmt.get(), index); }

    // Raises SqliteError for a failed sqlite3_bind_* on this statement.
    void checkBind(int rc) const;

private:
    void bindText(int index, std::string_view text, sqlite3_destructor_type lifetime);

    struct Finalizer
    {
        void operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> m_stmt;
};

// Double-quotes a name for SQLite, doubling any quote inside it.
std::string quoteName(std::string_view name);

} // namespace engine
