// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled with -O3 so that the exhaustive loop is vectorised: all 2^31
// draws in about a second.

#include "bench/NoiseTerms.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

// The lane kernels form r mod 100000 by a multiply and a shift. Checked for
// every value a draw can take, a run of 100000 at a time, whose remainders
// are 0 to 99999 in order.
TEST(NoiseTermsTest, RemainderByMultiplyHoldsForEveryDraw)
{
    constexpr uint32_t LargestDraw = 0x7FFFFFFFu;
    constexpr uint32_t Steps = noise_terms::Steps;
    uint64_t wrong = 0;
    for (uint32_t run = 0; run <= LargestDraw / Steps; ++run) {
        const uint32_t first = run * Steps;
        const uint32_t count = run == LargestDraw / Steps ? LargestDraw - first + 1 : Steps;
        uint32_t wrongInRun = 0;
        for (uint32_t k = 0; k < count; ++k)
            wrongInRun += noise_terms::Remainder(first + k) != k;
        wrong += wrongInRun;
    }
    EXPECT_EQ(wrong, 0u);
}

TEST(NoiseTermsTest, SquareRootOfTwoIsTheLibrarys)
{
    EXPECT_EQ(std::bit_cast<uint64_t>(noise_terms::SquareRootOfTwo), std::bit_cast<uint64_t>(std::sqrt(2.0)));
}

} // namespace
