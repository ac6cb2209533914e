// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/Exercises.h"

#include <gtest/gtest.h>

namespace {

// The five exercises of the course and the positions (1-based, as the
// switch dialog shows them) that choose them; every other combination of
// the twelve is refused.
struct Chosen {
    Exercise exercise;
    int k1, k2, k3;
};

constexpr Chosen kCourse[] = {
    {Exercise::Distinction1, 1, 1, 1},
    {Exercise::Detection, 1, 2, 1},
    {Exercise::Distinction2, 2, 1, 1},
    {Exercise::FalseAlarms, 3, 2, 1},
    {Exercise::NoisePower, 3, 2, 2},
};

TEST(ExercisesTest, EachOfTheTwelveCombinationsChoosesItsExerciseOrNone)
{
    int chosen = 0;
    for (int k1 = 1; k1 <= 3; ++k1)
        for (int k2 = 1; k2 <= 2; ++k2)
            for (int k3 = 1; k3 <= 2; ++k3) {
                SCOPED_TRACE(testing::Message() << k1 << ' ' << k2 << ' ' << k3);
                const SwitchConfiguration switches{k1 - 1, k2 - 1, k3 - 1};
                std::optional<Exercise> expected;
                for (const Chosen& course : kCourse)
                    if (course.k1 == k1 && course.k2 == k2 && course.k3 == k3)
                        expected = course.exercise;
                EXPECT_EQ(ExerciseChosenBy(switches), expected);
                if (expected) {
                    EXPECT_EQ(SwitchesOf(*expected), switches);
                    ++chosen;
                }
            }
    EXPECT_EQ(chosen, 5);
}

}  // namespace
