// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepTable.h"

#include "common/text/NumberText.h"
#include "theory/Experiment.h"

#include <QHeaderView>
#include <QTableWidget>
#include <optional>
#include <vector>

namespace {

const char* const Headings[] = {"эксперимент", "ключи", "сигнал 1", "сигнал 2", "K", "H, мВ", "испытаний (замеров)",
    "счётчик", "замер, мВ*мВ", "частота (замер)", "нижняя граница 95 %", "верхняя граница 95 %", "теория",
    "среднее статистики", "СКО статистики", "согласие", "начальное число", "начальное число кривой"};
constexpr int ExperimentColumn = 0;
constexpr int VerdictColumn = 15;

std::vector<std::string> CsvCells(const std::string& line)
{
    std::vector<std::string> cells;
    size_t start = 0;
    for (size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        cells.push_back(line.substr(start, comma - start));
    cells.push_back(line.substr(start));
    return cells;
}

QString CellText(int column, const std::string& cell)
{
    if (column == ExperimentColumn) {
        const std::optional<theory::Experiment> experiment = theory::ExperimentNamed(cell);
        return experiment ? RussianText(theory::Describe(*experiment).RussianName) : QString::fromStdString(cell);
    }
    if (column == VerdictColumn)
        return cell == "yes" ? QStringLiteral("да") : cell == "no" ? QStringLiteral("нет") : QStringLiteral("н/д");
    return QString::fromStdString(WithDecimalComma(cell));
}

} // namespace

QTableWidget* NewSweepTable(QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(std::size(Headings)), parent);
    for (int c = 0; c < table->columnCount(); ++c)
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(Headings[c])));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void ShowSweepCsv(QTableWidget& table, const std::string& csv)
{
    std::vector<std::vector<std::string>> rows;
    size_t start = csv.find('\n') + 1; // past the header; 0 for no text
    for (size_t end; (end = csv.find('\n', start)) != std::string::npos; start = end + 1)
        rows.push_back(CsvCells(csv.substr(start, end - start)));
    table.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table.rowCount(); ++r) {
        const std::vector<std::string>& cells = rows[static_cast<size_t>(r)];
        for (int c = 0; c < table.columnCount() && c < static_cast<int>(cells.size()); ++c) {
            const std::string& cell = cells[static_cast<size_t>(c)];
            auto* item = new QTableWidgetItem(CellText(c, cell));
            item->setData(Qt::UserRole, QString::fromStdString(cell));
            if (c != ExperimentColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(r, c, item);
        }
    }
    table.resizeColumnsToContents();
}

QString RussianText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
