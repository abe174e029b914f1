#include "engine/MemoColumn.h"

#include "engine/AsciiCase.h"
#include "engine/Sqlite.h"
#include "engine/TableDefinition.h"

#include <QScopeGuard>

#include <algorithm>
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
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        std::size_t end = i + 1;
        char kind = c;
        if (std::string_view(" \t\r\n\f\v").find(c) != std::string_view::npos) {
            i = end;
            continue;
        }
        if (sql.substr(i, 2) == "--" || sql.substr(i, 2) == "/*") {
            const auto close = sql.find(c == '-' ? "\n" : "*/", i + 2);
            i = close == std::string_view::npos ? sql.size() : close + (c == '-' ? 0 : 2);
            continue;
        }
        if (c == '"' || c == '\'' || c == '`' || c == '[') {
            const char closing = c == '[' ? ']' : c;
            // A quote doubled inside stands for itself; brackets have no escape.
            while (end < sql.size() &&
                   (sql[end] != closing || (c != '[' && end + 1 < sql.size() && sql[end + 1] == c)))
                end += sql[end] == closing ? 2 : 1;
            end = std::min(end + 1, sql.size());
            kind = c == '\'' ? '\'' : 'q';
        } else if (isWordChar(c)) {
            while (end < sql.size() && isWordChar(sql[end]))
                ++end;
            kind = 'w';
        }
        out.push_back({sql.substr(i, end - i), kind});
        i = end;
    }
    return out;
}

// A name token as SQLite reads it: without its quotes, a doubled quote made single.
std::string nameOf(const Token& token)
{
    if (token.kind != 'q')
        return std::string(token.text);
    std::string name;
    for (std::size_t i = 1; i + 1 < token.text.size(); ++i) {
        name += token.text[i];
        if (token.text[0] != '[' && token.text[i] == token.text[0])
            ++i;
    }
    return name;
}

bool isWord(const Token& token, std::string_view word)
{
    return token.kind == 'w' && equalsIgnoringAsciiCase(token.text, word);
}

// Words that end a column's type and begin its constraints, and those that begin a table
// constraint instead of a column.
bool isConstraintWord(const Token& token)
{
    for (const std::string_view word :
         {"CONSTRAINT", "PRIMARY", "NOT", "NULL", "UNIQUE", "CHECK", "DEFAULT", "COLLATE",
          "REFERENCES", "GENERATED", "AS", "FOREIGN"}) {
        if (isWord(token, word))
            return true;
    }
    return false;
}

// The CREATE TABLE text createSql, as SQLite stores it, with the declared type of column (named
// in any ASCII letter case) replaced by type and every other character left as it stands:
// constraints, collations, defaults and options stay. nullopt when no column of that name is
// defined in it.
std::optional<std::string> withDeclaredType(std::string_view createSql, std::string_view column,
                                            std::string_view type)
{
    const std::vector<Token> all = tokens(createSql);
    const auto offset = [&createSql](std::string_view part) {
        return static_cast<std::size_t>(part.data() - createSql.data());
    };
    int depth = 0;
    bool definitionStarts = false;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const char kind = all[i].kind;
        if ((kind == '(' && ++depth == 1) || (depth == 1 && kind == ',')) {
            definitionStarts = true;
            continue;
        }
        if (kind == ')' && --depth == 0)
            break;
        if (!std::exchange(definitionStarts, false) || isConstraintWord(all[i]) ||
            !equalsIgnoringAsciiCase(nameOf(all[i]), column))
            continue;
        // The type: words up to a constraint word, with one "(...)" of sizes after them.
        std::size_t last = i;
        while (last + 1 < all.size() && all[last + 1].kind == 'w' &&
               !isConstraintWord(all[last + 1]))
            ++last;
        if (last > i && last + 1 < all.size() && all[last + 1].kind == '(') {
            while (last + 1 < all.size() && all[last].kind != ')')
                ++last;
        }
        std::string edited(createSql);
        if (last == i)
            return edited.insert(offset(all[i].text) + all[i].text.size(), " " + std::string(type));
        const std::size_t begin = offset(all[i + 1].text);
        return edited.replace(begin, offset(all[last].text) + all[last].text.size() - begin, type);
    }
    return std::nullopt;
}

// Whether the table createSql makes is STRICT, which takes only SQLite's own type names.
bool isStrictTable(std::string_view createSql)
{
    int depth = 0;
    bool closed = false; // past the column definitions, where the table's options stand
    for (const Token& token : tokens(createSql)) {
        depth += token.kind == '(' ? 1 : token.kind == ')' ? -1 : 0;
        closed = closed || (token.kind == ')' && depth == 0);
        if (closed && isWord(token, "STRICT"))
            return true;
    }
    return false;
}

// SQLite keeps a column's declared type only in the table's stored CREATE TABLE text, and has no
// statement to change it: the text is changed in place, as SQLite's documentation describes for
// changes that leave the stored rows as they are. A memo has the same text affinity as the text
// column it was, so no row, index or constraint needs anything else.
void setStoredSql(sqlite3* db, const std::string& table, const std::string& sql)
{
    execSql(db, "SAVEPOINT tandera_memo");
    auto undo = qScopeGuard([db] {
        // Errors here cannot be reported; a transaction SQLite already ended on its own makes
        // both fail harmlessly.
        sqlite3_exec(db, "ROLLBACK TO tandera_memo", nullptr, nullptr, nullptr);
        sqlite3_exec(db, "RELEASE tandera_memo", nullptr, nullptr, nullptr);
    });
    std::int64_t version = 0;
    {
        Statement read(db, "PRAGMA schema_version");
        version = read.step() ? read.columnInt64(0) : 0;
    }
    {
        // Defensive mode is off, and the schema writable, only around the two statements.
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 0, nullptr);
        const auto protect = qScopeGuard([db] {
            // RESET also makes the connection read the schema afresh.
            sqlite3_exec(db, "PRAGMA writable_schema = RESET", nullptr, nullptr, nullptr);
            sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        });
        execSql(db, "PRAGMA writable_schema = ON");
        Statement update(db,
                         "UPDATE sqlite_schema SET sql = ?1 WHERE type = 'table' AND name = ?2");
        update.bindText(1, sql);
        update.bindText(2, table);
        update.step();
        // Other connections see the change by the version, as after any change of schema.
        execSql(db, ("PRAGMA schema_version = " + std::to_string(version + 1)).c_str());
    }
    execSql(db, "RELEASE tandera_memo");
    undo.dismiss();
}

} // namespace

bool makeMemo(sqlite3* db, const std::string& table, const std::string& column)
{
    Statement read(db, "SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = ?1");
    read.bindText(1, table);
    const std::string sql =
        read.step() ? read.columnText(0).value_or(std::string()) : std::string();
    read.reset();
    // A STRICT table takes only SQLite's own type names; TEXT is its memo.
    const auto edited = withDeclaredType(
        sql, column, isStrictTable(sql) ? "TEXT" : sqliteDeclaration({ColumnType::Kind::Memo, 0}));
    if (!edited)
        return false;
    setStoredSql(db, table, *edited);
    return true;
}

} // namespace engine
