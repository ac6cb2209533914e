// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/cli/Progress.h"

#include <gtest/gtest.h>

using namespace sweep;

using std::chrono::seconds;

TEST(Progress, PointsDoneTimeElapsedAndAnEstimateOnceAPointIsDone)
{
    EXPECT_EQ(ProgressText(0, 100, seconds(0)), "0 of 100 points, 0:00 elapsed");
    EXPECT_EQ(ProgressText(25, 100, seconds(75)), "25 of 100 points, 1:15 elapsed, about 3:45 left");
    EXPECT_EQ(ProgressText(1, 100000, seconds(3)), "1 of 100000 points, 0:03 elapsed, about 83:19:57 left");
    EXPECT_EQ(ProgressText(7, 7, seconds(3725)), "7 of 7 points, 1:02:05 elapsed");
}
