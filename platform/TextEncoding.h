#pragma once

#include <cstddef>
#include <string>

// Checks bytes for well-formed UTF-8 as they stream past, one chunk at a time: no overlong
// forms, no surrogates, nothing above U+10FFFF, no sequence cut short at the end. Past a bad
// byte it picks up again at the next one, so it also tells whether well-formed multi-byte
// sequences stand among the bad ones.
class Utf8Validator
{
public:
    // Feeds the next chunk; returns false once the bytes so far cannot be UTF-8. Stops looking
    // once it has seen both a bad byte and a multi-byte sequence, as nothing more can change.
    bool feed(const char* data, std::size_t size);
    // Whether everything fed, taken as a whole, is UTF-8.
    bool valid() const { return !m_failed && m_pending == 0; }
    // Whether a whole multi-byte sequence (a byte order mark included) was among the bytes.
    bool sawMultibyte() const { return m_multibyte; }

private:
    bool m_failed = false;
    bool m_multibyte = false;
    int m_pending = 0;          // continuation bytes still expected
    unsigned char m_low = 0x80; // allowed range of the next continuation byte
    unsigned char m_high = 0xBF;
};

// Stands in the output of Utf16Decoder for whatever did not decode; UTF-8 never holds this byte.
inline constexpr char kUndecodable = '\xFF';

// Decodes UTF-16 (either byte order, byte order mark already dropped) to UTF-8 as it streams
// past, one chunk at a time; a pair of bytes or a surrogate pair may span two chunks. An
// unpaired surrogate and a last odd byte each become kUndecodable.
class Utf16Decoder
{
public:
    explicit Utf16Decoder(bool bigEndian) : m_bigEndian(bigEndian) {}
    // Appends the UTF-8 of every code unit the chunk completes to out.
    void feed(const char* data, std::size_t size, std::string& out);
    // Appends what the end of the text leaves undecoded (nothing, or kUndecodable) to out.
    void finish(std::string& out);

private:
    void unit(char16_t value, std::string& out);

    bool m_bigEndian;
    bool m_haveByte = false;
    unsigned char m_byte = 0;
    char16_t m_high = 0; // a high surrogate waiting for its low half
};

// Appends Windows-1252 text to out as UTF-8. All 256 bytes decode: the five the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control characters of the same value.
void appendWindows1252AsUtf8(std::string& out, const char* data, std::size_t size);
