#pragma once

#include <algorithm>
#include <string_view>

namespace engine {

// Names in the database compare as SQLite compares them: A-Z and a-z alike, every other
// character as it stands.
constexpr char toAsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return toAsciiLower(x) == toAsciiLower(y); });
}

} // namespace engine
