// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceReading.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace reference {

namespace {

enum State { kLeading, kSigned, kWhole, kFraction, kExponentMark, kExponent, kTrailing, kReject };
enum Class { kSpace, kSign, kDigit, kSeparator, kExponentLetter, kOther };
constexpr int kStates = 7;
constexpr int kClasses = 6;

// next[state][class]
constexpr std::array<std::array<State, kClasses>, kStates> kNext{{
    /* leading  */ {kLeading, kSigned, kWhole, kFraction, kReject, kReject},
    /* signed   */ {kReject, kReject, kWhole, kFraction, kReject, kReject},
    /* whole    */ {kTrailing, kReject, kWhole, kFraction, kExponentMark, kReject},
    /* fraction */ {kTrailing, kReject, kFraction, kReject, kExponentMark, kReject},
    /* e        */ {kTrailing, kExponent, kExponent, kReject, kReject, kReject},
    /* exponent */ {kTrailing, kReject, kExponent, kReject, kReject, kReject},
    /* trailing */ {kTrailing, kReject, kReject, kReject, kReject, kReject},
}};

Class ClassOf(char c, char separator)
{
    if (c == separator)
        return kSeparator;
    if (c == ' ')
        return kSpace;
    if (c == '+' || c == '-')
        return kSign;
    if (c >= '0' && c <= '9')
        return kDigit;
    if (c == 'e' || c == 'E')
        return kExponentLetter;
    return kOther;
}

}  // namespace

std::optional<std::string> CanonicalNumber(std::string_view text, char separator)
{
    State state = kLeading;
    std::string canonical;
    bool mantissaDigit = false;
    for (const char c : text) {
        const Class cls = ClassOf(c, separator);
        const State next = kNext[state][cls];
        if (next == kReject)
            return std::nullopt;
        if (cls == kSeparator) {
            if (!mantissaDigit)
                canonical += '0';
            canonical += '.';
        } else if (cls == kDigit || cls == kSign) {
            mantissaDigit = mantissaDigit || (cls == kDigit && state != kExponentMark && state != kExponent);
            canonical += c;
        } else if (cls == kExponentLetter) {
            canonical += 'e';
        }
        state = next;
    }
    if (state == kLeading || state == kSigned)
        return std::nullopt;
    const char last = canonical.back();
    if (last == 'e' || last == '+' || last == '-')
        canonical += '0';
    return canonical;
}

std::optional<double> ReadNumber(std::string_view text, char separator)
{
    const auto canonical = CanonicalNumber(text, separator);
    if (!canonical)
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(canonical->c_str(), &end);
    if (end != canonical->c_str() + canonical->size())
        std::abort();  // the canonical form is always strtod's whole input
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::string Corrected(std::string text, char separator)
{
    for (std::size_t i = 0; i < text.size() && i <= 3000; ++i) {
        if (text[i] == '.' || text[i] == ',') {
            text[i] = separator;
            break;
        }
    }
    return text;
}

std::string Display(double value, bool gFormat, char separator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, gFormat ? "%g" : "%.15g", value);
    std::string text(buffer);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = separator;
    return text;
}

}  // namespace reference
