// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PlainMessage.h"
#include "common/settings/ProgramSettings.h"
#include "journal/JournalCsv.h"
#include "tools/testsupport/ReportSession.h"
#include "translations/ProgramTranslation.h"
#include "ui/analysis/opener/AnalysisMenu.h"
#include "ui/analysis/opener/ModuleFile.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

#include <sys/stat.h>

namespace {

QByteArray RealModule()
{
    QFile file(QStringLiteral(DL_ANALYSIS_MODULE_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

} // namespace

class AnalysisModuleTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever lies in the module's place, the check says what is wrong with
    // it at once, and loading it gives a reason instead of a crash: a file
    // cut short (it would be mapped past its end), one that is no module,
    // a FIFO (opening it would wait for a writer for good), a folder.
    void aDamagedModuleIsRefusedWithItsReason_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("keptBytes");
        QTest::addColumn<QString>("reason");
        const qint64 size = RealModule().size();
        QTest::addRow("cut after 200000 bytes") << "file" << qint64{200000} << "обрывается";
        QTest::addRow("cut by one byte") << "file" << size - 1 << "обрывается";
        QTest::addRow("cut at half") << "file" << size / 2 << "обрывается";
        QTest::addRow("the header only") << "file" << qint64{64} << "обрывается";
        QTest::addRow("cut inside the header") << "file" << qint64{40} << "нет заголовка ELF";
        QTest::addRow("empty") << "file" << qint64{0} << "нет заголовка ELF";
        QTest::addRow("text") << "text" << qint64{0} << "нет заголовка ELF";
        QTest::addRow("a FIFO") << "fifo" << qint64{0} << "не обычный файл";
        QTest::addRow("a folder") << "folder" << qint64{0} << "не обычный файл";
    }

    void aDamagedModuleIsRefusedWithItsReason()
    {
        QFETCH(QString, kind);
        QFETCH(qint64, keptBytes);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("detector-lab-analysis.so"));
        if (kind == "file")
            QCOMPARE(Write(folder, "detector-lab-analysis.so", RealModule().left(keptBytes)), path);
        else if (kind == "text")
            QCOMPARE(Write(folder, "detector-lab-analysis.so", QByteArray(4096, 'x')), path);
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("detector-lab-analysis.so")));

        QVERIFY2(ModuleFileProblem(path).contains(reason), qPrintable(ModuleFileProblem(path)));
        QString error;
        QVERIFY(!LoadAnalysisModule(path, error));
        QVERIFY2(error.startsWith(path + ": ") && error.contains(reason), qPrintable(error));
    }

    // The real module passes the check and makes its window, which works
    // through the program's seams: the bench's settings, the program's
    // decimal separator in its fields, and the messages of its fields and of
    // the window itself shown by the program's own message box.
    void theModuleWorksThroughTheProgramsSeams()
    {
        QCOMPARE(ModuleFileProblem(QStringLiteral(DL_ANALYSIS_MODULE_FILE)), QString());
        QString error;
        const std::optional<AnalysisFactories> factories
            = LoadAnalysisModule(QStringLiteral(DL_ANALYSIS_MODULE_FILE), error);
        QVERIFY2(factories && factories->Report != nullptr, qPrintable(error));
        const CharacteristicsFactory factory = factories->Characteristics;
        QVERIFY(factory != nullptr);

        PlainMessageRecorder recorder;
        AnalysisHost host;
        host.Bench = [] { return BenchChoice{3, 4, 2.5}; };
        host.ShowMessage = [](const QString& text) { ShowPlainMessage(text); };
        host.DecimalSeparator = ',';
        std::unique_ptr<QWidget> window(factory(host, nullptr));
        QVERIFY(window != nullptr);
        auto* gain = window->findChild<QLineEdit*>(QStringLiteral("GainField"));
        auto* step = window->findChild<QLineEdit*>(QStringLiteral("StepField"));
        auto* build = window->findChild<QPushButton*>(QStringLiteral("BuildButton"));
        QVERIFY(gain != nullptr && step != nullptr && build != nullptr);
        QCOMPARE(gain->text(), QStringLiteral("2,5"));

        // A gain beyond the field's limit is corrected with the field's
        // message; a step of 0 is refused with the window's own.
        gain->setText(QStringLiteral("5000"));
        gain->setModified(true);
        step->setText(QStringLiteral("0"));
        step->setModified(true);
        build->click();
        QCOMPARE(recorder.messages.size(), 2);
        QCOMPARE(recorder.messages.last(), QStringLiteral("Шаг должен быть больше нуля."));
        QCOMPARE(gain->text(), QStringLiteral("1000"));
    }

    // The module's report speaks the language the program hands it: its
    // words translated, and its tables' names and verdicts, which the
    // module's own copy of the plain libraries words, in English too.
    void theModulesReportSpeaksTheProgramsLanguage()
    {
        QString error;
        const std::optional<AnalysisFactories> factories
            = LoadAnalysisModule(QStringLiteral(DL_ANALYSIS_MODULE_FILE), error);
        QVERIFY2(factories, qPrintable(error));
        const std::unique_ptr<QTranslator> english = LoadEnglishTexts();
        QVERIFY(english && QCoreApplication::installTranslator(english.get()));
        // Remembered, so that the report does not ask for its title block.
        OpenProgramSettings()->setValue(QStringLiteral("report/student"), QStringLiteral("Student"));
        AnalysisHost host;
        host.ShowMessage = [](const QString& text) { ShowPlainMessage(text); };
        host.Spoken = Language::English;
        const ReportOrder order{{}, QByteArray::fromStdString(journal::JournalCsvText(report::test::StudentSession(5)))};
        std::unique_ptr<QWidget> window(factories->Report(host, order, nullptr));
        QSignalSpy finished(window.get(), SIGNAL(ReportFinished(bool)));
        QVERIFY(finished.wait(60000));
        QCoreApplication::removeTranslator(english.get());
        const QString text = window->findChild<QTextBrowser*>(QStringLiteral("Preview"))->toPlainText();
        for (const QString& words : {QStringLiteral("Report on laboratory work No. 4"), QStringLiteral("consistent"),
                 QStringLiteral("false alarms")})
            QVERIFY2(text.contains(words), qPrintable(words));
        QVERIFY(std::none_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; }));
    }
};

QTEST_MAIN(AnalysisModuleTest)
#include "AnalysisModuleTest.moc"
