// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalTableModel.h"

#include "common/language/Language.h"
#include "journal/JournalSheet.h"
#include "journal/KeptJournal.h"

namespace {

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
        shown_.push_back(journal::ShownCells(row, ProgramLanguage()));
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
    return QString::fromStdString(journal::ColumnHeadings(ProgramLanguage())[static_cast<size_t>(section)]);
}

void JournalTableModel::AddRow(int index)
{
    beginInsertRows({}, index, index);
    shown_.push_back(journal::ShownCells(journal_.Content().Rows.at(static_cast<size_t>(index)), ProgramLanguage()));
    endInsertRows();
}
