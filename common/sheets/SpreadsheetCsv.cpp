// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpreadsheetCsv.h"

#include "common/text/CsvField.h"

namespace sheets {

namespace {

std::string Quoted(const std::string& cell)
{
    return CsvField(cell, SpreadsheetSeparator);
}

template <typename Cells, typename TextOf>
std::string Line(const Cells& cells, TextOf textOf)
{
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c)
        line += (c > 0 ? std::string(1, SpreadsheetSeparator) : std::string()) + Quoted(textOf(cells[c]));
    return line + "\r\n";
}

} // namespace

std::string SpreadsheetCsvText(const Book& book)
{
    std::string text(ByteOrderMark);
    for (const Fact& fact : book.Facts)
        text += Quoted(fact.Label) + SpreadsheetSeparator + Quoted(CellText(fact.Value)) + "\r\n";
    if (!book.Facts.empty())
        text += "\r\n";
    text += Line(book.Sheet.Headings, [](const std::string& heading) { return heading; });
    for (const Row& row : book.Sheet.Rows)
        text += Line(row, [](const Cell& cell) { return CellText(cell); });
    return text;
}

std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line, char separator)
{
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                cells.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                cells.back() += line[++i];
            else
                quoted = false;
        } else if (c == '"' && cells.back().empty()) {
            quoted = true;
        } else if (c == separator) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    if (quoted)
        return std::nullopt;
    return cells;
}

} // namespace sheets
