// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyFilter.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSeparatorKey(char key, char separator)
{
    return key == '.' || key == ',' || key == separator;
}

bool Contains(std::string_view text, char c)
{
    return text.find(c) != std::string_view::npos;
}

bool PassesPlain(char key, const KeyFilterState& state)
{
    const bool textHasMinus = Contains(state.text, '-');
    if (key == '-' && state.min < 0) {
        if (state.selectionStart != 0)
            return false;
        return state.hasSelection || !textHasMinus;
    }
    if (IsSeparatorKey(key, state.separator))
        return !Contains(state.text, '.') && !Contains(state.text, ',') && !Contains(state.text, state.separator);
    if (textHasMinus && state.selectionStart == 0)
        return false;
    return key == kBackspace || IsDigit(key);
}

bool PassesExponent(char key, char separator)
{
    return key == '-' || key == '+' || key == 'e' || key == 'E' || IsSeparatorKey(key, separator) ||
           key == kBackspace || IsDigit(key);
}

}  // namespace

bool KeyPassesFilter(char key, const KeyFilterState& state)
{
    return state.expInp ? PassesExponent(key, state.separator) : PassesPlain(key, state);
}
