// SPDX-License-Identifier: GPL-3.0-or-later
// How the pictures are loaded for a short start-up: no image plugin loaded
// but the ICO's, 24-bit bitmaps read by a plain loop, the window icon from
// PNGs, glyphs decoded when first drawn. Every way gives the pixels Qt's own
// readers give.
#include <QtTest>

#include "FileHeaders.h"
#include "resources/BmpDecoder.h"
#include "resources/DeferredIcon.h"
#include "resources/EmbeddedPictures.h"

#include <QBuffer>
#include <QPainter>

#include <thread>

namespace {

bool Mapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

QStringList PicturesQtWouldRead()
{
    QStringList paths{SplashPicturePath(), ApplicationIconPngPath(), ApplicationIconPng32Path()};
    for (MenuGlyph glyph : {MenuGlyph::Copy, MenuGlyph::Save, MenuGlyph::Exit, MenuGlyph::Switches,
                            MenuGlyph::Signals, MenuGlyph::Measure})
        paths << MenuGlyphPath(glyph);
    return paths;
}

QIcon Square(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// A bitmap as Qt writes it: 24 bits a pixel, rows from the bottom up.
QByteArray Bitmap(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 59 % 256, (x * y * 11 + 5) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void Put32(QByteArray& bytes, int offset, qint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

}  // namespace

class PictureLoadingTest : public QObject {
    Q_OBJECT

private slots:
    // Runs first: only this process's own decoding has touched the plugins.
    void startUpPicturesLoadWithoutImagePlugins()
    {
        for (const QString& path : PicturesQtWouldRead())
            QVERIFY2(!LoadPicture(path).isNull(), qPrintable(path));
        QVERIFY(!ApplicationIcon().isNull());
        QVERIFY(!MenuGlyphIcon(MenuGlyph::Copy).pixmap(16, 16).isNull());
        for (const char* plugin : {"libqico.so", "libqsvg.so", "libqgif.so", "libqjpeg.so"})
            QVERIFY2(!Mapped(plugin), plugin);
        // The ICO itself takes its one plugin, and no other.
        QVERIFY(!LoadPicture(ApplicationIconPath()).isNull());
        QVERIFY(!Mapped("libqsvg.so"));
    }

    void picturesAreTheOnesQtsGuessingReaderGives()
    {
        const QStringList paths = PicturesQtWouldRead() << ApplicationIconPath();
        for (const QString& path : paths) {
            const QImage guessed = QImage::fromData(ResourceBytes(path));
            const QImage loaded = LoadPicture(path);
            QCOMPARE(loaded.format(), guessed.format());
            QVERIFY2(loaded == guessed, qPrintable(path));
        }
        QVERIFY(LoadPicture(QStringLiteral(":/pictures/none.bmp")).isNull());
    }

    void theWindowIconShowsTheIcosPixels()
    {
        const QImage ico = LoadPicture(ApplicationIconPath());
        const QImage shown = ApplicationIcon().pixmap(32, 32).toImage();
        QCOMPARE(shown.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(shown.pixel(x, y), ico.pixel(x, y));
        QVERIFY(ApplicationIcon().availableSizes().contains(QSize(48, 48)));
    }

    void bitmapsOfEveryRowLengthReadAsQtReadsThem()
    {
        for (const QSize& size : {QSize(1, 1), QSize(4, 4), QSize(5, 3), QSize(6, 2), QSize(7, 9), QSize(400, 300)}) {
            const QByteArray bytes = Bitmap(size);
            const QImage read = DecodeBmp24(bytes);
            QCOMPARE(read.format(), QImage::Format_RGB32);
            QVERIFY2(read == QImage::fromData(bytes, "BMP"), qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        }
    }

    void otherBitmapsAreLeftToQt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = Bitmap(QSize(5, 3));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << good.left(54);
        QTest::newRow("last row cut short") << good.left(good.size() - 1);
        QTest::newRow("four bits a pixel") << ResourceBytes(MenuGlyphPath(MenuGlyph::Copy));
        QByteArray topDown = good;
        Put32(topDown, 22, -3);
        QTest::newRow("rows from the top down") << topDown;
        QByteArray compressed = good;
        Put32(compressed, 30, 1);
        QTest::newRow("compressed") << compressed;
        QByteArray wide = good;
        Put32(wide, 18, kMaxBmpSide + 1);
        QTest::newRow("wider than allowed") << wide;
        QByteArray huge = good;
        Put32(huge, 18, 0x7FFFFFFF);
        Put32(huge, 22, 0x7FFFFFFF);
        QTest::newRow("2^31 a side") << huge;
        QByteArray farPixels = good;
        Put32(farPixels, 10, 0x7FFFFFF0);
        QTest::newRow("pixels beyond the end") << farPixels;
        QByteArray insidePixels = good;
        Put32(insidePixels, 10, 20);
        QTest::newRow("pixels inside the header") << insidePixels;
        QByteArray notBm = good;
        notBm[0] = 'X';
        QTest::newRow("no BM") << notBm;
    }

    void otherBitmapsAreLeftToQt()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(DecodeBmp24(bytes).isNull());
    }

    // Decoded on a thread of its own, as at start-up; each is handed out once,
    // then decoded anew, with the same pixels either way.
    void picturesDecodedAheadAreTheOnesLoadedLater()
    {
        const QStringList paths{SplashPicturePath(), SchemePicturePath(1, 1, 1), SchemePicturePath(3, 2, 2),
                                ApplicationIconPngPath(), QStringLiteral(":/pictures/none.jpg")};
        QList<QImage> decoded;
        for (const QString& path : paths)
            decoded << LoadPicture(path);
        std::thread(DecodingAhead(paths)).join();
        for (int round = 0; round < 2; ++round)
            for (int i = 0; i < paths.size(); ++i) {
                const QImage loaded = LoadPicture(paths[i]);
                QCOMPARE(loaded.format(), decoded[i].format());
                QVERIFY2(loaded == decoded[i], qPrintable(paths[i]));
            }
        QVERIFY(decoded.last().isNull());
        QCOMPARE(decoded[1].format(), QImage::Format_RGB32);
    }

    void aDeferredIconIsMadeOnceWhenFirstDrawnOrMeasured()
    {
        int made = 0;
        const QIcon icon = DeferredIcon([&made] {
            ++made;
            return Square(Qt::red);
        });
        QIcon copy = icon;
        QCOMPARE(made, 0);
        QCOMPARE(copy.pixmap(16, 16).toImage(), Square(Qt::red).pixmap(16, 16).toImage());
        QCOMPARE(icon.actualSize(QSize(32, 32)), QSize(16, 16));
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
        QImage canvas(20, 20, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        icon.paint(&painter, QRect(2, 2, 16, 16));
        painter.end();
        QCOMPARE(canvas.pixel(10, 10), QColor(Qt::red).rgb());
        QCOMPARE(canvas.pixel(0, 0), QColor(Qt::white).rgb());
        QCOMPARE(made, 1);
        // A copy that changes gets an engine of its own, made already.
        copy.addPixmap(Square(Qt::blue).pixmap(8, 8));
        QVERIFY(!copy.isNull());
        QCOMPARE(made, 1);

        int empty = 0;
        const QIcon nothing = DeferredIcon([&empty] {
            ++empty;
            return QIcon();
        });
        QVERIFY(nothing.isNull());
        QVERIFY(nothing.pixmap(16, 16).isNull());
        QCOMPARE(empty, 1);
    }
};

QTEST_MAIN(PictureLoadingTest)
#include "PictureLoadingTest.moc"
