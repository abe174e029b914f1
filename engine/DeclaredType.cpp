#include "engine/DeclaredType.h"

#include "engine/AsciiCase.h"

#include <vector>

namespace engine {

namespace {

struct Token
{
    std::size_t begin = 0;
    std::size_t end = 0;
    char kind = 0; // 'w' word, 'q' quoted name, '\'' literal, else the punctuation itself
};

bool isWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

// The tokens of sql, blanks and comments left out.
std::vector<Token> tokens(std::string_view sql)
{
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
            ++i;
        } else if (sql.substr(i, 2) == "--") {
            i = std::min(sql.find('\n', i), sql.size());
        } else if (sql.substr(i, 2) == "/*") {
            const auto close = sql.find("*/", i + 2);
            i = close == std::string_view::npos ? sql.size() : close + 2;
        } else if (c == '"' || c == '\'' || c == '`' || c == '[') {
            const char closing = c == '[' ? ']' : c;
            std::size_t j = i + 1;
            // A quote doubled inside stands for itself; brackets have no escape.
            while (j < sql.size() &&
                   (sql[j] != closing || (c != '[' && j + 1 < sql.size() && sql[j + 1] == closing)))
                j += sql[j] == closing ? 2 : 1;
            out.push_back({i, std::min(j + 1, sql.size()), c == '\'' ? '\'' : 'q'});
            i = std::min(j + 1, sql.size());
        } else if (isWordChar(c)) {
            std::size_t j = i;
            while (j < sql.size() && isWordChar(sql[j]))
                ++j;
            out.push_back({i, j, 'w'});
            i = j;
        } else {
            out.push_back({i, i + 1, c});
            ++i;
        }
    }
    return out;
}

// A name token as SQLite reads it: without its quotes, a doubled quote made single.
std::string nameOf(std::string_view sql, const Token& token)
{
    const std::string_view text = sql.substr(token.begin, token.end - token.begin);
    if (token.kind != 'q')
        return std::string(text);
    std::string name;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        name += text[i];
        if (text[0] != '[' && text[i] == text[0])
            ++i;
    }
    return name;
}

// Words that end a column's type and begin its constraints, and those that begin a table
// constraint instead of a column.
constexpr std::string_view ConstraintWords[] = {"CONSTRAINT", "PRIMARY",   "NOT",     "NULL",
                                                "UNIQUE",     "CHECK",     "DEFAULT", "COLLATE",
                                                "REFERENCES", "GENERATED", "AS",      "FOREIGN"};

bool isConstraintWord(std::string_view sql, const Token& token)
{
    const std::string_view text = sql.substr(token.begin, token.end - token.begin);
    for (const std::string_view word : ConstraintWords) {
        if (token.kind == 'w' && equalsIgnoringAsciiCase(text, word))
            return true;
    }
    return false;
}

} // namespace

std::optional<std::string> withDeclaredType(std::string_view createSql, std::string_view column,
                                            std::string_view type)
{
    const std::vector<Token> all = tokens(createSql);
    int depth = 0;
    bool definitionStarts = false;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const char kind = all[i].kind;
        if (kind == '(' && ++depth == 1) {
            definitionStarts = true;
            continue;
        }
        if (kind == ')' && --depth == 0)
            break;
        if (depth == 1 && kind == ',') {
            definitionStarts = true;
            continue;
        }
        if (!definitionStarts)
            continue;
        definitionStarts = false;
        if (isConstraintWord(createSql, all[i]) ||
            !equalsIgnoringAsciiCase(nameOf(createSql, all[i]), column))
            continue;
        // The type: words up to a constraint word, with one "(...)" of sizes after them.
        std::size_t last = i;
        while (last + 1 < all.size() && all[last + 1].kind == 'w' &&
               !isConstraintWord(createSql, all[last + 1]))
            ++last;
        if (last > i && last + 1 < all.size() && all[last + 1].kind == '(') {
            while (last + 1 < all.size() && all[last].kind != ')')
                ++last;
        }
        std::string edited(createSql);
        if (last == i)
            return edited.insert(all[i].end, " " + std::string(type));
        return edited.replace(all[i + 1].begin, all[last].end - all[i + 1].begin, type);
    }
    return std::nullopt;
}

bool isStrictTable(std::string_view createSql)
{
    int depth = 0;
    bool closed = false; // past the column definitions, where the table's options stand
    for (const Token& token : tokens(createSql)) {
        depth += token.kind == '(' ? 1 : token.kind == ')' ? -1 : 0;
        closed = closed || (token.kind == ')' && depth == 0);
        if (closed && token.kind == 'w' &&
            equalsIgnoringAsciiCase(createSql.substr(token.begin, token.end - token.begin),
                                    "STRICT"))
            return true;
    }
    return false;
}

} // namespace engine
