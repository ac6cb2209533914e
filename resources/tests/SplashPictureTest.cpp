// SPDX-License-Identifier: GPL-3.0-or-later
// The splash picture: a 24-bit bottom-up bitmap of 400 x 300 in two colours,
// steel blue and yellow, with its yellow frame and emblem square.
#include <QtTest>

#include "FileHeaders.h"
#include "resources/EmbeddedPictures.h"

namespace {

const QRgb kField = qRgb(58, 110, 165);
const QRgb kYellow = qRgb(255, 255, 0);

// On the straight line between the two colours, within rounding.
bool IsBlendOfFieldAndYellow(QRgb pixel)
{
    const double a = (qRed(pixel) - qRed(kField)) / double(qRed(kYellow) - qRed(kField));
    const auto expect = [a](int from, int to) { return from + a * (to - from); };
    return a >= -0.02 && a <= 1.02 && std::abs(qGreen(pixel) - expect(qGreen(kField), qGreen(kYellow))) <= 3
           && std::abs(qBlue(pixel) - expect(qBlue(kField), qBlue(kYellow))) <= 3;
}

}  // namespace

class SplashPictureTest : public QObject {
    Q_OBJECT

private slots:
    void fileIsA24BitBottomUpBitmapOf360054Bytes()
    {
        const QByteArray bytes = ResourceBytes(SplashPicturePath());
        QCOMPARE(bytes.size(), 360054);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(U32(bytes, 2), 360054u);
        QCOMPARE(U32(bytes, 10), 54u);          // pixels right after the two headers
        QCOMPARE(U32(bytes, 14), 40u);          // information header size
        QCOMPARE(I32(bytes, 18), 400);
        QCOMPARE(I32(bytes, 22), 300);          // positive: rows bottom-up
        QCOMPARE(U16(bytes, 26), quint16(1));
        QCOMPARE(U16(bytes, 28), quint16(24));
        QCOMPARE(U32(bytes, 30), 0u);           // uncompressed
        // The first stored row is the bottom one: yellow frame.
        QCOMPARE(U8(bytes, 54 + 3 * 200), quint8(0));      // blue
        QCOMPARE(U8(bytes, 54 + 3 * 200 + 2), quint8(255));  // red
    }

    void frameIsThreePixelsWideAndFourAtTheBottom_data()
    {
        QTest::addColumn<QPoint>("inFrame");
        QTest::addColumn<QPoint>("justInside");
        QTest::newRow("top") << QPoint(200, 2) << QPoint(200, 3);
        QTest::newRow("bottom") << QPoint(200, 296) << QPoint(200, 295);
        QTest::newRow("left") << QPoint(2, 150) << QPoint(3, 150);
        QTest::newRow("right") << QPoint(397, 150) << QPoint(396, 150);
    }

    void frameIsThreePixelsWideAndFourAtTheBottom()
    {
        QFETCH(QPoint, inFrame);
        QFETCH(QPoint, justInside);
        const QImage image = LoadPicture(SplashPicturePath());
        const QPoint outward = inFrame - justInside;
        for (QPoint p = inFrame; image.rect().contains(p); p += outward)
            QCOMPARE(image.pixel(p), kYellow);
        QCOMPARE(image.pixel(justInside), kField);
    }

    void holdsOnlyTheTwoColoursAndTheirBlends()
    {
        const QImage image = LoadPicture(SplashPicturePath());
        QCOMPARE(image.size(), QSize(400, 300));
        int pure = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY2(IsBlendOfFieldAndYellow(pixel), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                pure += pixel == kField || pixel == kYellow ? 1 : 0;
            }
        QVERIFY(pure > image.width() * image.height() * 9 / 10);
    }

    void emblemSquareAndTextsInPlace()
    {
        const QImage image = LoadPicture(SplashPicturePath());
        for (int y = 20; y < 125; y += 5) {
            QCOMPARE(image.pixel(8, y), kYellow);
            QCOMPARE(image.pixel(139, y), kYellow);
        }
        for (int x = 20; x < 130; x += 5) {
            QCOMPARE(image.pixel(x, 9), kYellow);
            QCOMPARE(image.pixel(x, 134), kYellow);
        }
        const auto yellowIn = [&](const QRect& area) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += image.pixel(x, y) == kYellow ? 1 : 0;
            return count;
        };
        QVERIFY(yellowIn(QRect(QPoint(12, 13), QPoint(135, 130))) > 2000);  // the letters
        QVERIFY(yellowIn(QRect(QPoint(172, 69), QPoint(330, 87))) > 300);   // credit
        QVERIFY(yellowIn(QRect(QPoint(105, 154), QPoint(299, 175))) > 600); // title, first line
        QVERIFY(yellowIn(QRect(QPoint(47, 198), QPoint(369, 219))) > 900);  // title, second line
        QVERIFY(yellowIn(QRect(QPoint(119, 255), QPoint(275, 272))) > 300); // imprint
        QCOMPARE(yellowIn(QRect(QPoint(150, 20), QPoint(390, 60))), 0);
        QCOMPARE(yellowIn(QRect(QPoint(10, 225), QPoint(390, 250))), 0);
    }
};

QTEST_MAIN(SplashPictureTest)
#include "SplashPictureTest.moc"
