// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DecimalSeparator.h"
#include "common/PlainMessage.h"
#include "tools/testsupport/LabWindows.h"

#include <QMessageBox>
#include <QTimer>
#include <memory>
#include <vector>

namespace {

const QString AboveMaximum =
    QStringLiteral("Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.");

// The main window, keeping every result it is given.
class RecordingForm1 : public TForm1 {
public:
    using TForm1::TForm1;

    void PublishResult(double registerReading, int32_t trials, int32_t counter) override
    {
        Published.push_back({registerReading, trials, counter});
        TForm1::PublishResult(registerReading, trials, counter);
    }

    std::vector<MeasurementResult> Published;
};

// The student with the window system's own mouse: a press and a release take
// the road a real mouse's take, so a modal box keeps them from the window
// under it. A message box is answered with Return; one that appears while the
// mouse is still held sees it let go first, where the student lets go. Any
// other modal window is noted by its class and closed.
class Student : public QObject {
public:
    Student()
    {
        connect(&watch_, &QTimer::timeout, this, &Student::AnswerModalWindow);
        watch_.start(5);
    }

    void Click(QWidget* target, QWidget* releasedOver)
    {
        window_ = target->window()->windowHandle();
        releaseAt_ = releasedOver->mapTo(target->window(), releasedOver->rect().center());
        held_ = true;
        QTest::mousePress(window_, Qt::LeftButton, {}, target->mapTo(target->window(), target->rect().center()));
        LetGo();
    }

    QStringList messages;
    QStringList dialogs;

private:
    void LetGo()
    {
        if (!held_)
            return;
        held_ = false;
        QTest::mouseRelease(window_, Qt::LeftButton, {}, releaseAt_);
    }

    void AnswerModalWindow()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages.append(box->text());
            LetGo();
            QTest::keyClick(box, Qt::Key_Return);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialogs.append(QString::fromLatin1(dialog->metaObject()->className()));
            dialog->reject();
        }
    }

    QTimer watch_;
    QWindow* window_ = nullptr;
    QPoint releaseAt_;
    bool held_ = false;
};

}  // namespace

// A click on a button of the main window while the gain field holds a value
// out of range: the field corrects it with its message, and the click that
// took the focus is then carried out, once. Shift+Tab only commits.
class ClickAfterCorrectionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLocaleDecimalSeparator('.'); }

    void clickCarriedOutAfterTheMessage_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("messageBox");
        QTest::addColumn<QString>("leftBy");  // a click on the button, one let go elsewhere, or Shift+Tab
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("measurements");
        QTest::newRow("Button1, message box") << "Button1" << true << "click" << QStringList{"TForm2"} << 0;
        QTest::newRow("Button2, message box") << "Button2" << true << "click" << QStringList{"TForm3"} << 0;
        QTest::newRow("Button3, message box") << "Button3" << true << "click" << QStringList{} << 1;
        QTest::newRow("Button1, recorded message") << "Button1" << false << "click" << QStringList{"TForm2"} << 0;
        QTest::newRow("Button3, recorded message") << "Button3" << false << "click" << QStringList{} << 1;
        QTest::newRow("Button3 let go elsewhere, message box") << "Button3" << true << "elsewhere" << QStringList{} << 0;
        QTest::newRow("Button2 let go elsewhere, recorded") << "Button2" << false << "elsewhere" << QStringList{} << 0;
        QTest::newRow("Shift+Tab to Button3, message box") << "Button3" << true << "Shift+Tab" << QStringList{} << 0;
    }

    void clickCarriedOutAfterTheMessage()
    {
        QFETCH(QString, button);
        QFETCH(bool, messageBox);
        QFETCH(QString, leftBy);
        QFETCH(QStringList, dialogs);
        QFETCH(int, measurements);
        std::unique_ptr<PlainMessageRecorder> recorder;
        if (!messageBox)
            recorder = std::make_unique<PlainMessageRecorder>();
        RecordingForm1* form = nullptr;
        LabWindows lab(20100401, [&form](DetectorBench& bench) {
            auto made = std::make_unique<RecordingForm1>(nullptr, bench);
            form = made.get();
            return made;
        });
        QVERIFY(lab.shown);
        LabWindows::Type(form->EditFloat1, "5000");

        Student student;
        auto* target = form->findChild<QPushButton*>(button);
        if (leftBy == "Shift+Tab")
            QTest::keyClick(form->EditFloat1, Qt::Key_Backtab);
        else
            student.Click(target, leftBy == "click" ? static_cast<QWidget*>(target) : form->StaticText1);

        QCOMPARE(messageBox ? student.messages : recorder->messages, QStringList{AboveMaximum});
        QCOMPARE(form->EditFloat1->Val(), 1000.0);
        QTRY_COMPARE(student.dialogs, dialogs);
        QCOMPARE(int(form->Published.size()), measurements);
        if (measurements > 0)
            QCOMPARE(lab.bench.Noise.Level, 1000.0);
        QVERIFY(!target->isDown());
        QCOMPARE(form->focusWidget(), target);
    }
};

QTEST_MAIN(ClickAfterCorrectionTest)
#include "ClickAfterCorrectionTest.moc"
