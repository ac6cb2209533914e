// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportTables.h"

#include "theory/Experiment.h"

namespace report {

namespace {

using sheets::Cell;

constexpr int FrequencyDecimals = 4;
constexpr int FrequencyDigits = 4;
constexpr int ReadingDecimals = 2;

Cell Frequency(double value)
{
    return Cell::OfNumber(value, FrequencyDecimals, FrequencyDigits);
}

Cell Reading(double value)
{
    return Cell::OfNumber(value, ReadingDecimals);
}

Cell Verdict(const theory::Comparison& comparison)
{
    return Cell::OfText(!comparison.TheoryApplies ? "—"
            : comparison.Consistent               ? std::string(theory::ConsistentWord)
                                                  : std::string(theory::InconsistentWord));
}

Cell Theory(const theory::Comparison& comparison, bool reading)
{
    if (!comparison.TheoryApplies)
        return Cell::OfText("—");
    return reading ? Reading(comparison.Theory) : Frequency(comparison.Theory);
}

Cell Name(theory::Experiment kind)
{
    return Cell::OfText(std::string(theory::Describe(kind).RussianName));
}

// The point a counting point pairs with, by its number in the table.
Cell PartnerOf(const JournalAnalysis& analysis, size_t point)
{
    for (const auto* pairs : {&analysis.Detection, &analysis.Distinction})
        for (const CharacteristicPoint& pair : *pairs) {
            if (pair.Hit == point)
                return Cell::OfWhole(static_cast<int64_t>(pair.Alarm) + 1);
            if (pair.Alarm == point)
                return Cell::OfWhole(static_cast<int64_t>(pair.Hit) + 1);
        }
    return Cell::OfText("без пары");
}

} // namespace

// The rows' numbers, a run of three or more as a range: "1–3, 5, 7".
std::string RowsText(const std::vector<int64_t>& rows)
{
    std::string text;
    for (size_t i = 0; i < rows.size();) {
        size_t last = i;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        if (!text.empty())
            text += ", ";
        if (last >= i + 2) {
            text += std::to_string(rows[i]) + "–" + std::to_string(rows[last]);
            i = last + 1;
        } else {
            text += std::to_string(rows[i]);
            ++i;
        }
    }
    return text;
}

sheets::Table CountTable(const JournalAnalysis& analysis)
{
    sheets::Table table;
    table.Name = "Точки";
    table.Headings = {"точка", "строки журнала", "опыт", "К1 К2 К3", "сигнал 1", "сигнал 2", "K", "H, мВ", "опытов",
        "счётчик", "частота", "нижняя граница 95 %", "верхняя граница 95 %", "теория", "вердикт", "пара: точка"};
    for (size_t i = 0; i < analysis.Counts.size(); ++i) {
        const CountPoint& point = analysis.Counts[i];
        const theory::Comparison& verdict = point.Verdict;
        table.Rows.push_back({Cell::OfWhole(static_cast<int64_t>(i) + 1), Cell::OfText(RowsText(point.Rows)),
            Name(point.Kind), Cell::OfText(theory::SwitchPositions(point.Kind)), Cell::OfWhole(point.Signal1),
            Cell::OfWhole(point.Signal2), Cell::OfNumber(point.Gain), Cell::OfNumber(point.Threshold),
            Cell::OfWhole(point.Trials), Cell::OfWhole(point.Counter), Frequency(verdict.Observed),
            Frequency(verdict.Range.Low), Frequency(verdict.Range.High), Theory(verdict, false), Verdict(verdict),
            PartnerOf(analysis, i)});
    }
    return table;
}

sheets::Table CharacteristicTable(const JournalAnalysis& analysis)
{
    sheets::Table table;
    table.Name = "Характеристики";
    table.Headings = {"характеристика", "сигнал 1", "сигнал 2", "K", "H, мВ", "точки", "частота по вертикали",
        "теория по вертикали", "вердикт по вертикали", "частота по горизонтали", "теория по горизонтали",
        "вердикт по горизонтали"};
    const auto add = [&](const std::vector<CharacteristicPoint>& pairs, const char* name) {
        for (const CharacteristicPoint& pair : pairs) {
            const CountPoint& hit = analysis.Counts[pair.Hit];
            const CountPoint& alarm = analysis.Counts[pair.Alarm];
            table.Rows.push_back({Cell::OfText(name), Cell::OfWhole(hit.Signal1), Cell::OfWhole(hit.Signal2),
                Cell::OfNumber(hit.Gain), Cell::OfNumber(hit.Threshold),
                Cell::OfText(std::to_string(pair.Hit + 1) + " и " + std::to_string(pair.Alarm + 1)),
                Frequency(hit.Verdict.Observed), Theory(hit.Verdict, false), Verdict(hit.Verdict),
                Frequency(alarm.Verdict.Observed), Theory(alarm.Verdict, false), Verdict(alarm.Verdict)});
        }
    };
    add(analysis.Detection, "обнаружения");
    add(analysis.Distinction, "различения");
    return table;
}

sheets::Table NoisePowerTable(const JournalAnalysis& analysis)
{
    sheets::Table table;
    table.Name = "Мощность шума";
    table.Headings = {"строки журнала", "сигнал 1", "K", "показаний", "среднее, мВ²", "разброс показаний, мВ²",
        "ожидаемое показание, мВ²", "разброс по теории, мВ²", "нижняя граница 95 %", "верхняя граница 95 %",
        "вердикт"};
    for (const NoisePowerPoint& point : analysis.NoisePower) {
        const theory::Comparison& verdict = point.Verdict;
        table.Rows.push_back({Cell::OfText(RowsText(point.Rows)), Cell::OfWhole(point.Signal1),
            Cell::OfNumber(point.Gain), Cell::OfWhole(static_cast<int64_t>(point.Readings.size())), Reading(point.Mean),
            point.Readings.size() > 1 ? Reading(point.Spread) : Cell::OfText("—"), Reading(verdict.Theory),
            Reading(verdict.ModelSpread), Reading(verdict.Range.Low), Reading(verdict.Range.High), Verdict(verdict)});
    }
    return table;
}

std::vector<sheets::Fact> ReportFacts(const JournalAnalysis& analysis)
{
    return {{"начальное число", Cell::OfWhole(analysis.Seed)},
        {"строк в журнале", Cell::OfWhole(static_cast<int64_t>(analysis.Rows))},
        {"отказов", Cell::OfWhole(static_cast<int64_t>(analysis.Refusals))},
        {"точек с вердиктом", Cell::OfWhole(static_cast<int64_t>(analysis.Judged))},
        {"из них согласуются с теорией", Cell::OfWhole(static_cast<int64_t>(analysis.Agreeing))}};
}

} // namespace report
