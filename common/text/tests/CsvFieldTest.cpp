// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/CsvField.h"

#include <gtest/gtest.h>

// A field is quoted only for its own separator, a quote or a line break.
TEST(CsvField, QuotesWhatWouldBreakTheLine)
{
    const struct {
        std::string field;
        char separator;
        std::string written;
    } rows[] = {
        {"0,25", ';', "0,25"},
        {"0,25", ',', "\"0,25\""},
        {"a;b", ';', "\"a;b\""},
        {"a;b", ',', "a;b"},
        {"say \"hi\"", ',', "\"say \"\"hi\"\"\""},
        {"two\nlines", ';', "\"two\nlines\""},
        {"cr\r", ',', "\"cr\r\""},
        {"", ',', ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CsvField(row.field, row.separator), row.written) << row.field << ' ' << row.separator;
}
