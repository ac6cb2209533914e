// SPDX-License-Identifier: GPL-3.0-or-later
#include "editfloat/KeyFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KeyCase {
    const char* name;
    bool expInp;
    double min;
    const char* text;
    std::size_t selectionStart;
    bool hasSelection;
    char separator;
    char key;
    bool passes;
};

constexpr bool kPlain = false;
constexpr bool kExp = true;
constexpr bool kSel = true;
constexpr bool kCaret = false;

const KeyCase kCases[] = {
    // plain mode, the main window's fields (Min 0)
    {"digit into empty", kPlain, 0, "", 0, kCaret, '.', '7', true},
    {"digit at the end", kPlain, 0, "12", 2, kCaret, '.', '3', true},
    {"digit over a selection", kPlain, 0, "12", 0, kSel, '.', '3', true},
    {"minus with Min 0", kPlain, 0, "", 0, kCaret, '.', '-', false},
    {"minus with Min 0 before digits", kPlain, 0, "5", 0, kCaret, '.', '-', false},
    {"plus", kPlain, 0, "", 0, kCaret, '.', '+', false},
    {"e", kPlain, 0, "1", 1, kCaret, '.', 'e', false},
    {"E", kPlain, 0, "1", 1, kCaret, '.', 'E', false},
    {"letter", kPlain, 0, "", 0, kCaret, '.', 'a', false},
    {"space", kPlain, 0, "1", 1, kCaret, '.', ' ', false},
    {"enter", kPlain, 0, "1", 1, kCaret, '.', '\r', false},
    {"escape", kPlain, 0, "1", 1, kCaret, '.', '\x1b', false},
    {"ctrl+v as a character", kPlain, 0, "1", 1, kCaret, '.', '\x16', false},
    {"delete as a character", kPlain, 0, "1", 1, kCaret, '.', '\x7f', false},
    {"latin-1 letter", kPlain, 0, "1", 1, kCaret, '.', '\xe9', false},
    {"backspace", kPlain, 0, "12", 2, kCaret, '.', kBackspace, true},
    {"backspace at position 0", kPlain, 0, "12", 0, kCaret, '.', kBackspace, true},
    // separators: any of '.', ',' and the locale one blocks all three
    {"point into digits", kPlain, 0, "12", 2, kCaret, '.', '.', true},
    {"comma in a point locale", kPlain, 0, "12", 2, kCaret, '.', ',', true},
    {"point in a comma locale", kPlain, 0, "12", 2, kCaret, ',', '.', true},
    {"locale separator", kPlain, 0, "12", 1, kCaret, ';', ';', true},
    {"second point", kPlain, 0, "1.5", 3, kCaret, '.', '.', false},
    {"comma after point", kPlain, 0, "1.5", 3, kCaret, '.', ',', false},
    {"point after comma", kPlain, 0, "1,5", 3, kCaret, ',', '.', false},
    {"point when the text holds the locale separator", kPlain, 0, "1;5", 3, kCaret, ';', '.', false},
    {"separator over a selected separator", kPlain, 0, "1.5", 0, kSel, '.', '.', false},
    {"comma over a selected separator", kPlain, 0, "1.5", 0, kSel, ',', ',', false},
    // a minus with Min below 0
    {"minus into empty", kPlain, -10, "", 0, kCaret, '.', '-', true},
    {"minus before digits", kPlain, -10, "5", 0, kCaret, '.', '-', true},
    {"minus after a digit", kPlain, -10, "5", 1, kCaret, '.', '-', false},
    {"second minus at 0", kPlain, -10, "-5", 0, kCaret, '.', '-', false},
    {"second minus at 1", kPlain, -10, "-5", 1, kCaret, '.', '-', false},
    {"minus over the whole text", kPlain, -10, "-5", 0, kSel, '.', '-', true},
    {"minus over a selection not at 0", kPlain, -10, "-5", 1, kSel, '.', '-', false},
    {"digit over a selection from 0 with minus", kPlain, -10, "-5", 0, kSel, '.', '3', false},
    {"backspace over a selection from 0 with minus", kPlain, -10, "-5", 0, kSel, '.', kBackspace, false},
    {"digit in front of a minus", kPlain, -10, "-5", 0, kCaret, '.', '3', false},
    {"separator in front of a minus", kPlain, -10, "-5", 0, kCaret, '.', '.', true},
    {"digit after a minus", kPlain, -10, "-5", 1, kCaret, '.', '3', true},
    {"backspace after a minus", kPlain, -10, "-5", 2, kCaret, '.', kBackspace, true},
    {"backspace at 0 with a minus", kPlain, -10, "-5", 0, kCaret, '.', kBackspace, false},
    {"minus with Min 0 in front of a minus", kPlain, 0, "-5", 0, kCaret, '.', '-', false},
    // exponent mode: the notation's characters pass anywhere, however often
    {"exp minus with Min 0", kExp, 0, "", 0, kCaret, '.', '-', true},
    {"exp minus inside", kExp, 0, "1-2", 1, kCaret, '.', '-', true},
    {"exp plus", kExp, 0, "1e", 2, kCaret, '.', '+', true},
    {"exp e", kExp, 0, "1e5", 1, kCaret, '.', 'e', true},
    {"exp E", kExp, 0, "", 0, kCaret, '.', 'E', true},
    {"exp second point", kExp, 0, "1.5", 3, kCaret, '.', '.', true},
    {"exp comma", kExp, 0, "1,5", 0, kCaret, '.', ',', true},
    {"exp locale separator", kExp, 0, "", 0, kCaret, ';', ';', true},
    {"exp digit in front of a minus", kExp, -10, "-5", 0, kCaret, '.', '7', true},
    {"exp backspace at 0 with a minus", kExp, -10, "-5", 0, kCaret, '.', kBackspace, true},
    {"exp letter", kExp, 0, "1", 1, kCaret, '.', 'x', false},
    {"exp space", kExp, 0, "1", 1, kCaret, '.', ' ', false},
    {"exp enter", kExp, 0, "1", 1, kCaret, '.', '\r', false},
    {"exp null", kExp, 0, "1", 1, kCaret, '.', '\0', false},
};

TEST(KeyPassesFilter, Table)
{
    for (const KeyCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const KeyFilterState state{c.expInp, c.min, c.text, c.selectionStart, c.hasSelection, c.separator};
        EXPECT_EQ(KeyPassesFilter(c.key, state), c.passes);
    }
}

TEST(KeyPassesFilter, PlainModeAdmitsOnlyDigitsSeparatorsMinusAndBackspace)
{
    const KeyFilterState state{false, -10, "", 0, false, '.'};
    for (int byte = 0; byte < 256; ++byte) {
        const char key = static_cast<char>(byte);
        const bool expected = (key >= '0' && key <= '9') || key == '.' || key == ',' || key == '-' || key == kBackspace;
        SCOPED_TRACE(byte);
        EXPECT_EQ(KeyPassesFilter(key, state), expected);
    }
}

}  // namespace
