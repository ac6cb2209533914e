// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A map of the random state, state -> Multiplier * state + Increment modulo
// 2^64. One draw of the source is such a map; so is any number of draws,
// which lets a computation start many draws ahead without making them.
struct StateMap {
    uint64_t Multiplier = 1;
    uint64_t Increment = 0;

    constexpr uint64_t Apply(uint64_t state) const { return Multiplier * state + Increment; }

    // This map, then `next`.
    constexpr StateMap Then(const StateMap& next) const
    {
        return {next.Multiplier * Multiplier, next.Multiplier * Increment + next.Increment};
    }

    // `times` applications of this map, by repeated squaring.
    constexpr StateMap Repeated(uint64_t times) const
    {
        StateMap result;
        StateMap power = *this;
        for (; times != 0; times >>= 1) {
            if (times & 1u)
                result = result.Then(power);
            power = power.Then(power);
        }
        return result;
    }
};
