// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PlainMessage.h"
#include "common/text/NumberText.h"
#include "journal/JournalCsv.h"
#include "journal/JournalReplay.h"
#include "journal/KeptJournal.h"
#include "tools/testsupport/LabWindows.h"
#include "tools/testsupport/XlsxCells.h"
#include "ui/journal/JournalUnit.h"
#include "ui/support/SavePictureDialog.h"

#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The journal as a spreadsheet takes it: saved in every form, copied, and
// shown rounded in columns that grow with their rows.
class JournalExportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { qputenv("XDG_DATA_HOME", data_.path().toUtf8()); }

    // A refused measurement, a noise power and a detection, saved as each
    // type of the dialog offers: the program's CSV is the kept file, «CSV
    // для Excel» verifies as it does, the workbook holds numbers as numbers.
    void everyFormOfTheSaveReadsBack()
    {
        QTemporaryDir folder;
        LabWindows lab;
        PlainMessageRecorder messages;
        for (const QList<int>& switches : QList<QList<int>>{{1, 1, 2}, {3, 2, 2}, {1, 2, 1}}) {
            lab.SetSwitches(switches[0], switches[1], switches[2]);
            lab.ClickMeasure();
        }
        lab.program.Journals->JournalItem->trigger();
        TJournalForm& window = *lab.JournalWindow();
        TableFile chosen;
        const TableFileChooser previous = SetTableFileChooser([&](QWidget*) { return std::optional<TableFile>(chosen); });

        chosen = {folder.filePath("journal.csv"), sheets::TableForm::Csv};
        window.SaveButton->click();
        QCOMPARE(ReadAll(chosen.Name), ReadAll(lab.Journal().KeptPath()));

        chosen = {folder.filePath("excel.csv"), sheets::TableForm::SpreadsheetCsv};
        window.SaveButton->click();
        const QByteArray excel = ReadAll(chosen.Name);
        QVERIFY(excel.startsWith("\xEF\xBB\xBF" "формат журнала Detector Lab;1\r\n"));
        QVERIFY(excel.contains(QStringLiteral("\r\n№;время;К1;К2;К3;эксперимент;").toUtf8()));
        const journal::ReadJournal read = journal::ReadJournalCsv(excel.toStdString());
        QCOMPARE(read.Error, std::string());
        QCOMPARE(read.Content.Rows.size(), 3u);
        for (const journal::RowCheck& check : journal::ReplayJournal(read))
            QVERIFY2(check.Reproduces, check.Difference.c_str());

        chosen = {folder.filePath("journal.xlsx"), sheets::TableForm::Workbook};
        window.SaveButton->click();
        const std::vector<xlsx_test::XlsxSheet> sheets = xlsx_test::ReadXlsx(chosen.Name.toStdString());
        QCOMPARE(sheets.size(), 2u);
        QCOMPARE(sheets[0].Rows.size(), 4u);
        QCOMPARE(sheets[0].Rows[0][journal::column::Reading].Text, std::string("регистратор (мВ*мВ)"));
        const xlsx_test::XlsxCell& reading = sheets[0].Rows[2][journal::column::Reading];
        QVERIFY(reading.IsNumber);
        QCOMPARE(reading.Format, std::string("0.00"));
        QCOMPARE(reading.Number(), lab.Journal().Content().Rows[1].Result.RegisterReading);
        QVERIFY(sheets[0].Rows[3][journal::column::Frequency].IsNumber);
        QVERIFY(!sheets[0].Rows[1][journal::column::Frequency].IsNumber); // refused: "—"
        QCOMPARE(sheets[1].Rows[1][1].Text, std::string("20100401"));

        // A foreign extension gets the form's own after a message; a name
        // that then names a folder is not written at all.
        QStringList asked;
        const ReplaceFileQuestion previousQuestion = SetReplaceFileQuestion([&](const QString& name) {
            asked.append(name);
            return true;
        });
        chosen = {folder.filePath("journal.txt"), sheets::TableForm::Workbook};
        window.SaveButton->click();
        QCOMPARE(asked, QStringList{folder.filePath("journal.xlsx")});
        QCOMPARE(messages.messages.last(),
            folder.filePath("journal.txt") + QStringLiteral(":\nФормат файлов .txt не поддерживается. Произведена коррекция."));
        QVERIFY(QDir(folder.path()).mkdir("table.csv"));
        chosen = {folder.filePath("table.dat"), sheets::TableForm::SpreadsheetCsv};
        const qsizetype before = messages.messages.size();
        window.SaveButton->click();
        QCOMPARE(messages.messages.size(), before + 2);
        QCOMPARE(messages.messages.last(), folder.filePath("table.csv") + QStringLiteral(":\nэто папка, а не файл. Файл не сохранён."));
        QCOMPARE(asked.size(), 1);
        SetReplaceFileQuestion(previousQuestion);
        SetTableFileChooser(previous);
    }

    // The copy keeps every digit with decimal commas; the table shows the
    // reading as the main window does and theory to four digits.
    void theTableIsRoundedAndTheCopyIsNot()
    {
        LabWindows lab;
        lab.SetSwitches(3, 2, 2);
        LabWindows::Type(lab.form1->EditFloat1, "2.5");
        lab.ClickMeasure();
        lab.program.Journals->JournalItem->trigger();
        TJournalForm& window = *lab.JournalWindow();
        const double reading = lab.Journal().Content().Rows[0].Result.RegisterReading;
        QAbstractItemModel& model = *window.Table->model();
        QCOMPARE(model.index(0, journal::column::Reading).data().toString(), lab.form1->StaticText1->text());
        QCOMPARE(model.index(0, journal::column::Theory).data().toString(), QStringLiteral("312,50"));
        window.CopyButton->click();
        const QStringList cells = QApplication::clipboard()->text().split('\n')[1].split('\t');
        QCOMPARE(cells[journal::column::Reading], QString::fromStdString(WithDecimalComma(ShortestText(reading))));
        QCOMPARE(cells[journal::column::Gain], QStringLiteral("2,5"));
    }

    // A column grows to fit a row added while the window is open, and one
    // the student widened stays wide.
    void columnsFitNewRowsAndCanBeWidened()
    {
        LabWindows lab;
        PlainMessageRecorder messages;
        lab.SetSwitches(1, 1, 2);
        lab.ClickMeasure(); // refused: «отказ»
        lab.program.Journals->JournalItem->trigger();
        TJournalForm& window = *lab.JournalWindow();
        QHeaderView& header = *window.Table->horizontalHeader();
        QCOMPARE(header.sectionResizeMode(journal::column::Experiment), QHeaderView::Interactive);
        const int narrow = header.sectionSize(journal::column::Experiment);
        lab.SetSwitches(1, 1, 1);
        lab.ClickMeasure(); // «различение, послан сигнал 1»
        QVERIFY(header.sectionSize(journal::column::Experiment) > narrow);
        QVERIFY(header.sectionSize(journal::column::Experiment) >= static_cast<QAbstractItemView*>(window.Table)->sizeHintForColumn(journal::column::Experiment));
        header.resizeSection(journal::column::Time, 400);
        lab.ClickMeasure();
        QCOMPARE(header.sectionSize(journal::column::Time), 400);
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(JournalExportTest)
#include "JournalExportTest.moc"
