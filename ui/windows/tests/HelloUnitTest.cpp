// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/EmbeddedPictures.h"
#include "tools/testsupport/TestPictures.h"
#include "ui/controls/PictureImage.h"
#include "ui/support/ScreenCursor.h"
#include "ui/windows/HelloUnit.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

class HelloUnitTest : public QObject {
    Q_OBJECT

    // The splash as the main window opens it: shown, not modal, painted at once.
    static QPointer<THelloForm> OpenSplash()
    {
        auto* splash = new THelloForm;
        splash->show();
        splash->repaint();
        return splash;
    }

private slots:
    void cleanup()
    {
        SetScreenCursor(crDefault);
    }

    void window()
    {
        const QPointer<THelloForm> splash = OpenSplash();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        const Qt::WindowFlags flags = splash->windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(splash->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(splash->size(), QSize(400, 300));
        QCOMPARE(splash->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());

        const TImage* image = splash->Image1;
        QCOMPARE(image->geometry(), QRect(0, 0, 400, 300));
        QVERIFY(SamePixels(image->pixmap().toImage(), LoadPicture(SplashPicturePath())));
        QCOMPARE(image->cursor().shape(), Qt::BusyCursor);
        QCOMPARE(image->Hint, QStringLiteral("Нажмите любую клавишу"));
        QVERIFY(image->toolTip().isEmpty());
        QVERIFY(splash->toolTip().isEmpty());

        QVERIFY(splash->Timer1->isActive());
        QCOMPARE(splash->Timer1->interval(), 5000);
        QCOMPARE(ScreenCursor(), crAppStart);
        delete splash;
    }

    void closes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("timer") << "timer";
        QTest::newRow("click on the picture") << "click";
        QTest::newRow("any other close request") << "close";
    }

    void closes()
    {
        QFETCH(QString, how);
        const QPointer<THelloForm> splash = OpenSplash();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        if (how == "timer")
            splash->Timer1->setInterval(1);  // restarts it: the tick comes at once instead of in 5 s
        else if (how == "click")
            QTest::mouseClick(splash->Image1, Qt::LeftButton, {}, QPoint(200, 150));
        else
            splash->close();
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(ScreenCursor(), crDefault);
    }

    void staysOpen_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::NoButton;
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::NoButton;
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::NoButton;
        QTest::newRow("letter") << int(Qt::Key_A) << Qt::NoButton;
        QTest::newRow("right click") << 0 << Qt::RightButton;
    }

    void staysOpen()
    {
        QFETCH(int, key);
        QFETCH(Qt::MouseButton, button);
        const QPointer<THelloForm> splash = OpenSplash();
        splash->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(splash));
        if (key != 0) {
            QTest::keyClick(splash, Qt::Key(key));
            QTest::keyClick(splash->Image1, Qt::Key(key));
        } else {
            QTest::mouseClick(splash->Image1, button, {}, QPoint(10, 10));
        }
        QTest::qWait(20);
        QVERIFY(!splash.isNull());
        QVERIFY(splash->isVisible());
        QCOMPARE(ScreenCursor(), crAppStart);
        delete splash;
    }

    void measurementWhileOpenLeavesTheNormalCursor()
    {
        const QPointer<THelloForm> splash = OpenSplash();
        SetScreenCursor(crHourGlass);
        SetScreenCursor(crDefault);
        QCOMPARE(ScreenCursor(), crDefault);
        splash->Timer1->setInterval(1);
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(ScreenCursor(), crDefault);
    }
};

QTEST_MAIN(HelloUnitTest)
#include "HelloUnitTest.moc"
