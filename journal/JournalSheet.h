// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Journal.h"
#include "common/sheets/SheetTable.h"

#include <string_view>

namespace journal {

// The journal as a spreadsheet's table, for the .xlsx workbook, «CSV для
// Excel» and the clipboard: the window's columns under their Russian
// headings, numbers as numbers at full precision (shown with two decimals
// for readings, four for frequencies), "—" where theory says nothing. The
// facts name the journal's format, the seed and the program, so that
// detector-lab-sweep --verify reads the «CSV для Excel» form back.
sheets::Book JournalBook(const Journal& journal);

// The one row of the journal's table.
sheets::Row JournalSheetRow(const JournalRow& row);

// The row as the window shows it, rounded as people read it: the reading
// (and for the noise power its interval and theory) with two decimals as
// the main window shows it; a frequency, its interval and theory to four
// significant digits; decimal commas. Files keep every digit.
Cells ShownCells(const JournalRow& row);

// The facts' labels.
inline constexpr std::string_view FormatFact = "формат журнала Detector Lab";
inline constexpr std::string_view SeedFact = "начальное число";
inline constexpr std::string_view ProgramFact = "программа";

} // namespace journal
