// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Measurement.h"

#include <array>
#include <optional>

// The five exercises of the laboratory work, in the order they are reported.
// The numbers are stable: the sweep seeds its points from them.
enum class Exercise {
    NoisePower,
    Detection,
    FalseAlarms,
    Distinction1,
    Distinction2,
};

// The switch positions that choose each exercise; the other seven of the
// twelve combinations are refused.
struct ExerciseSwitches {
    Exercise Id;
    SwitchConfiguration Switches;
};

inline constexpr std::array<ExerciseSwitches, 5> Exercises{{
    {Exercise::NoisePower, {2, 1, 1}},
    {Exercise::Detection, {0, 1, 0}},
    {Exercise::FalseAlarms, {2, 1, 0}},
    {Exercise::Distinction1, {0, 0, 0}},
    {Exercise::Distinction2, {1, 0, 0}},
}};

// The exercise the switches choose; none for a refused combination.
constexpr std::optional<Exercise> ExerciseChosenBy(const SwitchConfiguration& switches)
{
    for (const ExerciseSwitches& exercise : Exercises)
        if (exercise.Switches == switches)
            return exercise.Id;
    return std::nullopt;
}

constexpr SwitchConfiguration SwitchesOf(Exercise exercise)
{
    return Exercises[static_cast<std::size_t>(exercise)].Switches;
}

// The noise-power exercise reads the register; the other four count trials.
constexpr bool CountsTrials(Exercise exercise)
{
    return exercise != Exercise::NoisePower;
}

static_assert(
    [] {
        for (std::size_t i = 0; i < Exercises.size(); ++i)
            if (static_cast<std::size_t>(Exercises[i].Id) != i)
                return false;
        return true;
    }(),
    "SwitchesOf reads the table by the exercise's number");
