// SPDX-License-Identifier: GPL-3.0-or-later
#include "Excerpt.h"

#include <cstdint>
#include <cstdio>

namespace {

// The length of the UTF-8 character at the start of `text` and its code
// point, or a length of 0 for a byte that starts none.
std::size_t CharacterAt(std::string_view text, char32_t& point)
{
    const auto first = static_cast<unsigned char>(text[0]);
    std::size_t length = first < 0x80 ? 1 : (first & 0xE0) == 0xC0 ? 2 : (first & 0xF0) == 0xE0 ? 3
        : (first & 0xF8) == 0xF0                                                                ? 4
                                                                                                : 0;
    if (length == 0 || length > text.size())
        return 0;
    point = length == 1 ? first : first & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (next & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < shortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

bool ShownEscaped(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) || (point >= 0x202A && point <= 0x202E)
        || (point >= 0x2066 && point <= 0x2069) || point == 0x200E || point == 0x200F;
}

std::string Escape(char32_t point)
{
    switch (point) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    char escaped[12];
    std::snprintf(escaped, sizeof escaped, point < 0x100 ? "\\x%02x" : "\\u%04x", static_cast<unsigned>(point));
    return escaped;
}

} // namespace

std::string Excerpt(std::string_view text, std::size_t most)
{
    std::string shown;
    std::size_t characters = 0;
    while (!text.empty()) {
        if (characters == most)
            return shown + "…";
        char32_t point = 0;
        std::size_t length = CharacterAt(text, point);
        if (length == 0) {
            shown += Escape(static_cast<unsigned char>(text[0]));
            length = 1;
        } else if (ShownEscaped(point)) {
            shown += Escape(point);
        } else {
            shown.append(text.substr(0, length));
        }
        text.remove_prefix(length);
        ++characters;
    }
    return shown;
}
