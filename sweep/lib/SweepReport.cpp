// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepReport.h"

#include "common/text/NumberText.h"

#include <algorithm>

namespace sweep {

namespace {

using Row = std::vector<std::string>;

// Right-aligns every column but the last, which is left as it is.
std::string Aligned(const std::vector<Row>& rows)
{
    std::vector<size_t> widths;
    for (const Row& row : rows)
        for (size_t c = 0; c < row.size(); ++c) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[c] = std::max(widths[c], row[c].size());
        }
    std::string text;
    for (const Row& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                line += "  ";
            if (c + 1 < row.size())
                line += std::string(widths[c] - row[c].size(), ' ');
            line += row[c];
        }
        text += line + '\n';
    }
    return text;
}

constexpr const char* NoTheory = "n/a";

std::string Verdict(const PointResult& result)
{
    if (!result.TheoryApplies)
        return NoTheory;
    return result.Consistent ? "consistent" : "INCONSISTENT";
}

std::string TheoryText(const PointResult& result, int decimals)
{
    return result.TheoryApplies ? FixedText(result.Theory, decimals) : NoTheory;
}

std::string CountingBlock(const std::vector<const PointResult*>& results)
{
    std::vector<Row> rows{{"K", "H", "counter", "trials", "frequency", "low 95%", "high 95%", "theory",
        "mean", "sd", "verdict"}};
    for (const PointResult* r : results)
        rows.push_back({ShortestText(r->Point.Gain), ShortestText(r->Point.Threshold),
            std::to_string(r->Counter), std::to_string(r->Trials), FixedText(r->Observed, 4),
            FixedText(r->Range.Low, 4), FixedText(r->Range.High, 4), TheoryText(*r, 4),
            FixedText(r->ModelMean, 3), FixedText(r->ModelSpread, 3), Verdict(*r)});
    return Aligned(rows);
}

std::string ReadingBlock(const std::vector<const PointResult*>& results)
{
    std::vector<Row> rows{{"K", "runs", "reading", "low 95%", "high 95%", "theory", "spread", "verdict"}};
    for (const PointResult* r : results)
        rows.push_back({ShortestText(r->Point.Gain), std::to_string(r->Trials), FixedText(r->Observed, 3),
            FixedText(r->Range.Low, 3), FixedText(r->Range.High, 3), TheoryText(*r, 3),
            FixedText(r->ModelSpread, 3), Verdict(*r)});
    return Aligned(rows);
}

} // namespace

std::string TableText(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results)
{
    std::string text = "seed " + std::to_string(baseSeed) + ", " + std::to_string(settings.Trials)
        + " trials per point, signal 1 shape " + std::to_string(settings.Signal1) + ", signal 2 shape "
        + std::to_string(settings.Signal2) + '\n';
    for (Experiment experiment : settings.Experiments) {
        std::vector<const PointResult*> block;
        for (const PointResult& result : results)
            if (result.Point.Kind == experiment)
                block.push_back(&result);
        const theory::ExperimentInfo& info = theory::Describe(experiment);
        text += '\n' + std::string(info.Name) + " (switches " + theory::SwitchPositions(experiment) + "): "
            + std::string(info.Event) + '\n';
        text += CountsTrials(experiment) ? CountingBlock(block) : ReadingBlock(block);
    }
    const auto consistent = std::count_if(results.begin(), results.end(),
        [](const PointResult& r) { return r.Consistent; });
    const auto modelled = std::count_if(results.begin(), results.end(),
        [](const PointResult& r) { return r.TheoryApplies; });
    text += '\n' + std::to_string(consistent) + " of " + std::to_string(modelled)
        + " points agree with theory at the 95% level; about one point in twenty falls outside by chance alone.\n";
    if (modelled < static_cast<std::ptrdiff_t>(results.size()))
        text += std::to_string(results.size() - static_cast<size_t>(modelled))
            + " points have no theory (n/a): their noise is finer than doubles resolve at the noiseless output.\n";
    return text;
}

std::string CsvText(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results)
{
    std::string text = "experiment,switches,signal1,signal2,gain,threshold,trials,counter,reading,observed,"
                       "low95,high95,theory,model_mean,model_sd,consistent,seed,curve_seed\n";
    for (const PointResult& r : results) {
        const bool counts = CountsTrials(r.Point.Kind);
        const Row fields{std::string(theory::Describe(r.Point.Kind).Name), theory::SwitchPositions(r.Point.Kind),
            std::to_string(settings.Signal1), std::to_string(settings.Signal2), ShortestText(r.Point.Gain),
            counts ? ShortestText(r.Point.Threshold) : "", std::to_string(r.Trials),
            counts ? std::to_string(r.Counter) : "", counts ? "" : ShortestText(r.Reading),
            ShortestText(r.Observed), ShortestText(r.Range.Low), ShortestText(r.Range.High),
            r.TheoryApplies ? ShortestText(r.Theory) : NoTheory, ShortestText(r.ModelMean),
            ShortestText(r.ModelSpread), r.TheoryApplies ? (r.Consistent ? "yes" : "no") : NoTheory,
            std::to_string(baseSeed), std::to_string(r.Point.Seed)};
        for (size_t i = 0; i < fields.size(); ++i)
            text += (i ? "," : "") + fields[i];
        text += '\n';
    }
    return text;
}

} // namespace sweep
