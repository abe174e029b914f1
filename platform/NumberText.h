#pragma once

#include <string>
#include <string_view>

// Number to text as the program's original platform writes it: 7 significant digits for a
// single, 15 for a double, trailing zeros and a trailing decimal point dropped. The decimal
// separator is always "." so that the text parses back the same in every locale.
std::string numberToText(float value);
std::string numberToText(double value);

// The leading number of a text: spaces, tabs and line feeds are skipped wherever they stand;
// then an optional sign, digits with at most one ".", and an optional exponent; reading stops
// at the first character that does not fit. No number gives 0. A number too large for a
// double raises Error 6 "Overflow"; one too small for it gives 0.
double leadingNumber(std::string_view text);

// leadingNumber(numberToText(value)), worked out without building the text: the same digits,
// read straight back. For the progress bar, which takes this trip once per data line.
double singleRoundTrip(float value);
