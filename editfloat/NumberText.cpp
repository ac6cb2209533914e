#include "NumberText.h"

#include <array>
#include <charconv>

namespace {

std::string GeneralText(double value, int precision)
{
    // "%.15g" of any double needs at most 23 characters ("-1.23456789012345e-308").
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, precision);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string PercentGText(double value)
{
    return GeneralText(value, 6);
}

std::string General15Text(double value, char separator)
{
    std::string text = GeneralText(value, 15);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = separator;
    return text;
}
