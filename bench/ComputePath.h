// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

// How the bench computes its noise: sample by sample (the reference), or
// many trials at a time in the vector lanes of one instruction set. Every
// path gives the same bits.
enum class ComputePath {
    Scalar,
    Sse2,
    Avx2,
    Avx512,
};

// Whether this CPU can run the path (Scalar and Sse2 always).
bool IsAvailable(ComputePath path);

// The fastest path this CPU can run.
ComputePath FastestComputePath();

// Every path this CPU can run, Scalar first.
std::vector<ComputePath> AvailableComputePaths();

std::string_view PathName(ComputePath path);
