// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The number that a field's text reads, in the field's notation: optional
// spaces, an optional '+' or '-', digits with at most one decimal separator
// (a lone separator reads 0), optionally 'e' or 'E' with an optional sign and
// digits (missing digits read exponent 0), optional spaces, nothing else.
// Nothing is returned for any other text and for a number too large for a
// double; a number too small for one reads as its nearest double (possibly 0).
std::optional<double> ReadLocaleNumber(std::string_view text, char separator);

// Where the field puts its decimal separator in a text: the first '.' or ','
// among the first 3001 characters, if there is one.
std::optional<std::size_t> SeparatorToCorrect(std::string_view text);
