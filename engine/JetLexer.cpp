#include "engine/JetLexer.h"

#include "engine/AsciiCase.h"

namespace engine {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Names may hold letters of any script: every byte of a multi-byte UTF-8 character counts.
bool isWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

const Token& JetLexer::peek()
{
    if (!m_peeked)
        m_peeked = scan();
    return *m_peeked;
}

Token JetLexer::next()
{
    if (m_peeked) {
        Token token = *m_peeked;
        m_peeked.reset();
        return token;
    }
    return scan();
}

Token JetLexer::scan()
{
    const std::string_view s = m_sql;
    std::size_t i = m_pos;
    while (i < s.size() && isSpace(s[i]))
        ++i;
    Token token;
    token.offset = i;
    if (i == s.size()) {
        m_pos = i;
        return token;
    }
    const char c = s[i];
    if (c == '\'' || c == '"') {
        token.kind = TokenKind::String;
        token.quote = c;
        std::size_t j = i + 1;
        for (;;) {
            const auto close = s.find(c, j);
            if (close == std::string_view::npos) {
                token.kind = TokenKind::Invalid;
                m_pos = s.size();
                return token;
            }
            if (close + 1 < s.size() && s[close + 1] == c) {
                token.escaped = true;
                j = close + 2;
                continue;
            }
            token.text = s.substr(i + 1, close - i - 1);
            m_pos = close + 1;
            return token;
        }
    }
    if (c == '[' || c == '`') {
        const char closing = c == '[' ? ']' : '`';
        const auto close = s.find(closing, i + 1);
        if (close == std::string_view::npos || close == i + 1) {
            token.kind = TokenKind::Invalid;
            m_pos = s.size();
            return token;
        }
        token.kind = TokenKind::Name;
        token.text = s.substr(i + 1, close - i - 1);
        m_pos = close + 1;
        return token;
    }
    std::size_t j = i;
    if (isDigit(c) || (c == '.' && i + 1 < s.size() && isDigit(s[i + 1]))) {
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j < s.size() && s[j] == '.') {
            ++j;
            while (j < s.size() && isDigit(s[j]))
                ++j;
        }
        if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
            std::size_t k = j + 1;
            if (k < s.size() && (s[k] == '+' || s[k] == '-'))
                ++k;
            if (k < s.size() && isDigit(s[k])) {
                j = k;
                while (j < s.size() && isDigit(s[j]))
                    ++j;
            }
        }
        token.kind = TokenKind::Number;
    } else if (isWordChar(c)) {
        while (j < s.size() && isWordChar(s[j]))
            ++j;
        token.kind = TokenKind::Word;
    } else {
        j = i + 1;
        token.kind = TokenKind::Symbol;
    }
    token.text = s.substr(i, j - i);
    m_pos = j;
    return token;
}

bool isKeyword(const Token& token, std::string_view keyword)
{
    return token.kind == TokenKind::Word && equalsIgnoringAsciiCase(token.text, keyword);
}

bool isSymbol(const Token& token, char symbol)
{
    return token.kind == TokenKind::Symbol && token.text.size() == 1 && token.text[0] == symbol;
}

bool isIdentifier(const Token& token)
{
    return token.kind == TokenKind::Word || token.kind == TokenKind::Name;
}

void decodeString(const Token& token, std::string& out)
{
    out.clear();
    const std::string_view text = token.text;
    if (!token.escaped) {
        out.assign(text);
        return;
    }
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == token.quote)
            ++i; // the second of a doubled pair
    }
}

} // namespace engine
