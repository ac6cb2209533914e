#include "EmbeddedPictures.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>
#include <QResource>

#include <mutex>

#include "BmpDecoder.h"
#include "DeferredIcon.h"
#include "JpegDecoder.h"

namespace {

QString PicturePath(const QString& name)
{
    return QStringLiteral(":/pictures/") + name;
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

QString GlyphName(MenuGlyph glyph)
{
    switch (glyph) {
    case MenuGlyph::Copy: return QStringLiteral("copy");
    case MenuGlyph::Save: return QStringLiteral("save");
    case MenuGlyph::Exit: return QStringLiteral("exit");
    case MenuGlyph::Switches: return QStringLiteral("switches");
    case MenuGlyph::Signals: return QStringLiteral("signals");
    case MenuGlyph::Measure: return QStringLiteral("measure");
    }
    return {};
}

// A glyph's field colour is its lower-left pixel; the menu shows it transparent.
QIcon DecodedGlyphIcon(MenuGlyph glyph)
{
    const QImage image = LoadPicture(MenuGlyphPath(glyph));
    if (image.isNull())
        return {};
    QImage transparent = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb field = transparent.pixel(0, transparent.height() - 1);
    for (int y = 0; y < transparent.height(); ++y)
        for (int x = 0; x < transparent.width(); ++x)
            if (transparent.pixel(x, y) == field)
                transparent.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QIcon(QPixmap::fromImage(transparent));
}

// JPEGs and 24-bit bitmaps, decoded through nothing but QImage: on any
// thread, even before the application object exists. Null for other kinds.
QImage DecodeWithoutQtReaders(const QString& path, const QByteArray& data)
{
    QImage image;
    if (path.endsWith(QStringLiteral(".jpg")))
        DecodeJpeg(data, image);
    else if (path.endsWith(QStringLiteral(".bmp")))
        image = DecodeBmp24(data);
    return image;
}

struct PicturesDecodedAhead {
    std::mutex Mutex;
    QHash<QString, QImage> Pictures;
};

PicturesDecodedAhead& DecodedAhead()
{
    static PicturesDecodedAhead ahead;
    return ahead;
}

QImage TakeDecodedAhead(const QString& path)
{
    PicturesDecodedAhead& ahead = DecodedAhead();
    const std::scoped_lock lock(ahead.Mutex);
    return ahead.Pictures.take(path);
}

}  // namespace

QString SchemePicturePath(int k1, int k2, int k3)
{
    if (!InRange(k1, 1, 3) || !InRange(k2, 1, 2) || !InRange(k3, 1, 2))
        return {};
    return PicturePath(QStringLiteral("scheme%1%2%3.jpg").arg(k1).arg(k2).arg(k3));
}

// Both signal groups show the same four pictures: the file is carried once.
QString SignalPicturePath(int group, int shape)
{
    if (!InRange(group, 1, 2) || !InRange(shape, 1, 4))
        return {};
    return PicturePath(QStringLiteral("signal%1.jpg").arg(shape));
}

QString SplashPicturePath()
{
    return PicturePath(QStringLiteral("splash.bmp"));
}

QString MenuGlyphPath(MenuGlyph glyph)
{
    return PicturePath(QStringLiteral("glyph-%1.bmp").arg(GlyphName(glyph)));
}

QIcon MenuGlyphIcon(MenuGlyph glyph)
{
    return DeferredIcon([glyph] { return DecodedGlyphIcon(glyph); });
}

QString ApplicationIconPath()
{
    return PicturePath(QStringLiteral("icon.ico"));
}

QString ApplicationIconPngPath()
{
    return PicturePath(QStringLiteral("icon48.png"));
}

QString ApplicationIconPng32Path()
{
    return PicturePath(QStringLiteral("icon32.png"));
}

QStringList ApplicationIconPngPaths()
{
    QStringList paths;
    for (int side : {16, 24, 32, 48, 64, 128})
        paths << PicturePath(QStringLiteral("icon%1.png").arg(side));
    return paths;
}

// Made from the PNGs, which Qt reads with its built-in reader: the ICO, pixel
// for pixel the same as the 32 x 32 PNG, would load an image plugin at start-up.
QIcon ApplicationIcon()
{
    QIcon icon;
    for (const QString& path : ApplicationIconPngPaths())
        icon.addPixmap(QPixmap::fromImage(LoadPicture(path)));
    return icon;
}

void DecodeAhead(const QStringList& paths)
{
    for (const QString& path : paths) {
        // The C locale: the system's is not read before the application object.
        const QResource resource(path, QLocale::c());
        QImage image = DecodeWithoutQtReaders(path, resource.uncompressedData());
        if (image.isNull())
            continue;
        PicturesDecodedAhead& ahead = DecodedAhead();
        const std::scoped_lock lock(ahead.Mutex);
        ahead.Pictures.insert(path, std::move(image));
    }
}

QImage LoadPicture(const QString& path)
{
    if (QImage ahead = TakeDecodedAhead(path); !ahead.isNull())
        return ahead;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    QImage image = DecodeWithoutQtReaders(path, data);
    if (!image.isNull() || path.endsWith(QStringLiteral(".jpg")))
        return image;
    // Told the format and forbidden to guess, Qt reads a BMP or PNG with its
    // built-in reader and an ICO with its one plugin. Left to guess, it first
    // loads every image plugin it has (the SVG one with all of Qt SVG), about
    // a millisecond of start-up; the named format alone does not spare that.
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
