#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

enum class TokenKind
{
    End,
    Word,    // a bare name or keyword
    Name,    // a [bracketed] or `quoted` name; text is what stands inside
    String,  // a '...' or "..." literal; text is the raw inside, quotes still doubled
    Number,  // digits with an optional fraction and exponent, no sign
    Symbol,  // one character: ( ) , ; - + * . = and the like
    Invalid, // an unterminated literal or bracket
};

struct Token
{
    TokenKind kind = TokenKind::End;
    std::string_view text;
    std::size_t offset = 0; // where the token starts in the statement
    bool escaped = false;   // a String holding a doubled quote
    char quote = 0;         // the String's quote character
};

// Splits one Jet statement into tokens on demand, without copying: tokens view the text, which
// must outlive them.
class JetLexer
{
public:
    explicit JetLexer(std::string_view sql) : m_sql(sql) {}

    // The next token, End once the text is used up.
    Token next();
    // The token next() will return; the reference lasts until that call.
    const Token& peek();
    // The statement text from offset on.
    std::string_view textFrom(std::size_t offset) const { return m_sql.substr(offset); }

private:
    Token scan();

    std::string_view m_sql;
    std::size_t m_pos = 0;
    std::optional<Token> m_peeked;
};

bool isKeyword(const Token& token, std::string_view keyword);
bool isSymbol(const Token& token, char symbol);
bool isIdentifier(const Token& token);

// A String token's value with its doubled quotes made single, written over out.
void decodeString(const Token& token, std::string& out);

} // namespace engine
