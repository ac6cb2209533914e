// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PlainMessage.h"
#include "common/WindowPlacement.h"
#include "ui/windows/Unit3.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

const QString RefusalMessage =
    QStringLiteral("Схема лабораторной установки не соответствует ни одному из пунктов лабораторной работы.");

QRect AvailableArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

}  // namespace

// Windows keep their designed place where they fit on the screen's available
// area and move just enough to fit where they do not. This test runs on
// offscreen screens of several sizes (see its CMakeLists.txt).
class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void fittedTopLeft_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("placed");
        const QRect screen(0, 0, 800, 600);
        QTest::newRow("fits") << QRect(483, 119, 300, 400) << screen << QPoint(483, 119);
        QTest::newRow("touches both far edges") << QRect(500, 200, 300, 400) << screen << QPoint(500, 200);
        QTest::newRow("past the right and bottom") << QRect(483, 167, 385, 481) << screen << QPoint(415, 119);
        QTest::newRow("past the left and top") << QRect(-20, -5, 100, 100) << screen << QPoint(0, 0);
        QTest::newRow("panel at the top") << QRect(10, 0, 100, 100) << QRect(0, 30, 800, 570) << QPoint(10, 30);
        QTest::newRow("second screen") << QRect(1900, 10, 300, 200) << QRect(1024, 0, 1024, 768)
                                       << QPoint(1748, 10);
        QTest::newRow("larger than the screen") << QRect(50, 60, 849, 700) << screen << QPoint(0, 0);
    }

    void fittedTopLeft()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, placed);
        QCOMPARE(FittedTopLeft(frame, available), placed);
    }

    // At its designed place where it fits, wholly on the screen in any case,
    // "Готово" within reach.
    void signalDialog()
    {
        TForm3 dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(AvailableArea().contains(dialog.frameGeometry()));
        QVERIFY(dialog.rect().contains(dialog.Button1->geometry()));
        const QRect designed(QPoint(483, 167), dialog.frameGeometry().size());
        if (AvailableArea().contains(designed))
            QCOMPARE(dialog.pos(), designed.topLeft());
    }

    // Centred on the screen by the size it has once shown, its text wrapped.
    void messageBox()
    {
        QRect shown;
        QTimer::singleShot(0, this, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->frameGeometry();
                box->accept();
            }
        });
        ShowPlainMessage(RefusalMessage);
        QVERIFY(!shown.isEmpty());
        QVERIFY(AvailableArea().contains(shown));
        const QPoint offCentre = shown.center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QString("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
