#include "NumberText.h"

#include <charconv>
#include <cstdio>

std::string ShortestText(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string FixedText(double value, int decimals)
{
    char text[400]; // %.Nf of the largest double needs 309 digits before the point
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}
