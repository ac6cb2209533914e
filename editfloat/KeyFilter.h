// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// What the keystroke filter looks at besides the typed character.
struct KeyFilterState {
    bool expInp = false;            // exponent notation admitted
    double min = 0.0;               // lower limit: a minus needs min < 0 in plain mode
    std::string_view text;          // the whole text, selection included
    std::size_t selectionStart = 0; // first selected character, or the caret
    bool hasSelection = false;
    char separator = '.';           // locale decimal separator
};

constexpr char kBackspace = 8;

// Whether a typed single-byte character may reach the field.
bool KeyPassesFilter(char key, const KeyFilterState& state);
