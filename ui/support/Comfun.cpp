// SPDX-License-Identifier: GPL-3.0-or-later
#include "Comfun.h"

#include "SavePictureDialog.h"
#include "common/files/WholeFile.h"
#include "common/PlainMessage.h"
#include "common/text/NumberText.h"
#include "ui/controls/PictureImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <string>

namespace {

// Selectors 0 to 7 are "%.0f" to "%.7f"; any other is "%e".
constexpr std::uint32_t FixedSelectors = 8;
constexpr int ExponentDecimals = 6;

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
    if (!buffer.open(QIODevice::WriteOnly) || !picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return false;
    OutputFiles file(OutputFiles::UnreadFifo::Fail);
    file.Add(fileName, bytes);
    return file.Write().empty();
}

}  // namespace

// "%.7f" of a huge value runs to hundreds of digits: the text is returned
// whole, never cut to a fixed buffer.
QString FloatToText(std::uint32_t selector, double value)
{
    const std::string text = selector < FixedSelectors ? FixedText(value, static_cast<int>(selector))
                                                       : ExponentText(value, ExponentDecimals);
    return QString::fromLatin1(WithDecimalComma(text));
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
        ShowPlainMessage(QCoreApplication::translate("Comfun", "%1:\nФормат файлов %2 не поддерживается.Произведена коррекция.")
                             .arg(fileName, extension));
        fileName = (extensionStart < 0 ? fileName : fileName.left(extensionStart)) + QStringLiteral(".bmp");
        // The dialog asked about the name typed, not about this one.
        if (QFileInfo(fileName).isDir()) {
            ShowPlainMessage(FolderNameMessage(fileName));
            return;
        }
        if (QFileInfo::exists(fileName) && !ConfirmReplaceFile(fileName))
            return;
    }
    if (!WriteBitmap(image->Picture(), fileName))
        ShowPlainMessage(QStringLiteral("Cannot create file ") + fileName);
}
