#pragma once

#include <string>

// The two display formats of the field, independent of the C locale.
// "%g": six significant digits, trailing zeros dropped, exponent form below
// 1e-4 and from 1e6 on; the decimal point is '.'.
std::string PercentGText(double value);

// Fifteen significant digits in the same general notation ("%.15g"), with the
// given decimal separator in place of the point.
std::string General15Text(double value, char separator);
