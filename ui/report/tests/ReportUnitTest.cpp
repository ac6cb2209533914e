// SPDX-License-Identifier: GPL-3.0-or-later
// The lab report's preview as a student uses it: opened from «Журнал» for
// the session or for a journal file, without holding up the bench, its
// title block asked once and remembered, saved in its three forms and
// printed; a file that is no journal refused in the window.
#include "common/PlainMessage.h"
#include "journal/JournalCsv.h"
#include "tools/testsupport/FreshSettings.h"
#include "tools/testsupport/LabWindows.h"
#include "tools/testsupport/ReportSession.h"
#include "ui/help/TheoryWindow.h"
#include "ui/report/ReportTitleDialog.h"
#include "ui/report/ReportUnit.h"
#include "ui/support/OpenJournalDialog.h"
#include "ui/support/SavePictureDialog.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

// The preview the menu item opened, once its report is made (or refused).
TReportForm* FinishedReport(LabWindows& lab, bool made = true)
{
    auto* window = qobject_cast<TReportForm*>(lab.program.Analysis->ReportWindow());
    if (window == nullptr)
        return nullptr;
    if (!window->Ready() && !window->Status->text().startsWith(QStringLiteral("Отчёт не составлен"))) {
        QSignalSpy finished(window, &TReportForm::ReportFinished);
        if (!finished.wait(30000))
            return nullptr;
        if (finished.at(0).at(0).toBool() != made)
            return nullptr;
    }
    return window;
}

QByteArray FileStart(const QString& path, int bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

} // namespace

class ReportUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetAnalysisFactories({nullptr, NewReportForm}); }

    void init()
    {
        ForgetProgramSettings();
        asked_ = 0;
        SetReportTitleQuestion([this](QWidget*, const report::ReportTitle& shown) {
            ++asked_;
            report::ReportTitle title = shown;
            title.Student = QStringLiteral("Петрова А. С.");
            title.Group = QStringLiteral("РТ-22");
            return std::optional<report::ReportTitle>(title);
        });
    }

    void cleanup()
    {
        SetReportTitleQuestion({});
        SetJournalFileChooser({});
        SetReportFileNameChooser({});
        SetPrintQuestion({});
    }

    // «Отчёт…» previews the session's own measurements; the bench stays
    // free while the journal is replayed, and the title block is asked once.
    void theSessionsReportIsPreviewedWithoutHoldingUpTheBench()
    {
        LabWindows lab;
        lab.SetSwitches(1, 2, 1);
        lab.ClickMeasure();
        lab.ClickMeasure();
        lab.program.Journals->ReportItem->trigger();
        auto* window = qobject_cast<TReportForm*>(lab.program.Analysis->ReportWindow());
        QVERIFY(window != nullptr && window->isVisible());
        QVERIFY(!window->Ready());
        QVERIFY(!window->SavePdfButton->isEnabled() && !window->PrintButton->isEnabled());
        QVERIFY(lab.form1->Button3->isEnabled());

        QVERIFY(FinishedReport(lab) != nullptr);
        QCOMPARE(asked_, 1);
        QCOMPARE(window->Source().Analysis.Rows, size_t{2});
        QCOMPARE(window->Source().Analysis.Seed, lab.bench.Seed());
        QVERIFY(window->Source().DifferingRows.empty());
        const QString shown = window->Preview->toPlainText();
        for (const QString& expected : {QStringLiteral("Отчёт по лабораторной работе № 4"),
                 QStringLiteral("Петрова А. С."), QStringLiteral("РТ-22"), QStringLiteral("7. Выводы"),
                 QStringLiteral("все 2 строки воспроизводятся")})
            QVERIFY2(shown.contains(expected), qPrintable(expected));
        QVERIFY(window->SavePdfButton->isEnabled() && window->PrintButton->isEnabled());

        // Asked once, remembered between runs: the next report does not ask.
        lab.program.Journals->ReportItem->trigger();
        window = FinishedReport(lab);
        QVERIFY(window != nullptr);
        QCOMPARE(asked_, 1);
        QCOMPARE(window->Source().Title.Student, QStringLiteral("Петрова А. С."));
        window->TitleButton->click();
        QCOMPARE(asked_, 2);
    }

    // «Открыть журнал…» previews a journal file; it saves in its three forms
    // through the program's dialogs and prints through the print dialog.
    void aJournalFileIsReportedSavedAndPrinted()
    {
        QTemporaryDir folder;
        const QString journalPath = folder.filePath(QStringLiteral("ivanov.csv"));
        QFile journalFile(journalPath);
        QVERIFY(journalFile.open(QIODevice::WriteOnly));
        journalFile.write(QByteArray::fromStdString(journal::JournalCsvText(report::test::StudentSession(9))));
        journalFile.close();
        SetJournalFileChooser([&](QWidget*) { return std::optional<QString>(journalPath); });
        SetReportFileNameChooser([&](QWidget*, const QString& extension) {
            return std::optional<QString>(folder.filePath(QStringLiteral("report.") + extension));
        });
        SetPrintQuestion([&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
            return true;
        });

        LabWindows lab;
        lab.program.Journals->OpenJournalItem->trigger();
        TReportForm* window = FinishedReport(lab);
        QVERIFY(window != nullptr);
        QCOMPARE(window->Source().Analysis.Rows, size_t{200});
        QCOMPARE(window->Source().JournalFile, journalPath);
        QVERIFY(window->Preview->toPlainText().contains(QStringLiteral("detector-lab-sweep --verify ") + journalPath));

        PlainMessageRecorder recorder;
        window->SavePdfButton->click();
        window->SaveOdtButton->click();
        window->SaveXlsxButton->click();
        window->PrintButton->click();
        QCOMPARE(recorder.messages, QStringList());
        QCOMPARE(FileStart(folder.filePath(QStringLiteral("report.pdf")), 4), QByteArray("%PDF"));
        QCOMPARE(FileStart(folder.filePath(QStringLiteral("report.odt")), 2), QByteArray("PK"));
        QCOMPARE(FileStart(folder.filePath(QStringLiteral("report.xlsx")), 2), QByteArray("PK"));
        QCOMPARE(FileStart(folder.filePath(QStringLiteral("printed.pdf")), 4), QByteArray("%PDF"));

        // A report that cannot be written says so, and leaves nothing.
        SetReportFileNameChooser([&](QWidget*, const QString&) {
            return std::optional<QString>(folder.filePath(QStringLiteral("no/such/folder/report.pdf")));
        });
        window->SavePdfButton->click();
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(recorder.messages[0].startsWith(QStringLiteral("Не удалось сохранить отчёт:")));
    }

    // A file that is no journal gets its report refused in the window,
    // nothing to save; F1 opens the theory and Escape closes the window.
    void aFileThatIsNoJournalIsRefusedInTheWindow()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("notes.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a,b,c\n1,2,3\n");
        file.close();
        SetJournalFileChooser([&](QWidget*) { return std::optional<QString>(path); });

        LabWindows lab;
        lab.program.Journals->OpenJournalItem->trigger();
        TReportForm* window = FinishedReport(lab, false);
        QVERIFY(window != nullptr);
        QVERIFY(!window->Ready());
        QVERIFY2(window->Status->text().startsWith(QStringLiteral("Отчёт не составлен: ") + path),
            qPrintable(window->Status->text()));
        QVERIFY(!window->SavePdfButton->isEnabled());

        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
        QVERIFY(window->findChild<TTheoryWindow*>() != nullptr || lab.form1->findChild<TTheoryWindow*>() != nullptr);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QPointer<TReportForm> closing = window;
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(closing == nullptr);
    }

private:
    int asked_ = 0;
};

QTEST_MAIN(ReportUnitTest)
#include "ReportUnitTest.moc"
