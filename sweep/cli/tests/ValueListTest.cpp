// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/cli/ValueList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sweep;

TEST(ValueList, NumbersListsAndRanges)
{
    const struct {
        const char* text;
        std::vector<double> values;
    } rows[] = {
        {"1", {1.0}},
        {"-2.5", {-2.5}},
        {"+3", {3.0}},
        {"1e2", {100.0}},
        {".5", {0.5}},
        {"0.5,1,2", {0.5, 1.0, 2.0}},
        {"2,1,2", {2.0, 1.0, 2.0}},
        {"-10:10:5", {-10.0, -5.0, 0.0, 5.0, 10.0}},
        {"1:1:1", {1.0}},
        {"0:1:0.3", {0.0, 0.3, 0.6, 0.9}},
        {"0:0.3:0.1", {0.0, 0.1, 0.2, 0.3}},
        {"100000000000000:100000000000002:1", {1e14, 1e14 + 1, 1e14 + 2}},
        {"-0.7:-0.5:0.1", {-0.7, -0.6, -0.5}},
    };
    for (const auto& row : rows) {
        const ValueList list = ParseValueList(row.text, 1000);
        EXPECT_EQ(list.Error, "") << row.text;
        EXPECT_EQ(list.Values, row.values) << row.text;
    }
}

TEST(ValueList, RangeStepsLandOnRoundValuesAndReachTheStop)
{
    const ValueList tenths = ParseValueList("0:1:0.1", 1000);
    ASSERT_EQ(tenths.Values.size(), 11u);
    EXPECT_EQ(tenths.Values[3], 0.3);
    EXPECT_EQ(tenths.Values[7], 0.7);
    EXPECT_EQ(tenths.Values.back(), 1.0);
    const ValueList hundred = ParseValueList("0:100:1", 1000);
    ASSERT_EQ(hundred.Values.size(), 101u);
    EXPECT_EQ(hundred.Values.back(), 100.0);
    EXPECT_EQ(ParseValueList("0:9.99:0.01", 2000).Values.size(), 1000u);
}

TEST(ValueList, EveryFlawGetsOneLine)
{
    for (const char* text : {"", "abc", "1,,2", "1,", ",1", "1:2", "1:2:3:4", "2:1:1", "0:1:0", "0:1:-1",
             "inf", "-inf", "nan", "1e999", "+-1", "--1", " 1", "1 ", "0x10", "1,5", "0:1e9:1e-9", "1:x:1",
             "0:1e308:1e-308"}) {
        const ValueList list = ParseValueList(text, 1000);
        if (std::string(text) == "1,5") {
            EXPECT_EQ(list.Values, (std::vector<double>{1.0, 5.0})); // a comma separates, never a decimal
            continue;
        }
        EXPECT_FALSE(list.Error.empty()) << text;
        EXPECT_EQ(list.Error.find('\n'), std::string::npos) << text;
        EXPECT_TRUE(list.Values.empty()) << text;
    }
    EXPECT_NE(ParseValueList("2:1:1", 10).Error.find("reversed"), std::string::npos);
    EXPECT_NE(ParseValueList("0:100:1", 100).Error.find("more than 100"), std::string::npos);
    EXPECT_EQ(ParseValueList("0:99:1", 100).Values.size(), 100u);
    EXPECT_NE(ParseValueList("1,2,3", 2).Error.find("more than 2"), std::string::npos);
}
