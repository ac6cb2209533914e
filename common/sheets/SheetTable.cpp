// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetTable.h"

#include "common/text/NumberText.h"

namespace sheets {

Cell Cell::OfText(std::string text)
{
    Cell cell;
    cell.Type = Kind::Text;
    cell.Text = std::move(text);
    return cell;
}

Cell Cell::OfNumber(double number, int decimals, int significant)
{
    Cell cell;
    cell.Type = Kind::Number;
    cell.Number = number;
    cell.Decimals = decimals;
    cell.Significant = significant;
    return cell;
}

Cell Cell::OfWhole(int64_t number)
{
    return OfNumber(static_cast<double>(number), 0);
}

std::string CommaNumber(double number)
{
    return WithDecimalComma(ShortestText(number));
}

std::string CellText(const Cell& cell)
{
    switch (cell.Type) {
    case Cell::Kind::Empty:
        return {};
    case Cell::Kind::Text:
        return cell.Text;
    case Cell::Kind::Number:
        break;
    }
    return CommaNumber(cell.Number);
}

std::string ShownText(const Cell& cell)
{
    if (cell.Type != Cell::Kind::Number)
        return CellText(cell);
    if (cell.Significant > 0)
        return WithDecimalComma(GeneralText(cell.Number, cell.Significant));
    if (cell.Decimals >= 0)
        return WithDecimalComma(FixedText(cell.Number, cell.Decimals));
    return CommaNumber(cell.Number);
}

} // namespace sheets
