// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/ScreenCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <vector>

Q_DECLARE_METATYPE(std::vector<TCursor>)

namespace {

// How many overrides Qt holds: each restore pops one.
int OverrideDepth()
{
    int depth = 0;
    std::vector<Qt::CursorShape> shapes;
    while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
        shapes.push_back(cursor->shape());
        QGuiApplication::restoreOverrideCursor();
        ++depth;
    }
    for (auto shape = shapes.rbegin(); shape != shapes.rend(); ++shape)
        QGuiApplication::setOverrideCursor(QCursor(*shape));
    return depth;
}

}  // namespace

class ScreenCursorTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetScreenCursor(crDefault); }

    void assignmentNotStacking_data()
    {
        QTest::addColumn<std::vector<TCursor>>("settings");
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("depth");
        QTest::newRow("nothing set") << std::vector<TCursor>{} << -1 << 0;
        QTest::newRow("hourglass") << std::vector<TCursor>{crHourGlass} << int(Qt::WaitCursor) << 1;
        QTest::newRow("starting") << std::vector<TCursor>{crAppStart} << int(Qt::BusyCursor) << 1;
        QTest::newRow("same twice") << std::vector<TCursor>{crHourGlass, crHourGlass} << int(Qt::WaitCursor) << 1;
        QTest::newRow("replaced") << std::vector<TCursor>{crAppStart, crHourGlass} << int(Qt::WaitCursor) << 1;
        QTest::newRow("default clears") << std::vector<TCursor>{crAppStart, crDefault} << -1 << 0;
        QTest::newRow("measurement during splash")
            << std::vector<TCursor>{crAppStart, crHourGlass, crDefault} << -1 << 0;
        QTest::newRow("splash closing during measurement")
            << std::vector<TCursor>{crAppStart, crHourGlass, crDefault, crDefault} << -1 << 0;
    }

    void assignmentNotStacking()
    {
        QFETCH(std::vector<TCursor>, settings);
        QFETCH(int, shape);
        QFETCH(int, depth);
        for (TCursor cursor : settings)
            SetScreenCursor(cursor);
        const QCursor* override = QGuiApplication::overrideCursor();
        QCOMPARE(override ? int(override->shape()) : -1, shape);
        QCOMPARE(OverrideDepth(), depth);
        QCOMPARE(ScreenCursor(), settings.empty() ? crDefault : settings.back());
    }

    void defaultClearsOverridesSetElsewhere()
    {
        QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        SetScreenCursor(crAppStart);
        QCOMPARE(OverrideDepth(), 1);
        SetScreenCursor(crDefault);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(ScreenCursorTest)
#include "ScreenCursorTest.moc"
