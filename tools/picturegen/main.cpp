// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every embedded picture of the program and writes them into the folder
// named on the command line. Run with the offscreen platform.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "GlyphDrawing.h"
#include "JpegEncoder.h"
#include "SchemeDrawing.h"
#include "SignalPlot.h"
#include "SplashDrawing.h"
#include "Typefaces.h"
#include "WindowsBitmap.h"

namespace picturegen {
namespace {

void Write(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + file.fileName()).toStdString());
}

// Quality 100 stores the pixels uncompressed, quickest to decode for the
// pictures the program carries; 0 compresses the most.
QByteArray Png(const QImage& picture, int quality = 100)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "PNG", quality);
    return bytes;
}

// The pictures with words, in one language: the Russian ones are the
// program's own, the English ones go to en/.
void WriteWordedPictures(const QDir& folder, Language language)
{
    for (int k1 = 1; k1 <= 3; ++k1)
        for (int k2 = 1; k2 <= 2; ++k2)
            for (int k3 = 1; k3 <= 2; ++k3)
                Write(folder, QStringLiteral("scheme%1%2%3.jpg").arg(k1).arg(k2).arg(k3),
                      EncodeJpeg(DrawScheme(k1, k2, k3, language)));
    Write(folder, QStringLiteral("splash.bmp"), Bitmap24(DrawSplash(language)));
}

void WriteAll(const QDir& folder)
{
    WriteWordedPictures(folder, Language::Russian);
    if (!folder.exists(QStringLiteral("en")) && !folder.mkdir(QStringLiteral("en")))
        throw std::runtime_error(("cannot make " + folder.filePath(QStringLiteral("en"))).toStdString());
    WriteWordedPictures(QDir(folder.filePath(QStringLiteral("en"))), Language::English);
    for (int shape = 1; shape <= 4; ++shape)
        Write(folder, QStringLiteral("signal%1.jpg").arg(shape), EncodeJpeg(DrawSignalPlot(shape)));
    for (const Glyph& glyph : DrawGlyphs())
        Write(folder, QStringLiteral("glyph-%1.bmp").arg(glyph.name), Bitmap4(ToPalette16(glyph.picture)));
    const QImage icon = ToPalette16(DrawIconTwoColours(kIconSide));
    QImage opaque(icon.size(), QImage::Format_Indexed8);
    opaque.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    opaque.fill(1);
    Write(folder, QStringLiteral("icon.ico"), Icon4(icon, opaque));
    Write(folder, QStringLiteral("icon32.png"), Png(icon.convertToFormat(QImage::Format_RGB32)));
    // At 16 pixels smoothing leaves the letters a grey smudge: two colours, as at 32.
    Write(folder, QStringLiteral("icon16.png"), Png(DrawIconTwoColours(16).convertToFormat(QImage::Format_RGB32)));
    for (int side : {24, 48, 64, 128})
        Write(folder, QStringLiteral("icon%1.png").arg(side), Png(DrawIcon(side)));
    // Only installed for the desktop, not carried in the program.
    for (int side : {256, 512})
        Write(folder, QStringLiteral("icon%1.png").arg(side), Png(DrawIcon(side), 0));
    Write(folder, QStringLiteral("icon.svg"), DrawIconSvg(64));
}

}  // namespace
}  // namespace picturegen

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        picturegen::RequireLiberationFonts();
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        if (!folder.exists())
            throw std::runtime_error("no such folder: " + std::string(argv[1]));
        picturegen::WriteAll(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "picturegen: %s\n", error.what());
        return 1;
    }
    return 0;
}
