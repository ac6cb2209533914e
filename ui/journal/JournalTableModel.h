// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/Journal.h"

#include <QAbstractTableModel>
#include <vector>

class KeptJournal;

// The journal's rows as the window's table shows them, rounded, with a
// decimal comma (journal::ShownCells); a row added to the journal appears at
// once.
class JournalTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit JournalTableModel(const KeptJournal& journal, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void AddRow(int index);
    // Another session: its rows, all of them.
    void ShowSession();

    const KeptJournal& journal_;
    // Worked out once per row: theory takes a while.
    std::vector<journal::Cells> shown_;
};
