#include "engine/MemoColumn.h"

#include "engine/AsciiCase.h"
#include "engine/Sqlite.h"
#include "engine/TableDefinition.h"

#include <QScopeGuard>

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

namespace {

struct Token
{
    std::string_view text;
    char kind = 0; // 'w' word, 'q' quoted name, '\'' literal, else the punctuation itself
};

bool isWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

// The tokens of sql as SQLite reads them, blanks and comments left out.
std::vector<Token> tokens(std::string_view sql)
{
    std::vector<Token> out;
    for (std::size_t i = 0, end = 0; i < sql.size(); i = end) {
        const char c = sql[i];
        const std::string_view two = sql.substr(i, 2);
        end = i + 1;
        if (two == "--" || two == "/*") {
            const auto close = sql.find(c == '-' ? "\n" : "*/", i + 2);
            end = close == std::string_view::npos ? sql.size() : close + (c == '-' ? 0 : 2);
        } else if (c == '"' || c == '\'' || c == '`' || c == '[') {
            const char closing = c == '[' ? ']' : c;
            // A quote doubled inside stands for itself; brackets have no escape.
            while (end < sql.size() &&
                   (sql[end] != closing || (c != '[' && end + 1 < sql.size() && sql[end + 1] == c)))
                end += sql[end] == closing ? 2 : 1;
            end = std::min(end + 1, sql.size());
            out.push_back({sql.substr(i, end - i), c == '\'' ? '\'' : 'q'});
        } else if (isWordChar(c)) {
            while (end < sql.size() && isWordChar(sql[end]))
                ++end;
            out.push_back({sql.substr(i, end - i), 'w'});
        } else if (std::string_view(" \t\r\n\f\v").find(c) == std::string_view::npos) {
            out.push_back({sql.substr(i, 1), c});
        }
    }
    return out;
}

// A name token as SQLite reads it: without its quotes, a doubled quote made single. SQLite takes
// a string literal for a name too.
std::string nameOf(const Token& token)
{
    if (token.kind != 'q' && token.kind != '\'')
        return std::string(token.text);
    std::string name;
    const char quote = token.text[0] == '[' ? '\0' : token.text[0];
    for (std::size_t i = 1; i + 1 < token.text.size(); i += token.text[i] == quote ? 2 : 1)
        name += token.text[i];
    return name;
}

bool isWord(const Token& token, std::initializer_list<std::string_view> words)
{
    return token.kind == 'w' &&
           std::any_of(words.begin(), words.end(), [&token](std::string_view word) {
               return equalsIgnoringAsciiCase(token.text, word);
           });
}

// Words that end a column's type and begin its constraints, and those that begin a table
// constraint instead of a column.
bool isConstraintWord(const Token& token)
{
    return isWord(token, {"CONSTRAINT", "PRIMARY", "NOT", "NULL", "UNIQUE", "CHECK", "DEFAULT",
                          "COLLATE", "REFERENCES", "GENERATED", "AS", "FOREIGN"});
}

// The CREATE TABLE text createSql, as SQLite stores it, with the declared type of column (named
// in any ASCII letter case) made a memo's and every other character left as it stands:
// constraints, collations, defaults and options stay. nullopt when no column of that name is
// defined in it.
std::optional<std::string> withMemoType(std::string_view createSql, std::string_view column)
{
    const std::vector<Token> all = tokens(createSql);
    const auto offset = [&createSql](const Token& token, bool end) {
        return static_cast<std::size_t>(token.text.data() - createSql.data()) +
               (end ? token.text.size() : 0);
    };
    std::optional<std::pair<std::size_t, std::size_t>> type; // the bytes the declared type takes
    int depth = 0;
    bool definitionStarts = false;
    std::size_t i = 0;
    for (; i < all.size() && !(all[i].kind == ')' && --depth == 0); ++i) {
        if ((all[i].kind == '(' && ++depth == 1) || (depth == 1 && all[i].kind == ',')) {
            definitionStarts = true;
            continue;
        }
        if (!std::exchange(definitionStarts, false) || type || isConstraintWord(all[i]) ||
            !equalsIgnoringAsciiCase(nameOf(all[i]), column))
            continue;
        // The type: names, quoted or not, up to a constraint word, with one "(...)" of sizes
        // after them.
        std::size_t last = i;
        while (last + 1 < all.size() &&
               std::string_view("wq'").find(all[last + 1].kind) != std::string_view::npos &&
               !isConstraintWord(all[last + 1]))
            ++last;
        if (last > i && last + 1 < all.size() && all[last + 1].kind == '(') {
            while (last + 1 < all.size() && all[last].kind != ')')
                ++last;
        }
        type = {offset(all[i + (last > i ? 1 : 0)], last == i), offset(all[last], true)};
    }
    if (!type)
        return std::nullopt;
    // A STRICT table, its options after the column definitions, takes only SQLite's own type
    // names; TEXT is its memo.
    const bool strict = std::any_of(all.begin() + static_cast<std::ptrdiff_t>(i), all.end(),
                                    [](const Token& token) { return isWord(token, {"STRICT"}); });
    const std::string memo = strict ? "TEXT" : sqliteDeclaration({ColumnType::Kind::Memo, 0});
    return std::string(createSql).replace(type->first, type->second - type->first,
                                          type->first == type->second ? " " + memo : memo);
}

// SQLite keeps a column's declared type only in the table's stored CREATE TABLE text, and has no
// statement to change it: the text is changed in place, as SQLite's documentation describes for
// changes that leave the stored rows as they are. A memo has the same text affinity as the text
// column it was, so no row, index or constraint needs anything else.
void setStoredSql(sqlite3* db, const std::string& table, const std::string& sql)
{
    execSql(db, "SAVEPOINT tandera_memo");
    // Defensive mode is off, and the schema writable, only around the two statements.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 0, nullptr);
    bool released = false;
    const auto restore = qScopeGuard([db, &released] {
        // RESET also makes the connection read the schema afresh. Errors here cannot be
        // reported; a transaction SQLite already ended on its own makes the undo fail harmlessly.
        sqlite3_exec(db, "PRAGMA writable_schema = RESET", nullptr, nullptr, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        if (!released)
            sqlite3_exec(db, "ROLLBACK TO tandera_memo; RELEASE tandera_memo", nullptr, nullptr,
                         nullptr);
    });
    Statement version(db, "PRAGMA schema_version");
    const std::int64_t current = version.step() ? version.columnInt64(0) : 0;
    // The version is a signed 32-bit number, and 0 stands for a schema never written: past the
    // largest it starts again at 1.
    const std::int64_t nextVersion =
        current >= 1 && current < std::numeric_limits<std::int32_t>::max() ? current + 1 : 1;
    version.reset();
    execSql(db, "PRAGMA writable_schema = ON");
    Statement update(db, "UPDATE sqlite_schema SET sql = ?1 WHERE type = 'table' AND name = ?2");
    update.bindText(1, sql);
    update.bindText(2, table);
    update.step();
    // Other connections see the change by the version, as after any change of schema.
    execSql(db, "PRAGMA schema_version = " + std::to_string(nextVersion));
    execSql(db, "RELEASE tandera_memo");
    released = true;
}

} // namespace

std::optional<std::string> memoTableSql(sqlite3* db, const std::string& table,
                                        const std::string& column)
{
    return withMemoType(storedTableSql(db, table), column);
}

bool makeMemo(sqlite3* db, const std::string& table, const std::string& column)
{
    const auto edited = memoTableSql(db, table, column);
    if (edited)
        setStoredSql(db, table, *edited);
    return edited.has_value();
}

} // namespace engine
