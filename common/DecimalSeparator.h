// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The decimal separator of the user's locale: one single-byte character, read
// once from the system locale on first use ('.' where the locale gives none,
// or gives one that is not a single byte). Tests set it explicitly.
char LocaleDecimalSeparator();
void SetLocaleDecimalSeparator(char separator);
