// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Journal.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <string>

// The session's journal of measurements: one row for every measurement the
// student starts, refused ones included, kept without being asked in the
// user's data folder, one CSV file per session named by its start time,
// rewritten whole after every row. A folder or file that cannot be written
// is reported once, through KeepFailed, and the session goes on.
class KeptJournal : public QObject {
    Q_OBJECT

public:
    // `seed` is the seed the session's bench was built with.
    explicit KeptJournal(uint32_t seed, QObject* parent = nullptr);

    // Adds the measurement as a row, stamped with the time now, and keeps
    // the file.
    void Record(const MeasurementInputs& inputs, const MeasurementResult& result);

    const journal::Journal& Content() const { return journal_; }
    // The journal as its file holds it.
    const std::string& CsvText() const { return csvText_; }

    // The file the journal is kept in: empty before the first row.
    QString KeptPath() const { return path_; }
    // Whether the file holds every row so far.
    bool IsKept() const { return kept_; }
    // Where the files go: the user's data folder for the program.
    static QString Folder();

signals:
    void RowAdded(int index);
    void KeptStateChanged();
    // The first time the file cannot be kept: what to tell the student.
    void KeepFailed(const QString& message);

private:
    bool ClaimFileName();
    void Keep();

    journal::Journal journal_;
    std::string csvText_;
    QDateTime started_;
    QString path_;
    bool kept_ = false;
    bool failureShown_ = false;
};
