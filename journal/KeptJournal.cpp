// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptJournal.h"

#include "JournalCsv.h"
#include "JournalFile.h"
#include "JournalReplay.h"
#include "bench/DetectorBench.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Sessions started within the same second (two programs, say) get the
// names -2, -3, ... after the first.
constexpr int MostSessionsPerSecond = 100;

QString SaveYourself()
{
    return KeptJournal::tr("Измерения продолжаются; журнал можно сохранить командой «Сохранить как CSV…» в окне "
              "«Журнал измерений».");
}

QString FolderFailure(const QString& folder)
{
    return KeptJournal::tr("Журнал измерений не удаётся сохранить в папке %1.\n").arg(QDir::toNativeSeparators(folder))
        + SaveYourself();
}

QString ReplacedFailure(const QString& path)
{
    return KeptJournal::tr("Журнал измерений больше не сохраняется в файл %1: на его месте теперь другой файл или "
              "ссылка, и программа в него не пишет.\n")
               .arg(QDir::toNativeSeparators(path))
        + SaveYourself();
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

void KeptJournal::StartSession(uint32_t seed)
{
    journal_ = {seed, {}};
    csvText_ = journal::JournalCsvHead(seed);
    started_ = QDateTime::currentDateTime();
    path_.clear();
    file_ = AppendedFile();
    keptBytes_ = 0;
    kept_ = false;
    abandoned_ = false;
    failureShown_ = false;
    emit SessionChanged();
    emit KeptStateChanged();
}

QString KeptJournal::ContinueSession(const QString& path, DetectorBench& bench)
{
    const QString shown = QDir::toNativeSeparators(path);
    std::string error;
    const std::optional<std::string> text = journal::ReadJournalFile(QFile::encodeName(path).toStdString(), error);
    if (!text)
        return tr("Файл %1 не удаётся прочитать как журнал измерений.").arg(shown);
    const journal::ReadJournal read = journal::ReadJournalCsv(*text);
    if (!read.Error.empty())
        return tr("Файл %1 не является журналом измерений программы (строка %2).")
            .arg(shown)
            .arg(read.ErrorLine);
    // Lines in the program's own form would break a spreadsheet's copy.
    if (read.SpreadsheetForm)
        return tr("Сеанс продолжается только в файле журнала, который программа хранит сама "
                  "(journal-*.csv в папке %1), а файл %2 сохранён как «CSV для Excel».")
            .arg(QDir::toNativeSeparators(Folder()), shown);
    DetectorBench replayed(read.Content.Seed);
    for (const journal::RowCheck& check :
         journal::ReplayJournal(read, replayed, journal::ReplayEnd::AtTheFirstDifference))
        if (!check.Reproduces)
            return tr("Сеанс из файла %1 нельзя продолжить: строка %2 журнала не воспроизводится на "
                      "стенде с начальным числом %3, то есть журнал изменён после записи.\n"
                      "Проверить журнал: detector-lab-sweep --verify %1")
                .arg(shown)
                .arg(check.Line)
                .arg(read.Content.Seed);
    AppendedFile file;
    if (file.Adopt(QFile::encodeName(path).toStdString(), read.CompleteBytes) != AppendedFile::Outcome::Written)
        return tr("Сеанс из файла %1 нельзя продолжить: в этот файл не удаётся дописывать.").arg(shown);

    bench = replayed;
    journal_ = read.Content;
    csvText_ = text->substr(0, read.CompleteBytes);
    started_ = QDateTime::currentDateTime();
    path_ = path;
    file_ = file;
    keptBytes_ = csvText_.size();
    kept_ = true;
    abandoned_ = false;
    failureShown_ = false;
    emit SessionChanged();
    emit KeptStateChanged();
    return {};
}

// Creates the session's file under a name no other session holds, with the
// rows so far.
bool KeptJournal::ClaimFileName()
{
    const QString folder = Folder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString stem = QDir(folder).filePath(QStringLiteral("journal-") + started_.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    for (int session = 1; session <= MostSessionsPerSecond; ++session) {
        const QString name = stem + (session == 1 ? QString() : QStringLiteral("-%1").arg(session)) + QStringLiteral(".csv");
        switch (file_.Create(QFile::encodeName(name).toStdString(), csvText_)) {
        case AppendedFile::Outcome::Written:
            path_ = name;
            keptBytes_ = csvText_.size();
            return true;
        case AppendedFile::Outcome::Exists:
            continue;
        case AppendedFile::Outcome::Replaced:
        case AppendedFile::Outcome::Failed:
            return false;
        }
    }
    return false;
}

void KeptJournal::Keep()
{
    kept_ = false;
    if (!abandoned_) {
        if (path_.isEmpty()) {
            kept_ = ClaimFileName();
            if (!kept_)
                ReportFailure(FolderFailure(Folder()));
        } else {
            switch (file_.Append(std::string_view(csvText_).substr(keptBytes_))) {
            case AppendedFile::Outcome::Written:
                keptBytes_ = csvText_.size();
                kept_ = true;
                break;
            case AppendedFile::Outcome::Replaced:
                abandoned_ = true;
                ReportFailure(ReplacedFailure(path_));
                break;
            case AppendedFile::Outcome::Exists:
            case AppendedFile::Outcome::Failed:
                ReportFailure(FolderFailure(QFileInfo(path_).absolutePath()));
                break;
            }
        }
    }
    emit KeptStateChanged();
}

void KeptJournal::ReportFailure(const QString& message)
{
    if (failureShown_)
        return;
    failureShown_ = true;
    emit KeepFailed(message);
}
