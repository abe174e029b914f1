#pragma once

#include <QString>

#include <string_view>

// UTF-8 text of the program's own (a table's name, a code, a time) as Qt's, to fill a
// translated text with.
inline QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
