// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/Excerpt.h"

#include <gtest/gtest.h>

// What a message quotes is short and plain whatever the text holds.
TEST(Excerpt, QuotesShortAndPlain)
{
    const struct {
        std::string text;
        std::size_t most;
        std::string shown;
    } rows[] = {
        {"", 40, ""},
        {"отказ", 40, "отказ"},
        {"0.777", 3, "0.7…"},
        {"абвгд", 2, "аб…"},
        {"line\nFAKE: every row reproduces\r", 40, "line\\nFAKE: every row reproduces\\r"},
        {"\x1b[2J\x1b]0;title\x07", 40, "\\x1b[2J\\x1b]0;title\\x07"},
        {"\t\x7f", 40, "\\t\\x7f"},
        {"\xc2\x85", 40, "\\x85"},
        {"a\u202eb", 40, "a\\u202eb"},
        {"\xff\xfe", 40, "\\xff\\xfe"},
        {"\xd0", 40, "\\xd0"},
        {"\xe0\x80\x80", 40, "\\xe0\\x80\\x80"},
        {"\xed\xa0\x80", 40, "\\xed\\xa0\\x80"},
        {"😀x", 1, "😀…"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Excerpt(row.text, row.most), row.shown) << row.text;
    // Sixty mebibytes give forty characters and the mark of the cut.
    EXPECT_EQ(Excerpt(std::string(60u << 20, 'x')), std::string(40, 'x') + "…");
}
