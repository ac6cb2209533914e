// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Shown {
    double value;
    const char* percentG;
    const char* general15;
};

const Shown kShown[] = {
    {0.0, "0", "0"},
    {1.0, "1", "1"},
    {-0.0, "-0", "-0"},
    {500.0, "500", "500"},
    {1.5, "1.5", "1,5"},
    {3.14159265, "3.14159", "3,14159265"},
    {1.234567, "1.23457", "1,234567"},
    {1234567.0, "1.23457e+06", "1234567"},
    {123456.0, "123456", "123456"},
    {999999.5, "1e+06", "999999,5"},
    {0.0001234, "0.0001234", "0,0001234"},
    {0.00001234, "1.234e-05", "1,234e-05"},
    {0.1, "0.1", "0,1"},
    {1.0 / 3.0, "0.333333", "0,333333333333333"},
    {1e15, "1e+15", "1e+15"},
    {123456789012345.0, "1.23457e+14", "123456789012345"},
    {-DBL_MAX, "-1.79769e+308", "-1,79769313486232e+308"},
    {4.9406564584124654e-324, "4.94066e-324", "4,94065645841247e-324"},
};

TEST(NumberText, PercentGAndFifteenDigits)
{
    for (const Shown& shown : kShown) {
        SCOPED_TRACE(shown.percentG);
        EXPECT_EQ(PercentGText(shown.value), shown.percentG);
        EXPECT_EQ(General15Text(shown.value, ','), shown.general15);
    }
}

// Values where a formatter can go wrong: ties and near-ties in decimal
// (rounded from the exact binary value), carries into a new digit, the ends
// of the range, subnormals, negative zero, infinities and NaN.
const double kTricky[] = {
    0.0, -0.0, 1.0, -1.0, 0.125, 0.375, 2.5, -2.5, 0.5, 1.5, 0.045, 1.005, 12.5, -3.25, 9.5, 0.95,
    0.9999999, 9.99999995, 99.995, 999999.5, 1234.5, 1.0 / 3.0, 2.0 / 3.0, -0.00012, 5e-8, 0.00001234,
    123456789.987654321, 1e15, 1e16, 1e21, 1e22, 9.999999e22, 1e300, DBL_MAX, -DBL_MAX, DBL_MIN,
    2.2250738585072009e-308, 4.9406564584124654e-324, -4.9406564584124654e-324, 1e-310,
    std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
};

// What printf makes of the value; this process keeps the "C" locale.
std::string Printf(const char* format, int precision, double value)
{
    std::vector<char> text(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, precision, value)) + 1);
    std::snprintf(text.data(), text.size(), format, precision, value);
    return text.data();
}

TEST(NumberText, SameAsPrintfInTheCLocale)
{
    for (const double value : kTricky) {
        SCOPED_TRACE(Printf("%.*g", 17, value));
        for (int decimals = 0; decimals <= 7; ++decimals)
            EXPECT_EQ(FixedText(value, decimals), Printf("%.*f", decimals, value)) << decimals;
        EXPECT_EQ(ExponentText(value, 6), Printf("%.*e", 6, value));
        EXPECT_EQ(PercentGText(value), Printf("%.*g", 6, value));
        EXPECT_EQ(GeneralText(value, 15), Printf("%.*g", 15, value));
    }
}

TEST(NumberText, ShortestTextReadsBackAsTheSameDouble)
{
    for (const double value : kTricky) {
        if (std::isnan(value))
            continue;
        const std::string text = ShortestText(value);
        double back = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(value)) << text;
    }
    EXPECT_EQ(ShortestText(0.3), "0.3");
    EXPECT_EQ(ShortestText(1e-05), "1e-05");
    EXPECT_EQ(ShortestText(50.0), "50");
}

TEST(NumberText, OnlyTheFirstPointTakesTheSeparator)
{
    EXPECT_EQ(WithDecimalSeparator("-1.5e+03", ','), "-1,5e+03");
    EXPECT_EQ(WithDecimalSeparator("42", ','), "42");
    EXPECT_EQ(WithDecimalSeparator("1.2.3", ','), "1,2.3");
}

TEST(NumberText, SeedsAreDecimalDigitsWithinThirtyTwoBits)
{
    EXPECT_EQ(SeedFromText("0"), 0u);
    EXPECT_EQ(SeedFromText("4294967295"), 4294967295u);
    for (const char* text : {"", "4294967296", "-1", "+1", " 1", "1 ", "0x10", "1e3", "12a"})
        EXPECT_EQ(SeedFromText(text), std::nullopt) << text;
}

}  // namespace
