#pragma once

#include "engine/JetLexer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// A Jet field type as the engine keeps it: text of at most size characters, memo (any
// length) or long integer.
struct ColumnType
{
    enum class Kind
    {
        Text,
        Memo,
        Long
    };
    Kind kind = Kind::Text;
    int size = 0; // Text only

    static constexpr int DefaultTextSize = 255;
    static constexpr int MaxTextSize = 255;

    // Whether a text value of that many characters fits.
    bool fits(std::size_t characters) const
    {
        return kind != Kind::Text || characters <= static_cast<std::size_t>(size);
    }

    bool operator==(const ColumnType&) const = default;
};

// Reads a Jet type from the lexer: TEXT[(n)], VARCHAR[(n)], CHAR[(n)] (255 without a size),
// MEMO, LONGTEXT, INTEGER, LONG and a few synonyms. nullopt when the tokens name no type or
// the size is out of range.
std::optional<ColumnType> readColumnType(JetLexer& lexer);

// The declared type SQLite stores for it; it gives text columns TEXT affinity, so "007" stays
// text, and keeps INTEGER off so a key column never becomes the rowid.
std::string sqliteDeclaration(const ColumnType& type);

// Back from a declared type read from the schema; nullopt for one we did not write.
std::optional<ColumnType> fromSqliteDeclaration(std::string_view declaration);

// The number of characters (Unicode code points) in UTF-8 text.
std::size_t countCharacters(std::string_view utf8);

} // namespace engine
