// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/language/Language.h"

#include <cstdint>
#include <string>
#include <vector>

// Tables of headed columns with typed cells, as the program hands them to a
// spreadsheet: the .xlsx workbook, the «CSV для Excel» file and the
// clipboard's tab-separated text are all written from one of these. Plain
// C++: texts are UTF-8.
namespace sheets {

// One cell: nothing, a text, or a number kept at its full precision. A
// workbook shows the number with `Decimals` digits after the point (-1: as
// many as it needs); a window shows it rounded to `Significant` digits, or
// else as the workbook does.
struct Cell {
    enum class Kind { Empty, Text, Number };
    Kind Type = Kind::Empty;
    std::string Text;
    double Number = 0.0;
    int Decimals = -1;
    int Significant = 0;

    static Cell OfText(std::string text);
    static Cell OfNumber(double number, int decimals = -1, int significant = 0);
    static Cell OfWhole(int64_t number);
};

using Row = std::vector<Cell>;

// A sheet: its name, the headings of its columns and its rows.
struct Table {
    std::string Name;
    std::vector<std::string> Headings;
    std::vector<Row> Rows;
};

// What a table was made from, a label and its value a row: the program and
// its version, the seed. Kept apart from the table, so that the table stays
// a clean block of headed columns.
struct Fact {
    std::string Label;
    Cell Value;
};

// The name of a workbook's sheet of facts.
inline constexpr Wording FactsSheetName{"Сведения", "Facts"};

// What one file holds: the table and the facts about it.
struct Book {
    Table Sheet;
    std::string FactsName{FactsSheetName.Russian}; // the sheet of the facts in a workbook
    std::vector<Fact> Facts;
};

// A number's text with a decimal comma, at full precision (the shortest
// text that reads back as the same double): "0,30000000000000004", "1000".
std::string CommaNumber(double number);

// A cell's text with a decimal comma, a number at full precision.
std::string CellText(const Cell& cell);

// A cell's text as a window shows it, with a decimal comma: a number rounded
// (see Cell), "0,4998", "49,29".
std::string ShownText(const Cell& cell);

} // namespace sheets
