#include "platform/TextEncoding.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// Code points of 0x80..0x9F; the rest of the code page equals Latin-1.
// clang-format off
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

struct Utf8Sequence
{
    std::array<char, 3> bytes{};
    unsigned char size = 0;
};

constexpr Utf8Sequence encode(char32_t codePoint)
{
    Utf8Sequence sequence;
    if (codePoint < 0x80) {
        sequence.bytes[0] = static_cast<char>(codePoint);
        sequence.size = 1;
    } else if (codePoint < 0x800) {
        sequence.bytes[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        sequence.bytes[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        sequence.size = 2;
    } else {
        sequence.bytes[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        sequence.bytes[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        sequence.bytes[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        sequence.size = 3;
    }
    return sequence;
}

constexpr std::array<Utf8Sequence, 128> makeHighHalf()
{
    std::array<Utf8Sequence, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const char32_t codePoint = i < kHighControls.size() ? kHighControls[i] : char32_t(0x80 + i);
        table[i] = encode(codePoint);
    }
    return table;
}

constexpr std::array<Utf8Sequence, 128> kHighHalf = makeHighHalf();

void appendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x10000) {
        const Utf8Sequence sequence = encode(codePoint);
        out.append(sequence.bytes.data(), sequence.size);
        return;
    }
    const char bytes[] = {
        static_cast<char>(0xF0 | (codePoint >> 18)),
        static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)),
        static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
        static_cast<char>(0x80 | (codePoint & 0x3F)),
    };
    out.append(bytes, sizeof bytes);
}

// The index of the first byte from i on that is not ASCII, or size; eight bytes at a time,
// since data files are mostly ASCII.
std::size_t skipAscii(const char* data, std::size_t i, std::size_t size)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (std::uint64_t word = 0; i + sizeof word <= size; i += sizeof word) {
        std::memcpy(&word, data + i, sizeof word);
        if (const std::uint64_t high = word & kHighBits) {
            if constexpr (std::endian::native == std::endian::little)
                return i + static_cast<std::size_t>(std::countr_zero(high)) / 8;
            break;
        }
    }
    while (i < size && static_cast<unsigned char>(data[i]) < 0x80)
        ++i;
    return i;
}

bool isHighSurrogate(char16_t value)
{
    return value >= 0xD800 && value <= 0xDBFF;
}

bool isLowSurrogate(char16_t value)
{
    return value >= 0xDC00 && value <= 0xDFFF;
}

} // namespace

bool Utf8Validator::feed(const char* data, std::size_t size)
{
    // The state lives in locals meanwhile: the bytes, being chars, could alias the members,
    // which would keep the compiler from holding them in registers.
    bool failed = m_failed;
    bool multibyte = m_multibyte;
    int pending = m_pending;
    unsigned char low = m_low;
    unsigned char high = m_high;
    std::size_t i = 0;
    while (i < size && !(failed && multibyte)) {
        if (pending == 0) {
            i = skipAscii(data, i, size);
            if (i == size)
                break;
        }
        const auto byte = static_cast<unsigned char>(data[i++]);
        if (pending > 0) {
            const bool continues = byte >= low && byte <= high;
            low = 0x80;
            high = 0xBF;
            if (continues) {
                multibyte = multibyte || pending == 1;
                --pending;
                continue;
            }
            // The sequence is cut short; this byte may start the next one.
            failed = true;
            pending = 0;
            if (byte < 0x80)
                continue;
        }
        // Lead bytes, with the narrowed ranges that rule out overlong forms, surrogates and
        // code points past U+10FFFF.
        if (byte >= 0xC2 && byte <= 0xDF) {
            pending = 1;
        } else if (byte == 0xE0) {
            pending = 2;
            low = 0xA0;
        } else if (byte == 0xED) {
            pending = 2;
            high = 0x9F;
        } else if (byte >= 0xE1 && byte <= 0xEF) {
            pending = 2;
        } else if (byte == 0xF0) {
            pending = 3;
            low = 0x90;
        } else if (byte >= 0xF1 && byte <= 0xF3) {
            pending = 3;
        } else if (byte == 0xF4) {
            pending = 3;
            high = 0x8F;
        } else {
            failed = true;
        }
    }
    m_failed = failed;
    m_multibyte = multibyte;
    m_pending = pending;
    m_low = low;
    m_high = high;
    return !failed;
}

void Utf16Decoder::feed(const char* data, std::size_t size, std::string& out)
{
    std::size_t i = 0;
    if (m_haveByte && size > 0) {
        const auto second = static_cast<unsigned char>(data[0]);
        unit(m_bigEndian ? char16_t(m_byte << 8 | second) : char16_t(second << 8 | m_byte), out);
        m_haveByte = false;
        i = 1;
    }
    for (; i + 1 < size; i += 2) {
        const auto first = static_cast<unsigned char>(data[i]);
        const auto second = static_cast<unsigned char>(data[i + 1]);
        unit(m_bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first), out);
    }
    if (i < size) {
        m_byte = static_cast<unsigned char>(data[i]);
        m_haveByte = true;
    }
}

void Utf16Decoder::finish(std::string& out)
{
    if (m_high != 0)
        out += kUndecodable;
    if (m_haveByte)
        out += kUndecodable;
    m_high = 0;
    m_haveByte = false;
}

void Utf16Decoder::unit(char16_t value, std::string& out)
{
    if (m_high != 0) {
        const char16_t high = m_high;
        m_high = 0;
        if (isLowSurrogate(value)) {
            appendUtf8(out, 0x10000 + ((char32_t(high) - 0xD800) << 10) + (value - 0xDC00));
            return;
        }
        out += kUndecodable;
    }
    if (isHighSurrogate(value))
        m_high = value;
    else if (isLowSurrogate(value))
        out += kUndecodable;
    else
        appendUtf8(out, value);
}

void appendWindows1252AsUtf8(std::string& out, const char* data, std::size_t size)
{
    std::size_t runStart = 0;
    for (std::size_t i = skipAscii(data, 0, size); i < size; i = skipAscii(data, i + 1, size)) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out.append(data + runStart, i - runStart);
        const Utf8Sequence& sequence = kHighHalf[byte - 0x80];
        out.append(sequence.bytes.data(), sequence.size);
        runStart = i + 1;
    }
    out.append(data + runStart, size - runStart);
}
