// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptJournal.h"

#include "JournalCsv.h"
#include "common/files/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Sessions started within the same second (two programs, say) get the
// names -2, -3, ... after the first.
constexpr int MostSessionsPerSecond = 100;

QString FailureMessage(const QString& folder)
{
    return QStringLiteral("Журнал измерений не удаётся сохранить в папке %1.\n"
                          "Измерения продолжаются; журнал можно сохранить командой «Сохранить как CSV…» "
                          "в окне «Журнал измерений».")
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace

KeptJournal::KeptJournal(uint32_t seed, QObject* parent)
    : QObject(parent),
      journal_{seed, {}},
      csvText_(journal::JournalCsvHead(seed)),
      started_(QDateTime::currentDateTime())
{
}

QString KeptJournal::Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void KeptJournal::Record(const MeasurementInputs& inputs, const MeasurementResult& result)
{
    journal::JournalRow row;
    row.Number = static_cast<int64_t>(journal_.Rows.size()) + 1;
    row.Time = journal::TimeText(QDateTime::currentDateTime());
    row.Inputs = inputs;
    row.Result = result;
    csvText_ += journal::JournalCsvLine(row);
    journal_.Rows.push_back(std::move(row));
    Keep();
    emit RowAdded(static_cast<int>(journal_.Rows.size()) - 1);
}

// Creates the session's file under a name no other session holds.
bool KeptJournal::ClaimFileName()
{
    const QString folder = Folder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString stem = QDir(folder).filePath(QStringLiteral("journal-") + started_.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    for (int session = 1; session <= MostSessionsPerSecond; ++session) {
        const QString name = stem + (session == 1 ? QString() : QStringLiteral("-%1").arg(session)) + QStringLiteral(".csv");
        QFile file(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            path_ = name;
            return true;
        }
        if (!file.exists())
            return false;
    }
    return false;
}

void KeptJournal::Keep()
{
    kept_ = false;
    if (!path_.isEmpty() || ClaimFileName()) {
        OutputFiles file(OutputFiles::UnreadFifo::Fail);
        file.Add(path_, QByteArray::fromStdString(csvText_));
        kept_ = file.Write().empty();
    }
    emit KeptStateChanged();
    if (!kept_ && !failureShown_) {
        failureShown_ = true;
        emit KeepFailed(FailureMessage(path_.isEmpty() ? Folder() : QFileInfo(path_).absolutePath()));
    }
}
