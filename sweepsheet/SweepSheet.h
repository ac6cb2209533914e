// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/sheets/SheetTable.h"
#include "sweep/lib/Sweep.h"
#include "sweep/lib/SweepSettings.h"

#include <vector>

namespace sweep {

// A sweep's results as a spreadsheet's table, for the .xlsx workbook, «CSV
// для Excel», the clipboard and the window's table: a row per point, the
// columns of the sweep's CSV under their headings, numbers as numbers at
// full precision (a reading and its theory shown with two decimals, a
// frequency and its theory with four, to four significant digits on
// screen), the verdict in the journal's words, "—" where theory says
// nothing. The facts name the program, the trials per point and the shapes.
// Its words are in the language given: detector-lab-sweep's are Russian.
sheets::Book SweepBook(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
    Language language = Language::Russian);

// One point's row of that table.
sheets::Row SweepSheetRow(const SweepSettings& settings, uint32_t baseSeed, const PointResult& result,
    Language language = Language::Russian);

// The table's headings.
const std::vector<std::string>& SweepHeadings(Language language = Language::Russian);

} // namespace sweep
