// SPDX-License-Identifier: GPL-3.0-or-later
// The four signal plots: the red trace at +1 and -1 where each shape puts it,
// shape 4 drawn 10 pixels lower, the reds from brightest to darkest, and the
// pictures of both signal groups identical.
#include <QtTest>

#include "resources/EmbeddedPictures.h"

namespace {

constexpr int kTimeZeroX = 106;

int TimeX(double ms)
{
    return kTimeZeroX + qRound(ms * 72.0 / 50.0);
}

bool IsRed(QRgb pixel)
{
    return qRed(pixel) > 90 && qRed(pixel) - std::max(qGreen(pixel), qBlue(pixel)) > 50;
}

// Is there red within two pixels above or below (x, y)?
bool RedNear(const QImage& image, int x, int y)
{
    for (int dy = -2; dy <= 2; ++dy)
        if (IsRed(image.pixel(x, y + dy)))
            return true;
    return false;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SignalPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void traceLevels_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("zeroY");
        QTest::addColumn<int>("firstY");   // the level from 0 to 25 ms
        QTest::addColumn<int>("secondY");  // the level from 25 to 50 ms
        QTest::addColumn<int>("otherY");   // the level that a shape never takes in its first half
        QTest::newRow("shape 1: +1, +1") << 1 << 92 << 37 << 37 << 146;
        QTest::newRow("shape 2: +1, -1") << 2 << 92 << 37 << 146 << 146;
        QTest::newRow("shape 3: -1, -1") << 3 << 92 << 146 << 146 << 37;
        QTest::newRow("shape 4: -1, +1, 10 px lower") << 4 << 102 << 155 << 47 << 47;
    }

    void traceLevels()
    {
        QFETCH(int, shape);
        QFETCH(int, zeroY);
        QFETCH(int, firstY);
        QFETCH(int, secondY);
        QFETCH(int, otherY);
        for (int group = 1; group <= 2; ++group) {
            const QImage image = LoadPicture(SignalPicturePath(group, shape));
            QCOMPARE(image.size(), QSize(304, 174));
            for (double ms = 3; ms <= 22; ms += 1) {
                QVERIFY2(RedNear(image, TimeX(ms), firstY), qPrintable(QStringLiteral("no trace at %1 ms").arg(ms)));
                QVERIFY(!RedNear(image, TimeX(ms), otherY));
                QVERIFY(!RedNear(image, TimeX(ms), zeroY));
                QVERIFY(RedNear(image, TimeX(ms + 25), secondY));
                QVERIFY(!RedNear(image, TimeX(ms + 25), zeroY));
            }
            for (const double ms : {-45.0, -25.0, -5.0, 55.0, 75.0, 95.0}) {
                QVERIFY2(RedNear(image, TimeX(ms), zeroY), qPrintable(QStringLiteral("no zero trace at %1 ms").arg(ms)));
                QVERIFY(!RedNear(image, TimeX(ms), firstY));
            }
            // Vertical edges: red all the way between the levels at 0, 25 and 50 ms.
            const auto verticalEdge = [&](double ms, int fromY, int toY) {
                for (int y = std::min(fromY, toY); y <= std::max(fromY, toY); ++y) {
                    bool red = false;
                    for (int dx = -1; dx <= 1; ++dx)
                        red = red || IsRed(image.pixel(TimeX(ms) + dx, y));
                    if (!red)
                        return false;
                }
                return true;
            };
            QVERIFY(verticalEdge(0, zeroY, firstY));
            QVERIFY(verticalEdge(25, firstY, secondY));
            QVERIFY(verticalEdge(50, secondY, zeroY));
        }
    }

    void groupsShowIdenticalBytes()
    {
        for (int shape = 1; shape <= 4; ++shape) {
            const QByteArray first = Bytes(SignalPicturePath(1, shape));
            QVERIFY(!first.isEmpty());
            QCOMPARE(Bytes(SignalPicturePath(2, shape)), first);
        }
    }

    void redIsBrightestForShape1AndDarkestForShape4()
    {
        int previous = 256;
        for (int shape = 1; shape <= 4; ++shape) {
            const QImage image = LoadPicture(SignalPicturePath(1, shape));
            const int zeroY = shape == 4 ? 102 : 92;
            const int red = qRed(image.pixel(TimeX(-30), zeroY));
            QVERIFY2(red < previous, qPrintable(QStringLiteral("shape %1: red %2").arg(shape).arg(red)));
            previous = red;
        }
    }

    // The black time axis runs from x 34 to x 251; shapes share the 10-pixel shift of shape 4 only.
    void timeAxisAndAmplitudeTicks()
    {
        for (int shape = 1; shape <= 4; ++shape) {
            const QImage image = LoadPicture(SignalPicturePath(1, shape));
            const int shift = shape == 4 ? 10 : 0;
            const QRgb axisPixel = image.pixel(TimeX(12), 92 + shift);
            QVERIFY(qGray(axisPixel) < 100 && !IsRed(axisPixel));
            QVERIFY(qGray(image.pixel(kTimeZeroX, 37 + shift)) < 120);
            QVERIFY(qGray(image.pixel(kTimeZeroX - 2, 37 + shift)) < 140);
            QVERIFY(qGray(image.pixel(kTimeZeroX - 2, 146 + shift - (shape == 4 ? 1 : 0))) < 140);
            QVERIFY(qGray(image.pixel(303, 173)) > 245);
        }
    }
};

QTEST_MAIN(SignalPicturesTest)
#include "SignalPicturesTest.moc"
