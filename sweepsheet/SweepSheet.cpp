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

const std::vector<std::string>& SweepHeadings(Language language)
{
    static const std::vector<std::string> russian{"эксперимент", "ключи", "сигнал 1", "сигнал 2", "K", "H, мВ",
        "опытов (замеров)", "счётчик", "замер, мВ*мВ", "частота (замер)", "нижняя граница 95 %",
        "верхняя граница 95 %", "теория", "среднее статистики", "СКО статистики", "вердикт", "начальное число",
        "начальное число кривой"};
    static const std::vector<std::string> english{"experiment", "switches", "signal 1", "signal 2", "K", "H, mV",
        "trials (readings)", "counter", "reading, mV*mV", "frequency (reading)", "lower 95 % limit",
        "upper 95 % limit", "theory", "mean of the statistic", "SD of the statistic", "verdict", "seed",
        "curve's seed"};
    return language == Language::English ? english : russian;
}

sheets::Row SweepSheetRow(const SweepSettings& settings, uint32_t baseSeed, const PointResult& r, Language language)
{
    const bool counts = CountsTrials(r.Point.Kind);
    const auto judged = [&](double value) {
        return counts ? Cell::OfNumber(value, FrequencyDecimals, FrequencyDigits) : Cell::OfNumber(value, ReadingDecimals);
    };
    return {Cell::OfText(std::string(theory::Describe(r.Point.Kind).ShownName.In(language))),
        Cell::OfText(theory::SwitchPositions(r.Point.Kind)), Cell::OfWhole(settings.Signal1),
        Cell::OfWhole(settings.Signal2), Cell::OfNumber(r.Point.Gain),
        counts ? Cell::OfNumber(r.Point.Threshold) : Cell{}, Cell::OfWhole(r.Trials),
        counts ? Cell::OfWhole(r.Counter) : Cell{}, counts ? Cell{} : Cell::OfNumber(r.Reading, ReadingDecimals),
        judged(r.Observed), judged(r.Range.Low), judged(r.Range.High),
        r.TheoryApplies ? judged(r.Theory) : Cell::OfText(NoValue), Cell::OfNumber(r.ModelMean, -1, ModelDigits),
        Cell::OfNumber(r.ModelSpread, -1, ModelDigits),
        Cell::OfText(!r.TheoryApplies ? NoValue
                : std::string((r.Consistent ? theory::ConsistentWord : theory::InconsistentWord).In(language))),
        Cell::OfWhole(baseSeed), Cell::OfWhole(r.Point.Seed)};
}

sheets::Book SweepBook(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
    Language language)
{
    constexpr Wording sheetName{"Характеристика", "Characteristic"};
    constexpr Wording program{"программа", "program"};
    constexpr Wording seed{"начальное число", "seed"};
    constexpr Wording trials{"опытов в точке", "trials per point"};
    constexpr Wording readings{"замеров в точке", "readings per point"};
    constexpr Wording shape1{"форма сигнала 1", "shape of signal 1"};
    constexpr Wording shape2{"форма сигнала 2", "shape of signal 2"};
    const auto fact = [language](const Wording& label, Cell value) {
        return sheets::Fact{std::string(label.In(language)), std::move(value)};
    };
    sheets::Book book;
    book.Sheet.Name = sheetName.In(language);
    book.Sheet.Headings = SweepHeadings(language);
    for (const PointResult& r : results)
        book.Sheet.Rows.push_back(SweepSheetRow(settings, baseSeed, r, language));
    book.FactsName = sheets::FactsSheetName.In(language);
    book.Facts = {fact(program, Cell::OfText(std::string("detector-lab ") + DetectorLabVersion)),
        fact(seed, Cell::OfWhole(baseSeed)),
        CountsTrials(settings.Experiments.front()) ? fact(trials, Cell::OfWhole(settings.Trials))
                                                   : fact(readings, Cell::OfWhole(settings.Trials / TrialCount)),
        fact(shape1, Cell::OfWhole(settings.Signal1)), fact(shape2, Cell::OfWhole(settings.Signal2))};
    return book;
}

} // namespace sweep
