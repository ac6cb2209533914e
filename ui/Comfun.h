#pragma once

#include <QString>
#include <cstdint>

// A number as the result displays show it: printf-style with the precision
// chosen by the selector (0 to 7 decimals, "%e" for any other selector), the
// first full stop replaced by a comma whatever the user's locale says.
QString FloatToText(std::uint32_t selector, double value);
