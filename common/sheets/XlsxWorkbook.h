// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetTable.h"

#include <string>
#include <vector>

namespace sheets {

// A book as the bytes of an .xlsx workbook (libxlsxwriter): the table on its
// first sheet, headings bold and frozen above the rows, numbers as numeric
// cells shown with their decimals, each column as wide as its texts; the
// facts on a second sheet, a label and its value a row. Values that no
// spreadsheet holds as a number (NaN, infinities) are written as text.
// libxlsxwriter keeps 16 significant digits of a number (it writes "%.16G").
struct XlsxBytes {
    std::string Bytes;
    std::string Error; // why there are no bytes; empty when there are
};
XlsxBytes XlsxWorkbook(const Book& book);

// Several tables, a sheet each in their order, and the facts on a sheet of
// their own after them.
XlsxBytes XlsxWorkbook(const std::vector<Table>& tables, const std::string& factsName, const std::vector<Fact>& facts);

} // namespace sheets
