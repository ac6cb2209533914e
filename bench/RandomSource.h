// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomJump.h"

#include <cstdint>

// The bench's uniform source: a 64-bit linear congruential generator. Each
// draw is bits 32 to 62 of the new state, a value from 0 to 2147483647.
class RandomSource {
public:
    void Seed(uint32_t seed)
    {
        const uint32_t low = seed * SeedMultiplier + 1u;
        State = low;
    }

    int32_t NextValue()
    {
        State = State * StepMultiplier + StepIncrement;
        return static_cast<int32_t>((State >> 32) & 0x7FFFFFFFu);
    }

    // The state map of `draws` draws.
    static constexpr StateMap Jump(uint64_t draws) { return StateMap{StepMultiplier, StepIncrement}.Repeated(draws); }

    // Moves the state on by `draws` draws without making them.
    void Skip(uint64_t draws) { State = Jump(draws).Apply(State); }

    static constexpr uint32_t SeedMultiplier = 22695477u;
    // High half 346 (0x15A), low half 20021 (0x4E35).
    static constexpr uint64_t StepMultiplier = (uint64_t{346} << 32) + 20021u;
    static constexpr uint64_t StepIncrement = 1u;

    // The state of Seed(0).
    uint64_t State = 1;
};
