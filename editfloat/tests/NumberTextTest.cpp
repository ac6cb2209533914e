#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

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

}  // namespace
