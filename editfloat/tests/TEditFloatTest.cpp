// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DecimalSeparator.h"
#include "common/PlainMessage.h"
#include "editfloat/EditFloatUnit.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {

const QString kMsg5 = QString::fromUtf8("Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.");
const QString kMsg6 = QString::fromUtf8(
    "Введённое значение параметра больше максимально-допустимого.\n Прежнее значение параметра восстановлено.");
const QString kMsg7 = QString::fromUtf8("Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.");
const QString kMsg8 = QString::fromUtf8("Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено.");

void SendKey(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

}  // namespace

// A window like the main one: the two fields, built as its stored form builds
// them, each committing when it loses the focus, and the measurement button.
class TEditFloatTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    TEditFloat* field1 = nullptr;  // the gain K
    TEditFloat* field2 = nullptr;  // the threshold H
    QPushButton* button = nullptr;
    std::unique_ptr<PlainMessageRecorder> recorder;
    QList<bool> commits;

    static void BuildLikeTheStoredForm(TEditFloat& field, const char* text)
    {
        field.SetMaxLength(8);
        field.setText(text);
        field.SetCorrMsg(true);
        field.SetMax(1000);
    }

    // The student clicks into the field, selects everything and types.
    void Retype(TEditFloat* field, const QString& keys)
    {
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, keys);
    }

    // The student clicks the measurement button: the field loses the focus.
    void ClickAway()
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->hasFocus());
    }

private slots:
    void init()
    {
        SetLocaleDecimalSeparator('.');
        recorder = std::make_unique<PlainMessageRecorder>();
        commits.clear();
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        field1 = new TEditFloat(window.get());
        BuildLikeTheStoredForm(*field1, "1");
        field1->SetVal(1);
        field2 = new TEditFloat(window.get());
        BuildLikeTheStoredForm(*field2, "0");
        button = new QPushButton(QString::fromUtf8("Выполнить измерение"), window.get());
        layout->addWidget(field1);
        layout->addWidget(field2);
        layout->addWidget(button);
        for (TEditFloat* field : {field1, field2})
            connect(field, &TEditFloat::Exit, this, [this, field] { commits.append(field->GetModify()); });
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        recorder.reset();
    }

    void storedFormStartUp()
    {
        QCOMPARE(field1->Val(), 1.0);
        QCOMPARE(field1->text(), QString("1"));
        QVERIFY(field1->Modified());
        QCOMPARE(field1->Max(), 1000.0);
        QCOMPARE(field2->Val(), 0.0);
        QCOMPARE(field2->text(), QString("0"));
        QVERIFY(!field2->Modified());
        QVERIFY(recorder->messages.isEmpty());
    }

    void newFieldDefaults()
    {
        TEditFloat field;
        QCOMPARE(field.text(), QString("0"));
        QCOMPARE(field.Val(), 0.0);
        QCOMPARE(field.Min(), 0.0);
        QCOMPARE(field.Max(), 1.0);
        QCOMPARE(field.MaxLength(), 0);
        QVERIFY(!field.GetModify());
        QVERIFY(recorder->messages.isEmpty());
    }

    void studentCommits_data()
    {
        QTest::addColumn<char>("separator");
        QTest::addColumn<bool>("corrType");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("val");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("value") << '.' << true << "250" << "250" << 250.0 << "250" << true << QStringList();
        QTest::newRow("same value") << '.' << true << "1" << "1" << 1.0 << "1" << false << QStringList();
        QTest::newRow("empty, corrected") << '.' << true << "" << "" << 500.0 << "500" << true << QStringList{kMsg7};
        QTest::newRow("empty, restored") << '.' << false << "" << "" << 1.0 << "1" << false << QStringList{kMsg8};
        QTest::newRow("above max, corrected")
            << '.' << true << "5000" << "5000" << 1000.0 << "1000" << true << QStringList{kMsg5};
        QTest::newRow("above max, restored")
            << '.' << false << "5000" << "5000" << 1.0 << "1" << false << QStringList{kMsg6};
        QTest::newRow("letters and signs discarded")
            << '.' << true << "1a-+e 2" << "12" << 12.0 << "12" << true << QStringList();
        QTest::newRow("second separator discarded") << '.' << true << "1.2.5" << "1.25" << 1.25 << "1.25" << true
                                                    << QStringList();
        QTest::newRow("point in a comma locale") << ',' << true << "1.5" << "1.5" << 1.5 << "1,5" << true
                                                 << QStringList();
        QTest::newRow("comma in a comma locale") << ',' << true << "1,5" << "1,5" << 1.5 << "1,5" << true
                                                 << QStringList();
        QTest::newRow("comma in a point locale") << '.' << true << "1,5" << "1,5" << 1.5 << "1.5" << true
                                                 << QStringList();
        QTest::newRow("partial: lone separator") << ',' << true << "," << "," << 0.0 << "0" << true << QStringList();
        QTest::newRow("partial: separator first") << ',' << true << ".5" << ".5" << 0.5 << "0,5" << true
                                                  << QStringList();
        QTest::newRow("partial: separator last") << '.' << true << "7." << "7." << 7.0 << "7" << true
                                                 << QStringList();
        QTest::newRow("six digits shown") << '.' << true << "1.234567" << "1.234567" << 1.234567 << "1.23457"
                                          << true << QStringList();
        QTest::newRow("longer than shown") << '.' << true << "0.0001234" << "0.000123" << 0.000123 << "0.000123"
                                           << true << QStringList();
    }

    void studentCommits()
    {
        QFETCH(char, separator);
        QFETCH(bool, corrType);
        QFETCH(QString, keys);
        QFETCH(QString, typed);
        QFETCH(double, val);
        QFETCH(QString, shown);
        QFETCH(bool, changed);
        QFETCH(QStringList, messages);
        SetLocaleDecimalSeparator(separator);
        field1->SetCorrType(corrType);

        Retype(field1, keys);
        QCOMPARE(field1->text(), typed);
        QCOMPARE(field1->Val(), 1.0);  // nothing is taken over before the commit
        ClickAway();
        QCOMPARE(commits, QList<bool>{changed});
        QCOMPARE(field1->Val(), val);
        QCOMPARE(field1->text(), shown);
        QCOMPARE(recorder->messages, messages);
    }

    void shownNumberCommitsNextTime()
    {
        Retype(field1, "1.234567");
        ClickAway();
        field1->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(field1, Qt::Key_Tab);
        QVERIFY(!field1->hasFocus());
        QCOMPARE(commits, (QList<bool>{true, true}));
        QCOMPARE(field1->Val(), 1.23457);
        QCOMPARE(field1->text(), QString("1.23457"));
    }

    void filterWithCaretAndSelection()
    {
        field1->SetMin(-10);
        field1->setFocus();
        field1->setText("-5");
        field1->setCursorPosition(0);
        QTest::keyClicks(field1, "3-");
        QTest::keyClick(field1, Qt::Key_Backspace);
        QCOMPARE(field1->text(), QString("-5"));
        QTest::keyClick(field1, Qt::Key_Period);
        QCOMPARE(field1->text(), QString(".-5"));  // a separator ignores the caret
        field1->setText("-5");
        field1->setCursorPosition(2);
        QTest::keyClicks(field1, "-7");
        QCOMPARE(field1->text(), QString("-57"));
        field1->selectAll();
        QTest::keyClick(field1, Qt::Key_1);
        QCOMPARE(field1->text(), QString("-57"));
        QTest::keyClick(field1, Qt::Key_Minus);
        QCOMPARE(field1->text(), QString("-"));
        field1->setText("1.5");
        field1->selectAll();
        QTest::keyClicks(field1, ".,");
        QCOMPARE(field1->text(), QString("1.5"));

        field2->setFocus();
        field2->setText("");
        QTest::keyClicks(field2, "-3");
        QCOMPARE(field2->text(), QString("3"));  // Min 0: no minus at all
    }

    void exponentMode()
    {
        field1->SetExpInp(true);
        field1->SetMaxLength(0);
        Retype(field1, "-1e+5.,E-x");
        QCOMPARE(field1->text(), QString("-1e+5.,E-"));
        Retype(field1, "2e2");
        ClickAway();
        QCOMPARE(field1->Val(), 200.0);
    }

    void keysThatTypeNoCharacter()
    {
        field1->setFocus();
        field1->setText("1234");
        field1->setCursorPosition(0);
        SendKey(field1, Qt::Key_Delete, QStringLiteral("\x7f"));  // as a real X server sends it
        QCOMPARE(field1->text(), QString("234"));
        QTest::keyClick(field1, Qt::Key_End);
        QTest::keyClick(field1, Qt::Key_Left);
        QTest::keyClick(field1, Qt::Key_Delete);
        QCOMPARE(field1->text(), QString("23"));
        QTest::keyClick(field1, Qt::Key_Home);
        QTest::keyClick(field1, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(field1->selectedText(), QString("2"));
        QTest::keyClick(field1, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(field1->selectedText(), QString("23"));
        SendKey(field1, Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("23"));
        SendKey(field1, Qt::Key_X, QStringLiteral("\x18"), Qt::ControlModifier);
        QCOMPARE(field1->text(), QString(""));
        SendKey(field1, Qt::Key_Z, QStringLiteral("\x1a"), Qt::ControlModifier);
        QCOMPARE(field1->text(), QString("23"));
    }

    void discardedCharacters()
    {
        QSignalSpy returns(field1, &QLineEdit::returnPressed);
        field1->setFocus();
        field1->setText("12");
        QTest::keyClick(field1, Qt::Key_Return);
        QTest::keyClick(field1, Qt::Key_Enter);
        QTest::keyClick(field1, Qt::Key_Escape);
        SendKey(field1, Qt::Key_unknown, QString::fromUtf8("б"));
        SendKey(field1, Qt::Key_unknown, QString::fromUtf8("é"));
        SendKey(field1, Qt::Key_unknown, QString::fromUtf8("٣"));  // a digit of another script
        QCOMPARE(field1->text(), QString("12"));
        QCOMPARE(returns.count(), 0);
        SendKey(field1, Qt::Key_unknown, QStringLiteral("3x4"));  // composed input: one by one
        QCOMPARE(field1->text(), QString("1234"));
    }

    void pastedTextPassesNoFilter_data()
    {
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<double>("val");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("two separators, comma locale") << ',' << "1.2.5" << 500.0 << "500" << QStringList{kMsg7};
        QTest::newRow("point, comma locale") << ',' << "2.5" << 2.5 << "2,5" << QStringList();
        QTest::newRow("exponent in plain mode") << '.' << "2e2" << 200.0 << "200" << QStringList();
        QTest::newRow("spaces and sign") << '.' << " +3 " << 3.0 << "3" << QStringList();
        QTest::newRow("letters") << '.' << "abc" << 500.0 << "500" << QStringList{kMsg7};
        QTest::newRow("cyrillic") << '.' << QString::fromUtf8("два") << 500.0 << "500" << QStringList{kMsg7};
    }

    void pastedTextPassesNoFilter()
    {
        QFETCH(char, separator);
        QFETCH(QString, pasted);
        QFETCH(double, val);
        QFETCH(QString, shown);
        QFETCH(QStringList, messages);
        SetLocaleDecimalSeparator(separator);
        QApplication::clipboard()->setText(pasted);
        field1->setFocus();
        field1->selectAll();
        SendKey(field1, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
        QCOMPARE(field1->text(), pasted);
        ClickAway();
        QCOMPARE(field1->Val(), val);
        QCOMPARE(field1->text(), shown);
        QCOMPARE(recorder->messages, messages);
    }

    void maxLengthLimitsOnlyTheUser()
    {
        Retype(field1, "1234567890");
        QCOMPARE(field1->text(), QString("12345678"));
        QApplication::clipboard()->setText("999");
        QTest::keyClick(field1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field1->text(), QString("12345678"));
        QTest::keyClick(field1, Qt::Key_Home);
        QTest::keyClick(field1, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(field1, Qt::Key_V, Qt::ControlModifier);  // "999" over one character: 10 > 8
        QCOMPARE(field1->text(), QString("12345678"));
        QTest::keyClick(field1, Qt::Key_9);  // one character over one character
        QCOMPARE(field1->text(), QString("92345678"));

        // Texts the program shows are never cut.
        field1->SetMax(1e7);
        field1->SetVal(1234567);
        QCOMPARE(field1->text(), QString("1.23457e+06"));
        QCOMPARE(field1->Val(), 1234570.0);
        field1->SetVal(0.0001234);
        QCOMPARE(field1->text(), QString("0.0001234"));
        QCOMPARE(field1->Val(), 0.0001234);
        QVERIFY(!field1->GetModify());
        QCOMPARE(field1->Val(), 0.0001234);

        // The user may shorten such a text but not lengthen it.
        field1->setFocus();
        field1->end(false);
        QTest::keyClick(field1, Qt::Key_5);
        QCOMPARE(field1->text(), QString("0.0001234"));
        QTest::keyClick(field1, Qt::Key_Backspace);
        QCOMPARE(field1->text(), QString("0.000123"));
        QTest::keyClick(field1, Qt::Key_7);
        QCOMPARE(field1->text(), QString("0.000123"));
        QTest::keyClick(field1, Qt::Key_Backspace);
        QTest::keyClick(field1, Qt::Key_7);
        QCOMPARE(field1->text(), QString("0.000127"));

        field1->setText("123456789012");
        QCOMPARE(field1->text(), QString("123456789012"));
        field1->end(false);
        QTest::keyClick(field1, Qt::Key_3);
        QCOMPARE(field1->text(), QString("123456789012"));
    }

    void noSpuriousTextChanges()
    {
        SetLocaleDecimalSeparator(',');
        field1->SetVal(1.5);
        QCOMPARE(field1->text(), QString("1,5"));
        QSignalSpy changes(field1, &QLineEdit::textChanged);
        field1->setFocus();
        ClickAway();
        QCOMPARE(commits, QList<bool>{false});
        field1->ValToText();
        field1->CorrectText();
        QCOMPARE(changes.count(), 0);
        field1->setText("1.5");
        changes.clear();
        QVERIFY(field1->TextToVal());
        QCOMPARE(changes.count(), 1);
        QCOMPARE(field1->text(), QString("1,5"));
    }

    void exitOnlyWhenAnotherControlTakesTheFocus()
    {
        QSignalSpy exits(field1, &TEditFloat::Exit);
        field1->setFocus(Qt::MouseFocusReason);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(exits.count(), 0);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(field1->hasFocus());
        QTest::keyClick(field1, Qt::Key_Tab);
        QCOMPARE(exits.count(), 1);
        QVERIFY(field2->hasFocus());
    }
};

QTEST_MAIN(TEditFloatTest)
#include "TEditFloatTest.moc"
