// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureClipboard.h"

#include "PictureImage.h"

#include <QClipboard>
#include <QGuiApplication>

void CopyImageToClipboard(const TImage* image)
{
    if (image == nullptr)
        return;
    const QImage picture = image->Picture();
    if (picture.isNull())
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
}
