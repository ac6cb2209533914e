// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Accumulator.h"

#include <array>
#include <cstdint>

// Correlates the most recent Length() inputs with the reference of one
// SignalShape. The output is a running sum that each Step corrects by the
// few terms that change, so a step costs the same at any length.
//
// The delay line is kept as a ring: slot k (the input k + 1 steps back) sits
// k places after the newest input, wrapping at Length().
class MatchedFilter {
public:
    static constexpr int32_t MaxLength = 200;
    static constexpr int32_t DelaySlots = 210;
    // Shapes 2 and 4 read slot Length / 2 - 1, so a filter has two taps at least.
    static constexpr int32_t MinLength = 2;

    // The requested length is clamped to MinLength .. MaxLength.
    MatchedFilter(int32_t shape, int32_t requestedLength);

    // Clears the slots in use and the output.
    void Reset();

    // Feeds one input and returns the new output. A shape outside 1 to 4
    // changes nothing and returns the output as it was.
    double Step(double x);

    // Pushes one input into the delay line; the oldest one falls out.
    void Shift(double x);

    int32_t Length() const { return length_; }

    // Slot k of the delay line, the input k + 1 steps back; 0.0 outside
    // 0 .. Length() - 1.
    double Delayed(int32_t slot) const;

    Accumulator Output;
    int32_t Shape;

private:
    double Slot(int32_t slot) const;

    std::array<double, DelaySlots> delayLine_{};
    int32_t length_;
    int32_t newest_ = 0;
};
