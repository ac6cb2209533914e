// SPDX-License-Identifier: GPL-3.0-or-later
// Menu glyphs and the program icon: file sizes, headers, palettes and masks;
// the icon at every size against its SVG.
#include <QtTest>
#include <QPainter>
#include <QSvgRenderer>

#include "FileHeaders.h"
#include "resources/EmbeddedPictures.h"

namespace {

const QVector<MenuGlyph> kGlyphs{MenuGlyph::Copy,     MenuGlyph::Save,    MenuGlyph::Exit,
                                 MenuGlyph::Switches, MenuGlyph::Signals, MenuGlyph::Measure};

}  // namespace

class GlyphAndIconTest : public QObject {
    Q_OBJECT

private slots:
    void glyphsAre246ByteFourBitBitmaps()
    {
        QSet<QByteArray> distinct;
        for (MenuGlyph glyph : kGlyphs) {
            const QByteArray bytes = ResourceBytes(MenuGlyphPath(glyph));
            QCOMPARE(bytes.size(), 246);
            QCOMPARE(bytes.left(2), QByteArray("BM"));
            QCOMPARE(U32(bytes, 2), 246u);
            QCOMPARE(U32(bytes, 10), 14u + 40u + 16u * 4u);
            QCOMPARE(U32(bytes, 14), 40u);
            QCOMPARE(I32(bytes, 18), 16);
            QCOMPARE(I32(bytes, 22), 16);
            QCOMPARE(U16(bytes, 28), quint16(4));
            QCOMPARE(U32(bytes, 30), 0u);
            QVERIFY(U32(bytes, 46) == 0u || U32(bytes, 46) == 16u);
            distinct.insert(bytes);
        }
        QCOMPARE(distinct.size(), kGlyphs.size());
    }

    // A flat field of one colour around each drawing: the lower-left pixel's colour
    // covers a good part of the border and the menu icon shows it transparent.
    void glyphsStandOnAFlatField()
    {
        for (MenuGlyph glyph : kGlyphs) {
            const QImage image = LoadPicture(MenuGlyphPath(glyph));
            QCOMPARE(image.size(), QSize(16, 16));
            const QRgb field = image.pixel(0, 15);
            QSet<QRgb> colours;
            int fieldPixels = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    colours.insert(image.pixel(x, y));
                    fieldPixels += image.pixel(x, y) == field ? 1 : 0;
                }
            QVERIFY(colours.size() >= 2);
            QVERIFY(fieldPixels >= 20 && fieldPixels < 200);
            const QImage shown = MenuGlyphIcon(glyph).pixmap(16, 16).toImage();
            QCOMPARE(qAlpha(shown.pixel(0, 15)), 0);
        }
    }

    void iconIsA32x32FourBitIconWithAnAndMask()
    {
        const QByteArray bytes = ResourceBytes(ApplicationIconPath());
        const int colourBytes = 32 * 32 / 2;
        const int maskBytes = 32 * 4;
        QCOMPARE(bytes.size(), 6 + 16 + 40 + 16 * 4 + colourBytes + maskBytes);
        QCOMPARE(U16(bytes, 0), quint16(0));
        QCOMPARE(U16(bytes, 2), quint16(1));  // icon, not cursor
        QCOMPARE(U16(bytes, 4), quint16(1));  // one image
        QCOMPARE(U8(bytes, 6), quint8(32));
        QCOMPARE(U8(bytes, 7), quint8(32));
        QCOMPARE(U8(bytes, 8), quint8(16));
        QCOMPARE(U16(bytes, 12), quint16(4));
        QCOMPARE(U32(bytes, 14), quint32(40 + 16 * 4 + colourBytes + maskBytes));
        QCOMPARE(U32(bytes, 18), 22u);
        QCOMPARE(U32(bytes, 22), 40u);
        QCOMPARE(I32(bytes, 26), 32);
        QCOMPARE(I32(bytes, 30), 64);  // colour rows and mask rows
        QCOMPARE(U16(bytes, 36), quint16(4));
    }

    void iconShowsYellowLettersOnBlue()
    {
        for (const QImage& image : {LoadPicture(ApplicationIconPath()), LoadPicture(ApplicationIconPngPath())}) {
            int yellow = 0;
            int blue = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    QCOMPARE(qAlpha(pixel), 255);
                    yellow += qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 60 ? 1 : 0;
                    blue += qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) > 200 ? 1 : 0;
                }
            const int area = image.width() * image.height();
            QVERIFY(yellow > area / 8);
            QVERIFY(blue > area / 3);
            // The letters lie along the diagonal from the upper left to the lower right;
            // the two other corners are plain field.
            const int side = image.width();
            const int corner = side / 5;
            int onDiagonal = 0;
            for (int i = 0; i < side; ++i) {
                const QRgb pixel = image.pixel(i, i);
                onDiagonal += qRed(pixel) > 200 && qBlue(pixel) < 60 ? 1 : 0;
                for (int j = 0; j < corner; ++j)
                    if (i < corner) {
                        QCOMPARE(image.pixel(side - 1 - j, i), image.pixel(side - 1, 0));
                        QCOMPARE(image.pixel(j, side - 1 - i), image.pixel(side - 1, 0));
                    }
            }
            QVERIFY(onDiagonal > side / 3);
        }
        QCOMPARE(LoadPicture(ApplicationIconPngPath()).size(), QSize(48, 48));
        QVERIFY(ApplicationIcon().availableSizes().contains(QSize(32, 32)));
    }

    // Every size shows one picture, the SVG's: drawn at that size, nearly
    // every pixel is the PNG's (at 16 and 32 pixels, two colours: yellow
    // where the letters cover half a pixel).
    void everySizeIsTheScalableIconsPicture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("twoColours");
        for (const QString& path : ApplicationIconPngPaths())
            QTest::newRow(qPrintable(path)) << path << (path.endsWith("/icon16.png") || path.endsWith("/icon32.png"));
        for (const char* name : {"icon256.png", "icon512.png"})
            QTest::newRow(name) << QStringLiteral(DL_PICTURES_DIR "/%1").arg(name) << false;
    }

    void everySizeIsTheScalableIconsPicture()
    {
        QFETCH(QString, path);
        QFETCH(bool, twoColours);
        const QImage png = (path.startsWith(':') ? LoadPicture(path) : QImage(path)).convertToFormat(QImage::Format_RGB32);
        const int side = png.width();
        QCOMPARE(png.size(), QSize(side, side));
        QSvgRenderer svg(QStringLiteral(DL_PICTURES_DIR "/icon.svg"));
        QVERIFY(svg.isValid());
        QImage drawn(side, side, QImage::Format_RGB32);
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        int unlike = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                QRgb expected = drawn.pixel(x, y);
                if (twoColours)
                    expected = qRed(expected) >= 128 ? qRgb(255, 255, 0) : qRgb(0, 0, 255);
                const QRgb shown = png.pixel(x, y);
                const int distance = std::abs(qRed(expected) - qRed(shown)) + std::abs(qGreen(expected) - qGreen(shown))
                    + std::abs(qBlue(expected) - qBlue(shown));
                unlike += distance > 96 ? 1 : 0;
            }
        QVERIFY2(unlike <= side * side / 25, qPrintable(QStringLiteral("%1 of %2 pixels unlike").arg(unlike).arg(side * side)));
    }
};

QTEST_MAIN(GlyphAndIconTest)
#include "GlyphAndIconTest.moc"
