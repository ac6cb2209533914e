// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocaleNumber.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace {

constexpr std::size_t kLastCorrectedPosition = 3000;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A text already checked against the grammar, split into its parts.
struct NumberParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    bool negativeExponent = false;
    std::string_view exponent;
};

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }

    bool Take(char c)
    {
        if (AtEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }

    void SkipSpaces()
    {
        while (Take(' ')) {
        }
    }

    // An optional '+' or '-'; true when it was '-'.
    bool TakeSign()
    {
        if (Take('-'))
            return true;
        Take('+');
        return false;
    }

    std::string_view TakeDigits()
    {
        const std::size_t start = pos_;
        while (!AtEnd() && IsDigit(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<NumberParts> Split(std::string_view text, char separator)
{
    Scanner scan(text);
    NumberParts parts;
    scan.SkipSpaces();
    parts.negative = scan.TakeSign();
    parts.whole = scan.TakeDigits();
    const bool hasSeparator = scan.Take(separator);
    if (hasSeparator)
        parts.fraction = scan.TakeDigits();
    if (parts.whole.empty() && !hasSeparator)
        return std::nullopt;
    if (scan.Take('e') || scan.Take('E')) {
        parts.negativeExponent = scan.TakeSign();
        parts.exponent = scan.TakeDigits();
    }
    scan.SkipSpaces();
    if (!scan.AtEnd())
        return std::nullopt;
    return parts;
}

// Decimal exponent of the leading non-zero digit; only consulted for a value
// that is not zero and that a double cannot hold, so saturating is harmless.
long long LeadingDigitExponent(const NumberParts& parts)
{
    constexpr long long kSaturation = 1'000'000'000;
    long long exponent = 0;
    for (const char c : parts.exponent)
        exponent = std::min(exponent * 10 + (c - '0'), kSaturation);
    if (parts.negativeExponent)
        exponent = -exponent;
    if (const auto first = parts.whole.find_first_not_of('0'); first != std::string_view::npos)
        return exponent + static_cast<long long>(parts.whole.size() - first - 1);
    const auto first = parts.fraction.find_first_not_of('0');
    return exponent - static_cast<long long>(first + 1);
}

std::optional<double> Convert(const NumberParts& parts)
{
    std::string plain;
    plain.reserve(parts.whole.size() + parts.fraction.size() + parts.exponent.size() + 5);
    if (parts.negative)
        plain += '-';
    plain += parts.whole.empty() ? std::string_view("0") : parts.whole;
    plain += '.';
    plain += parts.fraction;
    if (!parts.exponent.empty()) {
        plain += parts.negativeExponent ? "e-" : "e";
        plain += parts.exponent;
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc() && end == plain.data() + plain.size())
        return value;
    if (error == std::errc::result_out_of_range && LeadingDigitExponent(parts) < 0)
        return parts.negative ? -0.0 : 0.0;
    return std::nullopt;
}

}  // namespace

std::optional<double> ReadLocaleNumber(std::string_view text, char separator)
{
    const auto parts = Split(text, separator);
    if (!parts)
        return std::nullopt;
    return Convert(*parts);
}

std::optional<std::size_t> SeparatorToCorrect(std::string_view text)
{
    const std::size_t scanned = std::min(text.size(), kLastCorrectedPosition + 1);
    const auto pos = text.substr(0, scanned).find_first_of(".,");
    if (pos == std::string_view::npos)
        return std::nullopt;
    return pos;
}
