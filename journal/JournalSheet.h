// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Journal.h"
#include "common/sheets/SheetTable.h"

#include <string_view>

namespace journal {

// The journal as a spreadsheet's table, for the .xlsx workbook, «CSV для
// Excel» and the clipboard: the window's columns under their headings,
// numbers as numbers at full precision (shown with two decimals for
// readings, four for frequencies), "—" where theory says nothing. The facts
// name the journal's format, the seed and the program, so that
// detector-lab-sweep --verify reads the «CSV для Excel» form back. Its words
// (headings, facts, exercises, verdicts) are in the language given; the
// form reads back in either.
sheets::Book JournalBook(const Journal& journal, Language language = Language::Russian);

// The one row of the journal's table.
sheets::Row JournalSheetRow(const JournalRow& row, Language language = Language::Russian);

// The row as the window shows it, rounded as people read it: the reading
// (and for the noise power its interval and theory) with two decimals as
// the main window shows it; a frequency, its interval and theory to four
// significant digits; decimal commas. Files keep every digit.
Cells ShownCells(const JournalRow& row, Language language = Language::Russian);

// The facts' labels.
inline constexpr Wording FormatFact{"формат журнала Detector Lab", "Detector Lab journal format"};
inline constexpr Wording SeedFact{"начальное число", "seed"};
inline constexpr Wording ProgramFact{"программа", "program"};
inline constexpr Wording JournalSheetName{"Журнал", "Journal"};

} // namespace journal
