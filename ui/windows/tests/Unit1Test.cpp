// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DecimalSeparator.h"
#include "common/PlainMessage.h"
#include "resources/EmbeddedPictures.h"
#include "tools/testsupport/LabWindows.h"
#include "ui/support/Application.h"
#include "ui/support/Comfun.h"
#include "ui/support/SavePictureDialog.h"
#include "ui/support/ScreenCursor.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <stdexcept>

namespace {

const QString RefusalMessage =
    QStringLiteral("Схема лабораторной установки не соответствует ни одному из пунктов лабораторной работы.");

// Counts of a fixed-seed run lie within five standard deviations of the
// binomial mean.
bool WithinBinomialBound(int count, double probability, int trials = 1000)
{
    const double mean = trials * probability;
    const double spread = 5.0 * std::sqrt(trials * probability * (1.0 - probability));
    return std::abs(count - mean) <= spread;
}

double RegisterValue(const QString& text)
{
    QString number = text;
    return number.replace(',', '.').toDouble();
}

QImage Rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// An event handler that throws: a library exception, or an object of no
// exception class.
class ThrowingHandler : public QObject {
public:
    static constexpr QEvent::Type ThrowsError = QEvent::User;
    static constexpr QEvent::Type ThrowsOther = static_cast<QEvent::Type>(QEvent::User + 1);

    bool event(QEvent* event) override
    {
        if (event->type() == ThrowsError)
            throw std::runtime_error("Cannot create file x.bmp");
        if (event->type() == ThrowsOther)
            throw 42;
        return QObject::event(event);
    }
};

}  // namespace

class Unit1Test : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLocaleDecimalSeparator('.'); }

    void layoutAsDesigned()
    {
        LabWindows lab;
        QVERIFY(lab.shown);
        TForm1& form = *lab.form1;
        QCOMPARE(form.centralWidget()->size(), QSize(784, 542));
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("Лабораторная работа № 4. Исследование различителя сигналов. Учебный стенд 2010"));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.Button3->geometry(), QRect(40, 80, 161, 25));
        QCOMPARE(form.EditFloat2->geometry(), QRect(16, 48, 217, 21));
        QCOMPARE(form.Panel1->geometry(), QRect(8, 0, 761, 313));
        QCOMPARE(lab.VisibleSchemes(), QStringList{"Image111"});
        QCOMPARE(form.SchemeImages[0]->geometry(), QRect(40, 8, 687, 300));
        QCOMPARE(lab.Results(), (QStringList{"0", "0", "0"}));
        QCOMPARE(form.EditFloat1->text(), "1");
        QCOMPARE(form.EditFloat1->Val(), 1.0);
        QCOMPARE(form.EditFloat2->text(), "0");
        QCOMPARE(form.EditFloat2->Max(), 1000.0);
        QCOMPARE(form.Button3->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(form.StaticText1->font().family(), "Liberation Serif");
        QVERIFY(form.StaticText1->font().bold() && form.StaticText1->font().italic());
        for (QAction* item : {form.N3, form.N4, form.N5, form.N6, form.N7, form.N8, form.N9, form.N10, form.N12,
                              form.N13, form.N14}) {
            QVERIFY2(!item->icon().isNull(), qPrintable(item->objectName()));
            QVERIFY2(!item->text().contains('&'), qPrintable(item->objectName()));
        }
    }

    // Only the shown schematic is decoded.
    void hiddenSchematicsStayUndecoded()
    {
        LabWindows lab;
        QVERIFY(lab.form1->SchemeImages[0]->IsDecoded());
        for (std::size_t slot = 1; slot < lab.form1->SchemeImages.size(); ++slot)
            QVERIFY(!lab.form1->SchemeImages[slot]->IsDecoded());
    }

    void measurementRightAfterStart()
    {
        PlainMessageRecorder messages;
        LabWindows lab;
        lab.ClickMeasure();
        QCOMPARE(lab.form1->StaticText1->text(), "0,00");
        QCOMPARE(lab.form1->StaticText2->text(), "1000");
        QVERIFY(lab.form1->StaticText3->text().toInt() >= 990);
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(ScreenCursor(), crDefault);
    }

    // With K = 0 there is no noise: every trial gives the same statistic, and
    // only a statistic strictly above H counts.
    void noiselessExperiments_data()
    {
        QTest::addColumn<QList<int>>("switches");
        QTest::addColumn<QList<int>>("shapes");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QStringList>("results");
        const QList<int> distinction1{1, 1, 1}, detection{1, 2, 1}, distinction2{2, 1, 1};
        const QList<int> falseAlarms{3, 2, 1}, noisePower{3, 2, 2};
        QTest::newRow("distinction 1, just below 50") << distinction1 << QList{1, 2} << "49.9" << QStringList{"0,00", "1000", "1000"};
        QTest::newRow("distinction 1, at 50") << distinction1 << QList{1, 2} << "50" << QStringList{"0,00", "1000", "0"};
        QTest::newRow("distinction 1 of shapes 2, 4, below 96") << distinction1 << QList{2, 4} << "95.9" << QStringList{"0,00", "1000", "1000"};
        QTest::newRow("distinction 1 of shapes 2, 4, at 96") << distinction1 << QList{2, 4} << "96" << QStringList{"0,00", "1000", "0"};
        QTest::newRow("detection, just below 50") << detection << QList{1, 2} << "49.9" << QStringList{"0,00", "1000", "1000"};
        QTest::newRow("detection, at 50") << detection << QList{1, 2} << "50" << QStringList{"0,00", "1000", "0"};
        QTest::newRow("detection of shape 2, below 48") << detection << QList{2, 1} << "47.9" << QStringList{"0,00", "1000", "1000"};
        QTest::newRow("detection of shape 2, at 48") << detection << QList{2, 1} << "48" << QStringList{"0,00", "1000", "0"};
        QTest::newRow("distinction 2, statistic -50") << distinction2 << QList{1, 2} << "0" << QStringList{"0,00", "1000", "0"};
        QTest::newRow("distinction 2 of equal shapes, statistic 0") << distinction2 << QList{3, 3} << "0" << QStringList{"0,00", "1000", "0"};
        QTest::newRow("false alarms, at 0") << falseAlarms << QList{1, 2} << "0" << QStringList{"0,00", "1000", "0"};
        QTest::newRow("noise power") << noisePower << QList{1, 2} << "0" << QStringList{"0,00", "1", "0"};
    }

    void noiselessExperiments()
    {
        QFETCH(QList<int>, switches);
        QFETCH(QList<int>, shapes);
        QFETCH(QString, threshold);
        QFETCH(QStringList, results);
        PlainMessageRecorder messages;
        LabWindows lab;
        lab.SetSwitches(switches[0], switches[1], switches[2]);
        lab.SetShapes(shapes[0], shapes[1]);
        LabWindows::Type(lab.form1->EditFloat1, "0");
        LabWindows::Type(lab.form1->EditFloat2, threshold);
        lab.ClickMeasure();
        QCOMPARE(lab.Results(), results);
        QVERIFY(messages.messages.isEmpty());
    }

    void noisyExperiments_data()
    {
        QTest::addColumn<QList<int>>("switches");
        QTest::addColumn<QList<int>>("shapes");
        QTest::addColumn<QString>("gain");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<double>("probability");
        // Statistic ~ N(50, 10 K): distinction of signal 1 by the filter difference.
        QTest::newRow("distinction 1, K 1, H at the mean") << QList{1, 1, 1} << QList{1, 2} << "1" << "50" << 0.5;
        // Statistic ~ N(50, 7.07 K): detection by filter 1 alone.
        QTest::newRow("detection, K 1, H at the mean") << QList{1, 2, 1} << QList{1, 2} << "1" << "50" << 0.5;
        // Statistic ~ N(-50, 10 K): one standard deviation below H = 0 when K = 5.
        QTest::newRow("distinction 2, K 5, H 0") << QList{2, 1, 1} << QList{1, 2} << "5" << "0" << 0.158655;
        // Noise alone: the filter output is symmetric about 0.
        QTest::newRow("false alarms, K 1, H 0") << QList{3, 2, 1} << QList{1, 2} << "1" << "0" << 0.5;
    }

    void noisyExperiments()
    {
        QFETCH(QList<int>, switches);
        QFETCH(QList<int>, shapes);
        QFETCH(QString, gain);
        QFETCH(QString, threshold);
        QFETCH(double, probability);
        LabWindows lab;
        lab.SetSwitches(switches[0], switches[1], switches[2]);
        lab.SetShapes(shapes[0], shapes[1]);
        LabWindows::Type(lab.form1->EditFloat1, gain);
        LabWindows::Type(lab.form1->EditFloat2, threshold);
        lab.ClickMeasure();
        QCOMPARE(lab.form1->StaticText1->text(), "0,00");
        QCOMPARE(lab.form1->StaticText2->text(), "1000");
        const int counter = lab.form1->StaticText3->text().toInt();
        QVERIFY2(WithinBinomialBound(counter, probability), qPrintable(lab.form1->StaticText3->text()));
    }

    // Mean square of a 50-tap filter's output on noise of level K: about 50 K².
    void noisePowerWithNoise()
    {
        LabWindows lab;
        lab.SetSwitches(3, 2, 2);
        lab.ClickMeasure();
        const QString first = lab.form1->StaticText1->text();
        QVERIFY2(std::abs(RegisterValue(first) - 50.0) < 15.0, qPrintable(first));
        QCOMPARE(lab.form1->StaticText2->text(), "1");
        QCOMPARE(lab.form1->StaticText3->text(), "0");
        lab.ClickMeasure();
        QVERIFY(lab.form1->StaticText1->text() != first);
    }

    void refusedConfigurations_data()
    {
        QTest::addColumn<QList<int>>("switches");
        for (const QList<int>& refused : QList<QList<int>>{{1, 1, 2}, {1, 2, 2}, {2, 1, 2}, {2, 2, 1}, {2, 2, 2}, {3, 1, 1}, {3, 1, 2}})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3").arg(refused[0]).arg(refused[1]).arg(refused[2]))) << refused;
    }

    void refusedConfigurations()
    {
        QFETCH(QList<int>, switches);
        PlainMessageRecorder messages;
        LabWindows lab;
        lab.ClickMeasure();
        QCOMPARE(lab.form1->StaticText2->text(), "1000");
        lab.SetSwitches(switches[0], switches[1], switches[2]);
        lab.ClickMeasure();
        QCOMPARE(messages.messages, QStringList{RefusalMessage});
        QCOMPARE(lab.Results(), (QStringList{"0,00", "0", "0"}));
        QCOMPARE(ScreenCursor(), crDefault);
    }

    // Every measurement is announced with what was set and what the bench
    // published, a refused one too, and the announcement has reached the
    // session's journal before the refusal message waits for the student.
    void eachMeasurementIsAnnouncedBeforeAnyMessage()
    {
        LabWindows lab;
        QSignalSpy announced(lab.form1.get(), &TForm1::MeasurementFinished);
        QList<qsizetype> seenAtMessage;
        const PlainMessageHandler previous = SetPlainMessageHandler([&](const QString&) {
            seenAtMessage << announced.size() << static_cast<qsizetype>(lab.Journal().Content().Rows.size());
        });
        LabWindows::Type(lab.form1->EditFloat1, QStringLiteral("0"));
        LabWindows::Type(lab.form1->EditFloat2, QStringLiteral("49.9"));
        lab.SetSwitches(1, 2, 1);
        lab.ClickMeasure();
        lab.SetSwitches(1, 1, 2);
        lab.ClickMeasure();
        SetPlainMessageHandler(previous);

        QCOMPARE(seenAtMessage, (QList<qsizetype>{2, 2}));
        QCOMPARE(announced.size(), 2);
        const auto inputs = announced[0][0].value<MeasurementInputs>();
        const auto result = announced[0][1].value<MeasurementResult>();
        QCOMPARE(inputs.Switches, (SwitchConfiguration{0, 1, 0}));
        QCOMPARE(inputs.Gain, 0.0);
        QCOMPARE(inputs.Threshold, 49.9);
        QCOMPARE(result.Counter, 1000);
        const auto refused = announced[1][1].value<MeasurementResult>();
        QCOMPARE(announced[1][0].value<MeasurementInputs>().Switches, (SwitchConfiguration{0, 0, 1}));
        QCOMPARE(std::tuple(refused.RegisterReading, refused.Trials, refused.Counter), std::tuple(0.0, 0, 0));
        QCOMPARE(lab.Journal().Content().Rows.back().Inputs.Switches, (SwitchConfiguration{0, 0, 1}));
    }

    void maximiseRule_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("800 x 600") << QSize(800, 600) << true;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << false;
        QTest::newRow("1024 x 600") << QSize(1024, 600) << true;
        QTest::newRow("800 x 768") << QSize(800, 768) << true;
        QTest::newRow("801 x 601") << QSize(801, 601) << false;
    }

    void maximiseRule()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, maximised);
        TForm1 form(nullptr, Bench);
        CloseSplashWindows();
        form.setWindowState(Qt::WindowNoState);
        form.ApplyMaximiseRule(QRect(QPoint(0, 0), screen));
        QCOMPARE(form.isMaximized(), maximised);
        if (maximised) {
            QCOMPARE(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            return;
        }
        QCOMPARE(form.pos(), QPoint((screen.width() - form.width()) / 2, (screen.height() - form.height()) / 2));
        QCOMPARE(form.maximumSize(), form.minimumSize());
    }

    // A maximised window keeps every control where it was designed.
    void maximisedWindowKeepsTheLayout()
    {
        LabWindows lab;
        lab.form1->showMaximized();
        QTRY_VERIFY(lab.form1->isMaximized());
        QCOMPARE(lab.form1->GroupBox1->geometry(), QRect(8, 312, 761, 217));
        QCOMPARE(lab.form1->Panel1->geometry(), QRect(8, 0, 761, 313));
        QCOMPARE(lab.form1->centralWidget()->pos(), QPoint(0, lab.form1->menuBar()->height()));
    }

    // A click on Button3 takes the focus from the field, which commits the
    // typed text first; a menu item leaves the focus, and the measurement uses
    // the value committed before.
    void typedValueAndTheMenus()
    {
        PlainMessageRecorder messages;
        LabWindows lab;
        TForm1& form = *lab.form1;
        lab.SetSwitches(1, 2, 1);
        LabWindows::Type(form.EditFloat1, "0");
        LabWindows::Type(form.EditFloat2, "49.9");
        lab.ClickMeasure();
        QCOMPARE(form.StaticText3->text(), "1000");

        LabWindows::Type(form.EditFloat2, "50");
        form.StaticText3->setText("-");
        QTest::mouseClick(form.MainMenu1, Qt::LeftButton, {}, form.MainMenu1->actionGeometry(form.N2->menuAction()).center());
        QTRY_VERIFY(form.N2->isVisible());
        QTest::mouseClick(form.N2, Qt::LeftButton, {}, form.N2->actionGeometry(form.N8).center());
        QCOMPARE(form.StaticText3->text(), "1000");
        QCOMPARE(form.EditFloat2->Val(), 49.9);
        QCOMPARE(form.EditFloat2->text(), "50");

        form.StaticText3->setText("-");
        form.N14->trigger();
        QCOMPARE(form.StaticText3->text(), "1000");
        QVERIFY(form.EditFloat2->hasFocus());

        lab.ClickMeasure();
        QCOMPARE(form.EditFloat2->Val(), 50.0);
        QCOMPARE(form.StaticText3->text(), "0");
        QVERIFY(messages.messages.isEmpty());
    }

    // Committing by the click corrects first, with the field's message.
    void typedValueOutOfRangeIsCorrectedBeforeTheMeasurement()
    {
        PlainMessageRecorder messages;
        LabWindows lab;
        lab.SetSwitches(1, 2, 1);
        LabWindows::Type(lab.form1->EditFloat1, "0");
        LabWindows::Type(lab.form1->EditFloat2, "5000");
        lab.ClickMeasure();
        QCOMPARE(lab.form1->EditFloat2->Val(), 1000.0);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(lab.form1->StaticText3->text(), "0");
    }

    void copyCurrentSchematic_data()
    {
        QTest::addColumn<QList<int>>("switches");
        QTest::addColumn<bool>("fromPopup");
        QTest::newRow("at start, main menu") << QList{1, 1, 1} << false;
        QTest::newRow("3 2 2, popup menu") << QList{3, 2, 2} << true;
        QTest::newRow("2 1 2, main menu") << QList{2, 1, 2} << false;
    }

    void copyCurrentSchematic()
    {
        QFETCH(QList<int>, switches);
        QFETCH(bool, fromPopup);
        LabWindows lab;
        lab.SetSwitches(switches[0], switches[1], switches[2]);
        QGuiApplication::clipboard()->clear();
        if (fromPopup) {
            TImage* image = lab.form1->CurrentSchemeImage();
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 150), image->mapToGlobal(QPoint(300, 150)));
            QApplication::sendEvent(image, &click);
            QTRY_VERIFY(lab.form1->PopupMenu1->isVisible());
            QTest::mouseClick(lab.form1->PopupMenu1, Qt::LeftButton, {},
                              lab.form1->PopupMenu1->actionGeometry(lab.form1->N9).center());
        } else {
            lab.form1->N3->trigger();
        }
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(687, 300));
        QVERIFY(Rgb(copied) == Rgb(LoadPicture(SchemePicturePath(switches[0], switches[1], switches[2]))));
    }

    void saveCurrentSchematic()
    {
        PlainMessageRecorder messages;
        QTemporaryDir folder;
        const QString fileName = folder.filePath("scheme.bmp");
        QWidget* owner = nullptr;
        const BitmapFileNameChooser previous = SetBitmapFileNameChooser([&](QWidget* dialogOwner) {
            owner = dialogOwner;
            return std::optional<QString>(fileName);
        });
        LabWindows lab;
        lab.SetSwitches(1, 2, 1);
        lab.form1->N10->trigger();
        SetBitmapFileNameChooser(previous);
        QCOMPARE(owner, lab.form1->SchemeImage({0, 1, 0}));
        QVERIFY(messages.messages.isEmpty());
        const QImage saved(fileName, "BMP");
        QCOMPARE(saved.size(), QSize(687, 300));
        QVERIFY(Rgb(saved) == Rgb(LoadPicture(SchemePicturePath(1, 2, 1))));
    }

    void exitEndsTheLoop_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Выход") << true;
        QTest::newRow("closing the main window") << false;
    }

    void exitEndsTheLoop()
    {
        QFETCH(bool, byMenu);
        LabWindows lab;
        lab.ClickMeasure();
        auto* splash = new THelloForm();
        splash->show();
        QTimer::singleShot(0, lab.form1.get(), [&] {
            if (byMenu)
                lab.form1->N5->trigger();
            else
                lab.form1->close();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        CloseSplashWindows();
    }

    // An exception that leaves a handler is reported and the program goes on.
    void exceptionsAreReported()
    {
        PlainMessageRecorder messages;
        LabWindows lab;
        ThrowingHandler handler;
        QCoreApplication::postEvent(&handler, new QEvent(ThrowingHandler::ThrowsError));
        QCoreApplication::postEvent(&handler, new QEvent(ThrowingHandler::ThrowsOther));
        QCoreApplication::sendPostedEvents(&handler);
        QCOMPARE(messages.messages, (QStringList{"Cannot create file x.bmp", ""}));
        lab.ClickMeasure();
        QCOMPARE(lab.form1->StaticText2->text(), "1000");
    }
};

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    Unit1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "Unit1Test.moc"
