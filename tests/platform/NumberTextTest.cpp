#include "platform/NumberText.h"

#include "engine/Error.h"
#include "tests/support/CommaLocale.h"
#include "tests/support/RaisedError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct SingleCase
{
    float value;
    std::string text;
};

struct DoubleCase
{
    double value;
    std::string text;
};

struct ParseCase
{
    std::string_view text;
    double number;
};

const SingleCase singleCases[] = {
    {0.0f, "0"},
    {-0.0f, "0"},
    {0.6f, "0.6"},
    {0.00167f, "0.00167"},
    {99.70067f, "99.70067"},
    {99.6f, "99.6"},
    {100.0f, "100"},
    {-2.25f, "-2.25"},
    {1.0f / 3.0f, "0.3333333"},
    {0.1f + 0.2f, "0.3"},
    {2.0f / 3.0f, "0.6666667"},
    {1234567.0f, "1234567"},
    {12345678.0f, "1.234568E+07"},
    {0.0001f, "0.0001"},
    {0.00001f, "1E-05"},
    {0.000015f, "1.5E-05"},
    {1.5e20f, "1.5E+20"},
};

const DoubleCase doubleCases[] = {
    {0.3, "0.3"},           {0.1 + 0.2, "0.3"},  {1.0 / 3.0, "0.333333333333333"},
    {99.70067, "99.70067"}, {-0.0, "0"},         {123456789012345.0, "123456789012345"},
    {1e15, "1E+15"},        {1.5e20, "1.5E+20"}, {1e-5, "1E-05"},
    {0.0001, "0.0001"},     {1e-100, "1E-100"},  {-1.25e300, "-1.25E+300"},
};

const ParseCase parseCases[] = {
    {"", 0.0},
    {"abc", 0.0},
    {"0.6", 0.6},
    {"0.00167", 0.00167},
    {"0.6xyz", 0.6},
    {" 1 2", 12.0},
    {"\t-\n3.5", -3.5},
    {" 1 . 5", 1.5},
    {"+7", 7.0},
    {"--1", 0.0},
    {"+-1", 0.0},
    {"-", 0.0},
    {".", 0.0},
    {".5", 0.5},
    {"5.", 5.0},
    {"1.2.3", 1.2},
    {"1,5", 1.0},
    {"99,70067", 99.0},
    {"\r5", 0.0},
    {"0x10", 0.0},
    {"1E3", 1000.0},
    {"1e-2", 0.01},
    {"2E 2", 200.0},
    {"2 e - 2", 0.02},
    {"1E+05x", 1e5},
    {"1E5.5", 1e5},
    {"1E", 1.0},
    {"1E+", 1.0},
    {"1Ex", 1.0},
    {"-1.5E-3", -0.0015},
    {"1E-400", 0.0},
    {"0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000000000000000000000000000001",
     0.0},
};

TEST(NumberText, SingleHasSevenSignificantDigits)
{
    for (const auto& c : singleCases)
        EXPECT_EQ(numberToText(c.value), c.text) << "value " << c.value;
}

TEST(NumberText, DoubleHasFifteenSignificantDigits)
{
    for (const auto& c : doubleCases)
        EXPECT_EQ(numberToText(c.value), c.text) << "value " << c.value;
}

TEST(NumberText, LeadingNumber)
{
    for (const auto& c : parseCases)
        EXPECT_EQ(leadingNumber(c.text), c.number) << "text \"" << c.text << '"';
}

TEST(NumberText, LeadingNumberTooLargeForADoubleIsAnOverflow)
{
    for (const std::string& text :
         {std::string("1E400"), std::string("-1e309"), "1" + std::string(400, '0'),
          "123" + std::string(400, '0') + "E-10"}) {
        SCOPED_TRACE(text);
        const Error error = errorOf([&] { leadingNumber(text); });
        EXPECT_EQ(error.number(), 6);
        EXPECT_EQ(error.description(), "Overflow");
    }
    // The same digits brought back into range by the exponent are fine.
    EXPECT_EQ(leadingNumber("1" + std::string(400, '0') + "E-398"), 100.0);
}

TEST(NumberText, SameInACommaLocale)
{
    const CommaLocale locale;
    EXPECT_EQ(numberToText(99.70067f), "99.70067");
    EXPECT_EQ(numberToText(0.3), "0.3");
    EXPECT_EQ(numberToText(1.5e20), "1.5E+20");
    EXPECT_EQ(leadingNumber("99.70067"), 99.70067);
    EXPECT_EQ(leadingNumber("1,5"), 1.0);
}

TEST(NumberText, TextOfTheBarsValuesParsesBackToTheSameSingle)
{
    // The climb relies on it: every value the bar takes survives its trip through text.
    for (const float value : {0.00167f, 0.6f, 12.34567f, 99.6f, 99.70067f})
        EXPECT_EQ(static_cast<float>(leadingNumber(numberToText(value))), value);
}

// The bar's per-line shortcut must give what the trip through text gives, digit for digit.
TEST(NumberText, SingleRoundTripIsTheTripThroughText)
{
    std::vector<float> values = {0.0f,
                                 -0.0f,
                                 1e-30f,
                                 -2.5e-5f,
                                 1e30f,
                                 3.4e38f,
                                 std::numeric_limits<float>::infinity(),
                                 std::nanf("")};
    for (float value = 0.0f; value < 100.2f; value += 0.00167f)
        values.push_back(value);
    for (const float value : values) {
        SCOPED_TRACE(value);
        EXPECT_EQ(singleRoundTrip(value), leadingNumber(numberToText(value)));
    }
}

} // namespace
