#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"

namespace engine {

void expectStatementEnd(JetLexer& lexer)
{
    Token token = lexer.next();
    if (isSymbol(token, ';'))
        token = lexer.next();
    if (token.kind != TokenKind::End)
        throw jet::charactersAfterEnd();
}

TableInfo& requireTable(Session& session, const Token& name)
{
    TableInfo* table = nullptr;
    try {
        table = session.catalog.find(name.text);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, name.text);
    }
    if (!table)
        throw jet::tableNotFound(name.text);
    return *table;
}

} // namespace engine
