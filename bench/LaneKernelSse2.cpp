// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline lane kernel: SSE2, which every x86-64 CPU has.

#include <emmintrin.h>

#include <cstdint>

#define LANE_TARGET

namespace {

struct Sse2 {
    using Ints = __m128i;
    using Reals = __m128d;
    static constexpr int32_t Width = 2;
    static constexpr int32_t Groups = 4;
    static constexpr bool HasMultiply64 = false;
    static constexpr bool HasConvert64 = false;

    static Ints Load(const uint64_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    static Ints Broadcast(uint64_t x) { return _mm_set1_epi64x(static_cast<long long>(x)); }
    static Ints Add(Ints a, Ints b) { return _mm_add_epi64(a, b); }
    static Ints Subtract(Ints a, Ints b) { return _mm_sub_epi64(a, b); }
    static Ints And(Ints a, Ints b) { return _mm_and_si128(a, b); }
    static Ints Or(Ints a, Ints b) { return _mm_or_si128(a, b); }
    template <int Bits>
    static Ints ShiftLeft(Ints a) { return _mm_slli_epi64(a, Bits); }
    template <int Bits>
    static Ints ShiftRight(Ints a) { return _mm_srli_epi64(a, Bits); }
    static Ints MultiplyHalves(Ints a, Ints b) { return _mm_mul_epu32(a, b); }

    static Reals LoadReal(const double* p) { return _mm_loadu_pd(p); }
    static void StoreReal(double* p, Reals x) { _mm_storeu_pd(p, x); }
    static Reals BroadcastReal(double x) { return _mm_set1_pd(x); }
    static Reals AddReal(Reals a, Reals b) { return _mm_add_pd(a, b); }
    static Reals SubtractReal(Reals a, Reals b) { return _mm_sub_pd(a, b); }
    static Reals MultiplyReal(Reals a, Reals b) { return _mm_mul_pd(a, b); }
    static Reals DivideReal(Reals a, Reals b) { return _mm_div_pd(a, b); }
    static Reals Negate(Reals a) { return _mm_xor_pd(a, _mm_set1_pd(-0.0)); }
    static Reals Reinterpret(Ints a) { return _mm_castsi128_pd(a); }
};

} // namespace

#include "LaneKernelBody.h"

const LaneKernel Sse2LaneKernel = KernelOf<Sse2>();
