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

Cell Verdict(const theory::Comparison& comparison, Language language)
{
    return Cell::OfText(!comparison.TheoryApplies ? "—"
            : comparison.Consistent               ? std::string(theory::ConsistentWord.In(language))
                                                  : std::string(theory::InconsistentWord.In(language)));
}

Cell Theory(const theory::Comparison& comparison, bool reading)
{
    if (!comparison.TheoryApplies)
        return Cell::OfText("—");
    return reading ? Reading(comparison.Theory) : Frequency(comparison.Theory);
}

Cell Name(theory::Experiment kind, Language language)
{
    return Cell::OfText(std::string(theory::Describe(kind).ShownName.In(language)));
}

std::vector<std::string> Words(const std::vector<Wording>& words, Language language)
{
    std::vector<std::string> texts;
    for (const Wording& word : words)
        texts.emplace_back(word.In(language));
    return texts;
}

const std::vector<Wording> CountWords{{"точка", "point"}, {"строки журнала", "journal rows"}, {"опыт", "experiment"},
    {"К1 К2 К3", "K1 K2 K3"}, {"сигнал 1", "signal 1"}, {"сигнал 2", "signal 2"}, {"K", "K"}, {"H, мВ", "H, mV"},
    {"опытов", "trials"}, {"счётчик", "counter"}, {"частота", "frequency"}, {"нижняя граница 95 %", "95 % lower bound"},
    {"верхняя граница 95 %", "95 % upper bound"}, {"теория", "theory"}, {"вердикт", "verdict"},
    {"пара: точка", "pair: point"}};

const std::vector<Wording> CharacteristicWords{{"характеристика", "characteristic"}, {"сигнал 1", "signal 1"},
    {"сигнал 2", "signal 2"}, {"K", "K"}, {"H, мВ", "H, mV"}, {"точки", "points"},
    {"частота по вертикали", "vertical frequency"}, {"теория по вертикали", "vertical theory"},
    {"вердикт по вертикали", "vertical verdict"}, {"частота по горизонтали", "horizontal frequency"},
    {"теория по горизонтали", "horizontal theory"}, {"вердикт по горизонтали", "horizontal verdict"}};

const std::vector<Wording> NoisePowerWords{{"строки журнала", "journal rows"}, {"сигнал 1", "signal 1"}, {"K", "K"},
    {"показаний", "readings"}, {"среднее, мВ²", "mean, mV²"}, {"разброс показаний, мВ²", "spread of the readings, mV²"},
    {"ожидаемое показание, мВ²", "expected reading, mV²"}, {"разброс по теории, мВ²", "spread by theory, mV²"},
    {"нижняя граница 95 %", "95 % lower bound"}, {"верхняя граница 95 %", "95 % upper bound"},
    {"вердикт", "verdict"}};

// The point a counting point pairs with, by its number in the table.
Cell PartnerOf(const JournalAnalysis& analysis, size_t point, Language language)
{
    for (const auto* pairs : {&analysis.Detection, &analysis.Distinction})
        for (const CharacteristicPoint& pair : *pairs) {
            if (pair.Hit == point)
                return Cell::OfWhole(static_cast<int64_t>(pair.Alarm) + 1);
            if (pair.Alarm == point)
                return Cell::OfWhole(static_cast<int64_t>(pair.Hit) + 1);
        }
    return Cell::OfText(std::string(Wording{"без пары", "none"}.In(language)));
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

std::vector<std::string> CountHeadings(Language language)
{
    return Words(CountWords, language);
}

std::vector<std::string> CharacteristicHeadings(Language language)
{
    return Words(CharacteristicWords, language);
}

std::vector<std::string> NoisePowerHeadings(Language language)
{
    return Words(NoisePowerWords, language);
}

sheets::Table CountTable(const JournalAnalysis& analysis, Language language)
{
    sheets::Table table;
    table.Name = Wording{"Точки", "Points"}.In(language);
    table.Headings = CountHeadings(language);
    for (size_t i = 0; i < analysis.Counts.size(); ++i) {
        const CountPoint& point = analysis.Counts[i];
        const theory::Comparison& verdict = point.Verdict;
        table.Rows.push_back({Cell::OfWhole(static_cast<int64_t>(i) + 1), Cell::OfText(RowsText(point.Rows)),
            Name(point.Kind, language), Cell::OfText(theory::SwitchPositions(point.Kind)), Cell::OfWhole(point.Signal1),
            Cell::OfWhole(point.Signal2), Cell::OfNumber(point.Gain), Cell::OfNumber(point.Threshold),
            Cell::OfWhole(point.Trials), Cell::OfWhole(point.Counter), Frequency(verdict.Observed),
            Frequency(verdict.Range.Low), Frequency(verdict.Range.High), Theory(verdict, false), Verdict(verdict, language),
            PartnerOf(analysis, i, language)});
    }
    return table;
}

sheets::Table CharacteristicTable(const JournalAnalysis& analysis, Language language)
{
    sheets::Table table;
    table.Name = Wording{"Характеристики", "Characteristics"}.In(language);
    table.Headings = CharacteristicHeadings(language);
    const auto add = [&](const std::vector<CharacteristicPoint>& pairs, Wording name) {
        for (const CharacteristicPoint& pair : pairs) {
            const CountPoint& hit = analysis.Counts[pair.Hit];
            const CountPoint& alarm = analysis.Counts[pair.Alarm];
            table.Rows.push_back({Cell::OfText(std::string(name.In(language))), Cell::OfWhole(hit.Signal1), Cell::OfWhole(hit.Signal2),
                Cell::OfNumber(hit.Gain), Cell::OfNumber(hit.Threshold),
                Cell::OfText(std::to_string(pair.Hit + 1) + std::string(Wording{" и ", " and "}.In(language))
                    + std::to_string(pair.Alarm + 1)),
                Frequency(hit.Verdict.Observed), Theory(hit.Verdict, false), Verdict(hit.Verdict, language),
                Frequency(alarm.Verdict.Observed), Theory(alarm.Verdict, false), Verdict(alarm.Verdict, language)});
        }
    };
    add(analysis.Detection, {"обнаружения", "detection"});
    add(analysis.Distinction, {"различения", "distinction"});
    return table;
}

sheets::Table NoisePowerTable(const JournalAnalysis& analysis, Language language)
{
    sheets::Table table;
    table.Name = Wording{"Мощность шума", "Noise power"}.In(language);
    table.Headings = NoisePowerHeadings(language);
    for (const NoisePowerPoint& point : analysis.NoisePower) {
        const theory::Comparison& verdict = point.Verdict;
        table.Rows.push_back({Cell::OfText(RowsText(point.Rows)), Cell::OfWhole(point.Signal1),
            Cell::OfNumber(point.Gain), Cell::OfWhole(static_cast<int64_t>(point.Readings.size())), Reading(point.Mean),
            point.Readings.size() > 1 ? Reading(point.Spread) : Cell::OfText("—"), Reading(verdict.Theory),
            Reading(verdict.ModelSpread), Reading(verdict.Range.Low), Reading(verdict.Range.High), Verdict(verdict, language)});
    }
    return table;
}

std::vector<sheets::Fact> ReportFacts(const JournalAnalysis& analysis, Language language)
{
    const auto fact = [language](Wording label, Cell value) {
        return sheets::Fact{std::string(label.In(language)), std::move(value)};
    };
    return {fact({"начальное число", "seed"}, Cell::OfWhole(analysis.Seed)),
        fact({"строк в журнале", "rows in the journal"}, Cell::OfWhole(static_cast<int64_t>(analysis.Rows))),
        fact({"отказов", "refusals"}, Cell::OfWhole(static_cast<int64_t>(analysis.Refusals))),
        fact({"точек с вердиктом", "points with a verdict"}, Cell::OfWhole(static_cast<int64_t>(analysis.Judged))),
        fact({"из них согласуются с теорией", "of them consistent with theory"},
            Cell::OfWhole(static_cast<int64_t>(analysis.Agreeing)))};
}

} // namespace report
