#include "engine/StatementReader.h"

#include "engine/AsciiCase.h"
#include "engine/JetErrors.h"

namespace engine {

namespace {

// Bare names may hold letters of any script: every byte of UTF-8 counts.
bool isNameChar(char c)
{
    const char lower = static_cast<char>(c | 0x20);
    return (lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Each step below takes one token off the front of rest; any that does not find what it wants
// reports false, and the caller refuses the whole text.

// The first character after the blanks, which are taken off; 0 at the end.
char next(std::string_view& rest)
{
    // Compared one by one: a search among the four blanks measured slower on the insert path.
    while (!rest.empty() &&
           (rest[0] == ' ' || rest[0] == '\t' || rest[0] == '\r' || rest[0] == '\n'))
        rest.remove_prefix(1);
    return rest.empty() ? '\0' : rest.front();
}

bool symbol(std::string_view& rest, char c)
{
    if (next(rest) != c)
        return false;
    rest.remove_prefix(1);
    return true;
}

// A keyword, given in lower case, in any letter case in the text; a name character may not
// continue it.
bool keyword(std::string_view& rest, std::string_view word)
{
    next(rest);
    if (!equalsIgnoringAsciiCase(rest.substr(0, word.size()), word) ||
        (rest.size() > word.size() && isNameChar(rest[word.size()])))
        return false;
    rest.remove_prefix(word.size());
    return true;
}

bool name(std::string_view& rest, std::string_view& out)
{
    const bool bracketed = symbol(rest, '[');
    std::size_t end = bracketed ? rest.find(']') : 0;
    if (end == std::string_view::npos)
        return false;
    while (!bracketed && end < rest.size() && isNameChar(rest[end]))
        ++end;
    out = rest.substr(0, end);
    rest.remove_prefix(end + (bracketed ? 1 : 0));
    return !out.empty();
}

bool literal(std::string_view& rest, std::string_view& out)
{
    if (!symbol(rest, '\''))
        return false;
    for (auto quote = rest.find('\''); quote != std::string_view::npos;
         quote = rest.find('\'', quote + 2)) {
        if (quote + 1 < rest.size() && rest[quote + 1] == '\'')
            continue; // a doubled apostrophe
        out = rest.substr(0, quote);
        rest.remove_prefix(quote + 1);
        return true;
    }
    return false;
}

// One optional ";", then nothing but blanks.
bool end(std::string_view& rest)
{
    symbol(rest, ';');
    next(rest);
    return rest.empty();
}

bool read(std::string_view rest, ReadStatement& out)
{
    // The first letter picks the one shape worth trying: the insert, once per data line, then
    // never pays for the others' keywords.
    switch (toAsciiLower(next(rest))) {
    case 'd':
        out.kind = ReadStatement::Kind::Delete;
        return keyword(rest, "delete") && keyword(rest, "from") && name(rest, out.table) &&
               end(rest);
    case 'a': {
        out.kind = ReadStatement::Kind::AlterToMemo;
        if (!keyword(rest, "alter") || !keyword(rest, "table") || !name(rest, out.table) ||
            !keyword(rest, "alter"))
            return false;
        // COLUMN is optional, and a column may itself be called Column.
        std::string_view withoutWord = rest;
        const auto toMemo = [&out](std::string_view& tail) {
            return name(tail, out.column) && keyword(tail, "memo") && end(tail);
        };
        return (keyword(rest, "column") && toMemo(rest)) || toMemo(withoutWord);
    }
    case 'i':
        out.kind = ReadStatement::Kind::Insert;
        out.values.clear();
        if (!keyword(rest, "insert") || !keyword(rest, "into") || !name(rest, out.table) ||
            !keyword(rest, "values") || !symbol(rest, '('))
            return false;
        do {
            if (!literal(rest, out.values.emplace_back()))
                return false;
        } while (symbol(rest, ','));
        return symbol(rest, ')') && end(rest);
    default:
        return false;
    }
}

} // namespace

void readStatement(std::string_view sql, ReadStatement& out)
{
    if (!read(sql, out))
        throw jet::syntaxError(sql);
}

void decodeLiteral(std::string_view literal, std::string& out)
{
    out.clear();
    // The second of a doubled pair is skipped.
    for (std::size_t i = 0; i < literal.size(); i += literal[i] == '\'' ? 2 : 1)
        out += literal[i];
}

} // namespace engine
