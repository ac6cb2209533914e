// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/sheets/SheetTable.h"
#include "sweep/lib/Sweep.h"
#include "sweep/lib/SweepSettings.h"

#include <vector>

namespace sweep {

// A sweep's results as a spreadsheet's table, for the .xlsx workbook, «CSV
// для Excel», the clipboard and the window's table: a row per point, the
// columns of the sweep's CSV under Russian headings, numbers as numbers at
// full precision (a reading and its theory shown with two decimals, a
// frequency and its theory with four, to four significant digits on
// screen), the verdict in the journal's words, "—" where theory says
// nothing. The facts name the program, the trials per point and the shapes.
sheets::Book SweepBook(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results);

// One point's row of that table.
sheets::Row SweepSheetRow(const SweepSettings& settings, uint32_t baseSeed, const PointResult& result);

// The table's headings.
const std::vector<std::string>& SweepHeadings();

} // namespace sweep
