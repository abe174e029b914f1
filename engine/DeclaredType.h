#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The CREATE TABLE text createSql, as SQLite stores it, with the declared type of column (named
// in any ASCII letter case) replaced by type and every other character left as it stands:
// constraints, collations, defaults and options stay. nullopt when no column of that name is
// defined in it. Quoted names, literals and comments are read as SQLite reads them.
std::optional<std::string> withDeclaredType(std::string_view createSql, std::string_view column,
                                            std::string_view type);

// Whether the table createSql makes is STRICT, which takes only SQLite's own type names.
bool isStrictTable(std::string_view createSql);

} // namespace engine
