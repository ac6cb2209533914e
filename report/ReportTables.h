// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JournalAnalysis.h"
#include "common/sheets/SheetTable.h"

#include <vector>

namespace report {

// The tables of the lab report, for its document and its workbook: headed
// columns of typed cells under Russian headings, numbers at full precision
// (a frequency shown to four significant digits, a reading with two
// decimals). Each table is a sheet of the workbook.

// The counting points: the rows measured at each setting, the frequency
// with its interval, theory, the verdict and the point it pairs with.
sheets::Table CountTable(const JournalAnalysis& analysis);
// The points of the operating characteristics: detection against false
// alarms, deciding for signal 1 while 1 is sent against while 2 is.
sheets::Table CharacteristicTable(const JournalAnalysis& analysis);
// The noise-power readings at each K: their mean and spread beside theory.
sheets::Table NoisePowerTable(const JournalAnalysis& analysis);

// What the report says of the journal as a whole: its seed, rows,
// refusals and the points that agree with theory.
std::vector<sheets::Fact> ReportFacts(const JournalAnalysis& analysis);

// The rows' numbers as a reader reads them: "1, 4, 7".
std::string RowsText(const std::vector<int64_t>& rows);

} // namespace report
