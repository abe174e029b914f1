#include "engine/StatementReader.h"

#include "engine/AsciiCase.h"
#include "engine/JetErrors.h"

namespace engine {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Bare names may hold letters of any script: every byte of UTF-8 counts.
bool isNameChar(char c)
{
    const char lower = static_cast<char>(c | 0x20);
    return (lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Walks the text token by token; any step that does not find what it wants reports false, and
// the caller refuses the whole text.
class Cursor
{
public:
    explicit Cursor(std::string_view text) : m_rest(text) {}

    // The first character after the blanks; 0 at the end.
    char next()
    {
        while (!m_rest.empty() && isBlank(m_rest.front()))
            m_rest.remove_prefix(1);
        return m_rest.empty() ? '\0' : m_rest.front();
    }

    bool symbol(char c)
    {
        if (next() != c)
            return false;
        m_rest.remove_prefix(1);
        return true;
    }

    // A keyword, given in lower case, in any letter case in the text; a name character may not
    // continue it.
    bool keyword(std::string_view word)
    {
        next();
        if (!equalsIgnoringAsciiCase(m_rest.substr(0, word.size()), word) ||
            (m_rest.size() > word.size() && isNameChar(m_rest[word.size()])))
            return false;
        m_rest.remove_prefix(word.size());
        return true;
    }

    bool name(std::string_view& out)
    {
        const bool bracketed = symbol('[');
        std::size_t end = bracketed ? m_rest.find(']') : 0;
        if (end == std::string_view::npos)
            return false;
        while (!bracketed && end < m_rest.size() && isNameChar(m_rest[end]))
            ++end;
        out = m_rest.substr(0, end);
        m_rest.remove_prefix(end + (bracketed ? 1 : 0));
        return !out.empty();
    }

    bool literal(std::string_view& out)
    {
        if (!symbol('\''))
            return false;
        for (auto quote = m_rest.find('\''); quote != std::string_view::npos;
             quote = m_rest.find('\'', quote + 2)) {
            if (quote + 1 < m_rest.size() && m_rest[quote + 1] == '\'')
                continue; // a doubled apostrophe
            out = m_rest.substr(0, quote);
            m_rest.remove_prefix(quote + 1);
            return true;
        }
        return false;
    }

    // One optional ";", then nothing but blanks.
    bool end()
    {
        symbol(';');
        next();
        return m_rest.empty();
    }

private:
    std::string_view m_rest;
};

bool read(std::string_view sql, ReadStatement& out)
{
    Cursor cursor(sql);
    // The first letter picks the one shape worth trying: the insert, once per data line, then
    // never pays for the others' keywords.
    switch (toAsciiLower(cursor.next())) {
    case 'd':
        out.kind = ReadStatement::Kind::Delete;
        return cursor.keyword("delete") && cursor.keyword("from") && cursor.name(out.table) &&
               cursor.end();
    case 'a': {
        out.kind = ReadStatement::Kind::AlterToMemo;
        if (!cursor.keyword("alter") || !cursor.keyword("table") || !cursor.name(out.table) ||
            !cursor.keyword("alter"))
            return false;
        // COLUMN is optional, and a column may itself be called Column.
        Cursor withoutWord = cursor;
        const auto toMemo = [&out](Cursor& rest) {
            return rest.name(out.column) && rest.keyword("memo") && rest.end();
        };
        return (cursor.keyword("column") && toMemo(cursor)) || toMemo(withoutWord);
    }
    case 'i':
        out.kind = ReadStatement::Kind::Insert;
        out.values.clear();
        if (!cursor.keyword("insert") || !cursor.keyword("into") || !cursor.name(out.table) ||
            !cursor.keyword("values") || !cursor.symbol('('))
            return false;
        do {
            if (!cursor.literal(out.values.emplace_back()))
                return false;
        } while (cursor.symbol(','));
        return cursor.symbol(')') && cursor.end();
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
    for (std::size_t i = 0; i < literal.size(); ++i) {
        out += literal[i];
        if (literal[i] == '\'')
            ++i; // the second of a doubled pair
    }
}

} // namespace engine
