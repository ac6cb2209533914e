// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetTable.h"

#include <string>
#include <vector>

namespace sheets {

// What a spreadsheet takes from the clipboard: the headings, then the rows
// asked for (all when `rows` is empty), a line each, cells apart by tabs,
// numbers with a decimal comma at full precision. A tab or line break
// within a cell becomes a space.
std::string TabSeparatedText(const Table& table, const std::vector<size_t>& rows = {});

} // namespace sheets
