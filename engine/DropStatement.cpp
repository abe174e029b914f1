#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"


namespace engine {

namespace {

std::int64_t dropTable(Session& session, JetLexer& lexer)
{
    const Token tableName = lexer.next();
    if (!isIdentifier(tableName))
        throw jet::syntaxError("DROP TABLE");
    expectStatementEnd(lexer);
    const std::string table = requireTable(session, tableName).definition.name;
    session.catalog.invalidate();
    try {
        execSql(session.db.get(), ("DROP TABLE " + quoteName(table)).c_str());
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, table);
    }
    return 0;
}

// DROP INDEX i ON t: Jet names an index within its table.
std::int64_t dropIndex(Session& session, JetLexer& lexer)
{
    constexpr std::string_view Kind = "DROP INDEX";
    const Token indexName = lexer.next();
    if (!isIdentifier(indexName) || !isKeyword(lexer.next(), "ON"))
        throw jet::syntaxError(Kind);
    const Token tableName = lexer.next();
    if (!isIdentifier(tableName))
        throw jet::syntaxError(Kind);
    expectStatementEnd(lexer);
    const std::string table = requireTable(session, tableName).definition.name;
    try {
        Statement find(session.db.get(),
                       "SELECT name FROM sqlite_schema WHERE type = 'index' AND name = ?1 "
                       "COLLATE NOCASE AND tbl_name = ?2 AND sql IS NOT NULL");
        find.bindText(1, indexName.text);
        find.bindText(2, table);
        if (!find.step()) {
            throw jet::indexNotFound(indexName.text, table);
        }
        const std::string index = find.columnText(0).value_or(std::string());
        find.reset();
        session.catalog.invalidate();
        execSql(session.db.get(), ("DROP INDEX " + quoteName(index)).c_str());
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, table);
    }
    return 0;
}

} // namespace

std::int64_t runDrop(Session& session, JetLexer& lexer)
{
    const Token what = lexer.next();
    if (isKeyword(what, "TABLE"))
        return dropTable(session, lexer);
    if (isKeyword(what, "INDEX"))
        return dropIndex(session, lexer);
    throw jet::syntaxError("DROP TABLE");
}

} // namespace engine
