// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// A second, table-driven reading of the field's number notation and display,
// built on the C library's strtod and snprintf, to hold the model against.
namespace reference {

// The text in strtod's notation, or nothing when it is no number.
std::optional<std::string> CanonicalNumber(std::string_view text, char separator);

// The double that strtod reads from the canonical form; nothing beyond the range.
std::optional<double> ReadNumber(std::string_view text, char separator);

// The text after the first '.' or ',' among its first 3001 characters became the separator.
std::string Corrected(std::string text, char separator);

// How the field shows a value.
std::string Display(double value, bool gFormat, char separator);

}  // namespace reference
