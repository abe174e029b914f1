#include "engine/ConnectionText.h"

#include "engine/AsciiCase.h"
#include "engine/JetErrors.h"

#include <optional>

namespace engine {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Reads one value starting at pos; leaves pos after the ";" that ends it (or at the end).
std::string readValue(std::string_view text, std::size_t& pos)
{
    std::size_t start = pos;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    if (start < text.size() && (text[start] == '"' || text[start] == '\'')) {
        const char quote = text[start];
        std::string value;
        std::size_t i = start + 1;
        for (; i < text.size(); ++i) {
            if (text[i] == quote) {
                if (i + 1 < text.size() && text[i + 1] == quote) {
                    value += quote;
                    ++i;
                    continue;
                }
                break;
            }
            value += text[i];
        }
        // Whatever follows the closing quote up to the ";" is not part of the value.
        const auto semicolon = text.find(';', i);
        pos = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
        return value;
    }
    const auto semicolon = text.find(';', pos);
    const auto end = semicolon == std::string_view::npos ? text.size() : semicolon;
    std::string value(trim(text.substr(pos, end - pos)));
    pos = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
    return value;
}

} // namespace

ConnectionSettings parseConnectionText(std::string_view text)
{
    ConnectionSettings settings;
    std::optional<std::string> provider;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto equals = text.find('=', pos);
        const auto semicolon = text.find(';', pos);
        if (equals == std::string_view::npos ||
            (semicolon != std::string_view::npos && semicolon < equals)) {
            // A piece without "=" names nothing; skip it.
            pos = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
            continue;
        }
        const std::string_view key = trim(text.substr(pos, equals - pos));
        pos = equals + 1;
        std::string value = readValue(text, pos);
        if (equalsIgnoringAsciiCase(key, "Provider"))
            provider = std::string(trim(value));
        else if (equalsIgnoringAsciiCase(key, "Data Source"))
            settings.dataSource = std::move(value);
        else if (equalsIgnoringAsciiCase(key, "Jet OLEDB:Database Password"))
            settings.password = std::move(value);
    }
    if (!provider || !equalsIgnoringAsciiCase(*provider, "Microsoft.Jet.OLEDB.4.0"))
        throw jet::error(jet::Text::ProviderNotFound);
    return settings;
}

std::string quoteConnectionValue(std::string_view value)
{
    const bool hasDouble = value.find('"') != std::string_view::npos;
    const bool hasSingle = value.find('\'') != std::string_view::npos;
    const bool plain = !hasDouble && !hasSingle && value.find(';') == std::string_view::npos &&
                       (value.empty() || (!isBlank(value.front()) && !isBlank(value.back())));
    if (plain)
        return std::string(value);
    const char quote = hasDouble && !hasSingle ? '\'' : '"';
    std::string quoted(1, quote);
    for (const char c : value) {
        if (c == quote)
            quoted += quote;
        quoted += c;
    }
    quoted += quote;
    return quoted;
}

} // namespace engine
