#include "engine/ColumnType.h"

#include "engine/AsciiCase.h"

#include <array>
#include <charconv>

namespace engine {

namespace {

struct TypeName
{
    std::string_view name;
    ColumnType::Kind kind;
};

constexpr std::array<TypeName, 12> TypeNames{{
    {"TEXT", ColumnType::Kind::Text},
    {"VARCHAR", ColumnType::Kind::Text},
    {"CHAR", ColumnType::Kind::Text},
    {"CHARACTER", ColumnType::Kind::Text},
    {"STRING", ColumnType::Kind::Text},
    {"MEMO", ColumnType::Kind::Memo},
    {"LONGTEXT", ColumnType::Kind::Memo},
    {"LONGCHAR", ColumnType::Kind::Memo},
    {"NOTE", ColumnType::Kind::Memo},
    {"INTEGER", ColumnType::Kind::Long},
    {"LONG", ColumnType::Kind::Long},
    {"INT", ColumnType::Kind::Long},
}};

constexpr std::string_view TextDeclaration = "VARCHAR(";
constexpr std::string_view MemoDeclaration = "LONGTEXT";
constexpr std::string_view LongDeclaration = "INT";

std::optional<int> parseSize(std::string_view digits)
{
    int size = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
    if (ec != std::errc() || end != digits.data() + digits.size() || size < 1 ||
        size > ColumnType::MaxTextSize)
        return std::nullopt;
    return size;
}

} // namespace

std::optional<ColumnType> readColumnType(JetLexer& lexer)
{
    const Token name = lexer.next();
    if (name.kind != TokenKind::Word)
        return std::nullopt;
    for (const TypeName& candidate : TypeNames) {
        if (!equalsIgnoringAsciiCase(name.text, candidate.name))
            continue;
        ColumnType type{candidate.kind, 0};
        if (type.kind != ColumnType::Kind::Text)
            return type;
        type.size = ColumnType::DefaultTextSize;
        if (isSymbol(lexer.peek(), '(')) {
            lexer.next();
            const Token digits = lexer.next();
            const auto size =
                digits.kind == TokenKind::Number ? parseSize(digits.text) : std::nullopt;
            if (!size || !isSymbol(lexer.next(), ')'))
                return std::nullopt;
            type.size = *size;
        }
        return type;
    }
    return std::nullopt;
}

std::string sqliteDeclaration(const ColumnType& type)
{
    switch (type.kind) {
    case ColumnType::Kind::Text:
        return std::string(TextDeclaration) + std::to_string(type.size) + ")";
    case ColumnType::Kind::Memo:
        return std::string(MemoDeclaration);
    case ColumnType::Kind::Long:
        return std::string(LongDeclaration);
    }
    return std::string(MemoDeclaration);
}

std::optional<ColumnType> fromSqliteDeclaration(std::string_view declaration)
{
    if (equalsIgnoringAsciiCase(declaration, MemoDeclaration))
        return ColumnType{ColumnType::Kind::Memo, 0};
    if (equalsIgnoringAsciiCase(declaration, LongDeclaration))
        return ColumnType{ColumnType::Kind::Long, 0};
    if (declaration.size() > TextDeclaration.size() + 1 &&
        equalsIgnoringAsciiCase(declaration.substr(0, TextDeclaration.size()), TextDeclaration) &&
        declaration.back() == ')') {
        const auto digits = declaration.substr(TextDeclaration.size(),
                                               declaration.size() - TextDeclaration.size() - 1);
        if (const auto size = parseSize(digits))
            return ColumnType{ColumnType::Kind::Text, *size};
    }
    return std::nullopt;
}

std::size_t countCharacters(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

} // namespace engine
