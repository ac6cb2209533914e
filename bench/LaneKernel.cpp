// SPDX-License-Identifier: GPL-3.0-or-later
#include "LaneKernel.h"

const LaneKernel* LaneKernelFor(ComputePath path)
{
    if (!IsAvailable(path))
        return nullptr;
    switch (path) {
    case ComputePath::Scalar: return nullptr;
    case ComputePath::Sse2: return &Sse2LaneKernel;
    case ComputePath::Avx2: return &Avx2LaneKernel;
    case ComputePath::Avx512: return &Avx512LaneKernel;
    }
    return nullptr;
}
