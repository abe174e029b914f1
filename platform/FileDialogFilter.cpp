#include "platform/FileDialogFilter.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}
} // namespace

std::string qtFileDialogFilter(const std::string& filter)
{
    if (filter.empty())
        return {};

    const std::vector<std::string> parts = split(filter, '|');
    std::string result;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        if (!result.empty())
            result += ";;";
        result += parts[i];
        if (i + 1 < parts.size()) {
            std::string patterns = parts[i + 1];
            std::replace(patterns.begin(), patterns.end(), ';', ' ');
            result += " (" + patterns + ")";
        }
    }
    return result;
}
