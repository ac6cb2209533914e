// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sweep {

// The pieces of `text` between the separators, empty ones included.
std::vector<std::string_view> Split(std::string_view text, char separator);

// A number as typed on the command line: decimal point '.', optional sign
// and exponent, nothing around it. Infinities and NaN are not numbers here.
std::optional<double> ParseNumber(std::string_view text);

// The values of a gain or threshold option: one number ("1"), a list
// ("0.5,1,2") or a range START:STOP:STEP ("0:100:1"), STOP included when the
// steps reach it.
struct ValueList {
    std::vector<double> Values;
    std::string Error; // one line saying what is wrong; empty when parsed
};
ValueList ParseValueList(std::string_view text, size_t maxValues);

} // namespace sweep
