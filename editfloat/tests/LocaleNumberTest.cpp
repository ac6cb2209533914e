// SPDX-License-Identifier: GPL-3.0-or-later
#include "editfloat/LocaleNumber.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <string>

namespace {

struct Reading {
    const char* text;
    char separator;
    std::optional<double> number;
};

const Reading kReadings[] = {
    {"0", '.', 0.0},
    {"1", '.', 1.0},
    {"1.5", '.', 1.5},
    {"1,5", ',', 1.5},
    {"  +12.25  ", '.', 12.25},
    {"-3", '.', -3.0},
    {"007", '.', 7.0},
    {".5", '.', 0.5},
    {"5.", '.', 5.0},
    {".", '.', 0.0},
    {",", ',', 0.0},
    {"-.", '.', -0.0},
    {"1e", '.', 1.0},
    {"1E+", '.', 1.0},
    {"2e3", '.', 2000.0},
    {"2.5E-2", '.', 0.025},
    {"-1,5e+1", ',', -15.0},
    {".e5", '.', 0.0},
    {"1e0003", '.', 1000.0},
    {"1.7976931348623157e308", '.', DBL_MAX},
    {"1e-400", '.', 0.0},
    {"-1e-400", '.', -0.0},
    {"5e-324", '.', 4.9406564584124654e-324},
    {"0e999999999999999999999", '.', 0.0},
    {"0.0001e-330", '.', 0.0},
    {"10000e-330", '.', 0.0},
    {"0.001e311", '.', 1e308},
    // no number
    {"", '.', std::nullopt},
    {"   ", '.', std::nullopt},
    {"+", '.', std::nullopt},
    {"-", '.', std::nullopt},
    {"e5", '.', std::nullopt},
    {"1.5", ',', std::nullopt},
    {"1,5", '.', std::nullopt},
    {"1.2.5", '.', std::nullopt},
    {"1,2.5", ',', std::nullopt},
    {"1 000", '.', std::nullopt},
    {"1'000", '.', std::nullopt},
    {"- 1", '.', std::nullopt},
    {"1 e5", '.', std::nullopt},
    {"1e 5", '.', std::nullopt},
    {"1e5.5", '.', std::nullopt},
    {"1e+-5", '.', std::nullopt},
    {"--1", '.', std::nullopt},
    {"+-1", '.', std::nullopt},
    {"inf", '.', std::nullopt},
    {"nan", '.', std::nullopt},
    {"0x10", '.', std::nullopt},
    {"1\t", '.', std::nullopt},
    {"1e400", '.', std::nullopt},
    {"-1e400", '.', std::nullopt},
    {"1.7976931348623159e308", '.', std::nullopt},
    {"1e99999999999999999999", '.', std::nullopt},
    {"0.0001e313", '.', std::nullopt},
};

TEST(ReadLocaleNumber, FollowsTheGrammar)
{
    for (const Reading& reading : kReadings) {
        SCOPED_TRACE(std::string("text \"") + reading.text + "\" separator '" + reading.separator + "'");
        const auto number = ReadLocaleNumber(reading.text, reading.separator);
        ASSERT_EQ(number.has_value(), reading.number.has_value());
        if (number) {
            EXPECT_EQ(*number, *reading.number);
            EXPECT_EQ(std::signbit(*number), std::signbit(*reading.number));
        }
    }
}

TEST(ReadLocaleNumber, LongDigitStringsReadCorrectlyRounded)
{
    const std::string third = "0." + std::string(2000, '3');
    EXPECT_EQ(ReadLocaleNumber(third, '.'), 1.0 / 3.0);
    EXPECT_EQ(ReadLocaleNumber(std::string(400, '9'), '.'), std::nullopt);
    EXPECT_EQ(ReadLocaleNumber(std::string(300, '9'), '.'), 1e300);
}

TEST(ReadLocaleNumber, BytesOutsideTheNotationAreNoNumber)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const bool part = (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E';
        if (part)
            continue;
        SCOPED_TRACE(byte);
        EXPECT_EQ(ReadLocaleNumber(std::string("1") + c + "2", '.'), std::nullopt);
    }
}

struct Correction {
    std::string text;
    std::optional<std::size_t> position;
};

TEST(SeparatorToCorrect, FindsTheFirstPointOrCommaWithinTheScannedPart)
{
    const Correction corrections[] = {
        {"", std::nullopt},
        {"12", std::nullopt},
        {"1.5", 1},
        {"1,5", 1},
        {",1.5", 0},
        {"1.2,5", 1},
        {std::string(3000, '1') + ".", 3000},
        {std::string(3001, '1') + ".", std::nullopt},
    };
    for (const Correction& c : corrections) {
        SCOPED_TRACE(c.text.substr(0, 20));
        EXPECT_EQ(SeparatorToCorrect(c.text), c.position);
    }
}

}  // namespace
