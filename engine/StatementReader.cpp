#include "engine/StatementReader.h"

#include "engine/AsciiCase.h"
#include "engine/JetErrors.h"

#include <array>

namespace engine {

namespace {

// What each byte can be, looked up once per character on the per-line path.
enum : unsigned char
{
    Blank = 1,
    NameChar = 2, // bare names may hold letters of any script: every byte of UTF-8 counts
};
constexpr std::array<unsigned char, 256> CharClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (const unsigned char c : {' ', '\t', '\r', '\n'})
        classes[c] = Blank;
    for (unsigned c = 0; c < 256; ++c) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '_' || c >= 0x80)
            classes[c] = NameChar;
    }
    return classes;
}();

bool is(char c, unsigned char charClass)
{
    return (CharClasses[static_cast<unsigned char>(c)] & charClass) != 0;
}

// Walks the text token by token; any step that does not find what it wants reports false, and
// the caller refuses the whole text.
class Cursor
{
public:
    explicit Cursor(std::string_view text) : m_text(text) {}

    // The first character after the blanks, in lower case; 0 at the end.
    char firstLetter()
    {
        skipBlanks();
        return m_pos < m_text.size() ? toAsciiLower(m_text[m_pos]) : '\0';
    }

    // A keyword, given in lower case, in any letter case in the text; a name character may not
    // continue it.
    bool keyword(std::string_view word)
    {
        skipBlanks();
        if (m_text.size() - m_pos < word.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            // Setting bit 5 lowers A-Z and turns no other byte into a-z.
            if ((m_text[m_pos + i] | 0x20) != word[i])
                return false;
        }
        if (m_pos + word.size() < m_text.size() && is(m_text[m_pos + word.size()], NameChar))
            return false;
        m_pos += word.size();
        return true;
    }

    bool symbol(char c)
    {
        skipBlanks();
        if (m_pos == m_text.size() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

    bool name(std::string_view& out)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == '[') {
            const auto close = m_text.find(']', m_pos + 1);
            if (close == std::string_view::npos || close == m_pos + 1)
                return false;
            out = m_text.substr(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            return true;
        }
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && is(m_text[m_pos], NameChar))
            ++m_pos;
        out = m_text.substr(start, m_pos - start);
        return !out.empty();
    }

    bool literal(std::string_view& out)
    {
        if (!symbol('\''))
            return false;
        const std::size_t start = m_pos;
        for (;;) {
            const auto quote = m_text.find('\'', m_pos);
            if (quote == std::string_view::npos)
                return false;
            m_pos = quote + 1;
            if (m_pos < m_text.size() && m_text[m_pos] == '\'') {
                ++m_pos;
                continue;
            }
            out = m_text.substr(start, quote - start);
            return true;
        }
    }

    // One optional ";", then nothing but blanks.
    bool end()
    {
        symbol(';');
        skipBlanks();
        return m_pos == m_text.size();
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && is(m_text[m_pos], Blank))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool readInsertValues(Cursor& cursor, std::vector<std::string_view>& values)
{
    values.clear();
    if (!cursor.keyword("values") || !cursor.symbol('('))
        return false;
    do {
        std::string_view value;
        if (!cursor.literal(value))
            return false;
        values.push_back(value);
    } while (cursor.symbol(','));
    return cursor.symbol(')');
}

bool read(std::string_view sql, ReadStatement& out)
{
    Cursor cursor(sql);
    // The first letter picks the one shape worth trying: the insert, once per data line, then
    // never pays for the others' keywords.
    switch (cursor.firstLetter()) {
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
        if (cursor.keyword("column") && cursor.name(out.column) && cursor.keyword("memo") &&
            cursor.end())
            return true;
        return withoutWord.name(out.column) && withoutWord.keyword("memo") && withoutWord.end();
    }
    case 'i':
        out.kind = ReadStatement::Kind::Insert;
        return cursor.keyword("insert") && cursor.keyword("into") && cursor.name(out.table) &&
               readInsertValues(cursor, out.values) && cursor.end();
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
