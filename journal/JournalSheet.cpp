// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalSheet.h"

#include "JournalCsv.h"
#include "common/version/Version.h"

namespace journal {

namespace {

using sheets::Cell;

constexpr int ReadingDecimals = 2;
constexpr int FrequencyDecimals = 4;
constexpr int FrequencyDigits = 4; // on screen

} // namespace

sheets::Row JournalSheetRow(const JournalRow& row, Language language)
{
    const MeasurementInputs& in = row.Inputs;
    const MeasurementResult& out = row.Result;
    const Cells texts = RowCells(row, '.', language);
    sheets::Row cells(column::Count);
    for (size_t c = 0; c < column::Count; ++c)
        cells[c] = Cell::OfText(texts[c]);
    cells[column::Number] = Cell::OfWhole(row.Number);
    cells[column::K1] = Cell::OfWhole(in.Switches.K1Index + 1);
    cells[column::K2] = Cell::OfWhole(in.Switches.K2Index + 1);
    cells[column::K3] = Cell::OfWhole(in.Switches.K3Index + 1);
    cells[column::Signal1] = Cell::OfWhole(in.Signal1Shape);
    cells[column::Signal2] = Cell::OfWhole(in.Signal2Shape);
    cells[column::Gain] = Cell::OfNumber(in.Gain);
    cells[column::Threshold] = Cell::OfNumber(in.Threshold);
    cells[column::Reading] = Cell::OfNumber(out.RegisterReading, ReadingDecimals);
    cells[column::Trials] = Cell::OfWhole(out.Trials);
    cells[column::Counter] = Cell::OfWhole(out.Counter);
    const std::optional<RowJudgement> judged = JudgeRow(row);
    if (!judged)
        return cells;
    const theory::Comparison& comparison = judged->Comparison;
    const auto judgedCell = [&](double value) {
        return judged->CountsTrials ? Cell::OfNumber(value, FrequencyDecimals, FrequencyDigits)
                                    : Cell::OfNumber(value, ReadingDecimals);
    };
    if (judged->CountsTrials)
        cells[column::Frequency] = judgedCell(comparison.Observed);
    cells[column::Low95] = judgedCell(comparison.Range.Low);
    cells[column::High95] = judgedCell(comparison.Range.High);
    if (comparison.TheoryApplies)
        cells[column::Theory] = judgedCell(comparison.Theory);
    return cells;
}

Cells ShownCells(const JournalRow& row, Language language)
{
    const sheets::Row sheetRow = JournalSheetRow(row, language);
    Cells cells;
    for (size_t c = 0; c < column::Count; ++c)
        cells[c] = sheets::ShownText(sheetRow[c]);
    return cells;
}

sheets::Book JournalBook(const Journal& journal, Language language)
{
    sheets::Book book;
    book.Sheet.Name = JournalSheetName.In(language);
    book.Sheet.Headings.assign(ColumnHeadings(language).begin(), ColumnHeadings(language).end());
    for (const JournalRow& row : journal.Rows)
        book.Sheet.Rows.push_back(JournalSheetRow(row, language));
    book.FactsName = sheets::FactsSheetName.In(language);
    book.Facts = {{std::string(FormatFact.In(language)), Cell::OfWhole(JournalFormatVersion)},
        {std::string(SeedFact.In(language)), Cell::OfWhole(journal.Seed)},
        {std::string(ProgramFact.In(language)), Cell::OfText(std::string("detector-lab ") + DetectorLabVersion)}};
    return book;
}

} // namespace journal
