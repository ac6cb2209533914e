// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComputePath.h"

#include <array>

namespace {

constexpr std::array AllPaths{ComputePath::Scalar, ComputePath::Sse2, ComputePath::Avx2, ComputePath::Avx512};

} // namespace

bool IsAvailable(ComputePath path)
{
    // The bench's constructor asks before main, possibly before the run-time
    // has read the CPU's features itself.
    __builtin_cpu_init();
    switch (path) {
    case ComputePath::Scalar:
    case ComputePath::Sse2: return true;
    case ComputePath::Avx2: return __builtin_cpu_supports("avx2");
    case ComputePath::Avx512: return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
    }
    return false;
}

ComputePath FastestComputePath()
{
    static const ComputePath fastest = AvailableComputePaths().back();
    return fastest;
}

std::vector<ComputePath> AvailableComputePaths()
{
    std::vector<ComputePath> paths;
    for (const ComputePath path : AllPaths)
        if (IsAvailable(path))
            paths.push_back(path);
    return paths;
}

std::string_view PathName(ComputePath path)
{
    switch (path) {
    case ComputePath::Scalar: return "Scalar";
    case ComputePath::Sse2: return "Sse2";
    case ComputePath::Avx2: return "Avx2";
    case ComputePath::Avx512: return "Avx512";
    }
    return "?";
}
