// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DecimalSeparator.h"
#include "common/PlainMessage.h"
#include "journal/JournalCsv.h"
#include "journal/JournalReplay.h"
#include "journal/KeptJournal.h"
#include "tools/testsupport/LabWindows.h"
#include "ui/journal/JournalTableModel.h"
#include "ui/journal/JournalUnit.h"
#include "ui/journal/NewSessionDialog.h"
#include "ui/support/Comfun.h"
#include "ui/support/OpenJournalDialog.h"
#include "ui/support/SavePictureDialog.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>

namespace {

const QString RefusalMessage =
    QStringLiteral("Схема лабораторной установки не соответствует ни одному из пунктов лабораторной работы.");

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

journal::ReadJournal ReadKept(const QString& path)
{
    return journal::ReadJournalCsv(ReadAll(path).toStdString());
}

QStringList JournalFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("journal-*.csv")}, QDir::Files);
}

struct Setting {
    QList<int> Switches;
    QList<int> Shapes;
    QString Gain;
    QString Threshold;
};

}  // namespace

class JournalUnitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(data_.isValid()); }

    void init()
    {
        SetLocaleDecimalSeparator('.');
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        QDir(KeptJournal::Folder()).removeRecursively();
    }

    // Each measurement, refused ones too, is a row with what the displays
    // show, in the kept file before any message waits for the student; a
    // bench built anew with the session's seed gives every row again.
    void rowsAreThePublishedResults()
    {
        const QList<Setting> session{
            {{1, 1, 1}, {1, 2}, "1", "0"}, {{1, 1, 2}, {1, 2}, "1", "0"}, {{1, 2, 1}, {1, 2}, "6", "20"},
            {{3, 2, 2}, {1, 2}, "2", "20"}, {{2, 2, 2}, {3, 4}, "2", "20"}, {{3, 2, 1}, {3, 4}, "6", "10.5"}};
        LabWindows lab(424242);
        const KeptJournal& kept = lab.Journal();
        QStringList messages;
        std::vector<size_t> keptRowsAtMessage;
        const PlainMessageHandler previous = SetPlainMessageHandler([&](const QString& text) {
            messages.append(text);
            keptRowsAtMessage.push_back(ReadKept(kept.KeptPath()).Content.Rows.size());
        });
        for (qsizetype i = 0; i < session.size(); ++i) {
            const Setting& setting = session[i];
            lab.SetSwitches(setting.Switches[0], setting.Switches[1], setting.Switches[2]);
            lab.SetShapes(setting.Shapes[0], setting.Shapes[1]);
            LabWindows::Type(lab.form1->EditFloat1, setting.Gain);
            LabWindows::Type(lab.form1->EditFloat2, setting.Threshold);
            lab.ClickMeasure();

            QCOMPARE(kept.Content().Rows.size(), static_cast<size_t>(i + 1));
            const journal::JournalRow& row = kept.Content().Rows.back();
            QCOMPARE(row.Number, i + 1);
            QCOMPARE(row.Inputs.Switches, (SwitchConfiguration{setting.Switches[0] - 1, setting.Switches[1] - 1,
                                              setting.Switches[2] - 1}));
            QCOMPARE(row.Inputs.Signal1Shape, setting.Shapes[0]);
            QCOMPARE(row.Inputs.Signal2Shape, setting.Shapes[1]);
            QCOMPARE(row.Inputs.Gain, setting.Gain.toDouble());
            QCOMPARE(row.Inputs.Threshold, setting.Threshold.toDouble());
            QCOMPARE(lab.Results(), (QStringList{FloatToText(2, row.Result.RegisterReading),
                                        QString::number(row.Result.Trials), QString::number(row.Result.Counter)}));
            const journal::ReadJournal file = ReadKept(kept.KeptPath());
            QCOMPARE(file.Error, std::string());
            QCOMPARE(file.Content.Rows.size(), static_cast<size_t>(i + 1));
            QVERIFY(file.FileCells.back() == journal::RowCells(row));
        }
        SetPlainMessageHandler(previous);
        QCOMPARE(messages, (QStringList{RefusalMessage, RefusalMessage}));
        QCOMPARE(keptRowsAtMessage, (std::vector<size_t>{2, 5}));
        QCOMPARE(kept.Content().Rows[1].Result.Trials, 0);
        QCOMPARE(kept.Content().Rows[3].Result.Trials, 1);

        const journal::ReadJournal file = ReadKept(kept.KeptPath());
        QCOMPARE(file.Content.Seed, 424242u);
        for (const journal::RowCheck& check : journal::ReplayJournal(file))
            QVERIFY2(check.Reproduces, check.Difference.c_str());
        QCOMPARE(JournalFiles(KeptJournal::Folder()), QStringList{QFileInfo(kept.KeptPath()).fileName()});
        QVERIFY(QFileInfo(kept.KeptPath()).fileName().contains(
            QRegularExpression(QStringLiteral("^journal-\\d{8}-\\d{6}(-\\d+)?\\.csv$"))));
    }

    // Sessions started in the same second keep files of their own.
    void sessionsKeepFilesOfTheirOwn()
    {
        LabWindows first;
        LabWindows second;
        first.ClickMeasure();
        second.ClickMeasure();
        first.ClickMeasure();
        QVERIFY(first.Journal().KeptPath() != second.Journal().KeptPath());
        QCOMPARE(ReadKept(first.Journal().KeptPath()).Content.Rows.size(), 2u);
        QCOMPARE(ReadKept(second.Journal().KeptPath()).Content.Rows.size(), 1u);
    }

    // A data folder that cannot be made is said once; measuring goes on.
    void anUnwritableFolderIsReportedOnce()
    {
        QFile blocker(data_.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8());
        PlainMessageRecorder messages;
        LabWindows lab;
        lab.ClickMeasure();
        lab.ClickMeasure();
        QCOMPARE(lab.Journal().Content().Rows.size(), 2u);
        QVERIFY(!lab.Journal().IsKept());
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages[0].startsWith(
            QStringLiteral("Журнал измерений не удаётся сохранить в папке ") + KeptJournal::Folder() + '.'));
        QCOMPARE(lab.form1->StaticText2->text(), "1000");
        lab.program.Journals->JournalItem->trigger();
        QVERIFY(lab.JournalWindow()->FilePath->text().startsWith(QStringLiteral("не сохраняется")));
    }

    // «Журнал» stands to the right of the two menus, which keep their items,
    // and left of «Справка»; it offers the journal's window, a new session
    // and a session taken on.
    void theMenuStandsRightOfTheBenchMenus()
    {
        LabWindows lab;
        TForm1& form = *lab.form1;
        const JournalMenu& journal = *lab.program.Journals;
        const QList<QAction*> menus = form.MainMenu1->actions().mid(0, 3);
        QCOMPARE(menus, (QList<QAction*>{form.N1->menuAction(), form.N2->menuAction(), journal.Menu->menuAction()}));
        QCOMPARE(journal.Menu->title(), QStringLiteral("Журнал"));
        const QList<QAction*> items = journal.Menu->actions();
        QCOMPARE(items.size(), 7);
        QCOMPARE(items[0], journal.JournalItem);
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items.mid(2, 2), (QList<QAction*>{journal.NewSessionItem, journal.ContinueSessionItem}));
        QVERIFY(items[4]->isSeparator());
        QCOMPARE(items.mid(5), (QList<QAction*>{journal.ReportItem, journal.OpenJournalItem}));
        QCOMPARE(journal.ReportItem->text(), QStringLiteral("Отчёт…"));
        QCOMPARE(journal.OpenJournalItem->text(), QStringLiteral("Открыть журнал…"));
        QCOMPARE(journal.JournalItem->text(), QStringLiteral("Журнал измерений"));
        QCOMPARE(journal.NewSessionItem->text(), QStringLiteral("Новый сеанс…"));
        QCOMPARE(journal.ContinueSessionItem->text(), QStringLiteral("Продолжить сеанс…"));
        QCOMPARE(form.N2->actions(), (QList<QAction*>{form.N6, form.N7, form.N8}));
        QVERIFY(form.MainMenu1->actionGeometry(journal.Menu->menuAction()).left()
                > form.MainMenu1->actionGeometry(form.N2->menuAction()).right());
        QCOMPARE(form.MainMenu1->actionGeometry(journal.Menu->menuAction()).top(),
                 form.MainMenu1->actionGeometry(form.N1->menuAction()).top());
    }

    // Not modal: rows measured while it is open appear in it at once.
    void theWindowShowsRowsAsTheyAreMeasured()
    {
        LabWindows lab;
        lab.ClickMeasure();
        lab.program.Journals->JournalItem->trigger();
        TJournalForm* window = lab.JournalWindow();
        QVERIFY(window != nullptr && window->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Журнал измерений"));
        QCOMPARE(window->windowModality(), Qt::NonModal);
        QCOMPARE(window->Table->model()->rowCount(), 1);
        QCOMPARE(window->FilePath->text(), QDir::toNativeSeparators(lab.Journal().KeptPath()));

        lab.form1->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), lab.form1.get());
        lab.SetSwitches(3, 2, 2);
        LabWindows::Type(lab.form1->EditFloat1, "2.5");
        lab.ClickMeasure();
        QAbstractItemModel& model = *window->Table->model();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.headerData(journal::column::Counter, Qt::Horizontal).toString(), QStringLiteral("счётчик"));
        QCOMPARE(model.index(1, journal::column::Experiment).data().toString(), QStringLiteral("мощность шума"));
        QCOMPARE(model.index(1, journal::column::Gain).data().toString(), "2,5");
        QCOMPARE(model.index(1, journal::column::Trials).data().toString(), "1");

        lab.program.Journals->JournalItem->trigger();
        QCOMPARE(lab.JournalWindow(), window);
        for (QWidget* control : std::initializer_list<QWidget*>{window->Table, window->FilePath, window->SaveButton,
                                                               window->CopyButton, window->CloseButton})
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QTRY_COMPARE(QApplication::activeWindow(), window);
        window->Table->setFocus();
        for (QWidget* next : std::initializer_list<QWidget*>{window->FilePath, window->SaveButton, window->CopyButton,
                                                            window->CloseButton, window->Table}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // The journal as its kept file holds it, under the name the save dialog
    // asks for; a file that cannot be written gets a message.
    void saveAsCsvGoesThroughTheSaveDialog()
    {
        QTemporaryDir folder;
        LabWindows lab;
        lab.ClickMeasure();
        lab.SetSwitches(2, 2, 2);
        PlainMessageRecorder messages;
        lab.ClickMeasure();
        lab.program.Journals->JournalItem->trigger();
        TJournalForm& window = *lab.JournalWindow();
        QString chosen = folder.filePath(QStringLiteral("Журнал.csv"));
        QWidget* owner = nullptr;
        const TableFileChooser previous = SetTableFileChooser([&](QWidget* dialogOwner) {
            owner = dialogOwner;
            return std::optional<TableFile>({chosen, sheets::TableForm::Csv});
        });
        window.SaveButton->click();
        QCOMPARE(owner, &window);
        QCOMPARE(ReadAll(chosen), ReadAll(lab.Journal().KeptPath()));
        QCOMPARE(ReadKept(chosen).Content.Rows.size(), 2u);

        chosen = folder.filePath(QStringLiteral("нет/Журнал.csv"));
        window.SaveButton->click();
        SetTableFileChooser(previous);
        QCOMPARE(messages.messages.last(),
                 QStringLiteral("Не удаётся сохранить журнал в файл ") + QDir::toNativeSeparators(chosen));
    }

    // One tab-separated line per row under the headings: the selected rows,
    // or every row when none is selected.
    void copyPutsTabSeparatedLinesOnTheClipboard()
    {
        LabWindows lab;
        PlainMessageRecorder messages;
        for (const QList<int>& switches : QList<QList<int>>{{1, 1, 1}, {2, 2, 2}, {3, 2, 2}}) {
            lab.SetSwitches(switches[0], switches[1], switches[2]);
            lab.ClickMeasure();
        }
        lab.program.Journals->JournalItem->trigger();
        TJournalForm& window = *lab.JournalWindow();
        window.CopyButton->click();
        QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.takeLast(), QString());
        for (const QString& line : lines)
            QCOMPARE(line.count('\t'), static_cast<qsizetype>(journal::column::Count - 1));
        QVERIFY(lines[0].startsWith(QStringLiteral("№\tвремя\tК1\tК2\tК3\tэксперимент\t")));
        QVERIFY(lines[2].startsWith(QStringLiteral("2\t")));
        QCOMPARE(lines[2].split('\t')[journal::column::Experiment], QStringLiteral("отказ"));

        QApplication::clipboard()->clear();
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        window.Table->selectRow(2);
        window.Table->setFocus();
        QTest::keyClick(window.Table, Qt::Key_C, Qt::ControlModifier);
        lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].startsWith(QStringLiteral("3\t")));
        QCOMPARE(lines[1].split('\t')[journal::column::Experiment], QStringLiteral("мощность шума"));
    }

    // The program killed after a row: its kept file holds every row shown,
    // whole, and they reproduce.
    void aKilledProgramLosesNoRow()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data_.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(DL_JOURNAL_CRASH_HELPER), {"121", "112", "322"});
        QVERIFY(program.waitForStarted());
        QByteArray said;
        while (!said.contains("measured 3") && program.waitForReadyRead(30000))
            said += program.readAllStandardOutput();
        QVERIFY2(said.contains("measured 3"), said.constData());
        program.kill();
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);

        const QString folder = data_.filePath(QStringLiteral("detector-lab"));
        const QStringList files = JournalFiles(folder);
        QCOMPARE(files.size(), 1);
        const journal::ReadJournal file = ReadKept(QDir(folder).filePath(files[0]));
        QCOMPARE(file.Error, std::string());
        QCOMPARE(file.Content.Seed, 20100401u);
        QCOMPARE(file.Content.Rows.size(), 3u);
        QCOMPARE(file.FileCells[1][journal::column::Experiment], std::string("отказ"));
        for (const journal::RowCheck& check : journal::ReplayJournal(file))
            QVERIFY2(check.Reproduces, check.Difference.c_str());
    }

    // «Новый сеанс…» with a seed typed in: a new journal of that seed, shown
    // in the journal window, on a bench built anew with it; cancelled, it
    // changes nothing.
    void aNewSessionRunsOnItsSeed()
    {
        LabWindows lab(424242);
        lab.ClickMeasure();
        lab.program.Journals->JournalItemClick();
        TJournalForm& window = *lab.JournalWindow();
        QCOMPARE(window.SeedLabel->text(), QStringLiteral("Начальное число сеанса: 424242"));
        std::optional<uint32_t> answer;
        const NewSessionQuestion previous = SetNewSessionQuestion([&](QWidget*) { return answer; });
        lab.program.Journals->NewSessionItem->trigger();
        QCOMPARE(lab.Journal().Content().Rows.size(), 1u);
        answer = 12345u;
        lab.program.Journals->NewSessionItem->trigger();
        SetNewSessionQuestion(previous);
        QCOMPARE(lab.Journal().Content().Seed, 12345u);
        QCOMPARE(window.Table->model()->rowCount(), 0);
        QCOMPARE(window.SeedLabel->text(), QStringLiteral("Начальное число сеанса: 12345"));

        lab.ClickMeasure();
        DetectorBench fresh(12345u);
        const MeasurementResult expected = fresh.Measure(lab.Journal().Content().Rows[0].Inputs).value();
        QCOMPARE(lab.Journal().Content().Rows[0].Result.Counter, expected.Counter);
        QCOMPARE(window.Table->model()->rowCount(), 1);
        QCOMPARE(ReadKept(lab.Journal().KeptPath()).Content.Seed, 12345u);
    }

    // The dialog offers «Начать» for the clock's seed or for a typed seed
    // from 0 to 4294967295; typing picks the typed seed.
    void theNewSessionDialogTakesOnlyASeed()
    {
        TNewSessionDialog dialog;
        QVERIFY(dialog.ClockSeedButton->isChecked());
        QVERIFY(dialog.StartButton->isEnabled());
        const struct {
            QString typed;
            bool offered;
        } rows[] = {{"42", true}, {"4294967295", true}, {"4294967296", false}, {"", false}, {"0", true}};
        for (const auto& row : rows) {
            dialog.SeedField->clear();
            QTest::keyClicks(dialog.SeedField, row.typed + QStringLiteral("x-"));
            QCOMPARE(dialog.SeedField->text(), row.typed);
            QVERIFY(dialog.TypedSeedButton->isChecked() || row.typed.isEmpty());
            dialog.TypedSeedButton->setChecked(true);
            QCOMPARE(dialog.StartButton->isEnabled(), row.offered);
            if (row.offered)
                QCOMPARE(dialog.ChosenSeed(), row.typed.toUInt());
        }
        dialog.ClockSeedButton->setChecked(true);
        QVERIFY(dialog.StartButton->isEnabled());
    }

    // A session killed with its program goes on in another through
    // «Продолжить сеанс…»: the same file grows, verifies as one session and
    // holds what one unbroken session on that seed measures.
    void aKilledSessionGoesOnInAnotherProgram()
    {
        const QList<QByteArray> positions{"121", "322", "111", "321"};
        const QString folder = data_.filePath(QStringLiteral("detector-lab"));
        QDir(folder).removeRecursively();
        QProcess first;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data_.path());
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(DL_JOURNAL_CRASH_HELPER), {"121", "322"});
        QVERIFY(first.waitForStarted());
        QByteArray said;
        while (!said.contains("measured 2") && first.waitForReadyRead(30000))
            said += first.readAllStandardOutput();
        first.kill();
        QVERIFY(first.waitForFinished());
        const QStringList files = JournalFiles(folder);
        QCOMPARE(files.size(), 1);
        const QString path = QDir(folder).filePath(files[0]);

        LabWindows lab(1u);
        const JournalFileChooser previous = SetJournalFileChooser([&](QWidget*) { return path; });
        PlainMessageRecorder messages;
        lab.program.Journals->ContinueSessionItem->trigger();
        SetJournalFileChooser(previous);
        QCOMPARE(messages.messages, QStringList());
        QCOMPARE(lab.Journal().KeptPath(), path);
        for (const QByteArray& k : positions.mid(2)) {
            lab.SetSwitches(k[0] - '0', k[1] - '0', k[2] - '0');
            lab.ClickMeasure();
        }

        LabWindows unbroken(20100401);
        for (const QByteArray& k : positions) {
            unbroken.SetSwitches(k[0] - '0', k[1] - '0', k[2] - '0');
            unbroken.ClickMeasure();
        }
        const journal::ReadJournal file = ReadKept(path);
        QCOMPARE(file.Content.Rows.size(), 4u);
        for (size_t i = 0; i < 4; ++i) {
            QCOMPARE(file.Content.Rows[i].Number, static_cast<int64_t>(i) + 1);
            QCOMPARE(file.FileCells[i][journal::column::Reading],
                     journal::RowCells(unbroken.Journal().Content().Rows[i])[journal::column::Reading]);
            QCOMPARE(file.Content.Rows[i].Result.Counter, unbroken.Journal().Content().Rows[i].Result.Counter);
        }
        for (const journal::RowCheck& check : journal::ReplayJournal(file))
            QVERIFY2(check.Reproduces, check.Difference.c_str());
    }

    // A journal whose row was changed is not taken on: one message, and the
    // session, its file and the bench stay as they were.
    void aTamperedJournalIsNotTakenOn()
    {
        QString path;
        {
            LabWindows before(7u);
            before.ClickMeasure();
            before.ClickMeasure();
            path = before.Journal().KeptPath();
        }
        QByteArray text = ReadAll(path);
        text.replace(",1000,1000,", ",1000,999,");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();

        LabWindows lab(1u);
        PlainMessageRecorder messages;
        lab.program.Journals->ContinueSession(path);
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages[0].contains(QStringLiteral("не воспроизводится")));
        QCOMPARE(lab.Journal().Content().Seed, 1u);
        QCOMPARE(lab.bench.Seed(), 1u);
        QVERIFY(lab.Journal().KeptPath().isEmpty());
        QCOMPARE(ReadAll(path), text);
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(JournalUnitTest)
#include "JournalUnitTest.moc"
