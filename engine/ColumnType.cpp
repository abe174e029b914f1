#include "engine/ColumnType.h"

#include "engine/AsciiCase.h"

#include <charconv>

namespace engine {

namespace {

constexpr std::string_view TextDeclaration = "VARCHAR(";
constexpr std::string_view MemoDeclaration = "LONGTEXT";
constexpr int MaxTextSize = 255;

bool contains(std::string_view declaration, std::string_view word)
{
    for (std::size_t i = 0; i + word.size() <= declaration.size(); ++i) {
        if (equalsIgnoringAsciiCase(declaration.substr(i, word.size()), word))
            return true;
    }
    return false;
}

// SQLite's own rules for a column's affinity, as its documentation gives them, in their order.
bool hasNumericAffinity(std::string_view declaration)
{
    if (contains(declaration, "INT"))
        return true;
    if (contains(declaration, "CHAR") || contains(declaration, "CLOB") ||
        contains(declaration, "TEXT") || contains(declaration, "BLOB") || declaration.empty())
        return false;
    return true; // REAL, FLOA, DOUB and everything else: REAL or NUMERIC affinity
}

} // namespace

std::string sqliteDeclaration(const ColumnType& type)
{
    if (type.kind == ColumnType::Kind::Text)
        return std::string(TextDeclaration) + std::to_string(type.size) + ")";
    return std::string(MemoDeclaration);
}

ColumnType fromSqliteDeclaration(std::string_view declaration)
{
    if (declaration.size() > TextDeclaration.size() + 1 &&
        equalsIgnoringAsciiCase(declaration.substr(0, TextDeclaration.size()), TextDeclaration) &&
        declaration.back() == ')') {
        const auto digits = declaration.substr(TextDeclaration.size(),
                                               declaration.size() - TextDeclaration.size() - 1);
        int size = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
        if (ec == std::errc() && end == digits.data() + digits.size() && size >= 1 &&
            size <= MaxTextSize)
            return {ColumnType::Kind::Text, size};
    }
    if (hasNumericAffinity(declaration))
        return {ColumnType::Kind::Number, 0};
    return {ColumnType::Kind::Memo, 0};
}

std::size_t countCharacters(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

} // namespace engine
