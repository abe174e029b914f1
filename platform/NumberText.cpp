#include "platform/NumberText.h"

#include "engine/Error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace {

// "%G" with the given precision, which is where the original platform switches to exponent
// notation too: below 1E-04 (0.0001 stays plain, 0.00001 is "1E-05") and from 10^precision
// up (1234567 stays plain as a single, 12345678 is "1.234568E+07"). Trailing zeros and a
// trailing point are dropped by the general format itself.
template <typename Number> std::string formatted(Number value, int precision)
{
    if (value == 0)
        return "0"; // no "-0"
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, precision);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal exponent of the leading significant digit of digits-with-one-point, e.g. 2 for
// "123.4" and -3 for "0.001". Only called when there is a nonzero digit.
long long leadingMagnitude(std::string_view mantissa)
{
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_of("123456789");
    return first < point ? static_cast<long long>(point - first - 1)
                         : -static_cast<long long>(first - point);
}

} // namespace

std::string numberToText(float value)
{
    return formatted(value, 7);
}

std::string numberToText(double value)
{
    return formatted(value, 15);
}

double leadingNumber(std::string_view text)
{
    std::size_t at = 0;
    const auto skip = [&] {
        while (at < text.size() && isSkipped(text[at]))
            ++at;
    };
    const auto next = [&]() -> char {
        skip();
        return at < text.size() ? text[at] : '\0';
    };

    bool negative = false;
    if (const char sign = next(); sign == '+' || sign == '-') {
        negative = sign == '-';
        ++at;
    }

    std::string mantissa;
    bool point = false;
    bool anyDigit = false;
    for (char c = next(); isDigit(c) || (c == '.' && !point); c = next()) {
        point = point || c == '.';
        anyDigit = anyDigit || isDigit(c);
        mantissa += c;
        ++at;
    }
    if (!anyDigit)
        return 0.0;

    // An exponent counts only with at least one digit after the E and its sign.
    std::string exponent;
    if (const char e = next(); e == 'E' || e == 'e') {
        ++at;
        std::string candidate;
        if (const char sign = next(); sign == '+' || sign == '-') {
            candidate += sign;
            ++at;
        }
        bool exponentDigit = false;
        for (char c = next(); isDigit(c); c = next()) {
            candidate += c;
            exponentDigit = true;
            ++at;
        }
        if (exponentDigit)
            exponent = std::move(candidate);
    }

    const std::string number = exponent.empty() ? mantissa : mantissa + 'e' + exponent;
    double value = 0.0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Saturate the exponent: anything beyond this is out of range whatever the digits.
        long long scale = 0;
        for (const char c : exponent) {
            if (isDigit(c) && scale < 1'000'000)
                scale = scale * 10 + (c - '0');
        }
        if (!exponent.empty() && exponent.front() == '-')
            scale = -scale;
        if (leadingMagnitude(mantissa) + scale > 0)
            throw Error(ErrorNumber::Overflow, "Overflow");
        value = 0.0;
    }
    return negative ? -value : value;
}

double singleRoundTrip(float value)
{
    // The text of zero is "0"; the leading-number parse reads no number in "inf" or "nan".
    if (value == 0 || !std::isfinite(value))
        return 0.0;
    // From 1E-06 up to 1E+07, seven significant digits are a whole number of 10^-k, k from 0 to
    // 12, and value * 10^k is exact in a double (a float's 24 bits and at most 28 of 5^k): that
    // whole number rounded as the text rounds it, over 10^k, is the double the text reads back.
    constexpr std::array<double, 13> powers = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                               1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
    const double magnitude = std::fabs(static_cast<double>(value));
    if (magnitude >= 1e-6 && magnitude < 1e7) {
        int exponent = 0; // of the leading digit
        while (magnitude >= powers[static_cast<std::size_t>(exponent) + 1])
            ++exponent;
        while (exponent <= 0 && magnitude * powers[static_cast<std::size_t>(-exponent)] < 1)
            --exponent;
        const double scale = powers[static_cast<std::size_t>(6 - exponent)];
        return std::copysign(std::nearbyint(magnitude * scale) / scale, value);
    }
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, 7);
    double result = 0.0;
    std::from_chars(buffer.data(), written.ptr, result);
    return result;
}
