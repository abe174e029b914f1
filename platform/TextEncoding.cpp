#include "platform/TextEncoding.h"

#include <array>

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

} // namespace

bool Utf8Validator::feed(const char* data, std::size_t size)
{
    for (std::size_t i = 0; i < size && !m_failed; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (m_pending > 0) {
            if (byte < m_low || byte > m_high) {
                m_failed = true;
                break;
            }
            m_low = 0x80;
            m_high = 0xBF;
            --m_pending;
            continue;
        }
        if (byte < 0x80)
            continue;
        // Lead bytes, with the narrowed ranges that rule out overlong forms, surrogates and
        // code points past U+10FFFF.
        if (byte >= 0xC2 && byte <= 0xDF) {
            m_pending = 1;
        } else if (byte == 0xE0) {
            m_pending = 2;
            m_low = 0xA0;
        } else if (byte == 0xED) {
            m_pending = 2;
            m_high = 0x9F;
        } else if (byte >= 0xE1 && byte <= 0xEF) {
            m_pending = 2;
        } else if (byte == 0xF0) {
            m_pending = 3;
            m_low = 0x90;
        } else if (byte >= 0xF1 && byte <= 0xF3) {
            m_pending = 3;
        } else if (byte == 0xF4) {
            m_pending = 3;
            m_high = 0x8F;
        } else {
            m_failed = true;
        }
    }
    return !m_failed;
}

void appendWindows1252AsUtf8(std::string& out, const char* data, std::size_t size)
{
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (byte < 0x80)
            continue;
        out.append(data + runStart, i - runStart);
        const Utf8Sequence& sequence = kHighHalf[byte - 0x80];
        out.append(sequence.bytes.data(), sequence.size);
        runStart = i + 1;
    }
    out.append(data + runStart, size - runStart);
}
