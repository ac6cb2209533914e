// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/DetectorBench.h"
#include "common/sheets/SpreadsheetCsv.h"
#include "journal/JournalCsv.h"
#include "journal/JournalSheet.h"
#include "journal/JournalVerification.h"
#include "journal/KeptJournal.h"
#include "tools/testsupport/TestFolder.h"
#include "tools/testsupport/TestSession.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace journal::test;

const std::vector<MeasurementInputs> Measurements{
    {1, 2, 1.0, 0.0, Distinction1}, {1, 2, 6.0, 20.0, Detection}, {1, 2, 2.0, 0.0, NoisePower},
    {1, 2, 1.0, 0.0, Refused}, {3, 4, 6.0, 10.0, FalseAlarms}, {1, 2, 3.0, 5.5, Distinction2}};

// The session's journal kept in a data folder of the test's own.
class KeptJournalTest : public TestFolder {
protected:
    void SetUp() override
    {
        TestFolder::SetUp();
        ::setenv("XDG_DATA_HOME", folder_.c_str(), 1);
        QCoreApplication::setApplicationName(QStringLiteral("detector-lab"));
    }

    // Measures on the bench and records, as the program does.
    static void Measure(KeptJournal& journal, DetectorBench& bench, size_t from, size_t to)
    {
        for (size_t i = from; i < to; ++i)
            journal.Record(Measurements[i], bench.Measure(Measurements[i]).value_or(MeasurementResult{}));
    }

    static std::string FileText(const KeptJournal& journal)
    {
        QFile file(journal.KeptPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    static std::string PathOf(const KeptJournal& journal) { return QFile::encodeName(journal.KeptPath()).toStdString(); }
};

// Each row is on the disk when Record returns: the file is the journal's
// text, line for line, and verifies.
TEST_F(KeptJournalTest, EveryRowIsInTheFileAsItIsRecorded)
{
    DetectorBench bench(Seed);
    KeptJournal journal(Seed);
    EXPECT_TRUE(journal.KeptPath().isEmpty());
    for (size_t i = 0; i < 3; ++i) {
        Measure(journal, bench, i, i + 1);
        EXPECT_TRUE(journal.IsKept());
        EXPECT_EQ(FileText(journal), journal.CsvText());
    }
    EXPECT_EQ(journal.CsvText(), journal::JournalCsvText(journal.Content()));
    EXPECT_EQ(journal::VerifyJournalFile(PathOf(journal)).Status, 0);
}

// A symbolic link put in the file's place is never written through: the
// session says so once and goes on.
TEST_F(KeptJournalTest, ALinkInTheFilesPlaceIsNeverWrittenThrough)
{
    DetectorBench bench(Seed);
    KeptJournal journal(Seed);
    QStringList messages;
    QObject::connect(&journal, &KeptJournal::KeepFailed, [&](const QString& message) { messages << message; });
    Measure(journal, bench, 0, 1);
    const std::string path = PathOf(journal);
    std::ofstream(File("victim"), std::ios::binary) << "precious\n";
    std::filesystem::remove(path);
    std::filesystem::create_symlink(File("victim"), path);
    Measure(journal, bench, 1, 3);
    EXPECT_EQ(Read("victim"), "precious\n");
    EXPECT_FALSE(journal.IsKept());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("на его месте теперь другой файл или ссылка"))) << messages[0].toStdString();
    EXPECT_EQ(journal.Content().Rows.size(), 3u);
}

// A session ended mid-row (the last line torn) and taken on by another
// program goes on from where it was: the file verifies as one session and
// holds the very results of one session measured without a break.
TEST_F(KeptJournalTest, ASessionTakenOnGoesOnAsOne)
{
    std::string path;
    {
        DetectorBench bench(Seed);
        KeptJournal first(Seed);
        Measure(first, bench, 0, 3);
        path = PathOf(first);
        std::ofstream(path, std::ios::app | std::ios::binary) << "4,2026-03-14T09:2";
    }
    DetectorBench bench(1u);
    KeptJournal second(1u);
    EXPECT_EQ(second.ContinueSession(QFile::decodeName(path.c_str()), bench), QString());
    EXPECT_EQ(bench.Seed(), Seed);
    EXPECT_EQ(second.Content().Rows.size(), 3u);
    Measure(second, bench, 3, Measurements.size());

    DetectorBench unbroken(Seed);
    KeptJournal reference(Seed);
    Measure(reference, unbroken, 0, Measurements.size());
    std::ifstream in(path, std::ios::binary);
    const journal::ReadJournal read = journal::ReadJournalCsv(std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_EQ(read.Error, "");
    EXPECT_EQ(read.TornLine, 0u);
    ASSERT_EQ(read.Content.Rows.size(), Measurements.size());
    for (size_t i = 0; i < Measurements.size(); ++i) {
        EXPECT_EQ(read.Content.Rows[i].Number, static_cast<int64_t>(i) + 1);
        EXPECT_EQ(read.FileCells[i][journal::column::Reading], journal::RowCells(reference.Content().Rows[i])[journal::column::Reading]);
        EXPECT_EQ(read.Content.Rows[i].Result.Counter, reference.Content().Rows[i].Result.Counter);
    }
    EXPECT_EQ(journal::VerifyJournalFile(path).Status, 0);
}

// A row changed in the file stops the continuation: nothing of the
// session, the bench or the file changes; a file that is no journal, a
// journal saved as «CSV для Excel» (which lines of the program's own form
// would break), or a FIFO, is refused the same way.
TEST_F(KeptJournalTest, WhatDoesNotReproduceIsNotTakenOn)
{
    // The second row, a refused measurement, with a counter of 5 in place of 0.
    const std::string text = journal::JournalCsvText(Session());
    std::ofstream(File("tampered.csv"), std::ios::binary) << text.substr(0, text.find("\n2,") + 1)
        << "2,2026-03-14T09:26:53+03:00,1,1,2,отказ,1,2,1,0,0,5,5,—,—,—,—,—\n";
    std::ofstream(File("no-journal.csv"), std::ios::binary) << "a,b\n";
    std::ofstream(File("for-excel.csv"), std::ios::binary) << sheets::SpreadsheetCsvText(journal::JournalBook(Session()));
    ASSERT_EQ(::mkfifo(File("fifo.csv").c_str(), 0600), 0);
    for (const char* name : {"tampered.csv", "no-journal.csv", "for-excel.csv", "fifo.csv"}) {
        DetectorBench bench(1u);
        KeptJournal journal(1u);
        const std::string before = Read(name == std::string("fifo.csv") ? "no-journal.csv" : name);
        const QString message = journal.ContinueSession(QFile::decodeName(File(name).c_str()), bench);
        EXPECT_FALSE(message.isEmpty()) << name;
        EXPECT_EQ(bench.Seed(), 1u);
        EXPECT_EQ(journal.Content().Seed, 1u);
        EXPECT_TRUE(journal.Content().Rows.empty());
        EXPECT_TRUE(journal.KeptPath().isEmpty());
        if (name == std::string("for-excel.csv")) {
            EXPECT_TRUE(message.contains(QStringLiteral("сохранён как «CSV для Excel»"))) << message.toStdString();
        }
        if (name == std::string("tampered.csv")) {
            EXPECT_TRUE(message.contains(QStringLiteral("строка 4 журнала не воспроизводится"))) << message.toStdString();
            EXPECT_EQ(Read(name), before);
        }
    }
}

// A new session has its seed and no rows, and a file of its own from its
// first row.
TEST_F(KeptJournalTest, ANewSessionStartsAFileOfItsOwn)
{
    DetectorBench bench(Seed);
    KeptJournal journal(Seed);
    Measure(journal, bench, 0, 2);
    const QString first = journal.KeptPath();
    int changes = 0;
    QObject::connect(&journal, &KeptJournal::SessionChanged, [&] { ++changes; });
    journal.StartSession(7u);
    bench = DetectorBench(7u);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(journal.Content().Seed, 7u);
    EXPECT_TRUE(journal.Content().Rows.empty());
    EXPECT_TRUE(journal.KeptPath().isEmpty());
    Measure(journal, bench, 0, 1);
    EXPECT_NE(journal.KeptPath(), first);
    EXPECT_EQ(journal.Content().Rows.front().Number, 1);
    EXPECT_EQ(FileText(journal).rfind("# detector-lab journal 1; seed 7;", 0), 0u);
    EXPECT_EQ(journal::VerifyJournalFile(PathOf(journal)).Status, 0);
}

} // namespace
