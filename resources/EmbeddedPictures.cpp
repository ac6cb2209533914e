// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmbeddedPictures.h"

#include "BmpDecoder.h"
#include "DeferredIcon.h"
#include "JpegDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>
#include <QResource>

#include <mutex>
#include <span>
#include <vector>

namespace {

QString PicturePath(const QString& name)
{
    return QStringLiteral(":/pictures/") + name;
}

// The Russian pictures are the program's own; the English ones lie in en/.
QString InLanguage(const QString& name, Language language)
{
    return language == Language::English ? QStringLiteral("en/") + name : name;
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

enum class Kind { Jpeg, Bmp, Other };

Kind KindOf(const QString& path)
{
    if (path.endsWith(QStringLiteral(".jpg")))
        return Kind::Jpeg;
    if (path.endsWith(QStringLiteral(".bmp")))
        return Kind::Bmp;
    return Kind::Other;
}

// JPEGs and 24-bit bitmaps, decoded without Qt: on any thread, even while
// the application object is being built. Null for other kinds.
Pixels DecodeWithoutQt(Kind kind, std::span<const unsigned char> data)
{
    Pixels pixels;
    if (kind == Kind::Jpeg)
        DecodeJpeg(data, pixels);
    else if (kind == Kind::Bmp)
        pixels = DecodeBmp24(data);
    return pixels;
}

QImage DecodeWithoutQtReaders(const QString& path, const QByteArray& data)
{
    return ImageOf(DecodeWithoutQt(
        KindOf(path), std::span(reinterpret_cast<const unsigned char*>(data.constData()), static_cast<size_t>(data.size()))));
}

// The pictures to decode ahead: their paths and bytes, found on the thread
// that asked, and their pixels once the decoding thread has them.
struct PictureAhead {
    QString Path;
    Kind Type;
    std::span<const unsigned char> Bytes;
    Pixels Decoded;
};

struct PicturesDecodedAhead {
    std::mutex Mutex;
    std::vector<PictureAhead> Pictures;
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
    for (PictureAhead& picture : ahead.Pictures)
        if (!picture.Decoded.IsNull() && picture.Path == path)
            return ImageOf(std::exchange(picture.Decoded, Pixels()));
    return {};
}

}  // namespace

QString SchemePicturePath(int k1, int k2, int k3, Language language)
{
    if (!InRange(k1, 1, 3) || !InRange(k2, 1, 2) || !InRange(k3, 1, 2))
        return {};
    return PicturePath(InLanguage(QStringLiteral("scheme%1%2%3.jpg").arg(k1).arg(k2).arg(k3), language));
}

// Both signal groups show the same four pictures: the file is carried once.
QString SignalPicturePath(int group, int shape)
{
    if (!InRange(group, 1, 2) || !InRange(shape, 1, 4))
        return {};
    return PicturePath(QStringLiteral("signal%1.jpg").arg(shape));
}

QString SplashPicturePath(Language language)
{
    return PicturePath(InLanguage(QStringLiteral("splash.bmp"), language));
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

std::function<void()> DecodingAhead(const QStringList& paths)
{
    PicturesDecodedAhead& ahead = DecodedAhead();
    const std::scoped_lock lock(ahead.Mutex);
    const size_t first = ahead.Pictures.size();
    for (const QString& path : paths) {
        // The C locale: the system's is not read before the application object.
        const QResource resource(path, QLocale::c());
        // The pictures are stored uncompressed: their bytes lie in the program itself.
        if (KindOf(path) == Kind::Other || !resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            continue;
        ahead.Pictures.push_back(
            {path, KindOf(path), std::span(resource.data(), static_cast<size_t>(resource.size())), Pixels()});
    }
    const size_t last = ahead.Pictures.size();
    return [first, last] {
        PicturesDecodedAhead& pictures = DecodedAhead();
        for (size_t i = first; i < last; ++i) {
            std::unique_lock held(pictures.Mutex);
            const Kind kind = pictures.Pictures[i].Type;
            const std::span<const unsigned char> bytes = pictures.Pictures[i].Bytes;
            held.unlock();
            Pixels decoded = DecodeWithoutQt(kind, bytes);
            held.lock();
            pictures.Pictures[i].Decoded = std::move(decoded);
        }
    };
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
