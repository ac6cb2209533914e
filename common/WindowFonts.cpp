// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFonts.h"

QFont WindowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

QFont ResultDisplayFont()
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setItalic(true);
    return font;
}
