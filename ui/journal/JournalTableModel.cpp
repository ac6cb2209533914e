// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalTableModel.h"

#include "journal/KeptJournal.h"

#include <QStringList>

namespace {

constexpr char ShownDecimalSeparator = ',';

QString TabSeparated(const journal::Cells& cells)
{
    QStringList line;
    for (const std::string& cell : cells)
        line.append(QString::fromStdString(cell));
    return line.join(QLatin1Char('\t'));
}

bool IsText(size_t column)
{
    return column == journal::column::Time || column == journal::column::Experiment
        || column == journal::column::Verdict;
}

} // namespace

JournalTableModel::JournalTableModel(const KeptJournal& journal, QObject* parent)
    : QAbstractTableModel(parent),
      journal_(journal)
{
    ShowSession();
    connect(&journal, &KeptJournal::RowAdded, this, &JournalTableModel::AddRow);
    connect(&journal, &KeptJournal::SessionChanged, this, &JournalTableModel::ShowSession);
}

void JournalTableModel::ShowSession()
{
    beginResetModel();
    shown_.clear();
    for (const journal::JournalRow& row : journal_.Content().Rows)
        shown_.push_back(journal::RowCells(row, ShownDecimalSeparator));
    endResetModel();
}

int JournalTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int JournalTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(journal::column::Count);
}

QVariant JournalTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto column = static_cast<size_t>(index.column());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(shown_[static_cast<size_t>(index.row())][column]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((IsText(column) ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return QString::fromStdString(journal::ColumnHeadings()[static_cast<size_t>(section)]);
}

QString JournalTableModel::TabSeparatedText(const std::vector<int>& rows) const
{
    QString text = TabSeparated(journal::ColumnHeadings()) + QLatin1Char('\n');
    for (int row : rows)
        text += TabSeparated(shown_.at(static_cast<size_t>(row))) + QLatin1Char('\n');
    return text;
}

void JournalTableModel::AddRow(int index)
{
    beginInsertRows({}, index, index);
    shown_.push_back(journal::RowCells(journal_.Content().Rows.at(static_cast<size_t>(index)), ShownDecimalSeparator));
    endInsertRows();
}
