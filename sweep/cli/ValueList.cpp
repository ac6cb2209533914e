// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueList.h"

#include "sweep/lib/ValueRange.h"

#include <charconv>
#include <cmath>

namespace sweep {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

namespace {

std::string NotANumber(std::string_view text)
{
    return "'" + std::string(text) + "' is not a number";
}

ValueList ParseRange(std::string_view text, size_t maxValues)
{
    const std::vector<std::string_view> parts = Split(text, ':');
    if (parts.size() != 3)
        return {{}, "'" + std::string(text) + "' is no range: a range is START:STOP:STEP"};
    double bounds[3];
    for (size_t i = 0; i < 3; ++i) {
        const std::optional<double> value = ParseNumber(parts[i]);
        if (!value)
            return {{}, NotANumber(parts[i])};
        bounds[i] = *value;
    }
    const auto [start, stop, step] = bounds;
    ValueRange range = RangeValues(start, stop, step, maxValues);
    switch (range.Problem) {
    case RangeProblem::None:
        break;
    case RangeProblem::StepNotPositive:
        return {{}, "the step of '" + std::string(text) + "' must be above 0"};
    case RangeProblem::Reversed:
        return {{}, "the range '" + std::string(text) + "' is reversed: STOP is below START"};
    case RangeProblem::TooManyValues:
        return {{}, "the range '" + std::string(text) + "' has more than " + std::to_string(maxValues) + " values"};
    }
    return {std::move(range.Values), {}};
}

} // namespace

std::optional<double> ParseNumber(std::string_view text)
{
    if (text.empty() || text.front() == ' ' || text.back() == ' ')
        return std::nullopt;
    // from_chars takes no leading '+'; a sign is only allowed once.
    std::string_view digits = text;
    if (digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-' || digits.front() == '+')
            return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
        std::chars_format::general);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

ValueList ParseValueList(std::string_view text, size_t maxValues)
{
    if (text.empty())
        return {{}, "no value given"};
    if (text.find(':') != std::string_view::npos)
        return ParseRange(text, maxValues);
    ValueList list;
    for (std::string_view part : Split(text, ',')) {
        const std::optional<double> value = ParseNumber(part);
        if (!value)
            return {{}, part.empty() ? "an empty item in the list '" + std::string(text) + "'" : NotANumber(part)};
        if (list.Values.size() == maxValues)
            return {{}, "the list '" + std::string(text) + "' has more than " + std::to_string(maxValues) + " values"};
        list.Values.push_back(*value);
    }
    return list;
}

} // namespace sweep
