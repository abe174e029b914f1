#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"

namespace engine {

namespace {

Statement& preparedInsert(sqlite3* db, TableInfo& table)
{
    if (!table.insert.valid())
        table.insert =
            Statement(db, insertSql(table.definition.name, table.definition.columns.size()));
    return table.insert;
}

// Checks literal against its column and binds it as parameter i + 1. The text bound must
// outlive the step: the literal views the statement text, and decoded lives in the session.
void bindValue(Statement& insert, const TableDefinition& table, std::size_t i,
               std::string_view literal, std::string& decoded)
{
    const Column& column = table.columns[i];
    if (column.type.kind == ColumnType::Kind::Number)
        throw jet::typeMismatch(table.name, column.name);
    std::string_view text = literal;
    if (literal.find('\'') != std::string_view::npos) {
        decodeLiteral(literal, decoded);
        text = decoded;
    }
    // Bytes are never fewer than characters: only a text longer in bytes needs counting.
    if (column.type.kind == ColumnType::Kind::Text &&
        text.size() > static_cast<std::size_t>(column.type.size) &&
        countCharacters(text) > static_cast<std::size_t>(column.type.size))
        throw jet::fieldTooSmall(table.name, column.name, column.type.size);
    insert.bindTextView(static_cast<int>(i) + 1, text);
}

} // namespace

std::int64_t runInsert(Session& session, const ReadStatement& statement)
{
    TableInfo& table = requireTable(session, statement.table);
    const TableDefinition& definition = table.definition;
    if (statement.values.size() != definition.columns.size())
        throw jet::valueCountMismatch();
    if (session.decoded.size() < statement.values.size())
        session.decoded.resize(statement.values.size());
    try {
        Statement& insert = preparedInsert(session.db.get(), table);
        struct ResetOnExit
        {
            Statement& statement;
            ~ResetOnExit() { statement.reset(); }
        } resetOnExit{insert};
        for (std::size_t i = 0; i < statement.values.size(); ++i)
            bindValue(insert, definition, i, statement.values[i], session.decoded[i]);
        insert.step();
        return sqlite3_changes64(session.db.get());
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, definition.name);
    }
}

} // namespace engine
