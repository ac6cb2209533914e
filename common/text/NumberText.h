// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as text, the same in every locale: built on std::to_chars, which
// never reads the C numeric locale (Qt sets that to the user's once its
// application object exists). Each gives what the printf conversion named
// beside it gives in the "C" locale, to the last digit, NaN ("nan", "-nan")
// and infinities ("inf", "-inf") included; the decimal point is '.'.

// The shortest text that reads back as the same double: 0.3, 1e-05, 50.
std::string ShortestText(double value);

// "%.*f": `decimals` digits after the point, rounded from the exact binary
// value; a large value is written out in full (309 digits before the point
// for the largest double).
std::string FixedText(double value, int decimals);

// "%.*e": one digit, the point, `decimals` digits and an exponent of at least
// two digits (1.234500e+03).
std::string ExponentText(double value, int decimals);

// "%.*g": `significant` digits, trailing zeros dropped, exponent form below
// 1e-4 and from 10^significant on.
std::string GeneralText(double value, int significant);

// "%g": six significant digits.
std::string PercentGText(double value);

// "%.15g", with the given decimal separator in place of the point.
std::string General15Text(double value, char separator);

// The text with its first '.' replaced by the separator (each of the texts
// above holds one at most).
std::string WithDecimalSeparator(std::string text, char separator);

// The comma that the result displays and the Russian tables show, whatever
// the user's locale says.
inline constexpr char DecimalComma = ',';
std::string WithDecimalComma(std::string text);

// A seed as people type it and the journal writes it: decimal digits only,
// 0 to 4294967295; anything else (a sign, a space, a larger number) is none.
std::optional<uint32_t> SeedFromText(std::string_view text);
