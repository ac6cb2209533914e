// SPDX-License-Identifier: GPL-3.0-or-later
// The AVX2 lane kernel, chosen at run time where the CPU has AVX2.

#include <immintrin.h>

#include <cstdint>

#define LANE_TARGET __attribute__((target("avx2")))

namespace {

struct Avx2 {
    using Ints = __m256i;
    using Reals = __m256d;
    static constexpr int32_t Width = 4;
    static constexpr int32_t Groups = 2;
    static constexpr bool HasMultiply64 = false;
    static constexpr bool HasConvert64 = false;

    LANE_TARGET static Ints Load(const uint64_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    LANE_TARGET static Ints Broadcast(uint64_t x) { return _mm256_set1_epi64x(static_cast<long long>(x)); }
    LANE_TARGET static Ints Add(Ints a, Ints b) { return _mm256_add_epi64(a, b); }
    LANE_TARGET static Ints Subtract(Ints a, Ints b) { return _mm256_sub_epi64(a, b); }
    LANE_TARGET static Ints And(Ints a, Ints b) { return _mm256_and_si256(a, b); }
    LANE_TARGET static Ints Or(Ints a, Ints b) { return _mm256_or_si256(a, b); }
    template <int Bits>
    LANE_TARGET static Ints ShiftLeft(Ints a) { return _mm256_slli_epi64(a, Bits); }
    template <int Bits>
    LANE_TARGET static Ints ShiftRight(Ints a) { return _mm256_srli_epi64(a, Bits); }
    LANE_TARGET static Ints MultiplyHalves(Ints a, Ints b) { return _mm256_mul_epu32(a, b); }

    LANE_TARGET static Reals LoadReal(const double* p) { return _mm256_loadu_pd(p); }
    LANE_TARGET static void StoreReal(double* p, Reals x) { _mm256_storeu_pd(p, x); }
    LANE_TARGET static Reals BroadcastReal(double x) { return _mm256_set1_pd(x); }
    LANE_TARGET static Reals AddReal(Reals a, Reals b) { return _mm256_add_pd(a, b); }
    LANE_TARGET static Reals SubtractReal(Reals a, Reals b) { return _mm256_sub_pd(a, b); }
    LANE_TARGET static Reals MultiplyReal(Reals a, Reals b) { return _mm256_mul_pd(a, b); }
    LANE_TARGET static Reals DivideReal(Reals a, Reals b) { return _mm256_div_pd(a, b); }
    LANE_TARGET static Reals Negate(Reals a) { return _mm256_xor_pd(a, _mm256_set1_pd(-0.0)); }
    LANE_TARGET static Reals Reinterpret(Ints a) { return _mm256_castsi256_pd(a); }
};

} // namespace

#include "LaneKernelBody.h"

const LaneKernel Avx2LaneKernel = KernelOf<Avx2>();
