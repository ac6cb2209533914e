// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabText.h"

#include <algorithm>

namespace sheets {

namespace {

std::string Flat(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

template <typename Cells, typename TextOf>
std::string Line(const Cells& cells, TextOf textOf)
{
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c)
        line += (c > 0 ? "\t" : "") + Flat(textOf(cells[c]));
    return line + '\n';
}

std::string RowLine(const Row& row)
{
    return Line(row, [](const Cell& cell) { return CellText(cell); });
}

} // namespace

std::string TabSeparatedText(const Table& table, const std::vector<size_t>& rows)
{
    std::string text = Line(table.Headings, [](const std::string& heading) { return heading; });
    if (rows.empty())
        for (const Row& row : table.Rows)
            text += RowLine(row);
    for (size_t row : rows)
        text += RowLine(table.Rows.at(row));
    return text;
}

} // namespace sheets
