#include "engine/StatementRunners.h"

#include "engine/AsciiCase.h"
#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"
#include "engine/Savepoint.h"


namespace engine {

namespace {

constexpr std::string_view TableKind = "CREATE TABLE";
constexpr std::string_view IndexKind = "CREATE INDEX";

struct IndexDefinition
{
    std::string name;
    bool unique = false;
    std::vector<std::string> columns; // each with its ASC or DESC, ready for SQLite
};

std::string createIndexSql(const IndexDefinition& index, const std::string& table)
{
    std::string sql = index.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ";
    sql += quoteName(index.name) + " ON " + quoteName(table) + " (";
    for (std::size_t i = 0; i < index.columns.size(); ++i)
        sql += (i > 0 ? ", " : "") + index.columns[i];
    return sql + ")";
}

// "(c [ASC|DESC], ...)" naming columns of table; raises a syntax error of kind.
std::vector<std::string> readColumnList(JetLexer& lexer, const TableDefinition& table,
                                        std::string_view kind, bool allowOrder)
{
    if (!isSymbol(lexer.next(), '('))
        throw jet::syntaxError(kind);
    std::vector<std::string> columns;
    Token token;
    do {
        const Token name = lexer.next();
        if (!isIdentifier(name))
            throw jet::syntaxError(kind);
        const auto index = table.findColumn(name.text);
        if (!index)
            throw jet::fieldNotFound(name.text, table.name);
        std::string column = quoteName(table.columns[*index].name);
        token = lexer.next();
        if (allowOrder && (isKeyword(token, "ASC") || isKeyword(token, "DESC"))) {
            column += isKeyword(token, "ASC") ? " ASC" : " DESC";
            token = lexer.next();
        }
        columns.push_back(std::move(column));
    } while (isSymbol(token, ','));
    if (!isSymbol(token, ')'))
        throw jet::syntaxError(kind);
    return columns;
}

void setPrimaryKey(TableDefinition& table, const std::vector<std::string>& quotedColumns)
{
    for (const Column& column : table.columns) {
        if (column.keyPosition > 0)
            throw jet::syntaxError(TableKind); // a second primary key
    }
    int position = 0;
    for (const std::string& quoted : quotedColumns) {
        for (Column& column : table.columns) {
            if (quoteName(column.name) == quoted) {
                column.keyPosition = ++position;
                column.notNull = true; // Jet keys never hold Null; SQLite's would
            }
        }
    }
}

// A column's constraints: NOT NULL, NULL, [CONSTRAINT name] PRIMARY KEY | UNIQUE.
void readColumnConstraints(JetLexer& lexer, TableDefinition& table,
                           std::vector<IndexDefinition>& indexes)
{
    for (;;) {
        const Token next = lexer.peek();
        if (isKeyword(next, "NOT")) {
            lexer.next();
            if (!isKeyword(lexer.next(), "NULL"))
                throw jet::syntaxError(TableKind);
            table.columns.back().notNull = true;
            continue;
        }
        if (isKeyword(next, "NULL")) {
            lexer.next();
            continue;
        }
        std::string constraintName;
        if (isKeyword(next, "CONSTRAINT")) {
            lexer.next();
            const Token name = lexer.next();
            if (!isIdentifier(name))
                throw jet::syntaxError(TableKind);
            constraintName = std::string(name.text);
        } else if (!isKeyword(next, "PRIMARY") && !isKeyword(next, "UNIQUE")) {
            return;
        }
        const Token kind = lexer.next();
        const std::vector<std::string> column{quoteName(table.columns.back().name)};
        if (isKeyword(kind, "PRIMARY") && isKeyword(lexer.next(), "KEY")) {
            setPrimaryKey(table, column);
        } else if (isKeyword(kind, "UNIQUE")) {
            indexes.push_back({constraintName.empty() ? table.name + "_" + table.columns.back().name
                                                      : constraintName,
                               true, column});
        } else {
            throw jet::syntaxError(TableKind);
        }
    }
}

// "[CONSTRAINT name] PRIMARY KEY (cols)" or "... UNIQUE (cols)" after the columns.
void readTableConstraint(JetLexer& lexer, TableDefinition& table,
                         std::vector<IndexDefinition>& indexes)
{
    std::string constraintName;
    if (isKeyword(lexer.peek(), "CONSTRAINT")) {
        lexer.next();
        const Token name = lexer.next();
        if (!isIdentifier(name))
            throw jet::syntaxError(TableKind);
        constraintName = std::string(name.text);
    }
    const Token kind = lexer.next();
    if (isKeyword(kind, "PRIMARY") && isKeyword(lexer.next(), "KEY")) {
        setPrimaryKey(table, readColumnList(lexer, table, TableKind, false));
    } else if (isKeyword(kind, "UNIQUE")) {
        auto columns = readColumnList(lexer, table, TableKind, false);
        indexes.push_back({constraintName.empty()
                               ? table.name + "_unique_" + std::to_string(indexes.size() + 1)
                               : constraintName,
                           true, std::move(columns)});
    } else {
        throw jet::syntaxError(TableKind);
    }
}

std::int64_t createTable(Session& session, JetLexer& lexer)
{
    const Token tableName = lexer.next();
    if (!isIdentifier(tableName) || !isSymbol(lexer.next(), '('))
        throw jet::syntaxError(TableKind);
    TableDefinition table;
    table.name = std::string(tableName.text);
    std::vector<IndexDefinition> indexes;
    Token token;
    do {
        const Token next = lexer.peek();
        if (isKeyword(next, "CONSTRAINT") || isKeyword(next, "PRIMARY") ||
            isKeyword(next, "UNIQUE")) {
            readTableConstraint(lexer, table, indexes);
        } else {
            const Token name = lexer.next();
            if (!isIdentifier(name))
                throw jet::syntaxError(TableKind);
            const auto type = readColumnType(lexer);
            if (!type)
                throw jet::syntaxError(TableKind);
            if (table.findColumn(name.text))
                throw jet::fieldExists(name.text, table.name);
            table.columns.push_back(Column{std::string(name.text), *type, false, 0});
            readColumnConstraints(lexer, table, indexes);
        }
        token = lexer.next();
    } while (isSymbol(token, ','));
    if (!isSymbol(token, ')') || table.columns.empty())
        throw jet::syntaxError(TableKind);
    expectStatementEnd(lexer);

    try {
        if (equalsIgnoringAsciiCase(table.name, format::PasswordTable) ||
            session.catalog.find(table.name))
            throw jet::tableExists(table.name);
        session.catalog.invalidate();
        sqlite3* db = session.db.get();
        Savepoint savepoint(db, "tandera_create");
        execSql(db, createTableSql(table, table.name).c_str());
        for (const IndexDefinition& index : indexes)
            execSql(db, createIndexSql(index, table.name).c_str());
        savepoint.release();
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, table.name);
    }
    return 0;
}

// CREATE [UNIQUE] INDEX i ON t (c [ASC|DESC], ...)
std::int64_t createIndex(Session& session, JetLexer& lexer, bool unique)
{
    IndexDefinition index;
    index.unique = unique;
    const Token indexName = lexer.next();
    if (!isIdentifier(indexName) || !isKeyword(lexer.next(), "ON"))
        throw jet::syntaxError(IndexKind);
    index.name = std::string(indexName.text);
    const Token tableName = lexer.next();
    if (!isIdentifier(tableName))
        throw jet::syntaxError(IndexKind);
    const TableDefinition table = requireTable(session, tableName).definition;
    index.columns = readColumnList(lexer, table, IndexKind, true);
    expectStatementEnd(lexer);
    try {
        session.catalog.invalidate();
        execSql(session.db.get(), createIndexSql(index, table.name).c_str());
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, table.name);
    }
    return 0;
}

} // namespace

std::int64_t runCreate(Session& session, JetLexer& lexer)
{
    const Token what = lexer.next();
    if (isKeyword(what, "TABLE"))
        return createTable(session, lexer);
    if (isKeyword(what, "INDEX"))
        return createIndex(session, lexer, false);
    if (isKeyword(what, "UNIQUE") && isKeyword(lexer.next(), "INDEX"))
        return createIndex(session, lexer, true);
    throw jet::syntaxError("CREATE");
}

} // namespace engine
