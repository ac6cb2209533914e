// SPDX-License-Identifier: GPL-3.0-or-later
// A session kept by a run in one language goes on in a run of the other:
// the kept file keeps one format whatever the language, and the «CSV для
// Excel» saved in either language verifies.
#include "common/PlainMessage.h"
#include "journal/JournalCsv.h"
#include "journal/JournalReplay.h"
#include "journal/KeptJournal.h"
#include "tools/testsupport/LabWindows.h"
#include "ui/journal/JournalUnit.h"
#include "ui/program/ProgramLanguage.h"
#include "ui/support/Application.h"
#include "ui/support/SavePictureDialog.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

std::string ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Every row of the journal's text reproduces on the bench of its seed.
void CheckVerifies(const std::string& text, size_t rows, Language wording)
{
    const journal::ReadJournal read = journal::ReadJournalCsv(text);
    QCOMPARE(read.Error, std::string());
    QCOMPARE(read.Content.Rows.size(), rows);
    QCOMPARE(read.Wording, wording);
    for (const journal::RowCheck& check : journal::ReplayJournal(read))
        QVERIFY2(check.Reproduces, check.Difference.c_str());
}

} // namespace

Q_DECLARE_METATYPE(Language)

class JournalAcrossLanguagesTest : public QObject {
    Q_OBJECT

    QTemporaryDir data_;

private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", data_.path().toUtf8()); }
    void cleanupTestCase() { UseLanguage(Language::Russian); }

    void theSessionGoesOnInTheOtherLanguage_data()
    {
        QTest::addColumn<Language>("kept");
        QTest::addColumn<Language>("continued");
        QTest::newRow("English, then Russian") << Language::English << Language::Russian;
        QTest::newRow("Russian, then English") << Language::Russian << Language::English;
    }

    // A refusal, a noise power, a detection and a distinction measured in
    // one language; the other language's run takes the session on, measures
    // once more, and the whole file verifies, its words Russian.
    void theSessionGoesOnInTheOtherLanguage()
    {
        QFETCH(Language, kept);
        QFETCH(Language, continued);
        QTemporaryDir folder;
        const QString excel = folder.filePath(QStringLiteral("excel.csv"));
        QString path;
        QCOMPARE(UseLanguage(kept), kept);
        {
            PlainMessageRecorder refusal;
            LabWindows lab;
            for (const QList<int>& switches : QList<QList<int>>{{1, 1, 2}, {3, 2, 2}, {1, 2, 1}, {3, 2, 1}}) {
                lab.SetSwitches(switches[0], switches[1], switches[2]);
                lab.ClickMeasure();
            }
            QCOMPARE(refusal.messages.size(), 1);
            path = lab.Journal().KeptPath();
            lab.program.Journals->JournalItem->trigger();
            const TableFileChooser previous = SetTableFileChooser(
                [&](QWidget*) { return std::optional(TableFile{excel, sheets::TableForm::SpreadsheetCsv}); });
            lab.JournalWindow()->SaveButton->click();
            SetTableFileChooser(previous);
        }
        QVERIFY(ReadAll(path).find("отказ") != std::string::npos);

        QCOMPARE(UseLanguage(continued), continued);
        {
            PlainMessageRecorder messages;
            LabWindows lab(7);
            lab.program.Journals->ContinueSession(path);
            QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('\n')));
            QCOMPARE(lab.Journal().Content().Rows.size(), 4u);
            lab.SetSwitches(1, 2, 1);
            lab.ClickMeasure();
            QCOMPARE(lab.Journal().KeptPath(), path);
        }
        CheckVerifies(ReadAll(path), 5, Language::Russian);
        CheckVerifies(ReadAll(excel), 4, kept);
    }
};

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    JournalAcrossLanguagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "JournalAcrossLanguagesTest.moc"
