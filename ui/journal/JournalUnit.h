// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

class JournalTableModel;
class KeptJournal;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The window "Журнал измерений": the session's measurements in a table,
// where new rows appear as they are measured, rounded as people read them,
// the file the journal is kept in, and the commands to save it (as CSV, «CSV
// для Excel» or a workbook, every digit kept) and to copy it for a
// spreadsheet.
// Not modal: the student measures on while it is open.
class TJournalForm : public QWidget {
    Q_OBJECT

public:
    TJournalForm(const KeptJournal& journal, QWidget* owner);

    // Saves the journal under the name and in the form the save dialog asks
    // for; a file that cannot be written gets a message.
    void SaveAsCsvClick();
    // Puts the selected rows, or every row when none is selected, on the
    // clipboard: tab-separated lines under the headings, decimal commas,
    // every digit.
    void CopyClick();

    QTableView* Table;
    QLabel* SeedLabel;
    QLabel* FileLabel;
    QLineEdit* FilePath;
    QPushButton* SaveButton;
    QPushButton* CopyButton;
    QPushButton* CloseButton;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowKeptState();
    void FitColumns();
    std::vector<int> RowsToCopy() const;

    const KeptJournal& journal_;
    JournalTableModel* model_;
    bool placed_ = false;
};
