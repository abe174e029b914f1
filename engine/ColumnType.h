#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

// A Jet field type as the engine keeps it: text of at most size characters, memo (any length),
// or a number, which only a database made elsewhere has and which takes no text.
struct ColumnType
{
    enum class Kind
    {
        Text,
        Memo,
        Number
    };
    Kind kind = Kind::Text;
    int size = 0; // Text only

    bool operator==(const ColumnType&) const = default;
};

// The declared type SQLite stores for a Text or Memo column; it gives both TEXT affinity, so
// "007" stays text, and keeps INTEGER off so a key column never becomes the rowid.
std::string sqliteDeclaration(const ColumnType& type);

// Back from a declared type read from the schema. One we did not write is a Number when SQLite
// would store numbers in it (INTEGER, REAL or NUMERIC affinity), and otherwise takes any text,
// as a memo does.
ColumnType fromSqliteDeclaration(std::string_view declaration);

// The number of characters (Unicode code points) in UTF-8 text.
std::size_t countCharacters(std::string_view utf8);

} // namespace engine
