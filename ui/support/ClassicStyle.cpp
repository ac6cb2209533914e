// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassicStyle.h"

#include "resources/DeferredIcon.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

ClassicStyle* ClassicStyle::Create()
{
    QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"));
    return windows != nullptr ? new ClassicStyle(windows) : nullptr;
}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option and the widget may be gone when the icon is first drawn.
    // These icons depend on the option's direction of writing only, or
    // without an option on the application's, as it is now.
    QStyleOption direction;
    direction.direction = option != nullptr ? option->direction : QGuiApplication::layoutDirection();
    const QPointer<QStyle> base = baseStyle();
    return DeferredIcon([base, icon, direction] { return base ? base->standardIcon(icon, &direction) : QIcon(); });
}
