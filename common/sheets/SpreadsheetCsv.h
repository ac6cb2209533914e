// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sheets {

// «CSV для Excel»: the form a spreadsheet in a Russian locale opens without
// asking. UTF-8 with a byte-order mark (or the spreadsheet assumes the
// Windows Cyrillic code page), ';' between cells, numbers with a decimal
// comma at full precision, CR LF line ends. The facts come first, a label
// and its value a line, then an empty line, the headings and the rows.
//   <BOM>программа;detector-lab 1.0.0
//   начальное число;3735928559
//
//   №;время;...
//   1;2026-03-14T09:26:53+03:00;...;0,473;...
std::string SpreadsheetCsvText(const Book& book);

inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr char SpreadsheetSeparator = ';';

// One line of such a file (without its line end) split into cells, quotes
// undone; nothing when a quoted cell is not closed. `separator` tells ';'
// from ','.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line, char separator);

} // namespace sheets
