// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A running sum: a filter's output, or the bench's sum of squares.
struct Accumulator {
    void Clear() { Value = 0.0; }
    void Add(double x) { Value = Value + x; }

    double Value = 0.0;
};
