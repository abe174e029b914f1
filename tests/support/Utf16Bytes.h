#pragma once

#include <QString>

#include <string>
#include <string_view>

// The bytes Windows Notepad saves as "Unicode" (little endian) or "Unicode big endian": a byte
// order mark, then the text's UTF-16 code units. Qt does the encoding, not the reader under test.
inline std::string utf16Bytes(std::string_view utf8, bool bigEndian = false, bool bom = true)
{
    std::string bytes;
    if (bom)
        bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    for (const QChar unit : text) {
        const char high = static_cast<char>(unit.unicode() >> 8);
        const char low = static_cast<char>(unit.unicode() & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
