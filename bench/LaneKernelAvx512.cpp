// SPDX-License-Identifier: GPL-3.0-or-later
// The AVX-512 lane kernel (foundation and DQ: a native 64-bit multiply and
// conversion to double), chosen at run time where the CPU has both.

#include <immintrin.h>

#include <cstdint>

// g++ 12's AVX-512 headers pass a deliberately undefined vector to the
// masked builtins behind the plain intrinsics, which -Wmaybe-uninitialized
// (and, in the sanitizer build, -Wuninitialized) mistakes for a read of an
// uninitialised value.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"

#define LANE_TARGET __attribute__((target("avx512f,avx512dq")))

namespace {

struct Avx512 {
    using Ints = __m512i;
    using Reals = __m512d;
    static constexpr int32_t Width = 8;
    static constexpr int32_t Groups = 2;
    static constexpr bool HasMultiply64 = true;
    static constexpr bool HasConvert64 = true;

    LANE_TARGET static Ints Load(const uint64_t* p) { return _mm512_loadu_si512(p); }
    LANE_TARGET static Ints Broadcast(uint64_t x) { return _mm512_set1_epi64(static_cast<long long>(x)); }
    LANE_TARGET static Ints Add(Ints a, Ints b) { return _mm512_add_epi64(a, b); }
    LANE_TARGET static Ints Subtract(Ints a, Ints b) { return _mm512_sub_epi64(a, b); }
    LANE_TARGET static Ints And(Ints a, Ints b) { return _mm512_and_si512(a, b); }
    template <int Bits>
    LANE_TARGET static Ints ShiftRight(Ints a) { return _mm512_srli_epi64(a, Bits); }
    LANE_TARGET static Ints MultiplyHalves(Ints a, Ints b) { return _mm512_mul_epu32(a, b); }
    LANE_TARGET static Ints Multiply64(Ints a, Ints b) { return _mm512_mullo_epi64(a, b); }
    LANE_TARGET static Reals ToReal(Ints a) { return _mm512_cvtepi64_pd(a); }

    LANE_TARGET static Reals LoadReal(const double* p) { return _mm512_loadu_pd(p); }
    LANE_TARGET static void StoreReal(double* p, Reals x) { _mm512_storeu_pd(p, x); }
    LANE_TARGET static Reals BroadcastReal(double x) { return _mm512_set1_pd(x); }
    LANE_TARGET static Reals AddReal(Reals a, Reals b) { return _mm512_add_pd(a, b); }
    LANE_TARGET static Reals SubtractReal(Reals a, Reals b) { return _mm512_sub_pd(a, b); }
    LANE_TARGET static Reals MultiplyReal(Reals a, Reals b) { return _mm512_mul_pd(a, b); }
    LANE_TARGET static Reals DivideReal(Reals a, Reals b) { return _mm512_div_pd(a, b); }
    LANE_TARGET static Reals Negate(Reals a) { return _mm512_xor_pd(a, _mm512_set1_pd(-0.0)); }
};

} // namespace

#include "LaneKernelBody.h"

const LaneKernel Avx512LaneKernel = KernelOf<Avx512>();
