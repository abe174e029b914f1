#pragma once

#include <string>
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
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (toAsciiLower(a[i]) != toAsciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace engine
