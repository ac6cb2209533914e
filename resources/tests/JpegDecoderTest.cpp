// SPDX-License-Identifier: GPL-3.0-or-later
// The JPEG decoder: a good stream gives its picture; truncated, corrupted and
// forged streams are failures that the caller sees, with a message.
#include <QtTest>

#include "FileHeaders.h"
#include "resources/EmbeddedPictures.h"
#include "resources/JpegDecoder.h"

namespace {

QByteArray GoodStream()
{
    return ResourceBytes(SignalPicturePath(1, 2));
}

// Offset of the first byte after the start-of-frame marker's length field.
int FrameHeaderAt(const QByteArray& bytes)
{
    return int(bytes.indexOf(QByteArray("\xFF\xC0", 2))) + 4;
}

}  // namespace

class JpegDecoderTest : public QObject {
    Q_OBJECT

private slots:
    void goodStreamDecodes()
    {
        QImage image;
        QString error;
        QVERIFY(DecodeJpeg(GoodStream(), image, &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(image.size(), QSize(304, 174));
        // Channels in the right order: the trace of shape 2 at +1, 10 ms is red.
        const QRgb trace = image.pixel(106 + 14, 37);
        QVERIFY(qRed(trace) > 150 && qGreen(trace) < 60 && qBlue(trace) < 60);
    }

    void badStreamsFail_data()
    {
        QTest::addColumn<QByteArray>("stream");
        const QByteArray good = GoodStream();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("start marker only") << good.left(2);
        QTest::newRow("cut in the headers") << good.left(100);
        QTest::newRow("cut after the frame header") << good.left(FrameHeaderAt(good) + 20);
        QTest::newRow("cut in the first rows") << good.left(good.size() / 4);
        QTest::newRow("cut in the middle") << good.left(good.size() / 2);
        QTest::newRow("cut before the end marker") << good.left(good.size() - 2);
        static constexpr char bitmap[] = "BM\x36\x00\x00\x00 not a picture";
        static constexpr char png[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR";
        QTest::newRow("not a JPEG") << QByteArray(bitmap, sizeof bitmap - 1);
        QTest::newRow("PNG signature") << QByteArray(png, sizeof png - 1);

        QByteArray zeroWidth = good;
        const int frame = FrameHeaderAt(good);
        zeroWidth[frame + 3] = 0;
        zeroWidth[frame + 4] = 0;
        QTest::newRow("zero width") << zeroWidth;

        QByteArray huge = good;
        huge[frame + 1] = '\xFF';
        huge[frame + 2] = '\xFF';
        huge[frame + 3] = '\xFF';
        huge[frame + 4] = '\xFF';
        QTest::newRow("65535 x 65535 in the header") << huge;

        QByteArray noTables = good;
        const int table = int(good.indexOf(QByteArray("\xFF\xDB", 2)));
        noTables[table + 1] = '\xFE';  // the quantisation tables become a comment
        QTest::newRow("quantisation tables missing") << noTables;

        QByteArray wrongComponents = good;
        wrongComponents[frame + 5] = 2;
        QTest::newRow("two components") << wrongComponents;

        QByteArray stray = good;
        const auto middle = good.size() / 2;
        stray[middle] = '\xFF';
        stray[middle + 1] = '\xD3';  // a restart marker where none is expected
        QTest::newRow("stray marker in the scan") << stray;

        QByteArray zeros = good;
        zeros.replace(good.size() / 3, good.size() / 3, QByteArray(good.size() / 3, char(0)));
        zeros.chop(2);
        QTest::newRow("scan zeroed and end marker missing") << zeros;
    }

    void badStreamsFail()
    {
        QFETCH(QByteArray, stream);
        QImage image(8, 8, QImage::Format_RGB32);
        QString error;
        QVERIFY(!DecodeJpeg(stream, image, &error));
        QVERIFY(image.isNull());
        QVERIFY(!error.isEmpty());
    }

    void errorArgumentIsOptional()
    {
        QImage image;
        QVERIFY(!DecodeJpeg(GoodStream().left(300), image));
        QVERIFY(DecodeJpeg(GoodStream(), image));
    }

    // After a failure the next decode starts clean.
    void failureLeavesNoTrace()
    {
        QImage image;
        QString error;
        QVERIFY(!DecodeJpeg(GoodStream().left(1000), image, &error));
        error.clear();
        QVERIFY(DecodeJpeg(GoodStream(), image, &error));
        QVERIFY(error.isEmpty());
    }
};

QTEST_MAIN(JpegDecoderTest)
#include "JpegDecoderTest.moc"
