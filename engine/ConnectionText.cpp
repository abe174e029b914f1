#include "engine/ConnectionText.h"

#include "engine/AsciiCase.h"
#include "engine/JetErrors.h"

namespace engine {

namespace {

constexpr std::string_view Blanks = " \t\r\n";

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(Blanks);
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// Takes from rest the piece up to the first ";" at or after from, and that ";".
std::string_view takePiece(std::string_view& rest, std::size_t from = 0)
{
    const auto semicolon = rest.find(';', from);
    const std::string_view piece = rest.substr(0, semicolon);
    rest.remove_prefix(semicolon == std::string_view::npos ? rest.size() : semicolon + 1);
    return piece;
}

// Takes one value from the front of rest, and the ";" that ends it.
std::string readValue(std::string_view& rest)
{
    const std::size_t start = rest.find_first_not_of(Blanks);
    const char quote = start == std::string_view::npos ? '\0' : rest[start];
    if (quote != '"' && quote != '\'')
        return std::string(trim(takePiece(rest)));
    std::string value;
    std::size_t i = start + 1;
    for (; i < rest.size() && (rest[i] != quote || (i + 1 < rest.size() && rest[i + 1] == quote));
         ++i) {
        value += rest[i];
        i += rest[i] == quote ? 1 : 0; // a doubled quote stands for one
    }
    // Whatever follows the closing quote up to the ";" is not part of the value.
    takePiece(rest, i);
    return value;
}

} // namespace

ConnectionSettings parseConnectionText(std::string_view rest)
{
    ConnectionSettings settings;
    std::string provider; // none reads as another provider
    while (!rest.empty()) {
        const auto equals = rest.find('=');
        if (equals == std::string_view::npos || rest.find(';') < equals) {
            // A piece without "=" names nothing; skip it.
            takePiece(rest);
            continue;
        }
        const std::string_view key = trim(rest.substr(0, equals));
        rest.remove_prefix(equals + 1);
        std::string value = readValue(rest);
        if (equalsIgnoringAsciiCase(key, "Provider"))
            provider = std::string(trim(value));
        else if (equalsIgnoringAsciiCase(key, "Data Source"))
            settings.dataSource = std::move(value);
        else if (equalsIgnoringAsciiCase(key, "Jet OLEDB:Database Password"))
            settings.password = std::move(value);
    }
    if (!equalsIgnoringAsciiCase(provider, "Microsoft.Jet.OLEDB.4.0"))
        throw jet::error(jet::ProviderNotFound);
    return settings;
}

std::string quoteConnectionValue(std::string_view value)
{
    if (value.find_first_of("\"';") == std::string_view::npos && trim(value).size() == value.size())
        return std::string(value);
    const bool onlyDouble =
        value.find('"') != std::string_view::npos && value.find('\'') == std::string_view::npos;
    const char quote = onlyDouble ? '\'' : '"';
    std::string quoted(1, quote);
    for (const char c : value)
        quoted.append(c == quote ? 2 : 1, c);
    return quoted + quote;
}

} // namespace engine
