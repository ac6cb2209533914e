// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepSheet.h"

#include "common/version/Version.h"
#include "theory/Experiment.h"
#include "theory/TheoryComparison.h"

namespace sweep {

namespace {

using sheets::Cell;

constexpr int ReadingDecimals = 2;
constexpr int FrequencyDecimals = 4;
constexpr int FrequencyDigits = 4;
constexpr int ModelDigits = 4;
constexpr const char* NoValue = "—";

} // namespace

const std::vector<std::string>& SweepHeadings()
{
    static const std::vector<std::string> headings{"эксперимент", "ключи", "сигнал 1", "сигнал 2", "K", "H, мВ",
        "опытов (замеров)", "счётчик", "замер, мВ*мВ", "частота (замер)", "нижняя граница 95 %",
        "верхняя граница 95 %", "теория", "среднее статистики", "СКО статистики", "вердикт", "начальное число",
        "начальное число кривой"};
    return headings;
}

sheets::Row SweepSheetRow(const SweepSettings& settings, uint32_t baseSeed, const PointResult& r)
{
    const bool counts = CountsTrials(r.Point.Kind);
    const auto judged = [&](double value) {
        return counts ? Cell::OfNumber(value, FrequencyDecimals, FrequencyDigits) : Cell::OfNumber(value, ReadingDecimals);
    };
    return {Cell::OfText(std::string(theory::Describe(r.Point.Kind).RussianName)),
        Cell::OfText(theory::SwitchPositions(r.Point.Kind)), Cell::OfWhole(settings.Signal1),
        Cell::OfWhole(settings.Signal2), Cell::OfNumber(r.Point.Gain),
        counts ? Cell::OfNumber(r.Point.Threshold) : Cell{}, Cell::OfWhole(r.Trials),
        counts ? Cell::OfWhole(r.Counter) : Cell{}, counts ? Cell{} : Cell::OfNumber(r.Reading, ReadingDecimals),
        judged(r.Observed), judged(r.Range.Low), judged(r.Range.High),
        r.TheoryApplies ? judged(r.Theory) : Cell::OfText(NoValue), Cell::OfNumber(r.ModelMean, -1, ModelDigits),
        Cell::OfNumber(r.ModelSpread, -1, ModelDigits),
        Cell::OfText(!r.TheoryApplies ? NoValue
                : std::string(r.Consistent ? theory::ConsistentWord : theory::InconsistentWord)),
        Cell::OfWhole(baseSeed), Cell::OfWhole(r.Point.Seed)};
}

sheets::Book SweepBook(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results)
{
    sheets::Book book;
    book.Sheet.Name = "Характеристика";
    book.Sheet.Headings = SweepHeadings();
    for (const PointResult& r : results)
        book.Sheet.Rows.push_back(SweepSheetRow(settings, baseSeed, r));
    book.Facts = {{"программа", Cell::OfText(std::string("detector-lab ") + DetectorLabVersion)},
        {"начальное число", Cell::OfWhole(baseSeed)},
        CountsTrials(settings.Experiments.front()) ? sheets::Fact{"опытов в точке", Cell::OfWhole(settings.Trials)}
                                                   : sheets::Fact{"замеров в точке", Cell::OfWhole(settings.Trials / TrialCount)},
        {"форма сигнала 1", Cell::OfWhole(settings.Signal1)}, {"форма сигнала 2", Cell::OfWhole(settings.Signal2)}};
    return book;
}

} // namespace sweep
