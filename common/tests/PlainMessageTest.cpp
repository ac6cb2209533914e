// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PlainMessage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The real box: its caption, text, single button and its Russian button text.
class PlainMessageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("detector-lab"));
    }

    void realBoxShowsTextWithOneRussianOkButtonAndNoIcon()
    {
        QString caption, text, buttonText;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            const auto list = box->buttons();
            buttons = int(list.size());
            if (!list.isEmpty())
                buttonText = list.first()->text();
            box->button(QMessageBox::Ok)->click();
        });
        ShowPlainMessage(QStringLiteral("Строка 1\nСтрока 2"));
        QCOMPARE(caption, QStringLiteral("detector-lab"));
        QCOMPARE(text, QStringLiteral("Строка 1\nСтрока 2"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
        QCOMPARE(buttonText.remove('&'), QStringLiteral("ОК"));
    }

    void recorderTakesMessagesAndRestoresThePreviousHandler()
    {
        QStringList outer;
        SetPlainMessageHandler([&](const QString& m) { outer.append(m); });
        {
            PlainMessageRecorder recorder;
            ShowPlainMessage(QStringLiteral("a"));
            ShowPlainMessage(QStringLiteral("b"));
            QCOMPARE(recorder.messages, QStringList({"a", "b"}));
        }
        ShowPlainMessage(QStringLiteral("c"));
        QCOMPARE(outer, QStringList({"c"}));
        SetPlainMessageHandler({});
    }
};

QTEST_MAIN(PlainMessageTest)
#include "PlainMessageTest.moc"
