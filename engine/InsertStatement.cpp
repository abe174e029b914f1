#include "engine/StatementRunners.h"

#include "engine/JetErrors.h"

#include <charconv>
#include <cmath>

namespace engine {

namespace {

constexpr std::string_view Kind = "INSERT INTO";

// INSERT INTO t [(c, ...)] VALUES (literal, ...): the tokens land in scratch.
void parse(JetLexer& lexer, InsertScratch& scratch, Token& table)
{
    scratch.columns.clear();
    scratch.values.clear();
    scratch.negative.clear();
    if (!isKeyword(lexer.next(), "INTO"))
        throw jet::syntaxError(Kind);
    table = lexer.next();
    if (!isIdentifier(table))
        throw jet::syntaxError(Kind);
    Token token = lexer.next();
    if (isSymbol(token, '(')) {
        do {
            const Token column = lexer.next();
            if (!isIdentifier(column))
                throw jet::syntaxError(Kind);
            scratch.columns.push_back(column);
            token = lexer.next();
        } while (isSymbol(token, ','));
        if (!isSymbol(token, ')'))
            throw jet::syntaxError(Kind);
        token = lexer.next();
    }
    if (!isKeyword(token, "VALUES") || !isSymbol(lexer.next(), '('))
        throw jet::syntaxError(Kind);
    do {
        Token value = lexer.next();
        bool negative = false;
        if (isSymbol(value, '-') || isSymbol(value, '+')) {
            negative = value.text[0] == '-';
            value = lexer.next();
            if (value.kind != TokenKind::Number)
                throw jet::syntaxError(Kind);
        } else if (value.kind != TokenKind::String && value.kind != TokenKind::Number &&
                   !isKeyword(value, "NULL")) {
            throw jet::syntaxError(Kind);
        }
        scratch.values.push_back(value);
        scratch.negative.push_back(negative);
        token = lexer.next();
    } while (isSymbol(token, ','));
    if (!isSymbol(token, ')'))
        throw jet::syntaxError(Kind);
    expectStatementEnd(lexer);
}

// The target column of each value, checking names and counts.
void resolveTargets(const TableDefinition& table, InsertScratch& scratch)
{
    scratch.targets.clear();
    const std::size_t destinations =
        scratch.columns.empty() ? table.columns.size() : scratch.columns.size();
    if (scratch.columns.empty()) {
        for (std::size_t i = 0; i < destinations; ++i)
            scratch.targets.push_back(i);
    } else {
        for (const Token& name : scratch.columns) {
            const auto index = table.findColumn(name.text);
            if (!index)
                throw jet::unknownInsertField(name.text);
            for (const std::size_t earlier : scratch.targets) {
                if (earlier == *index)
                    throw jet::syntaxError(Kind);
            }
            scratch.targets.push_back(*index);
        }
    }
    if (scratch.values.size() != destinations)
        throw jet::valueCountMismatch();
}

std::optional<std::int64_t> parseInteger(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Checks value i against its column of table and binds it as parameter i + 1.
void bindValue(Statement& statement, InsertScratch& scratch, std::string_view table,
               const Column& column, std::size_t i)
{
    const Token& value = scratch.values[i];
    const int parameter = static_cast<int>(i) + 1;
    if (value.kind == TokenKind::Word) { // NULL
        statement.bindNull(parameter);
        return;
    }
    std::string_view text = value.text;
    if (value.kind == TokenKind::String && value.escaped) {
        decodeString(value, scratch.decoded[i]);
        text = scratch.decoded[i];
    } else if (value.kind == TokenKind::Number && scratch.negative[i]) {
        scratch.decoded[i].assign("-").append(value.text);
        text = scratch.decoded[i];
    }
    if (column.type.kind == ColumnType::Kind::Long) {
        if (const auto integer = parseInteger(text)) {
            statement.bindInt64(parameter, *integer);
            return;
        }
        double number = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (value.kind != TokenKind::Number || ec != std::errc() ||
            end != text.data() + text.size())
            throw jet::typeMismatch();
        statement.bindInt64(parameter, std::llround(number));
        return;
    }
    if (!column.type.fits(countCharacters(text)))
        throw jet::fieldTooSmall(table, column.name, column.type.size);
    statement.bindTextView(parameter, text);
}

Statement& preparedInsert(sqlite3* db, TableInfo& table, const std::vector<std::size_t>& targets)
{
    for (CachedInsert& cached : table.inserts) {
        if (cached.columns == targets)
            return cached.statement;
    }
    std::string sql = "INSERT INTO " + quoteName(table.definition.name) + " (";
    std::string parameters;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        sql += (i > 0 ? ", " : "") + quoteName(table.definition.columns[targets[i]].name);
        parameters += i > 0 ? ", ?" : "?";
    }
    sql += ") VALUES (" + parameters + ")";
    table.inserts.push_back(CachedInsert{targets, Statement(db, sql)});
    return table.inserts.back().statement;
}

} // namespace

std::int64_t runInsert(Session& session, JetLexer& lexer)
{
    InsertScratch& scratch = session.insert;
    Token tableName;
    parse(lexer, scratch, tableName);
    TableInfo& table = requireTable(session, tableName);
    resolveTargets(table.definition, scratch);
    if (scratch.decoded.size() < scratch.values.size())
        scratch.decoded.resize(scratch.values.size());
    try {
        Statement& statement = preparedInsert(session.db.get(), table, scratch.targets);
        struct ResetOnExit
        {
            Statement& statement;
            ~ResetOnExit() { statement.reset(); }
        } resetOnExit{statement};
        for (std::size_t i = 0; i < scratch.values.size(); ++i)
            bindValue(statement, scratch, table.definition.name,
                      table.definition.columns[scratch.targets[i]], i);
        statement.step();
        return sqlite3_changes64(session.db.get());
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, table.definition.name);
    }
}

} // namespace engine
