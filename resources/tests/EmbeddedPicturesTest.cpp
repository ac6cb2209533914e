// SPDX-License-Identifier: GPL-3.0-or-later
// Every embedded picture is reachable through its look-up, decodes, and has
// its size; look-ups outside the switch and shape ranges give nothing.
#include <QtTest>

#include "resources/EmbeddedPictures.h"

class EmbeddedPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void everySchematicDecodesAt687x300()
    {
        for (int k1 = 1; k1 <= 3; ++k1)
            for (int k2 = 1; k2 <= 2; ++k2)
                for (int k3 = 1; k3 <= 2; ++k3) {
                    const QString path = SchemePicturePath(k1, k2, k3);
                    QCOMPARE(path, QStringLiteral(":/pictures/scheme%1%2%3.jpg").arg(k1).arg(k2).arg(k3));
                    QCOMPARE(LoadPicture(path).size(), QSize(687, 300));
                }
    }

    void everySignalPictureDecodesAt304x174()
    {
        for (int group = 1; group <= 2; ++group)
            for (int shape = 1; shape <= 4; ++shape)
                QCOMPARE(LoadPicture(SignalPicturePath(group, shape)).size(), QSize(304, 174));
    }

    void lookUpsOutsideTheRangesAreEmpty_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("K1 0") << SchemePicturePath(0, 1, 1);
        QTest::newRow("K1 4") << SchemePicturePath(4, 1, 1);
        QTest::newRow("K2 0") << SchemePicturePath(1, 0, 1);
        QTest::newRow("K2 3") << SchemePicturePath(1, 3, 1);
        QTest::newRow("K3 0") << SchemePicturePath(1, 1, 0);
        QTest::newRow("K3 3") << SchemePicturePath(1, 1, 3);
        QTest::newRow("group 0") << SignalPicturePath(0, 1);
        QTest::newRow("group 3") << SignalPicturePath(3, 1);
        QTest::newRow("shape 0") << SignalPicturePath(1, 0);
        QTest::newRow("shape 5") << SignalPicturePath(2, 5);
    }

    void lookUpsOutsideTheRangesAreEmpty()
    {
        QFETCH(QString, path);
        QVERIFY(path.isEmpty());
        QVERIFY(LoadPicture(path).isNull());
    }

    void missingResourceGivesNullImage()
    {
        QVERIFY(LoadPicture(QStringLiteral(":/pictures/scheme411.jpg")).isNull());
    }

    void splashGlyphsAndIconsDecode()
    {
        QCOMPARE(LoadPicture(SplashPicturePath()).size(), QSize(400, 300));
        for (MenuGlyph glyph : {MenuGlyph::Copy, MenuGlyph::Save, MenuGlyph::Exit, MenuGlyph::Switches,
                                MenuGlyph::Signals, MenuGlyph::Measure}) {
            QCOMPARE(LoadPicture(MenuGlyphPath(glyph)).size(), QSize(16, 16));
            QVERIFY(!MenuGlyphIcon(glyph).isNull());
        }
        QCOMPARE(LoadPicture(ApplicationIconPath()).size(), QSize(32, 32));
        QCOMPARE(LoadPicture(ApplicationIconPngPath()).size(), QSize(48, 48));
        QVERIFY(!ApplicationIcon().isNull());
    }
};

QTEST_MAIN(EmbeddedPicturesTest)
#include "EmbeddedPicturesTest.moc"
