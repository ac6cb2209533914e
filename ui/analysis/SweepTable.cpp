// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepTable.h"

#include "common/language/Language.h"
#include "common/sheets/SpreadsheetCsv.h"
#include "sweepsheet/SweepSheet.h"

#include <QHeaderView>
#include <QTableWidget>
#include <vector>

namespace {

constexpr int ExperimentColumn = 0;

} // namespace

QTableWidget* NewSweepTable(QWidget* parent)
{
    const std::vector<std::string>& headings = sweep::SweepHeadings(ProgramLanguage());
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    for (int c = 0; c < table->columnCount(); ++c)
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(RussianText(headings[static_cast<size_t>(c)])));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void ShowSweepTable(QTableWidget& table, const sheets::Table& rows, const std::string& csv)
{
    std::vector<std::vector<std::string>> csvRows;
    size_t start = csv.find('\n') + 1; // past the header; 0 for no text
    for (size_t end; (end = csv.find('\n', start)) != std::string::npos; start = end + 1)
        csvRows.push_back(sheets::SplitCsvLine(std::string_view(csv).substr(start, end - start), ',').value_or(std::vector<std::string>{}));
    table.setRowCount(static_cast<int>(rows.Rows.size()));
    for (int r = 0; r < table.rowCount(); ++r) {
        const sheets::Row& cells = rows.Rows[static_cast<size_t>(r)];
        for (int c = 0; c < table.columnCount() && c < static_cast<int>(cells.size()); ++c) {
            auto* item = new QTableWidgetItem(RussianText(sheets::ShownText(cells[static_cast<size_t>(c)])));
            if (static_cast<size_t>(r) < csvRows.size() && static_cast<size_t>(c) < csvRows[static_cast<size_t>(r)].size())
                item->setData(Qt::UserRole, QString::fromStdString(csvRows[static_cast<size_t>(r)][static_cast<size_t>(c)]));
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
