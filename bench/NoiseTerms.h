// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <numbers>

// The arithmetic of one noise term, shared by the sample-by-sample noise
// source and the lane-parallel kernels so that both compute the same bits.
namespace noise_terms {

// A draw r gives the term (r mod Steps) * Resolution - Mean.
inline constexpr int32_t Steps = 100000;
inline constexpr double Resolution = 0.00001;
inline constexpr double Mean = 0.5;

// r mod Steps without a division: the quotient is (r * QuotientMultiplier)
// >> QuotientShift, exact for every draw (r < 2^31). The multiplier is 2^48
// / Steps rounded up; the tests check every r.
inline constexpr uint64_t QuotientMultiplier = 2814749768u;
inline constexpr int QuotientShift = 48;

constexpr uint32_t Remainder(uint32_t draw)
{
    const uint64_t quotient = (uint64_t{draw} * QuotientMultiplier) >> QuotientShift;
    return draw - static_cast<uint32_t>(quotient) * static_cast<uint32_t>(Steps);
}

// A sample is (Level * sum of the terms) / SquareRootOfTwo: the double
// nearest the square root of 2, the same bits as std::sqrt(2.0).
inline constexpr double SquareRootOfTwo = std::numbers::sqrt2;

} // namespace noise_terms
