// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/Comfun.h"

#include <QTest>
#include <cfloat>
#include <cmath>

class FloatToTextTest : public QObject {
    Q_OBJECT

private slots:
    void formats_data()
    {
        QTest::addColumn<quint32>("selector");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("register reading") << 2u << 12.5 << "12,50";
        QTest::newRow("negative") << 2u << -3.25 << "-3,25";
        QTest::newRow("no decimals, no comma") << 0u << 42.0 << "42";
        QTest::newRow("zero reading") << 2u << 0.0 << "0,00";
        QTest::newRow("rounding half to even of the binary value") << 2u << 0.125 << "0,12";
        QTest::newRow("seven decimals") << 7u << 1.0 / 3.0 << "0,3333333";
        QTest::newRow("selector 8 is exponent form") << 8u << 1234.5 << "1,234500e+03";
        QTest::newRow("largest selector is exponent form") << 4294967295u << 1234.5 << "1,234500e+03";
        QTest::newRow("exponent form of a small value") << 9u << -0.00012 << "-1,200000e-04";
    }

    void formats()
    {
        QFETCH(quint32, selector);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FloatToText(selector, value), text);
    }

    void onlyTheFirstFullStopBecomesAComma()
    {
        const QString text = FloatToText(3, 1.5);
        QCOMPARE(text.count(','), 1);
        QVERIFY(!text.contains('.'));
    }

    void longTextIsReturnedWhole()
    {
        // More than the 99 characters a fixed buffer would hold.
        const QString text = FloatToText(7, DBL_MAX);
        QCOMPARE(text.size(), 309 + 1 + 7);
        QVERIFY(text.startsWith("17976931348623157"));
        QVERIFY(text.endsWith(",0000000"));
        QCOMPARE(FloatToText(2, -DBL_MAX).size(), 1 + 309 + 1 + 2);
    }

    void specialValues()
    {
        QCOMPARE(FloatToText(2, std::nan("")), QString("nan"));
        QCOMPARE(FloatToText(2, -INFINITY), QString("-inf"));
    }
};

QTEST_GUILESS_MAIN(FloatToTextTest)
#include "FloatToTextTest.moc"
