// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PlainMessage.h"
#include "sweep/lib/SweepReport.h"
#include "sweep/lib/ValueRange.h"
#include "sweep/plot/SweepPlot.h"
#include "tools/testsupport/FreshSettings.h"
#include "tools/testsupport/LabWindows.h"
#include "ui/analysis/CharacteristicsUnit.h"
#include "ui/analysis/SweepPlotView.h"
#include "ui/help/TheoryWindow.h"
#include "ui/support/SavePictureDialog.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

using Drawing = TCharacteristicsForm::Drawing;
using theory::Experiment;

constexpr int MillionTrials = 3;

TCharacteristicsForm* OpenWindow(const LabWindows& lab)
{
    lab.program.Analysis->CharacteristicsItem->trigger();
    return qobject_cast<TCharacteristicsForm*>(lab.CharacteristicsWindow());
}

void Set(TCharacteristicsForm& form, Drawing drawing, int event, double gain, double from, double to, double step)
{
    form.DrawingChoice->setCurrentIndex(static_cast<int>(drawing));
    form.EventChoice->setCurrentIndex(event);
    form.GainField->SetVal(gain);
    form.FromField->SetVal(from);
    form.ToField->SetVal(to);
    form.StepField->SetVal(step);
    form.TrialsChoice->setCurrentIndex(0);
    form.SeedField->setText(QStringLiteral("2026"));
}

// A run long enough to be stopped on its way on any machine: two curves of
// a million trials each.
void StartLongRun(TCharacteristicsForm& form)
{
    Set(form, Drawing::DetectionCharacteristic, 0, 6.0, 0, 100, 1);
    form.TrialsChoice->setCurrentIndex(MillionTrials);
    QTest::mouseClick(form.BuildButton, Qt::LeftButton);
}

bool Build(TCharacteristicsForm& form)
{
    QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
    QTest::mouseClick(form.BuildButton, Qt::LeftButton);
    return ended.wait(30000) && ended.first().first().toBool();
}

// The table's cells as the CSV has them, a line per row under the CSV's header.
std::string TableAsCsv(const QTableWidget& table, const std::string& header)
{
    std::string text = header;
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c)
            text += (c ? "," : "") + table.item(r, c)->data(Qt::UserRole).toString().toStdString();
        text += '\n';
    }
    return text;
}

// Offscreen, QTest::mouseMove reaches no widget: the move is sent as the
// window system would deliver it.
void MoveMouse(SweepPlotView& view, QPoint place)
{
    QMouseEvent move(QEvent::MouseMove, place, view.viewport()->mapToGlobal(place), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CharacteristicsUnitTest : public QObject {
    Q_OBJECT

private slots:
    // The test links the window; the program loads it from its module.
    void initTestCase() { SetAnalysisFactories({NewCharacteristicsForm, nullptr}); }
    // Each test's window starts with the defaults of a first run.
    void init() { ForgetProgramSettings(); }

    // Without its module (none lies beside this test) the menu item says so
    // and opens nothing; asked again, it tries again.
    void aMissingModuleIsReported()
    {
        const AnalysisFactories linked = SetAnalysisFactories({});
        LabWindows lab;
        PlainMessageRecorder recorder;
        lab.program.Analysis->CharacteristicsItem->trigger();
        lab.program.Analysis->CharacteristicsItem->trigger();
        SetAnalysisFactories(linked);
        QCOMPARE(recorder.messages.size(), 2);
        QVERIFY(recorder.messages[0].startsWith(QStringLiteral("Окно «Характеристики» недоступно")));
        QVERIFY(lab.CharacteristicsWindow() == nullptr);
    }

    // «Анализ» / «Характеристики…» opens the window with the bench's shapes
    // and K; it takes them again on asking.
    void defaultsFromTheBench()
    {
        LabWindows lab;
        QCOMPARE(lab.program.Analysis->CharacteristicsItem->text(), QStringLiteral("Характеристики…"));

        lab.SetShapes(3, 4);
        LabWindows::Type(lab.form1->EditFloat1, "6");
        QTest::keyClick(lab.form1->EditFloat1, Qt::Key_Tab);
        TCharacteristicsForm* form = OpenWindow(lab);
        QVERIFY(form->isVisible());
        QCOMPARE(QList<int>({form->Signal1Shape->value(), form->Signal2Shape->value()}), QList<int>({3, 4}));
        QCOMPARE(form->GainField->Val(), 6.0);

        lab.SetShapes(2, 1);
        form->TakeFromBenchClick();
        QCOMPARE(QList<int>({form->Signal1Shape->value(), form->Signal2Shape->value()}), QList<int>({2, 1}));
    }

    // F1 in the window opens the theory beside it, as in every window.
    void f1OpensTheTheory()
    {
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        QTest::keyClick(form.GainField, Qt::Key_F1);
        bool shown = false;
        for (QWidget* window : QApplication::topLevelWidgets())
            shown = shown || (qobject_cast<TTheoryWindow*>(window) != nullptr && window->isVisible());
        QVERIFY(shown);
    }

    // All its controls keep room on a screen of 800 x 600, title bar and
    // frame counted; on 1024 x 768 it opens at its designed size, wholly on
    // the screen.
    void fitsTheStudentsScreens()
    {
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        QVERIFY(form.minimumSizeHint().width() <= 800 - 20);
        QVERIFY(form.minimumSizeHint().height() <= 600 - 40);
        QCOMPARE(form.size(), QSize(1000, 700));
    }

    // Built through the window on its worker threads, each drawing's table is
    // the sweep library's CSV for the same settings and seed on one thread,
    // and what detector-lab-sweep prints for the same options.
    void tableIsTheSweepsCsv_data()
    {
        QTest::addColumn<int>("drawing");
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("signal2");
        QTest::addColumn<double>("gain");
        QTest::addColumn<QList<double>>("range");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("operating characteristic")
            << int(Drawing::DetectionCharacteristic) << 0 << 2 << 6.0 << QList<double>{-20, 60, 5}
            << QStringList{"--experiment", "detection,false-alarms", "--gain", "6", "--threshold", "-20:60:5"};
        QTest::newRow("distinction, negative thresholds")
            << int(Drawing::DistinctionCharacteristic) << 0 << 4 << 3.0 << QList<double>{-120, 120, 7.5}
            << QStringList{"--experiment", "distinction1,distinction2", "--signal2", "4", "--gain", "3",
                   "--threshold", "-120:120:7.5"};
        QTest::newRow("false alarms against H")
            << int(Drawing::AgainstThreshold) << 1 << 2 << 2.0 << QList<double>{0, 1, 0.1}
            << QStringList{"--experiment", "false-alarms", "--gain", "2", "--threshold", "0:1:0.1"};
        QTest::newRow("noise power against K")
            << int(Drawing::NoisePowerAgainstGain) << 0 << 2 << 1.0 << QList<double>{0.5, 3, 0.5}
            << QStringList{"--experiment", "noise-power", "--gain", "0.5:3:0.5"};
    }

    void tableIsTheSweepsCsv()
    {
        QFETCH(int, drawing);
        QFETCH(int, event);
        QFETCH(int, signal2);
        QFETCH(double, gain);
        QFETCH(QList<double>, range);
        QFETCH(QStringList, options);
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        Set(form, static_cast<Drawing>(drawing), event, gain, range[0], range[1], range[2]);
        form.Signal2Shape->setValue(signal2);
        QVERIFY(Build(form));

        const std::optional<sweep::SweepSettings> settings = form.SettingsFromFields();
        QVERIFY(settings);
        const std::vector<double> values = sweep::RangeValues(range[0], range[1], range[2], 1000).Values;
        QCOMPARE(drawing == int(Drawing::NoisePowerAgainstGain) ? settings->Gains : settings->Thresholds, values);
        const std::string expected = sweep::CsvText(*settings, 2026, sweep::RunSweep(*settings, 2026, 1));
        QCOMPARE(form.ShownCsv(), expected);
        QCOMPARE(TableAsCsv(*form.Table, expected.substr(0, expected.find('\n') + 1)), expected);

        QProcess program;
        program.start(QStringLiteral(DETECTOR_LAB_SWEEP),
            options + QStringList{"--trials", "1000", "--seed", "2026", "--csv", "-"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput().toStdString(), expected);
    }

    // Each bad range or seed is refused with its message before anything runs.
    void badFieldsAreRefused_data()
    {
        QTest::addColumn<QList<double>>("range");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("message");
        QTest::newRow("step 0") << QList<double>{0, 10, 0} << "1" << "Шаг должен быть больше нуля.";
        QTest::newRow("reversed") << QList<double>{10, 0, 1} << "1"
                                  << "Значение «до» должно быть не меньше значения «от».";
        QTest::newRow("too many") << QList<double>{-1000, 1000, 0.5} << "1"
                                  << "Слишком много точек: в диапазоне должно быть не больше 1001 значения.\n"
                                     "Увеличьте шаг или сузьте диапазон.";
        QTest::newRow("one value") << QList<double>{0, 0.5, 1} << "1"
                                   << "В диапазоне должно быть не меньше двух значений.\n"
                                      "Уменьшите шаг или расширьте диапазон.";
        QTest::newRow("seed beyond 32 bits") << QList<double>{0, 10, 1} << "4294967296"
                                             << "Начальное число должно быть целым числом от 0 до 4294967295.";
        QTest::newRow("no seed") << QList<double>{0, 10, 1} << ""
                                 << "Начальное число должно быть целым числом от 0 до 4294967295.";
    }

    void badFieldsAreRefused()
    {
        QFETCH(QList<double>, range);
        QFETCH(QString, seed);
        QFETCH(QString, message);
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        Set(form, Drawing::DetectionCharacteristic, 0, 1.0, range[0], range[1], range[2]);
        form.SeedField->setText(seed);
        PlainMessageRecorder recorder;
        QTest::mouseClick(form.BuildButton, Qt::LeftButton);
        QCOMPARE(recorder.messages, QStringList{message});
        QVERIFY(!form.Running());
    }

    // While a run goes on, the bench measures as ever. «Остановить» ends the
    // run without a picture or a table; the window builds again at once,
    // and its saves write nothing meanwhile.
    void stopLeavesTheWindowUsable()
    {
        QTemporaryDir folder;
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
        StartLongRun(form);
        QVERIFY(form.Running());
        lab.ClickMeasure();
        QCOMPARE(lab.form1->StaticText2->text(), QStringLiteral("1000"));
        QTest::mouseClick(form.StopButton, Qt::LeftButton);
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended.first().first().toBool(), false);
        QVERIFY(form.PlotView->CurrentPlot() == nullptr);
        QCOMPARE(form.Table->rowCount(), 0);
        for (QPushButton* save : {form.SavePlotButton, form.SaveTableButton, form.CopyPlotButton})
            QVERIFY(!save->isEnabled());
        form.SaveTableClick();
        form.SavePlotClick();
        QVERIFY(QDir(folder.path()).isEmpty());

        form.TrialsChoice->setCurrentIndex(0);
        QVERIFY(Build(form));
        QCOMPARE(form.Table->rowCount(), 2 * 101);
        QVERIFY(form.SaveTableButton->isEnabled());
    }

    // Space on «Построить» starts a run and leaves the keyboard on
    // «Остановить»; Space there stops it, and the keyboard is back on
    // «Построить», never on «Закрыть».
    void keyboardStaysOnTheRunCommands()
    {
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
        Set(form, Drawing::DetectionCharacteristic, 0, 6.0, 0, 100, 1);
        form.TrialsChoice->setCurrentIndex(MillionTrials);
        form.BuildButton->setFocus();
        QTest::keyClick(form.BuildButton, Qt::Key_Space);
        QVERIFY(form.Running());
        QCOMPARE(form.focusWidget(), form.StopButton);
        QTest::keyClick(form.StopButton, Qt::Key_Space);
        QVERIFY(ended.wait(5000));
        QCOMPARE(form.focusWidget(), form.BuildButton);
    }

    // Closing the window stops its run; closing the program (its main
    // window destroyed) during a run ends the workers with it.
    void closingDuringARun()
    {
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
        StartLongRun(form);
        form.close();
        QVERIFY(ended.wait(5000));
        QCOMPARE(ended.first().first().toBool(), false);

        form.show();
        QTest::mouseClick(form.BuildButton, Qt::LeftButton);
        QVERIFY(form.Running());
        lab.form1.reset();
    }

    // The picture, the table and the copy are the sweep's own: the PNG is
    // byte for byte what the sweep draws for the same results, the SVG
    // reads back, the CSV is the table, the clipboard holds the picture.
    void savesReadBack()
    {
        QTemporaryDir folder;
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        Set(form, Drawing::DetectionCharacteristic, 0, 6.0, -20, 60, 5);
        QVERIFY(Build(form));
        const std::optional<sweep::SweepSettings> settings = form.SettingsFromFields();
        const QByteArray png = sweep::DrawPlot(*settings, 2026, sweep::RunSweep(*settings, 2026, 1), false);

        QString chosen;
        const PlotFileNameChooser previousPlot = SetPlotFileNameChooser([&](QWidget*) { return chosen; });
        const TableFileChooser previousCsv
            = SetTableFileChooser([&](QWidget*) { return std::optional<TableFile>({chosen, sheets::TableForm::Csv}); });
        PlainMessageRecorder recorder;
        chosen = folder.filePath("characteristic.png");
        form.SavePlotClick();
        QCOMPARE(ReadAll(chosen), png);
        chosen = folder.filePath("characteristic.svg");
        form.SavePlotClick();
        const QSvgRenderer svg(chosen);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, sweep::PlotWidth, sweep::PlotHeight));
        chosen = folder.filePath("characteristic.csv");
        form.SaveTableClick();
        QCOMPARE(ReadAll(chosen).toStdString(), form.ShownCsv());
        chosen = folder.filePath("no-such-folder/characteristic.csv");
        form.SaveTableClick();
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(recorder.messages.first().startsWith("Не удаётся сохранить таблицу в файл "));
        SetPlotFileNameChooser(previousPlot);
        SetTableFileChooser(previousCsv);

        form.CopyPlotClick();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32));
    }

    // The point under the mouse shows its threshold, both frequencies with
    // their intervals and theory; away from the points the hint comes back.
    void pointUnderTheMouse()
    {
        LabWindows lab;
        TCharacteristicsForm& form = *OpenWindow(lab);
        Set(form, Drawing::DetectionCharacteristic, 0, 6.0, -20, 60, 5);
        QVERIFY(Build(form));
        const QString hint = form.PointLabel->text();
        const sweep::PlotMark& mark = form.PlotView->CurrentPlot()->Marks().front();
        const QPoint place = form.PlotView->mapFromScene(mark.At);
        QCOMPARE(form.PlotView->MarkAt(place), 0);
        MoveMouse(*form.PlotView, place);
        QVERIFY(form.PointLabel->text().startsWith("K = 6, H = -20 мВ — обнаружение: 0,"));
        QVERIFY(form.PointLabel->text().contains("; ложные тревоги: 0,"));
        QCOMPARE(form.PointLabel->text().count("теория"), 2);
        MoveMouse(*form.PlotView, QPoint(1, 1));
        QCOMPARE(form.PointLabel->text(), hint);
    }
};

QTEST_MAIN(CharacteristicsUnitTest)
#include "CharacteristicsUnitTest.moc"
