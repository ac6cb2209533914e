// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <cfloat>
#include <charconv>
#include <utility>

namespace {

// Room for any double in any of the forms: the sign, 309 digits before the
// point of the largest one, the point, the digits asked for after it, and
// an exponent of up to five characters.
std::size_t RoomFor(int digits)
{
    return 1 + DBL_MAX_10_EXP + 1 + 1 + static_cast<std::size_t>(digits) + 5;
}

std::string Formatted(double value, std::chars_format format, int precision)
{
    // A negative precision counts as none given, as with printf: six.
    const int digits = precision < 0 ? 6 : precision;
    std::string text(RoomFor(digits), '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, format, digits);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

}  // namespace

std::string ShortestText(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string FixedText(double value, int decimals)
{
    return Formatted(value, std::chars_format::fixed, decimals);
}

std::string ExponentText(double value, int decimals)
{
    return Formatted(value, std::chars_format::scientific, decimals);
}

std::string GeneralText(double value, int significant)
{
    return Formatted(value, std::chars_format::general, significant);
}

std::string PercentGText(double value)
{
    return GeneralText(value, 6);
}

std::string General15Text(double value, char separator)
{
    return WithDecimalSeparator(GeneralText(value, 15), separator);
}

std::string WithDecimalSeparator(std::string text, char separator)
{
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = separator;
    return text;
}

std::string WithDecimalComma(std::string text)
{
    return WithDecimalSeparator(std::move(text), DecimalComma);
}

std::optional<uint32_t> SeedFromText(std::string_view text)
{
    uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return seed;
}
