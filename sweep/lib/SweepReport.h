// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sweep.h"

#include <string>
#include <vector>

namespace sweep {

// The sweep's results for people: one aligned block per experiment under a
// line naming the seed, the trials and the shapes.
std::string TableText(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results);

// The same results as CSV, one row per point, every row complete in itself.
std::string CsvText(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results);

} // namespace sweep
