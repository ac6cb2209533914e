// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A text from outside (a cell of a file, a file name, a value typed on the
// command line) as a message quotes it: at most `most` characters, "…"
// where it was cut, and every control character, every character that
// turns the direction of text, and every byte that is not UTF-8 shown
// escaped (\n, \t, \x1b, \u202e). However long the text and whatever it
// holds, the message stays short and prints as plain text.
std::string Excerpt(std::string_view text, std::size_t most = 40);
