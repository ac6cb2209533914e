#include "Comfun.h"

#include "PictureImage.h"
#include "PlainMessage.h"
#include "SavePictureDialog.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <array>
#include <cstdio>
#include <string>

namespace {

const char* FormatFor(std::uint32_t selector)
{
    static constexpr std::array<const char*, 8> fixed = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f", "%.5f", "%.6f", "%.7f"};
    return selector < fixed.size() ? fixed[selector] : "%e";
}

// Where the extension of a file name begins: its last full stop, provided no
// '/' follows it; -1 when there is none. '\\' and ':' are ordinary characters
// of a file name here.
qsizetype ExtensionStart(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > fileName.lastIndexOf(QLatin1Char('/')) ? dot : -1;
}

bool WriteBitmap(const QImage& picture, const QString& fileName)
{
    if (picture.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")
           && WriteWholeFile(fileName, bytes);
}

}  // namespace

QString FloatToText(std::uint32_t selector, double value)
{
    // "%.7f" of a huge value runs to hundreds of digits: size the buffer from
    // the text's real length instead of a fixed one, so nothing is cut or overrun.
    const char* format = FormatFor(selector);
    const int length = std::snprintf(nullptr, 0, format, value);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.resize(text.size() - 1);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = ',';
    return QString::fromLatin1(text);
}

void SaveImageAsBitmap(TImage* image)
{
    if (image == nullptr)
        return;
    const std::optional<QString> chosen = ChooseBitmapFileName(image);
    if (!chosen)
        return;
    QString fileName = *chosen;
    const qsizetype extensionStart = ExtensionStart(fileName);
    const QString extension = extensionStart < 0 ? QString() : QLocale().toLower(fileName.mid(extensionStart));
    if (extension != QLatin1String(".bmp")) {
        ShowPlainMessage(fileName + QStringLiteral(":\nФормат файлов ") + extension
                         + QStringLiteral(" не поддерживается.Произведена коррекция."));
        fileName = (extensionStart < 0 ? fileName : fileName.left(extensionStart)) + QStringLiteral(".bmp");
        // The dialog asked about the name typed, not about this one.
        if (QFileInfo::exists(fileName) && !ConfirmReplaceFile(fileName))
            return;
    }
    if (!WriteBitmap(image->Picture(), fileName))
        ShowPlainMessage(QStringLiteral("Cannot create file ") + fileName);
}
