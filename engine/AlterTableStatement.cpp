#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"
#include "engine/TableRebuild.h"

namespace engine {

namespace {

constexpr std::string_view Kind = "ALTER TABLE";

// Whether a value already in the column is longer than a text column of size would hold.
bool anyLongerThan(sqlite3* db, const std::string& table, const std::string& column, int size)
{
    // SQLite's length() counts characters of text, as the size limit does.
    Statement probe(db, "SELECT 1 FROM " + quoteName(table) + " WHERE length(" + quoteName(column) +
                            ") > ?1 LIMIT 1");
    probe.bindInt64(1, size);
    return probe.step();
}

} // namespace

// ALTER TABLE t ALTER [COLUMN] c type [NOT NULL]: the column takes the new type and keeps its
// rows; NOT NULL stays as it was unless the statement asks for it. No change, no rebuild.
std::int64_t runAlterTable(Session& session, JetLexer& lexer)
{
    if (!isKeyword(lexer.next(), "TABLE"))
        throw jet::syntaxError(Kind);
    const Token tableName = lexer.next();
    if (!isIdentifier(tableName) || !isKeyword(lexer.next(), "ALTER"))
        throw jet::syntaxError(Kind);
    Token columnName = lexer.next();
    if (isKeyword(columnName, "COLUMN") && isIdentifier(lexer.peek()))
        columnName = lexer.next();
    if (!isIdentifier(columnName))
        throw jet::syntaxError(Kind);
    const auto type = readColumnType(lexer);
    if (!type)
        throw jet::syntaxError(Kind);
    bool notNull = false;
    if (isKeyword(lexer.peek(), "NOT")) {
        lexer.next();
        if (!isKeyword(lexer.next(), "NULL"))
            throw jet::syntaxError(Kind);
        notNull = true;
    }
    expectStatementEnd(lexer);

    TableDefinition definition = requireTable(session, tableName).definition;
    const auto index = definition.findColumn(columnName.text);
    if (!index)
        throw jet::fieldNotFound(columnName.text, definition.name);
    Column& column = definition.columns[*index];
    if (column.type == *type && (column.notNull || !notNull))
        return 0;
    column.type = *type;
    column.notNull = column.notNull || notNull;

    sqlite3* db = session.db.get();
    session.catalog.invalidate();
    try {
        if (type->kind == ColumnType::Kind::Text &&
            anyLongerThan(db, definition.name, column.name, type->size))
            throw jet::fieldTooSmall(definition.name, column.name, type->size);
        rebuildTable(db, definition);
    } catch (const SqliteError& error) {
        session.catalog.invalidate();
        throw jet::fromSqlite(error, session.path, definition.name);
    }
    session.catalog.invalidate();
    return 0;
}

} // namespace engine
