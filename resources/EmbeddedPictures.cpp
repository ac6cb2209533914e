#include "EmbeddedPictures.h"

#include <QFile>
#include <QFileInfo>
#include <QPixmap>

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

// A glyph's field colour is its lower-left pixel; the menu shows it transparent.
QIcon MenuGlyphIcon(MenuGlyph glyph)
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

QString ApplicationIconPath()
{
    return PicturePath(QStringLiteral("icon.ico"));
}

QString ApplicationIconPngPath()
{
    return PicturePath(QStringLiteral("icon48.png"));
}

QIcon ApplicationIcon()
{
    QIcon icon;
    icon.addFile(ApplicationIconPath(), QSize(32, 32));
    icon.addFile(ApplicationIconPngPath(), QSize(48, 48));
    return icon;
}

QImage LoadPicture(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (path.endsWith(QStringLiteral(".jpg"))) {
        QImage image;
        DecodeJpeg(data, image);
        return image;
    }
    // Naming the format spares Qt probing every image plugin on the data.
    const QByteArray format = QFileInfo(path).suffix().toUpper().toLatin1();
    return QImage::fromData(data, format.constData());
}
