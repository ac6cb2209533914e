// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PlainMessage.h"
#include "sweep/plot/SweepPlot.h"
#include "tools/testsupport/FreshSettings.h"
#include "tools/testsupport/LabWindows.h"
#include "tools/testsupport/XlsxCells.h"
#include "ui/analysis/CharacteristicsUnit.h"
#include "ui/analysis/opener/AnalysisMenu.h"
#include "ui/support/SavePictureDialog.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

using Drawing = TCharacteristicsForm::Drawing;

TCharacteristicsForm* OpenWindow(const LabWindows& lab)
{
    lab.program.Analysis->CharacteristicsItem->trigger();
    return qobject_cast<TCharacteristicsForm*>(lab.CharacteristicsWindow());
}

// Detection against false alarms at K = 6, H from -20 to 60 by 20, seed 2026.
void SetDetection(TCharacteristicsForm& form)
{
    form.DrawingChoice->setCurrentIndex(static_cast<int>(Drawing::DetectionCharacteristic));
    form.GainField->SetVal(6.0);
    form.FromField->SetVal(-20.0);
    form.ToField->SetVal(60.0);
    form.StepField->SetVal(20.0);
    form.TrialsChoice->setCurrentIndex(0);
    form.SeedField->setText(QStringLiteral("2026"));
}

bool Build(TCharacteristicsForm& form)
{
    QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
    QTest::mouseClick(form.BuildButton, Qt::LeftButton);
    return ended.wait(30000) && ended.first().first().toBool();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CharacteristicsExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetAnalysisFactories({NewCharacteristicsForm, nullptr}); }
    // Each test's window starts with the defaults of a first run.
    void init() { ForgetProgramSettings(); }

    // The table shows rounded numbers; «CSV для Excel», the workbook and
    // the copy keep every digit under the window's Russian headings.
    void theTableIsSavedAndCopiedForASpreadsheet()
    {
        QTemporaryDir folder;
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        SetDetection(form);
        QVERIFY(Build(form));
        QCOMPARE(form.Table->rowCount(), 10); // five thresholds, two experiments
        const QTableWidgetItem& frequency = *form.Table->item(0, 9);
        QCOMPARE(frequency.text(), frequency.data(Qt::UserRole).toString().replace('.', ','));
        const QTableWidgetItem& low = *form.Table->item(0, 10);
        QVERIFY(low.text().size() <= 6); // "0,9962": four digits
        QVERIFY(low.data(Qt::UserRole).toString().size() > 10);
        QCOMPARE(form.Table->horizontalHeaderItem(15)->text(), QStringLiteral("вердикт"));
        QVERIFY(form.Table->item(0, 15)->text().endsWith(QStringLiteral("согласуется")));

        TableFile chosen;
        const TableFileChooser previous = SetTableFileChooser([&](QWidget*) { return std::optional<TableFile>(chosen); });
        chosen = {folder.filePath("excel.csv"), sheets::TableForm::SpreadsheetCsv};
        form.SaveTableClick();
        QVERIFY(ReadAll(chosen.Name).startsWith("\xEF\xBB\xBF"));
        const QString excel = QString::fromUtf8(ReadAll(chosen.Name));
        QVERIFY(excel.contains(QRegularExpression(QStringLiteral("^\uFEFF?программа;detector-lab "))));
        QVERIFY(excel.contains(QStringLiteral("\r\nначальное число;2026\r\n")));
        QVERIFY(excel.contains(QStringLiteral("\r\n\r\nэксперимент;ключи;сигнал 1;")));
        QVERIFY(excel.contains(';' + low.data(Qt::UserRole).toString().replace('.', ',') + ';'));

        chosen = {folder.filePath("table.xlsx"), sheets::TableForm::Workbook};
        form.SaveTableClick();
        SetTableFileChooser(previous);
        const std::vector<xlsx_test::XlsxSheet> sheets = xlsx_test::ReadXlsx(chosen.Name.toStdString());
        QCOMPARE(sheets.size(), 2u);
        QCOMPARE(sheets[0].Rows.size(), 11u);
        QCOMPARE(QString::fromStdString(sheets[0].Rows[0][10].Text), form.Table->horizontalHeaderItem(10)->text());
        QVERIFY(sheets[0].Rows[1][10].IsNumber);
        QCOMPARE(sheets[0].Rows[1][10].Format, std::string("0.0000"));
        QVERIFY(qAbs(sheets[0].Rows[1][10].Number() - low.data(Qt::UserRole).toDouble()) < 1e-15);

        // A picture named .jpg is saved as .png after the message.
        PlainMessageRecorder messages;
        QString picture = folder.filePath("picture.jpg");
        const PlotFileNameChooser previousPlot = SetPlotFileNameChooser([&](QWidget*) { return std::optional<QString>(picture); });
        form.SavePlotClick();
        SetPlotFileNameChooser(previousPlot);
        QCOMPARE(messages.messages, QStringList{picture + QStringLiteral(":\nФормат файлов .jpg не поддерживается. Произведена коррекция.")});
        QVERIFY(QImage(folder.filePath("picture.png")).size() == QSize(sweep::PlotWidth, sweep::PlotHeight));
        QVERIFY(!QFile::exists(picture));

        form.CopyTableButton->click();
        QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 12); // headings, ten rows, the last line's end
        QVERIFY(lines[0].startsWith(QStringLiteral("эксперимент\tключи\tсигнал 1\t")));
        QCOMPARE(lines[1].split('\t')[10], low.data(Qt::UserRole).toString().replace('.', ','));

        QApplication::clipboard()->clear();
        form.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &form);
        form.Table->selectRow(3);
        form.Table->setFocus();
        QTest::keyClick(form.Table, Qt::Key_C, Qt::ControlModifier);
        lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[1].split('\t')[5], form.Table->item(3, 5)->text());
    }

    // Escape in an open drop-down list closes the list; the next closes the window.
    void escapeClosesAnOpenListFirst()
    {
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        QTRY_COMPARE(QApplication::activeWindow(), &form);
        form.DrawingChoice->setFocus();
        form.DrawingChoice->showPopup();
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        QVERIFY(form.isVisible());
        QTest::keyClick(form.DrawingChoice, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    // Enter in a field of the range builds, with the value just typed.
    void enterInARangeFieldBuilds()
    {
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        SetDetection(form);
        QTRY_COMPARE(QApplication::activeWindow(), &form);
        QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
        form.ToField->setFocus();
        form.ToField->selectAll();
        QTest::keyClicks(form.ToField, "40");
        QTest::keyClick(form.ToField, Qt::Key_Return);
        QVERIFY(ended.wait(30000));
        QCOMPARE(form.Table->rowCount(), 8); // -20 to 40 by 20, two experiments
    }
};

QTEST_MAIN(CharacteristicsExportTest)
#include "CharacteristicsExportTest.moc"
