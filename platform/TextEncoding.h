#pragma once

#include <cstddef>
#include <string>

// Checks bytes for well-formed UTF-8 as they stream past, one chunk at a time: no overlong
// forms, no surrogates, nothing above U+10FFFF, no sequence cut short at the end.
class Utf8Validator
{
public:
    // Feeds the next chunk; returns false once the bytes so far cannot be UTF-8.
    bool feed(const char* data, std::size_t size);
    // Whether everything fed, taken as a whole, is UTF-8.
    bool valid() const { return !m_failed && m_pending == 0; }

private:
    bool m_failed = false;
    int m_pending = 0;          // continuation bytes still expected
    unsigned char m_low = 0x80; // allowed range of the next continuation byte
    unsigned char m_high = 0xBF;
};

// Appends Windows-1252 text to out as UTF-8. All 256 bytes decode: the five the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control characters of the same value.
void appendWindows1252AsUtf8(std::string& out, const char* data, std::size_t size);
