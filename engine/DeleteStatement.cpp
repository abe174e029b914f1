#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"

namespace engine {

namespace {

constexpr std::string_view Kind = "DELETE";

// The WHERE condition as written, without a closing ";" and the blanks around it.
std::string_view condition(std::string_view text)
{
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.back() == ';')
        text.remove_suffix(1);
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    return text;
}

} // namespace

// DELETE [*] FROM t [WHERE condition]; the condition goes to SQLite as it stands.
std::int64_t runDelete(Session& session, JetLexer& lexer)
{
    Token token = lexer.next();
    if (isSymbol(token, '*'))
        token = lexer.next();
    if (!isKeyword(token, "FROM"))
        throw jet::syntaxError(Kind);
    const Token tableName = lexer.next();
    if (!isIdentifier(tableName))
        throw jet::syntaxError(Kind);
    std::string_view where;
    if (isKeyword(lexer.peek(), "WHERE")) {
        const Token keyword = lexer.next();
        where = condition(lexer.textFrom(keyword.offset + keyword.text.size()));
        if (where.empty())
            throw jet::syntaxError(Kind);
    } else {
        expectStatementEnd(lexer);
    }
    const std::string table = requireTable(session, tableName).definition.name;

    std::string sql = "DELETE FROM " + quoteName(table);
    if (!where.empty())
        sql.append(" WHERE ").append(where);
    Statement statement;
    std::string_view tail;
    session.guard.clearRefusal();
    try {
        statement = Statement(session.db.get(), sql, &tail);
    } catch (const SqliteError& error) {
        if (const auto refused = session.guard.refusal(Kind))
            throw *refused;
        if (error.primaryCode() != SQLITE_ERROR)
            throw jet::fromSqlite(error, session.path, table);
        throw jet::syntaxError(Kind);
    }
    if (!condition(tail).empty())
        throw jet::charactersAfterEnd();
    try {
        statement.step();
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, table);
    }
    return sqlite3_changes64(session.db.get());
}

} // namespace engine
