#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"

namespace engine {

namespace {

constexpr std::string_view Kind = "SELECT";
constexpr std::string_view NoSuchTable = "no such table: ";

bool blankTail(std::string_view tail)
{
    for (const char c : tail) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != ';')
            return false;
    }
    return true;
}

} // namespace

std::vector<Row> runSelect(Session& session, std::string_view sql)
{
    JetLexer lexer(sql);
    if (!isKeyword(lexer.next(), "SELECT"))
        throw jet::syntaxError(Kind);
    Statement statement;
    std::string_view tail;
    session.guard.clearRefusal();
    try {
        statement = Statement(session.db.get(), sql, &tail);
    } catch (const SqliteError& error) {
        if (const auto refused = session.guard.refusal(Kind))
            throw *refused;
        if (error.primaryCode() != SQLITE_ERROR)
            throw jet::fromSqlite(error, session.path, {});
        const std::string_view message = error.what();
        if (message.starts_with(NoSuchTable))
            throw jet::tableNotFound(message.substr(NoSuchTable.size()));
        throw jet::syntaxError(Kind);
    }
    if (!blankTail(tail))
        throw jet::charactersAfterEnd();
    if (!sqlite3_stmt_readonly(statement.get()))
        throw jet::syntaxError(Kind);

    std::vector<Row> rows;
    try {
        const int columns = statement.columnCount();
        while (statement.step()) {
            Row row;
            row.reserve(static_cast<std::size_t>(columns));
            for (int i = 0; i < columns; ++i)
                row.push_back(statement.columnText(i));
            rows.push_back(std::move(row));
        }
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, {});
    }
    return rows;
}

} // namespace engine
