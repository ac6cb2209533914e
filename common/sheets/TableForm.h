// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sheets {

// The forms a table is saved in: the program's own CSV (a decimal point, as
// detector-lab-sweep --csv writes it and the kept journal is), «CSV для
// Excel» and the .xlsx workbook.
enum class TableForm { Csv, SpreadsheetCsv, Workbook };

} // namespace sheets
