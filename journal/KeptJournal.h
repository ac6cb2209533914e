// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppendedFile.h"
#include "Journal.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <string>

class DetectorBench;

// The session's journal of measurements: one row for every measurement the
// student starts, refused ones included, kept without being asked in the
// user's data folder, one CSV file per session named by its start time.
// The file grows by one appended line per row, on the disk before the row
// is shown; it is written only while it is still the file the session made
// (see AppendedFile). A folder or file that cannot be written, or a file
// replaced under its name, is reported once through KeepFailed, and the
// session goes on.
class KeptJournal : public QObject {
    Q_OBJECT

public:
    // `seed` is the seed the session's bench was built with.
    explicit KeptJournal(uint32_t seed, QObject* parent = nullptr);

    // Adds the measurement as a row, stamped with the time now, and keeps
    // the file.
    void Record(const MeasurementInputs& inputs, const MeasurementResult& result);

    // A new session on a bench built with `seed`: no rows yet, and a file of
    // its own from its first row.
    void StartSession(uint32_t seed);
    // Takes on the session of the journal in the file: replays its rows on
    // `bench`, built anew with the journal's seed, so that the bench goes on
    // from where the session left it, and appends the rows measured from
    // now on to the same file (a torn last line, left by a program that
    // ended while writing it, is dropped first). Returns why not, in a
    // message for the student, when the file is no journal or one of its
    // rows does not reproduce; the session and the bench are then as they
    // were.
    QString ContinueSession(const QString& path, DetectorBench& bench);

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
    // A session was started or taken on: the rows are those of Content() now.
    void SessionChanged();

private:
    bool ClaimFileName();
    void Keep();
    void ReportFailure(const QString& message);

    journal::Journal journal_;
    std::string csvText_;
    QDateTime started_;
    QString path_;
    AppendedFile file_;
    // How much of csvText_ the file holds: the rest is appended at the next row.
    size_t keptBytes_ = 0;
    bool kept_ = false;
    // Replaced under its name: the file is never written again.
    bool abandoned_ = false;
    bool failureShown_ = false;
};
