// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JournalAnalysis.h"
#include "common/language/Language.h"
#include "common/sheets/SheetTable.h"

#include <vector>

namespace report {

// The tables of the lab report, for its document and its workbook: headed
// columns of typed cells, numbers at full precision (a frequency shown to
// four significant digits, a reading with two decimals). Each table is a
// sheet of the workbook. Their words (names, headings, verdicts) are in the
// language given; the columns are the same in either.

// The counting points: the rows measured at each setting, the frequency
// with its interval, theory, the verdict and the point it pairs with.
sheets::Table CountTable(const JournalAnalysis& analysis, Language language = Language::Russian);
// The points of the operating characteristics: detection against false
// alarms, deciding for signal 1 while 1 is sent against while 2 is.
sheets::Table CharacteristicTable(const JournalAnalysis& analysis, Language language = Language::Russian);
// The noise-power readings at each K: their mean and spread beside theory.
sheets::Table NoisePowerTable(const JournalAnalysis& analysis, Language language = Language::Russian);

// What the report says of the journal as a whole: its seed, rows,
// refusals and the points that agree with theory.
std::vector<sheets::Fact> ReportFacts(const JournalAnalysis& analysis, Language language = Language::Russian);

// The headings of each table in the other language, column for column.
std::vector<std::string> CountHeadings(Language language);
std::vector<std::string> CharacteristicHeadings(Language language);
std::vector<std::string> NoisePowerHeadings(Language language);

// The rows' numbers as a reader reads them: "1, 4, 7".
std::string RowsText(const std::vector<int64_t>& rows);

} // namespace report
