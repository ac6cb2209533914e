// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/DetectorBench.h"
#include "sweep/lib/CurveTrials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

using namespace sweep;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

// However a curve's trials are divided, each piece jumps to where the
// bench's own run of trials stands and gives the same statistics, bit for bit.
TEST(CurveTrials, PiecesAreTheBenchsTrialsInARow)
{
    SweepSettings settings;
    settings.Signal1 = 2;
    settings.Signal2 = 3;
    for (Experiment experiment : theory::AllExperiments) {
        if (!CountsTrials(experiment))
            continue;
        std::vector<double> inARow(2500);
        DetectorBench bench(6502u);
        ASSERT_TRUE(bench.DecisionStatistics(BenchInputs(settings, experiment, 3.0, 0.0), inARow));

        std::vector<double> pieces(inARow.size());
        const std::pair<size_t, size_t> divisions[] = {{0, 1}, {1, 1000}, {1001, 1498}, {2499, 1}};
        for (const auto& [first, size] : divisions)
            CurveTrials(settings, experiment, 3.0, 6502u, static_cast<int64_t>(first),
                std::span(pieces).subspan(first, size));
        for (size_t i = 0; i < inARow.size(); ++i)
            ASSERT_TRUE(SameBits(pieces[i], inARow[i])) << theory::Describe(experiment).Name << " trial " << i;
    }
}

TEST(CurveTrials, CountsAboveEveryThresholdAreCountAboveForEach)
{
    std::vector<double> statistics;
    for (int i = 0; i < 300; ++i)
        statistics.push_back(std::round(std::sin(i * 0.37) * 20.0) / 4.0); // many ties
    statistics.insert(statistics.end(), {0.0, -0.0, 0.0, 1e300, -1e300});
    const std::vector<double> original = statistics;
    const std::vector<double> thresholds{2.5, -5.0, 0.0, -0.0, 2.5, std::nextafter(2.5, Infinity),
        std::nextafter(2.5, -Infinity), 1e300, -Infinity, Infinity, std::numeric_limits<double>::quiet_NaN(), 99.0};

    std::vector<int64_t> counts(thresholds.size(), 7); // added to what is there
    AddCountsAbove(statistics, thresholds, counts);
    for (size_t i = 0; i < thresholds.size(); ++i)
        EXPECT_EQ(counts[i], 7 + CountAbove(original, thresholds[i])) << "H " << thresholds[i];
    EXPECT_EQ(counts[8], 7 + 305); // -inf: all
    EXPECT_EQ(counts[11], 7 + 1);  // 99: only 1e300 is above
}
